#include "DocumentModel.h"

#include "FieldLine.h"
#include "StudentModel.h"

namespace krevol {

DocumentModel::DocumentModel(const DocumentDefinition &definition) : ItemValues(definition) {}

void DocumentModel::vFunWyczyscDaneSwiadectwa()
{
    // Certificates recognise their items by the page infix; grade sheets by the kind alone.
    const QStringList textKinds = isCertificate()
        ? QStringList{QStringLiteral("_STR1_DATA_EDIT"), QStringLiteral("_STR2_DATA_EDIT"),
                      QStringLiteral("_STR1_DATA_COMBOBOX"), QStringLiteral("_STR2_DATA_COMBOBOX")}
        : QStringList{kEditSuffix, kComboSuffix};
    const QStringList memoKinds = isCertificate()
        ? QStringList{QStringLiteral("_STR1_DATA_MEMO"), QStringLiteral("_STR2_DATA_MEMO")}
        : QStringList{kMemoSuffix};
    const auto containsAny = [](const QString &name, const QStringList &parts) {
        for (const QString &part : parts)
            if (name.contains(part))
                return true;
        return false;
    };
    for (const ItemDefinition &item : definition().items) {
        if (containsAny(item.name, textKinds))
            setText(item.name, QString());
        else if (containsAny(item.name, memoKinds))
            setLines(item.name, {});
    }
}

void DocumentModel::vFunZapiszDaneSwiadectwa(QStringList &out) const
{
    out << definition().openingLine();
    writeFieldLines(out);
    out << definition().closingLine();
}

void DocumentModel::vFunWczytajDaneSwiadectwa(LineSource &in)
{
    readSection(in, definition().closingTag());
    setDerivedItems();
}

void DocumentModel::vFunWstawDanePrzykladowe()
{
    if (!definition().hasSamples)
        return;
    // Grade sheets start from an empty form; certificates overwrite item by item.
    if (!isCertificate())
        vFunWyczyscDaneSwiadectwa();
    for (const ItemDefinition &item : definition().items) {
        if (!item.isVariable())
            continue;
        if (item.isMemo()) {
            setLines(item.name, {});
            for (int i = 0; i < item.sampleLineCount; ++i)
                appendLine(item.name, QString(item.sample).replace(QStringLiteral("%d"),
                                                                    QString::number(item.sampleFirstNumber + i)));
        } else if (!item.sample.isNull()) {
            setText(item.name, item.sample);
        }
    }
}

void DocumentModel::setDerivedItems()
{
    if (!m_student)
        return;
    if (isCertificate())
        setCertificateDerivedItems();
    else if (definition().family == DocumentFamily::SheetFirstPage)
        setFirstPageDerivedItems();
}

void DocumentModel::setCertificateDerivedItems()
{
    const StudentModel &s = *m_student;
    setText(QStringLiteral("ZMIENNA_ImieNazwisko_STR1_DATA_EDIT"),
            s.text(student::kFirstName) + QLatin1Char(' ') + s.text(student::kSurname));
    setText(QStringLiteral("ZMIENNA_DataUrodzenia_STR1_DATA_EDIT"),
            s.text(student::kBirthDay) + QLatin1Char(' ') + s.text(student::kBirthYear));
    setText(QStringLiteral("ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT"), s.text(student::kBirthTown));
    setText(QStringLiteral("ZMIENNA_NrPesel_STR1_DATA_EDIT"), s.text(student::kPesel));
    // Endings completing the words the form prints before them: "" for a boy, "a" for a girl.
    const QString ending = s.isMale() ? QString() : QStringLiteral("a");
    for (const char *name : {"ZMIENNA_UczeszczalA_STR1_DATA_EDIT", "ZMIENNA_RealizowalA_STR1_DATA_EDIT",
                             "ZMIENNA_OtrzymalA_STR1_DATA_EDIT", "ZMIENNA_UkonczylA_STR1_DATA_EDIT"})
        setText(QLatin1String(name), ending);
    setText(QStringLiteral("ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT"), s.text(student::kRegisterNumber));
}

void DocumentModel::setFirstPageDerivedItems()
{
    const StudentModel &s = *m_student;
    // The grade sheet prints "Urodzon", "Przyjęt", "Wpisan": "y" for a boy, "a" for a girl.
    const QString ending = s.isMale() ? QStringLiteral("y") : QStringLiteral("a");
    setText(QStringLiteral("ZMIENNA_ImieNazwisko_DATA_EDIT"),
            s.text(student::kFirstName) + QLatin1Char(' ') + s.text(student::kSurname));
    setText(QStringLiteral("ZMIENNA_UrodzonyA_DATA_EDIT"), ending);
    setText(QStringLiteral("ZMIENNA_UrodzonyDnia_DATA_EDIT"), s.text(student::kBirthDay));
    setText(QStringLiteral("ZMIENNA_UrodzonyRok_DATA_EDIT"), s.text(student::kBirthYear));
    // A stored place of birth stays: the user may override it on the sheet.
    const QString town = QStringLiteral("ZMIENNA_UrodzonyMiasto_DATA_EDIT");
    if (text(town).isEmpty())
        setText(town, s.text(student::kBirthTown));
    const QString pesel = s.text(student::kPesel);
    for (int i = 0; i < 11; ++i)
        setText(QStringLiteral("ZMIENNA_Pesel%1_DATA_EDIT").arg(i + 1), pesel.mid(i, 1));
    setText(QStringLiteral("ZMIENNA_PrzyjetyA_DATA_EDIT"), ending);
    setText(QStringLiteral("ZMIENNA_WpisanyA_DATA_EDIT"), ending);
}

} // namespace krevol
