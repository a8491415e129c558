#pragma once
// Small helpers that fill the forms with a student and read sections from text.
#include "documents/LineSource.h"

#include <QStringList>

namespace krevol {
class Session;
class StudentModel;
}

namespace krevol::test {

// Lines handed to a section reader, as the store would hand them.
class ListLineSource : public LineSource
{
public:
    explicit ListLineSource(QStringList lines) : m_lines(std::move(lines)) {}
    bool nextLine(QString &line) override
    {
        if (m_next >= m_lines.size())
            return false;
        line = m_lines[m_next++];
        return true;
    }
    int consumed() const { return int(m_next); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

// Sets the student data form: surname, first name, gender, the rest derived from the name.
void setStudent(StudentModel &student, const QString &surname, const QString &firstName,
                const QString &gender = QStringLiteral("kobieta"), const QString &pesel = QStringLiteral("01234567890"));
// Fills every variable item of every document with text made from the key.
void fillDocuments(Session &session, const QString &tag);
// Fills every variable item the way a teacher would: short entries, memos to their limit.
void fillLikeATeacher(Session &session);
// Sets the student and stores the block under the current key.
void storeStudent(Session &session, const QString &surname, const QString &firstName, const QString &tag = QString());

} // namespace krevol::test
