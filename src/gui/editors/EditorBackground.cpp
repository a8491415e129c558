#include "EditorBackground.h"

#include "documents/DocumentDefinition.h"
#include "system/Folders.h"

#include <QColor>

namespace krevol {

QPixmap editorBackground(const DocumentDefinition &definition, int page)
{
    const QSize size = page == 2 && definition.editorPage2Size.isValid() ? definition.editorPage2Size
                                                                        : definition.editorPageSize;
    // Named after the document's calibration file: "edytor_klasaI_str1.png" for
    // "kalibracja_kolbernia_przys_klasaI.set".
    QString document = definition.calibrationFile;
    document.remove(QStringLiteral("kalibracja_kolbernia_przys_")).remove(QStringLiteral(".set"));
    const QString fileName = QStringLiteral("edytor_%1_str%2.png").arg(document).arg(page);
    QPixmap picture(workingFile(QStringLiteral("grafika/") + fileName));
    if (!picture.isNull())
        return picture.size() == size ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap paper(size);
    paper.fill(QColor(0xfb, 0xf8, 0xef));
    return paper;
}

} // namespace krevol
