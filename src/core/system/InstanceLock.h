#pragma once
// One running program per working folder: the working copy belongs to the
// program that holds the lock, and a second start must leave it alone.
#include <QLockFile>
#include <memory>

namespace krevol {

class InstanceLock
{
public:
    // Takes the lock in the working folder; false when another running
    // program holds it. A lock left by a program that crashed is taken over.
    bool acquire();
    bool isHeld() const { return m_lock && m_lock->isLocked(); }

    static QString lockFilePath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

inline const QString kAlreadyRunningText = QStringLiteral(
    "Program jest już uruchomiony.\nAby otworzyć plik, użyj polecenia \"Otwórz plik\" w uruchomionym programie.");

} // namespace krevol
