#include "SchoolTemplate.h"

#include "FieldLine.h"
#include "system/ErrorReport.h"
#include "system/FileOps.h"
#include "system/Folders.h"
#include "system/TextFile.h"

namespace krevol {
namespace {

const QString kFirstYear = QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT");
const QString kSecondYear = QStringLiteral("ZMIENNA_RokSzkolny2_DATA_EDIT");

struct TemplateRow
{
    const char *name;
    int left;
    int top;
    int width;
    int tab;
    int limit;
};

// Declaration order; position over the form's picture, tab order, typing limit.
constexpr TemplateRow kRows[] = {
    {"ZMIENNA_SzkolaWoj_DATA_EDIT", 333, 214, 252, 10, 32},
    {"ZMIENNA_SzkolaMiasto_DATA_EDIT", 89, 214, 220, 9, 30},
    {"ZMIENNA_RokSzkolny2_DATA_EDIT", 341, 87, 70, 1, 4},
    {"ZMIENNA_RokSzkolny1_DATA_EDIT", 269, 87, 63, 0, 4},
    {"ZMIENNA_PromocjaDoKlasy_DATA_EDIT", 321, 316, 264, 11, 32},
    {"ZMIENNA_Miejscowosc_DATA_EDIT", 58, 341, 201, 12, 34},
    {"ZMIENNA_MiejscowoscRok_DATA_EDIT", 498, 341, 65, 14, 4},
    {"ZMIENNA_MiejscowoscDnia_DATA_EDIT", 293, 341, 201, 13, 20},
    {"ZMIENNA_Klasa_DATA_EDIT", 462, 87, 123, 2, 18},
    {"ZMIENNA_KolberniaImienia1_DATA_EDIT", 184, 162, 402, 6, 57},
    {"ZMIENNA_Kolbernia2_DATA_EDIT", 62, 137, 523, 4, 72},
    {"ZMIENNA_Kolbernia1_DATA_EDIT", 62, 112, 523, 3, 64},
    {"ZMIENNA_KolberniaImienia2_DATA_EDIT", 61, 188, 524, 7, 57},
    {"ZMIENNA_SzkolaWE_DATA_EDIT", 74, 214, 15, 8, 30},
    {"ZMIENNA_NrSzkoly_DATA_EDIT", 80, 162, 81, 5, 57},
};

// Template item, certificate item; in the order the template button copies them.
constexpr std::pair<const char *, const char *> kCopies[] = {
    {"ZMIENNA_RokSzkolny1_DATA_EDIT", "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT"},
    {"ZMIENNA_RokSzkolny2_DATA_EDIT", "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT"},
    {"ZMIENNA_Klasa_DATA_EDIT", "ZMIENNA_Klasa_STR1_DATA_EDIT"},
    {"ZMIENNA_Kolbernia1_DATA_EDIT", "ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT"},
    {"ZMIENNA_Kolbernia2_DATA_EDIT", "ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT"},
    {"ZMIENNA_NrSzkoly_DATA_EDIT", "ZMIENNA_NrSzkoly_STR1_DATA_EDIT"},
    {"ZMIENNA_KolberniaImienia1_DATA_EDIT", "ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT"},
    {"ZMIENNA_KolberniaImienia2_DATA_EDIT", "ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT"},
    {"ZMIENNA_SzkolaWE_DATA_EDIT", "ZMIENNA_SzkolaWE_STR1_DATA_EDIT"},
    {"ZMIENNA_SzkolaWoj_DATA_EDIT", "ZMIENNA_SzkolaWoj_STR1_DATA_EDIT"},
    {"ZMIENNA_SzkolaMiasto_DATA_EDIT", "ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT"},
    {"ZMIENNA_PromocjaDoKlasy_DATA_EDIT", "ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT"},
    {"ZMIENNA_Miejscowosc_DATA_EDIT", "ZMIENNA_Miejscowosc_STR1_DATA_EDIT"},
    {"ZMIENNA_MiejscowoscRok_DATA_EDIT", "ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT"},
    {"ZMIENNA_MiejscowoscDnia_DATA_EDIT", "ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT"},
};

DocumentDefinition makeDefinition()
{
    DocumentDefinition definition;
    definition.formName = QStringLiteral("TFDaneSzkoly");
    definition.formCaption = QStringLiteral("Szablon danych");
    definition.editorPageSize = QSize(664, 608);
    definition.hasSamples = false;
    for (const TemplateRow &row : kRows) {
        ItemDefinition item;
        item.name = QLatin1String(row.name);
        item.kind = ItemKind::Edit;
        item.editorRect = QRect(row.left, row.top, row.width, 21);
        item.tabOrder = row.tab;
        item.maxLength = row.limit;
        definition.items << item;
    }
    return definition;
}

} // namespace

const DocumentDefinition &schoolTemplateDefinition()
{
    static const DocumentDefinition definition = makeDefinition();
    return definition;
}

SchoolTemplate::SchoolTemplate() : ItemValues(schoolTemplateDefinition()) {}

void SchoolTemplate::vFunWyczyscSzablonDanychSzkoly()
{
    for (const ItemDefinition &item : definition().items)
        if (item.name.contains(kEditSuffix))
            setText(item.name, QString());
}

bool SchoolTemplate::vFunWczytajSzablonDanychSzkoly()
{
    const QString path = workingFile(kSchoolTemplateFile);
    TextLineReader reader(path);
    if (!reader.open()) {
        reportError(standardErrorText(QStringLiteral("vFunWczytajSzablonDanychSzkoly"),
                                      QStringLiteral("Błąd otwarcia pliku do odczytu\n"), path, reader.errorCode()));
        return false;
    }
    // Lines may come in any order; those naming no item of the template are passed over.
    QString line;
    while (reader.readLine(line)) {
        QString name;
        QString value;
        if (splitFieldLine(line, name, value) && name.contains(kEditSuffix))
            setText(name, value);
    }
    return true;
}

bool SchoolTemplate::vFunZapiszSzablonDanychSzkoly() const
{
    const QString function = QStringLiteral("vFunZapiszSzablonDanychSzkoly");
    const QString path = workingFile(kSchoolTemplateFile);
    const QString scratchPath = workingFile(kSchoolTemplateScratchFile);
    TextLineWriter writer(scratchPath);
    if (!writer.open()) {
        reportError(standardErrorText(function, QStringLiteral("Błąd otwarcia pliku do zapisu\n"), scratchPath,
                                      writer.errorCode()));
        return false;
    }
    for (const ItemDefinition &item : definition().items)
        if (item.name.contains(kEditSuffix))
            writer.writeLine(taggedLine(item.name, text(item.name)));
    if (!writer.close()) {
        const QString reason = writer.encodingError()
            ? QStringLiteral("Tekst zawiera znaki, których nie można zapisać w pliku:\n")
            : QStringLiteral("Błąd zapisu pliku\n");
        reportError(standardErrorText(function, reason, scratchPath, writer.errorCode()));
        return false;
    }
    const FileResult renamed = renameFile(scratchPath, path);
    if (!renamed) {
        reportError(standardErrorText(function, QStringLiteral("Błąd zapisu pliku\n"), path, renamed.code));
        return false;
    }
    return true;
}

void SchoolTemplate::fillEmptySchoolYears(const QDateTime &nowUtc)
{
    const int year = nowUtc.toUTC().date().year();
    if (text(kFirstYear).isEmpty())
        setText(kFirstYear, QString::number(year - 1));
    if (text(kSecondYear).isEmpty())
        setText(kSecondYear, QString::number(year));
}

QList<std::pair<QString, QString>> SchoolTemplate::certificateValues(const DocumentDefinition &certificate) const
{
    QList<std::pair<QString, QString>> values;
    for (const auto &[templateItem, certificateItem] : kCopies)
        if (certificate.item(QLatin1String(certificateItem)))
            values.append({QLatin1String(certificateItem), text(QLatin1String(templateItem))});
    return values;
}

} // namespace krevol
