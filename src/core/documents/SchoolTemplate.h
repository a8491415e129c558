#pragma once
// The school data template (form TFDaneSzkoly): the entries that are the same
// on the certificates of every student of a class, kept in "dane_szkoly.set"
// in the working folder, independent of any data file.
#include "ItemValues.h"

#include <QDateTime>
#include <utility>

namespace krevol {

inline const QString kSchoolTemplateFile = QStringLiteral("dane_szkoly.set");
inline const QString kSchoolTemplateScratchFile = QStringLiteral("dane_szkoly.tmp");

// The template's fifteen one-line items in declaration order (the order of
// the file's lines), placed over the template form's 664 × 608 picture.
const DocumentDefinition &schoolTemplateDefinition();

class SchoolTemplate : public ItemValues
{
public:
    SchoolTemplate();

    // Every item becomes empty.
    void vFunWyczyscSzablonDanychSzkoly();
    // Reads the file into the items. A file that cannot be opened is reported
    // and the items keep what they hold; false then.
    bool vFunWczytajSzablonDanychSzkoly();
    // Writes every item, empty ones too, into a scratch file and renames it
    // over the template, so a failed write leaves the old template whole.
    // Reports a failure and returns false.
    bool vFunZapiszSzablonDanychSzkoly() const;

    // Empty school years become the year before `nowUtc`'s year and that year.
    void fillEmptySchoolYears(const QDateTime &nowUtc);

    // What the template button of a certificate editor puts into its items:
    // (certificate item, template value) in the order of the copy table, for
    // the items that certificate has. Copying is not limited by the typing
    // limits of either side.
    QList<std::pair<QString, QString>> certificateValues(const DocumentDefinition &certificate) const;
};

} // namespace krevol
