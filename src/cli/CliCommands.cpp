#include "CliCommands.h"

#include "RenderCommand.h"
#include "Session.h"
#include "datafile/StudentOrder.h"
#include "datafile/StudentStore.h"
#include "system/FileOps.h"
#include "system/TextFile.h"

#include <cstdio>

namespace krevol {
namespace {

void printLine(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

int usage()
{
    printLine(stderr, QStringLiteral("użycie: krevol-przys-cli list PLIK.kbrp"));
    printLine(stderr, renderUsage());
    return 2;
}

// Reads the data file in place: the store's working copy is the file itself,
// only read, so the user's working copy is never touched.
int listStudents(const QString &path)
{
    TextLineReader probe(path);
    if (!fileExists(path) || !probe.open()) {
        printLine(stderr, QStringLiteral("Nie można odczytać pliku: ") + path);
        return 1;
    }
    probe.close();
    Session session;
    session.setWorkingCopyPath(path);
    StudentStore store(session);
    if (!store.bFunWczytajListeUczniow())
        return 1;
    for (const QString &key : sortedForTree(session.studentKeys()))
        printLine(stdout, key);
    return 0;
}

} // namespace

int runCommand(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments[0] == QLatin1String("list"))
        return listStudents(arguments[1]);
    if (!arguments.isEmpty() && arguments[0] == QLatin1String("render"))
        return renderCommand(arguments.mid(1));
    return usage();
}

} // namespace krevol
