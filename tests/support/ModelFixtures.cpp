#include "ModelFixtures.h"

#include "Session.h"
#include "datafile/StudentStore.h"

#include <functional>

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

namespace {

// Sets every variable item of every document: memos to their line limit.
void fillEveryItem(Session &session, const std::function<QString(const ItemDefinition &, int line)> &text)
{
    for (int d = 0; d < session.documentCount(); ++d) {
        DocumentModel &document = session.document(d);
        for (const ItemDefinition &item : document.definition().items) {
            if (!item.isVariable())
                continue;
            if (!item.isMemo()) {
                document.setText(item.name, text(item, -1));
                continue;
            }
            QStringList lines;
            for (int i = 0; i < item.lineLimit; ++i)
                lines << text(item, i);
            document.setLines(item.name, lines);
        }
    }
}

} // namespace

void fillDocuments(Session &session, const QString &tag)
{
    fillEveryItem(session, [&tag](const ItemDefinition &item, int line) {
        return line < 0 ? QStringLiteral("%1 %2 żółć").arg(tag, item.name)
                        : QStringLiteral("%1 %2 wiersz ąę %3").arg(tag, item.name).arg(line);
    });
}

void fillLikeATeacher(Session &session)
{
    fillEveryItem(session, [](const ItemDefinition &, int line) {
        return line < 0 ? QStringLiteral("Przykładowy wpis")
                        : QStringLiteral("uczeń pracuje samodzielnie i starannie, wiersz %1").arg(line + 1);
    });
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
