// Times the student store's operations on working copies of 40, 400 and 4,000
// students with every document filled. Prints milliseconds per operation.
#include "ModelFixtures.h"
#include "Session.h"
#include "datafile/StudentStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace krevol;

namespace {

// Median of a few runs of one operation, in milliseconds.
double timeMs(const std::function<void()> &operation, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        operation();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%-8s %10s %10s %10s %10s %10s %10s %10s\n", "students", "file MB", "list", "exists", "load",
                "append", "replace", "remove");
    for (int count : {40, 400, 4000}) {
        Session session;
        const QString path = dir.filePath(QStringLiteral("copy-%1.tmp").arg(count));
        session.setWorkingCopyPath(path);
        StudentStore store(session);
        test::fillLikeATeacher(session);
        for (int i = 0; i < count; ++i) {
            test::setStudent(session.student(), QStringLiteral("Nazwisko%1").arg(i, 4, 10, QLatin1Char('0')),
                             QStringLiteral("Imię"));
            store.bFunDopiszUcznia(session.student().currentKey);
        }
        const QString middle = QStringLiteral("Nazwisko%1 Imię").arg(count / 2, 4, 10, QLatin1Char('0'));
        const int runs = count >= 4000 ? 3 : 9;
        const double list = timeMs([&] { store.bFunWczytajListeUczniow(); }, runs);
        const double exists = timeMs([&] { store.bFunSprawdzCzyInstnieje(QStringLiteral("Brak Ucznia")); }, runs);
        const double load = timeMs([&] { store.bFunWczytajUcznia(middle); }, runs);
        const double append = timeMs([&] { store.bFunDopiszUcznia(QStringLiteral("Dodatkowy Uczeń")); }, runs);
        store.bFunWczytajUcznia(middle);
        const double replace = timeMs([&] { store.vFunZastapUcznia(session.student().currentKey); }, runs);
        const double remove = timeMs([&] { store.bFunUsunUcznia(QStringLiteral("Dodatkowy Uczeń")); }, 1);
        std::printf("%-8d %10.2f %10.2f %10.2f %10.2f %10.2f %10.2f %10.2f\n", count,
                    QFile(path).size() / 1048576.0, list, exists, load, append, replace, remove);
    }
    return 0;
}
