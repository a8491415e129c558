#include "EditorBackground.h"

#include "documents/DocumentDefinition.h"
#include "system/Folders.h"

#include <QColor>

namespace krevol {

QPixmap editorBackground(const DocumentDefinition &definition, int page)
{
    const QSize size = page == 2 && definition.editorPage2Size.isValid() ? definition.editorPage2Size
                                                                        : definition.editorPageSize;
    const QString fileName = QStringLiteral("%1_strona%2.png").arg(definition.formName).arg(page);
    QPixmap picture(workingFile(QStringLiteral("grafika/") + fileName));
    if (!picture.isNull())
        return picture.size() == size ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap paper(size);
    paper.fill(QColor(0xfb, 0xf8, 0xef));
    return paper;
}

} // namespace krevol
