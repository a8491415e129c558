// Writes the default calibration files of the three certificates (Windows-1250,
// CR LF), or checks that the files in a folder are what it would write.
//   generate_calibration OUT_FOLDER          writes OUT_FOLDER/kalibracja_*.set
//   generate_calibration --check FOLDER      exit 1 when a file differs
#include "CertificateLayout.h"
#include "documents/DocumentDefinition.h"
#include "system/Cp1250.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

using namespace krevol;

namespace {

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        QByteArray encoded;
        if (!cp1250::encode(line, encoded)) {
            std::fprintf(stderr, "not Windows-1250: %s\n", qPrintable(line));
            std::exit(3);
        }
        bytes += encoded + "\r\n";
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool check = !arguments.isEmpty() && arguments.first() == QLatin1String("--check");
    if (check)
        arguments.removeFirst();
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: generate_calibration [--check] FOLDER\n");
        return 2;
    }
    const QDir folder(arguments.first());
    int differing = 0;
    for (int index = 0; index < 3; ++index) {
        const QString name = documentDefinition(index).calibrationFile;
        const QByteArray bytes = fileBytes(tools::certificateCalibrationLines(index));
        QFile file(folder.filePath(name));
        if (check) {
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes) {
                std::fprintf(stderr, "%s differs from what the layout gives\n", qPrintable(file.fileName()));
                ++differing;
            }
            continue;
        }
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        std::printf("%s\n", qPrintable(file.fileName()));
    }
    return differing == 0 ? 0 : 1;
}
