#include "EditorLabelPlacement.h"

#include "documents/DocumentDefinition.h"
#include "render/CalibrationFile.h"
#include "render/CalibrationRecord.h"
#include "system/TextFile.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>

namespace krevol {
namespace {

// The editor page is 716 pixels wide, the printed page 885 units.
constexpr double kPageToEditor = 716.0 / 885.0;

QHash<QString, CalibrationRecord> defaultRecords(const QString &calibrationFile)
{
    QHash<QString, CalibrationRecord> records;
    TextLineReader reader(defaultCalibrationFilePath(calibrationFile));
    if (!reader.open())
        return records;
    CalibrationRecord record;
    QString line;
    while (reader.readLine(line)) {
        if (!line.contains(QLatin1Char('>')))
            continue;
        vFunWczytajRekordKalibracji(record, line);
        if (!records.contains(record.name))
            records.insert(record.name, record);
    }
    return records;
}

Qt::Alignment horizontalAlignment(qint32 alignment)
{
    switch (alignment) {
    case AlignLeftText:
    case AlignJustified: return Qt::AlignLeft;
    case AlignRightText: return Qt::AlignRight;
    default: return Qt::AlignHCenter;
    }
}

} // namespace

std::optional<LabelPlacement> editorLabelPlacement(const DocumentDefinition &definition, const ItemDefinition &label,
                                                   const QFont &font)
{
    // Read once per program run: the defaults do not change while it runs.
    static QHash<QString, QHash<QString, CalibrationRecord>> cache;
    auto found = cache.find(definition.calibrationFile);
    if (found == cache.end())
        found = cache.insert(definition.calibrationFile, defaultRecords(definition.calibrationFile));
    const auto record = found->constFind(label.name);
    if (record == found->constEnd())
        return std::nullopt;
    // As the page draws it: one line whose bottom stands a quarter of the
    // point size above the record's bottom edge.
    const int height = QFontMetrics(font).height();
    const double bottom = (record->y2 - record->fontSize / 4) * kPageToEditor;
    const int left = qRound(record->x1 * kPageToEditor);
    const int right = qRound(record->x2 * kPageToEditor);
    LabelPlacement placement;
    placement.rect = QRect(left, qRound(bottom) - height, std::max(1, right - left), height);
    placement.alignment = horizontalAlignment(record->alignment) | Qt::AlignTop;
    return placement;
}

} // namespace krevol
