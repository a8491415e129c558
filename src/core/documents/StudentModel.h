#pragma once
// The student's personal data (form TFDaneUcznia): the first section of every
// student block, the source of the documents' derived items, and the key.
#include "ItemValues.h"

namespace krevol {

class LineSource;

namespace student {
inline const QString kFirstName = QStringLiteral("Imie_DATA_EDIT");
inline const QString kBirthDay = QStringLiteral("UrodzonyDnia_DATA_EDIT");
inline const QString kGender = QStringLiteral("Plec_DATA_COMBOBOX");
inline const QString kBirthYear = QStringLiteral("UrodzonyRok_DATA_COMBOBOX");
inline const QString kBirthTown = QStringLiteral("UrodzonyMiasto_DATA_COMBOBOX");
inline const QString kBirthVoivodeship = QStringLiteral("UrodzonyWoj_DATA_COMBOBOX");
inline const QString kRegisterNumber = QStringLiteral("NrDziennika_DATA_EDIT");
inline const QString kSurname = QStringLiteral("Nazwisko_DATA_EDIT");
inline const QString kPesel = QStringLiteral("NrPesel_DATA_EDIT");
inline const QString kFemale = QStringLiteral("kobieta");
inline const QString kMale = QStringLiteral("mężczyzna");
inline const QString kImportClosingTag = QStringLiteral("</DANE UCZNIA DOLMENTA>");
} // namespace student

class StudentModel : public ItemValues
{
public:
    StudentModel();

    // Empties the form but keeps year, town and voivodeship of birth (they
    // carry over to the next new student) and the chosen gender.
    void vFunWyczyscDaneUcznia();
    void vFunZapiszDaneUcznia(QStringList &out) const;
    // Reads the student section and computes the current key.
    void vFunWczytajDaneUcznia(LineSource &in);
    // Reads a student section of a lower-secondary school file. The PESEL
    // number is taken only from the line that names the PESEL field.
    void vFunImportujDaneUcznia(LineSource &in);

    // Surname, one blank, first name, from the fields as they are now.
    QString composedKey() const;
    QString currentKey;   // the key of the student as last read or stored
    QString keyWhenShown; // the key before the dialog's edit
    bool editMode = false;

    // "mężczyzna" only for that exact text; otherwise the female item.
    static QString genderFromStored(const QString &value);
    bool isMale() const { return text(student::kGender) == student::kMale; }

protected:
    void applyFieldLine(const QString &name, const QString &value) override;
};

} // namespace krevol
