#include "StudentModel.h"

#include "FieldLine.h"

namespace krevol {

StudentModel::StudentModel() : ItemValues(studentDefinition()) {}

QString StudentModel::genderFromStored(const QString &value)
{
    return value == student::kMale ? student::kMale : student::kFemale;
}

void StudentModel::vFunWyczyscDaneUcznia()
{
    const QString year = text(student::kBirthYear);
    const QString town = text(student::kBirthTown);
    const QString voivodeship = text(student::kBirthVoivodeship);
    for (const ItemDefinition &item : definition().items) {
        if (item.pickOnly)
            continue; // a pick-only list has no free text to empty
        if (item.name.contains(kEditSuffix) || item.name.contains(kComboSuffix))
            setText(item.name, QString());
    }
    setText(student::kBirthYear, year);
    setText(student::kBirthTown, town);
    setText(student::kBirthVoivodeship, voivodeship);
}

void StudentModel::vFunZapiszDaneUcznia(QStringList &out) const
{
    out << definition().openingLine();
    writeFieldLines(out);
    out << definition().closingLine();
}

void StudentModel::vFunWczytajDaneUcznia(LineSource &in)
{
    vFunWyczyscDaneUcznia();
    readSection(in, definition().closingTag());
    currentKey = composedKey();
}

void StudentModel::vFunImportujDaneUcznia(LineSource &in)
{
    vFunWyczyscDaneUcznia();
    readSection(in, student::kImportClosingTag);
}

QString StudentModel::composedKey() const
{
    return text(student::kSurname) + QLatin1Char(' ') + text(student::kFirstName);
}

void StudentModel::applyFieldLine(const QString &name, const QString &value)
{
    if (name.contains(student::kGender)) {
        setText(student::kGender, genderFromStored(value));
        return;
    }
    ItemValues::applyFieldLine(name, value);
}

} // namespace krevol
