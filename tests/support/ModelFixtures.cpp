#include "ModelFixtures.h"

#include "Session.h"
#include "datafile/StudentStore.h"

namespace krevol::test {

void setStudent(StudentModel &student, const QString &surname, const QString &firstName, const QString &gender,
                const QString &pesel)
{
    student.setText(student::kSurname, surname);
    student.setText(student::kFirstName, firstName);
    student.setText(student::kGender, gender);
    student.setText(student::kPesel, pesel);
    student.setText(student::kBirthDay, QStringLiteral("1 września"));
    student.setText(student::kBirthYear, QStringLiteral("1999"));
    student.setText(student::kBirthTown, QStringLiteral("Łódź"));
    student.setText(student::kBirthVoivodeship, QStringLiteral("łódzkie"));
    student.setText(student::kRegisterNumber, QStringLiteral("7"));
    student.currentKey = student.composedKey();
}

void fillDocuments(Session &session, const QString &tag)
{
    for (int d = 0; d < session.documentCount(); ++d) {
        DocumentModel &document = session.document(d);
        for (const ItemDefinition &item : document.definition().items) {
            if (!item.isVariable())
                continue;
            if (item.isMemo()) {
                QStringList lines;
                for (int i = 0; i < item.lineLimit; ++i)
                    lines << QStringLiteral("%1 %2 wiersz ąę %3").arg(tag, item.name).arg(i);
                document.setLines(item.name, lines);
            } else {
                document.setText(item.name, QStringLiteral("%1 %2 żółć").arg(tag, item.name));
            }
        }
    }
}

void storeStudent(Session &session, const QString &surname, const QString &firstName, const QString &tag)
{
    setStudent(session.student(), surname, firstName);
    fillDocuments(session, tag.isEmpty() ? surname : tag);
    for (int d = 0; d < session.documentCount(); ++d)
        session.document(d).setDerivedItems(); // as a load would show them
    StudentStore(session).bFunDopiszUcznia(session.student().currentKey);
}

} // namespace krevol::test
