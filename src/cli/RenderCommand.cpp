#include "RenderCommand.h"

#include "Session.h"
#include "datafile/StudentStore.h"
#include "render/DocumentRenderer.h"
#include "render/MarginPresets.h"
#include "render/PrintGeometry.h"
#include "system/FileOps.h"
#include "system/Folders.h"
#include "system/Settings.h"
#include "system/StartupLists.h"
#include "system/TextFile.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <optional>

namespace krevol {
namespace {

struct RenderRequest
{
    QString dataFile;
    QString studentKey;
    bool samples = false;
    int document = -1;
    QString out;
    int page = 1;
    bool crossOut = false;
    QString preset;
    bool pdf = false;
};

int fail(const QString &message, int code = 1)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return code;
}

// Reads the value of option `option` as a whole number into `target`.
bool readNumber(const QString &option, const QString &text, int &target, QString &problem)
{
    bool ok = false;
    target = text.toInt(&ok);
    if (!ok)
        problem = QStringLiteral("opcja ") + option + QStringLiteral(" wymaga liczby");
    return ok;
}

// What a complete request lacks; "" when nothing.
QString whatIsMissing(const RenderRequest &request)
{
    const bool fromFile = !request.dataFile.isEmpty() && !request.studentKey.isEmpty();
    if (fromFile == request.samples || (request.samples && !request.dataFile.isEmpty()))
        return QStringLiteral("podaj PLIK z --student UCZEŃ albo --samples");
    if (request.document < 0 || request.document >= int(documentCatalogue().size()))
        return QStringLiteral("--document wymaga numeru dokumentu od 0 do 9");
    if (request.page != 1 && request.page != 2)
        return QStringLiteral("--page przyjmuje 1 albo 2");
    if (!request.out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
        && !request.out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return QStringLiteral("--out wymaga pliku .png albo .pdf");
    return QString();
}

// The request, or the message that tells what is wrong with the arguments.
std::optional<RenderRequest> parse(const QStringList &arguments, QString &problem)
{
    RenderRequest request;
    const QStringList valued = {QStringLiteral("--student"), QStringLiteral("--document"), QStringLiteral("--out"),
                                QStringLiteral("--page"), QStringLiteral("--preset")};
    for (qsizetype i = 0; i < arguments.size() && problem.isEmpty(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--samples")) {
            request.samples = true;
        } else if (argument == QLatin1String("--cross-out")) {
            request.crossOut = true;
        } else if (valued.contains(argument)) {
            if (i + 1 >= arguments.size()) {
                problem = QStringLiteral("brak wartości opcji ") + argument;
                break;
            }
            const QString value = arguments[++i];
            if (argument == QLatin1String("--student"))
                request.studentKey = value;
            else if (argument == QLatin1String("--out"))
                request.out = value;
            else if (argument == QLatin1String("--preset"))
                request.preset = value;
            else if (argument == QLatin1String("--document"))
                readNumber(argument, value, request.document, problem);
            else
                readNumber(argument, value, request.page, problem);
        } else if (!argument.startsWith(QLatin1String("--")) && request.dataFile.isEmpty()) {
            request.dataFile = argument;
        } else {
            problem = QStringLiteral("nieznany argument ") + argument;
        }
    }
    if (problem.isEmpty())
        problem = whatIsMissing(request);
    if (!problem.isEmpty())
        return std::nullopt;
    request.pdf = request.out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    return request;
}

// Fills the session's document: a student of the data file, read in place
// (the user's working copy is never touched), or the sample texts.
int fillDocument(Session &session, const RenderRequest &request)
{
    DocumentModel &document = session.document(request.document);
    if (request.samples) {
        document.vFunWstawDanePrzykladowe();
        return 0;
    }
    TextLineReader probe(request.dataFile);
    if (!fileExists(request.dataFile) || !probe.open())
        return fail(QStringLiteral("Nie można odczytać pliku: ") + request.dataFile);
    probe.close();
    session.setWorkingCopyPath(request.dataFile);
    if (!StudentStore(session).bFunWczytajUcznia(request.studentKey))
        return fail(QStringLiteral("Brak ucznia: ") + request.studentKey);
    return 0;
}

int writePng(Session &session, const RenderRequest &request)
{
    session.printing = false;
    if (renderDocument(session, request.document, 0) != RenderResult::Drawn)
        return 1; // the report has been printed
    if (!session.previewImages.at(request.page - 1).save(request.out, "PNG"))
        return fail(QStringLiteral("Nie można zapisać pliku: ") + request.out);
    return 0;
}

std::optional<MarginPreset> chosenPreset(const RenderRequest &request, QString &problem)
{
    MarginPresetFile presets(workingFile(kMarginPresetFileName));
    if (!presets.read()) {
        problem = QStringLiteral("Nie można odczytać pliku: ") + presets.path();
        return std::nullopt;
    }
    const QString name = request.preset.isEmpty()
        ? presets.chooseName(strFunWczytajDanaZPlikuUstawien(settings::kMargins))
        : request.preset;
    if (name.isEmpty() && presets.names().isEmpty()) {
        problem = QStringLiteral("Brak ustawień marginesów w pliku: ") + presets.path();
        return std::nullopt;
    }
    if (!presets.names().contains(name)) {
        problem = QStringLiteral("Brak ustawień marginesów: ") + name;
        return std::nullopt;
    }
    std::optional<MarginPreset> preset = presets.preset(name);
    if (!preset)
        problem = QStringLiteral("Nieprawidłowe ustawienia marginesów: ") + name;
    return preset;
}

int writePdf(Session &session, const RenderRequest &request)
{
    QString problem;
    const std::optional<MarginPreset> preset = chosenPreset(request, problem);
    if (!preset)
        return fail(problem);
    session.printing = true;
    const RenderResult rendered = renderDocument(session, request.document, 1);
    session.printing = false;
    if (rendered != RenderResult::Drawn)
        return 1;

    const DocumentDefinition &definition = documentDefinition(request.document);
    QPdfWriter writer(request.out);
    writer.setCreator(QStringLiteral("krevol-przys-cli"));
    writer.setTitle(definition.mainCaption);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     definition.portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(QStringLiteral("Nie można zapisać pliku: ") + request.out);
    const DeviceGeometry device = deviceGeometry(writer);
    for (int page = 0; page < definition.pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        printPage(painter, session.pages, page, *preset, device, definition.pageCount);
    }
    if (!painter.end())
        return fail(QStringLiteral("Nie można zapisać pliku: ") + request.out);
    return 0;
}

} // namespace

QString renderUsage()
{
    return QStringLiteral("użycie: krevol-przys-cli render (PLIK.kbrp --student UCZEŃ | --samples) --document N "
                          "--out WYJŚCIE.png|WYJŚCIE.pdf [--page 1|2] [--cross-out] [--preset NAZWA]");
}

int renderCommand(const QStringList &arguments)
{
    QString problem;
    const std::optional<RenderRequest> request = parse(arguments, problem);
    if (!request)
        return fail(problem + QLatin1Char('\n') + renderUsage(), 2);
    if (!canRenderDocument(request->document))
        return fail(QStringLiteral("Dokument %1 (%2): arkuszy ocen nie można jeszcze rysować; "
                                   "dostępne są świadectwa 0, 1 i 2")
                        .arg(request->document)
                        .arg(documentDefinition(request->document).mainCaption),
                    2);
    // The working folder is prepared as the program prepares it at start-up:
    // calibration files, pictures and presets come from there.
    if (!bFunSprawdzPlikiKatalogi())
        return 1;
    Session session;
    session.crossOutEmpty = request->crossOut;
    if (const int failed = fillDocument(session, *request))
        return failed;
    return request->pdf ? writePdf(session, *request) : writePng(session, *request);
}

} // namespace krevol
