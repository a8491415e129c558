// Times what the user waits for when rendering certificates:
//  - a click on a certificate in the tree: the student loaded from a working
//    copy of 40 students and both pages rendered onto the preview images;
//  - one certificate PDF per student for 40 students, in pages per second,
//    beside a plain Qt program writing as many pages of 80 texts each.
#include "ModelFixtures.h"
#include "Session.h"
#include "datafile/StudentStore.h"
#include "render/DocumentRenderer.h"
#include "render/MarginPresets.h"
#include "render/PrintGeometry.h"
#include "system/Folders.h"
#include "system/Runtime.h"
#include "system/StartupLists.h"

#include <QDir>
#include <QElapsedTimer>
#include "system/HeadlessPlatform.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace krevol;

namespace {

constexpr int kStudents = 40;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

QString studentKey(int i)
{
    return QStringLiteral("Nazwisko%1 Imię").arg(i, 2, 10, QLatin1Char('0'));
}

MarginPreset firstPreset()
{
    MarginPresetFile presets(workingFile(kMarginPresetFileName));
    presets.read();
    return presets.preset(presets.chooseName(QString())).value_or(MarginPreset{});
}

void openA4(QPdfWriter &writer)
{
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

// The near limit: the same pages written by a plain program, 80 texts a page.
double plainQtPagesPerSecond(const QString &folder, int files, int pagesPerFile)
{
    const double ms = elapsedMs([&] {
        for (int f = 0; f < files; ++f) {
            QPdfWriter writer(QStringLiteral("%1/plain-%2.pdf").arg(folder).arg(f));
            openA4(writer);
            QPainter painter(&writer);
            QFont font(QStringLiteral("Times New Roman"));
            font.setPointSize(12);
            painter.setFont(font);
            for (int page = 0; page < pagesPerFile; ++page) {
                if (page > 0)
                    writer.newPage();
                for (int item = 0; item < 80; ++item)
                    painter.drawText(QPoint(600, 400 + item * 160), QStringLiteral("Przykładowy wpis %1").arg(item));
            }
        }
    });
    return files * pagesPerFile / (ms / 1000);
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatformWithoutDisplay();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("userdata")).toLocal8Bit());
    runtime::setProgramFolderOverride(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../program")));
    if (!bFunSprawdzPlikiKatalogi()) {
        std::fprintf(stderr, "the program folder beside bench/ could not prepare a working folder\n");
        return 1;
    }

    Session session;
    session.setWorkingCopyPath(dir.filePath(QStringLiteral("copy.tmp")));
    session.crossOutEmpty = true;
    StudentStore store(session);
    test::fillLikeATeacher(session);
    for (int i = 0; i < kStudents; ++i) {
        test::setStudent(session.student(), QStringLiteral("Nazwisko%1").arg(i, 2, 10, QLatin1Char('0')),
                         QStringLiteral("Imię"));
        store.bFunDopiszUcznia(session.student().currentKey);
    }

    // A click: load the student, render both pages onto the preview.
    std::vector<double> load, render, click;
    for (int run = 0; run < 3 * kStudents; ++run) {
        const QString key = studentKey(run % kStudents);
        const int document = run % 3;
        const double l = elapsedMs([&] { store.bFunWczytajUcznia(key); });
        const double r = elapsedMs([&] { renderDocument(session, document, 0); });
        if (run >= 3) { // the first clicks warm the font caches
            load.push_back(l);
            render.push_back(r);
            click.push_back(l + r);
        }
    }
    std::printf("click on a certificate (40-student working copy, both pages previewed), median of %zu:\n",
                click.size());
    std::printf("  load %.2f ms + render %.2f ms = %.2f ms (slowest %.2f ms; target under 16 ms)\n", median(load),
                median(render), median(click), *std::max_element(click.begin(), click.end()));

    // One certificate PDF per student.
    const MarginPreset preset = firstPreset();
    int pages = 0;
    const double pdfMs = elapsedMs([&] {
        for (int i = 0; i < kStudents; ++i) {
            store.bFunWczytajUcznia(studentKey(i));
            session.printing = true;
            renderDocument(session, 0, 1);
            session.printing = false;
            QPdfWriter writer(dir.filePath(QStringLiteral("swiadectwo-%1.pdf").arg(i)));
            openA4(writer);
            QPainter painter(&writer);
            const DeviceGeometry device = deviceGeometry(writer);
            for (int page = 0; page < 2; ++page, ++pages) {
                if (page > 0)
                    writer.newPage();
                printPage(painter, session.pages, page, preset, device, 2);
            }
        }
    });
    std::printf("certificate PDFs, one per student: %d pages in %.0f ms = %.1f pages/s\n", pages, pdfMs,
                pages / (pdfMs / 1000));
    std::printf("plain Qt program, %d pages of 80 texts each: %.1f pages/s\n", pages,
                plainQtPagesPerSecond(dir.path(), kStudents, 2));
    return 0;
}
