#include "CertificateRenderer.h"

#include "CalibrationFile.h"
#include "CertificatePass.h"
#include "Preview.h"
#include "PreviewViewport.h"
#include "RenderFiles.h"
#include "Session.h"
#include "system/ErrorReport.h"
#include "system/ProgramLog.h"
#include "system/TextFile.h"

namespace krevol {

bool vFunRysujSwiadectwo(Session &session, int catalogueIndex, int renderMode)
{
    const DocumentModel &document = session.document(catalogueIndex);
    session.pages.vFunRozpocznijStrony(1);
    const QString path = calibrationFilePathFor(document.definition().calibrationFile);
    TextLineReader calibration(path);
    if (!calibration.open()) {
        const QString text = QStringLiteral("Funkcja: vFunRysujSwiadectwo()\n\n")
            + QStringLiteral("Błąd podczas próby otwarcia pliku do odczytu\n") + path
            + QStringLiteral("\nKod błędu :") + QString::number(calibration.errorCode());
        // Logged first; the pages are completed empty, so nothing reaches the
        // preview and a print prints empty pages; then the box.
        vFunZapiszLog(text);
        session.pages.closeCanvases();
        showErrorBox(text);
        return false;
    }
    CertificatePass pass(session, document);
    QString line;
    while (calibration.readLine(line))
        pass.drawRecord(line);
    calibration.close();

    if (session.viewport)
        session.viewport->setSecondPageVisible(true);
    if (renderMode == kRenderPrint) {
        session.pages.closeCanvases();
        return true;
    }
    loadPreviewBackground(session, 0, render_files::kCertificatePreviewPage1);
    loadPreviewBackground(session, 1, render_files::kCertificatePreviewPage2);
    vFunPokazPodglad(session, 1);
    return true;
}

} // namespace krevol
