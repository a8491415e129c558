// Draws the pictures the program shows and prints, all our own, from the
// default calibration files: the editors' and the preview's backgrounds of
// the certificate pages, the seal place and the emblem.
//   generate_pictures DATA_FOLDER    reads DATA_FOLDER/kalibracja, writes DATA_FOLDER/grafika
#include "EmblemDrawing.h"
#include "FormPictures.h"
#include "documents/DocumentDefinition.h"
#include "render/RenderFiles.h"
#include "system/TextFile.h"

#include <QDir>
#include <QFile>
#include "system/HeadlessPlatform.h"

#include <QGuiApplication>
#include <cstdio>

using namespace krevol;

namespace {

QStringList readCalibration(const QDir &data, int catalogueIndex)
{
    const QString path = data.filePath(QStringLiteral("kalibracja/") + documentDefinition(catalogueIndex).calibrationFile);
    TextLineReader reader(path);
    if (!reader.open()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    return lines;
}

// The lines every certificate has alike: the preview backgrounds serve all three.
QStringList sharedLines(const QList<QStringList> &files)
{
    QStringList shared;
    for (const QString &line : files.first()) {
        bool everywhere = true;
        for (const QStringList &other : files)
            everywhere = everywhere && other.contains(line);
        if (everywhere)
            shared << line;
    }
    return shared;
}

void save(const QImage &image, const QString &path, const char *format)
{
    if (!image.save(path, format)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatformWithoutDisplay();
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: generate_pictures DATA_FOLDER\n");
        return 2;
    }
    const QDir data(app.arguments().at(1));
    data.mkpath(QStringLiteral("grafika"));
    QList<QStringList> files;
    const char *const editorNames[] = {"klasaI", "klasaII", "koniec"};
    for (int index = 0; index < 3; ++index) {
        files << readCalibration(data, index);
        const DocumentDefinition &document = documentDefinition(index);
        const QSize sizes[] = {document.editorPageSize, document.editorPage2Size};
        for (int page = 0; page < 2; ++page)
            save(tools::editorBackground(index, files.last(), page, sizes[page]),
                 data.filePath(QStringLiteral("grafika/edytor_%1_str%2.png").arg(QLatin1String(editorNames[index])).arg(page + 1)),
                 "PNG");
    }
    const QStringList shared = sharedLines(files);
    save(tools::previewBackground(0, shared, 0), data.filePath(render_files::kCertificatePreviewPage1), "BMP");
    save(tools::previewBackground(0, shared, 1), data.filePath(render_files::kCertificatePreviewPage2), "BMP");
    save(tools::sealPlacePicture(), data.filePath(render_files::kSealPicture), "BMP");

    QFile emblem(data.filePath(render_files::kEmblemPicture));
    const QByteArray svg = tools::emblemSvg();
    if (!emblem.open(QIODevice::WriteOnly | QIODevice::Truncate) || emblem.write(svg) != svg.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(emblem.fileName()));
        return 1;
    }
    std::printf("%s\n", qPrintable(emblem.fileName()));
    return 0;
}
