#include "TestEnvironment.h"

#include "system/Cp1250.h"
#include "system/FileAssociation.h"
#include "system/Runtime.h"
#include "system/StartupLists.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace krevol::test {

TestEnvironment::TestEnvironment()
{
    m_hadXdgDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    m_oldXdgDataHome = qgetenv("XDG_DATA_HOME");
    QDir(root()).mkpath(QStringLiteral("userdata"));
    QDir(root()).mkpath(QStringLiteral("program"));
    qputenv("XDG_DATA_HOME", userDataFolder().toLocal8Bit());
    runtime::setProgramFolderOverride(programFolder());
    runtime::setPrompter(&prompter);
    runtime::setClock(&clock);
    runtime::resetQuitRequest();
    runtime::setQuitRequestHandler({});
    setDesktopCacheRefresh(false);
}

TestEnvironment::~TestEnvironment()
{
    runtime::setPrompter(nullptr);
    runtime::setClock(nullptr);
    runtime::setProgramFolderOverride(QString());
    runtime::resetQuitRequest();
    runtime::setQuitRequestHandler({});
    if (m_hadXdgDataHome)
        qputenv("XDG_DATA_HOME", m_oldXdgDataHome);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TestEnvironment::userDataFolder() const { return root() + QStringLiteral("/userdata"); }
QString TestEnvironment::workingFolder() const { return userDataFolder() + QStringLiteral("/Krevol-Kolbernia_przys"); }
QString TestEnvironment::programFolder() const { return root() + QStringLiteral("/program"); }
QString TestEnvironment::workingPath(const QString &relative) const { return workingFolder() + QLatin1Char('/') + relative; }
QString TestEnvironment::programPath(const QString &relative) const { return programFolder() + QLatin1Char('/') + relative; }

void TestEnvironment::installProgramData() const
{
    const QDir source(QStringLiteral(KREVOL_DATA_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = programPath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

void TestEnvironment::prepareWorkingFolder() const
{
    installProgramData();
    if (!bFunSprawdzPlikiKatalogi())
        qFatal("the shipped start-up list could not prepare the working folder");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        QByteArray encoded;
        if (!cp1250::encode(line, encoded))
            qFatal("fixture text outside Windows-1250");
        bytes += encoded + "\r\n";
    }
    writeBytes(path, bytes);
}

QStringList readLines(const QString &path)
{
    QByteArray bytes = readBytes(path);
    QStringList lines;
    if (bytes.isEmpty())
        return lines;
    const QList<QByteArray> parts = bytes.split('\n');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QByteArray part = parts[i];
        if (i == parts.size() - 1) {
            if (!part.isEmpty())
                lines << cp1250::decode(part) + QStringLiteral("<no line end>");
            break;
        }
        if (part.endsWith('\r'))
            part.chop(1);
        else
            part += "<no CR>";
        lines << cp1250::decode(part);
    }
    return lines;
}

QString fixturePath(const QString &relative)
{
    return QStringLiteral(KREVOL_FIXTURES_DIR) + QLatin1Char('/') + relative;
}

} // namespace krevol::test
