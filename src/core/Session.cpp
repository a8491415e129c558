#include "Session.h"

#include "system/Folders.h"

namespace krevol {

Session::Session() = default;

QString Session::workingCopyPath() const
{
    return m_workingCopyPath.isEmpty() ? strFunSciezkaKopiiRoboczej() : m_workingCopyPath;
}

} // namespace krevol
