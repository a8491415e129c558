// The windows the main window opens: help, web pages, the log, the about
// box, the certificate editors and the school data template; and the places
// where the other document windows plug in.
#include "MainWindow.h"

#include "AboutBox.h"
#include "LogViewer.h"
#include "SchoolTemplateDialog.h"
#include "editors/CertificateEditor.h"
#include "documents/DocumentDefinition.h"
#include "render/DocumentRenderer.h"
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

void TFGlowna::renderPreview(const DocumentDefinition &document)
{
    // Grade sheet pages have no renderer yet: the preview keeps what it showed.
    renderDocument(m_session, document.index, 0);
}

void TFGlowna::showDocumentEditor(const DocumentDefinition &document)
{
    // The grade sheet pages get their editors later; until then they open nothing.
    if (document.family != DocumentFamily::Certificate)
        return;
    // Each editor is made once and shown again for every later edit.
    CertificateEditor *&editor = m_certificateEditors[document.formName];
    if (!editor)
        editor = new CertificateEditor(m_session, document, this);
    editor->exec();
}

void TFGlowna::showSchoolTemplate()
{
    if (!m_schoolTemplateForm)
        m_schoolTemplateForm = new TFDaneSzkoly(m_session, this);
    m_schoolTemplateForm->exec();
}

// Until their windows exist, these do nothing visible.
void TFGlowna::showPrintDialog(const DocumentDefinition &) {}
void TFGlowna::showCalibrationEditor(bool) {}
void TFGlowna::showImportDialog() {}
void TFGlowna::showUpdateForm() {}
void TFGlowna::startUpdateCheck(bool) {}

} // namespace krevol
