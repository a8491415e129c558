// The windows the main window opens: help, web pages, the log and the about
// box; and the places where the document windows plug in.
#include "MainWindow.h"

#include "AboutBox.h"
#include "LogViewer.h"
#include "documents/DocumentDefinition.h"
#include "system/Folders.h"

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

namespace krevol {
namespace {

const QString kContactPage = QStringLiteral("https://krevol.example.org/kontakt");
const QString kGradebookSite = QStringLiteral("https://kronika.krevol.example.org/");

} // namespace

void TFGlowna::Instrukcjaobsugi1Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(programFile(QStringLiteral("Swiadectwa.chm"))));
}

void TFGlowna::KontaktButtonClick()
{
    QDesktopServices::openUrl(QUrl(kContactPage));
}

void TFGlowna::KronikaWebowa1Click()
{
    QDesktopServices::openUrl(QUrl(kGradebookSite));
}

void TFGlowna::Logiprogramu1Click()
{
    m_logViewer->exec();
}

void TFGlowna::Oprogramie1Click()
{
    m_aboutBox->exec();
}

void TFGlowna::Sprawdczyjestnowawersja1Click()
{
    startUpdateCheck(true);
}

void TFGlowna::AktualizacjaTimerTimer()
{
    AktualizacjaTimer->stop();
    showUpdateForm();
    if (m_session.closeWithoutAsking)
        close();
}

// Until their windows exist, these do nothing visible.
void TFGlowna::renderPreview(const DocumentDefinition &) {}
void TFGlowna::showDocumentEditor(const DocumentDefinition &) {}
void TFGlowna::showSchoolTemplate() {}
void TFGlowna::showPrintDialog(const DocumentDefinition &) {}
void TFGlowna::showCalibrationEditor(bool) {}
void TFGlowna::showImportDialog() {}
void TFGlowna::showUpdateForm() {}
void TFGlowna::startUpdateCheck(bool) {}

} // namespace krevol
