// The main window's file commands: new, open, save, save as, the command-line
// open, and the end of the program.
#include "MainWindow.h"

#include "datafile/DataFile.h"
#include "datafile/StudentStore.h"
#include "documents/DocumentDefinition.h"
#include "system/FileOps.h"
#include "system/Folders.h"
#include "system/Runtime.h"

#include <QTreeWidget>

namespace krevol {

void TFGlowna::openFromCommandLine(const QString &tail)
{
    if (tail.size() <= 5)
        return;
    if (fileExists(tail) && bFunOtworzPlikSwiadectw(m_session, tail))
        setStatusPath(tail);
    else
        setStatusPath(QString());
}

void TFGlowna::NowyPlikToolButtonClick()
{
    if (m_session.changed) {
        const MessageAnswer answer = runtime::prompter().message(
            QStringLiteral("Czy chcesz zapisać zmiany ?"), QStringLiteral("Edycja"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes) {
            const bool saved = fileExists(m_session.dataFilePath) ? bFunZapiszIstniejacyPlikSwiadectw(m_session)
                                                                  : vFunZapiszNowyPlikSwiadectw(m_session);
            setStatusPath(m_session.dataFilePath);
            if (!saved)
                return; // the open file stays
        }
    }
    vFunNowyPlik();
}

void TFGlowna::vFunNowyPlik()
{
    m_buildingTree = true;
    TreeView->clear();
    m_buildingTree = false;
    setStatusPath(QString());
    bFunSkasujKopieRobocza();
    m_session.clearForms({QStringLiteral("TFKlasa1"), QStringLiteral("TFKlasa2"), QStringLiteral("TFKoniec"),
                          QStringLiteral("TFDaneUcznia"), QStringLiteral("TFArkuszStr1"), QStringLiteral("TFArkuszStr1b"),
                          QStringLiteral("TFArkuszStr2"), QStringLiteral("TFArkuszStr2b"), QStringLiteral("TFArkuszStr3b"),
                          QStringLiteral("TFArkuszStr4b"), QStringLiteral("TFArkuszStr5b")});
    renderPreview(documentDefinition(0));
}

void TFGlowna::OtworzPlikToolButtonClick()
{
    if (m_session.changed
        && runtime::prompter().message(QStringLiteral("Czy chcesz zapisać zmiany ?"), QString(), MessageIcon::None,
                                       MessageButtons::YesNo)
            == MessageAnswer::Yes)
        Zapisz1Click();
    const std::optional<QString> path = runtime::prompter().openFileName(kDataFileFilter);
    if (!path || path->isEmpty())
        return;
    if (bFunOtworzPlikSwiadectw(m_session, *path)) {
        setStatusPath(*path);
        return;
    }
    // A failed open leaves an empty, unnamed file.
    setStatusPath(QString());
    bFunSkasujKopieRobocza();
    m_buildingTree = true;
    TreeView->clear();
    m_buildingTree = false;
}

void TFGlowna::Zapisz1Click()
{
    const bool saved = fileExists(m_session.dataFilePath) ? bFunZapiszIstniejacyPlikSwiadectw(m_session)
                                                          : vFunZapiszNowyPlikSwiadectw(m_session);
    setStatusPath(m_session.dataFilePath);
    if (saved)
        m_session.changed = false;
}

void TFGlowna::Zapiszjako1Click()
{
    vFunZapiszNowyPlikSwiadectw(m_session);
    setStatusPath(m_session.dataFilePath);
}

void TFGlowna::Koniec1Click()
{
    m_session.closeWithoutAsking = false;
    close();
}

} // namespace krevol
