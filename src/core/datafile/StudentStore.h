#pragma once
// The student store: every operation reads and rewrites the session's working
// copy, never the data file the user opened.
#include <QString>
#include <QStringList>

namespace krevol {

class Session;

class StudentStore
{
public:
    explicit StudentStore(Session &session) : m_session(session) {}

    // Reads the keys in file order into the session (which rebuilds the tree).
    bool bFunWczytajListeUczniow();
    bool bFunSprawdzCzyInstnieje(const QString &key);
    // Empties the eleven forms, then loads the block of that key; false when
    // the file cannot be read or holds no such student.
    bool bFunWczytajUcznia(const QString &key);
    // Appends a block written from the current contents of the eleven forms.
    bool bFunDopiszUcznia(const QString &key);
    // Removes every block of that key.
    bool bFunUsunUcznia(const QString &key);
    // Removes the old key's blocks, appends the current student under the key
    // the student data holds, and lists the students again.
    bool vFunZastapUcznia(const QString &oldKey);

    // The whole block of the current forms, line by line.
    QStringList studentBlockLines(const QString &key) const;

    // The order in which loading empties and fills the forms.
    static const QStringList &formLoadOrder();

private:
    QString scratchPath() const;
    Session &m_session;
};

} // namespace krevol
