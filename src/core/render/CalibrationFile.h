#pragma once
// The calibration files in the working folder's "kalibracja" folder: their
// paths, the record writer and the group rewrite of the calibration editor.
#include "CalibrationRecord.h"

#include <QString>
#include <optional>

namespace krevol {

inline const QString kCalibrationFolder = QStringLiteral("kalibracja");
inline const QString kCalibrationScratchName = QStringLiteral("temp.tmp");

// Working folder + "/kalibracja/" + the file of that document type (0 to 8);
// "" for a negative or unknown index.
QString calibrationFilePath(int typeIndex);
// Working folder + "/kalibracja/" + file name.
QString calibrationFilePathFor(const QString &fileName);
// Program folder + "/kalibracja/" + file name: the default copy.
QString defaultCalibrationFilePath(const QString &fileName);

// Replaces every line that contains "<" + record.name + ">" by the record's
// line, drops empty lines, adds nothing when no line matches. The text after
// a replaced line's strikeout field (its group marker) is kept. Writes through
// the scratch file "temp.tmp" in the working folder; reports and returns false
// on failure.
bool bFunZapiszRekordKalibracji(const CalibrationRecord &record, const QString &calibrationPath);

// The font fields a group rewrite sets on every line of a group.
struct GroupFont
{
    QString fontName;
    qint32 fontSize = 0;
    qint32 alignment = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// One line of a group rewrite: a line without the marker comes back as it
// was; a line of the group keeps its name and box (up to its fourth comma),
// takes the seven font fields and keeps the text after its old strikeout
// field; a line of the group with fewer than four commas is dropped
// (std::nullopt).
std::optional<QString> groupRewrittenLine(const QString &line, const QString &groupMarker,
                                          const GroupFont &font);

// The four group markers, in the order of the editor's group buttons.
namespace calibration_group {
inline const QString kPage1Variables = QStringLiteral("STR1 ZMIENNA:");
inline const QString kPage2Variables = QStringLiteral("STRONA2 ZMIENNA:");
inline const QString kPage1Constants = QStringLiteral("STRONA1 STALY:");
inline const QString kPage2Constants = QStringLiteral("STRONA2 STALY:");
} // namespace calibration_group

} // namespace krevol
