#include "StudentStore.h"

#include "Session.h"
#include "StudentBlock.h"
#include "system/Cp1250.h"
#include "system/ErrorReport.h"
#include "system/FileOps.h"
#include "system/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace krevol {
namespace {

QString codeLine(int code)
{
    return QStringLiteral("\nKod błędu: ") + QString::number(code);
}

} // namespace

const QStringList &StudentStore::formLoadOrder()
{
    static const QStringList order{
        QStringLiteral("TFDaneUcznia"), QStringLiteral("TFKlasa1"), QStringLiteral("TFKlasa2"),
        QStringLiteral("TFKoniec"), QStringLiteral("TFArkuszStr1"), QStringLiteral("TFArkuszStr2"),
        QStringLiteral("TFArkuszStr1b"), QStringLiteral("TFArkuszStr2b"), QStringLiteral("TFArkuszStr3b"),
        QStringLiteral("TFArkuszStr4b"), QStringLiteral("TFArkuszStr5b")};
    return order;
}

QString StudentStore::scratchPath() const
{
    // Beside the working copy, so the finished scratch file can replace it by a rename.
    return QFileInfo(m_session.workingCopyPath()).absolutePath() + QStringLiteral("/temp.kbr");
}

bool StudentStore::bFunWczytajListeUczniow()
{
    const QString path = m_session.workingCopyPath();
    if (!fileExists(path)) {
        m_session.setStudentKeys({});
        return true;
    }
    TextLineReader reader(path);
    if (!reader.open()) {
        reportError(QStringLiteral("Funkcja: bFunWczytajListeUczniow()\n\nBłąd otwarcia pliku do odczytu:\n") + path
                    + codeLine(reader.errorCode()));
        return false;
    }
    QStringList keys;
    QString line;
    while (reader.readLine(line))
        if (block::isHeader(line))
            keys << block::keyOfHeader(line);
    m_session.setStudentKeys(keys);
    return true;
}

bool StudentStore::bFunSprawdzCzyInstnieje(const QString &key)
{
    const QString path = m_session.workingCopyPath();
    if (!fileExists(path))
        return false;
    const QString wanted = asciiUpper(key);
    TextLineReader reader(path);
    if (!reader.open()) {
        showErrorBox(QStringLiteral("Funkcja: bFunSprawdzCzyInstnieje()\n\nBłąd podczas próby otwarcia pliku do odczytu\n")
                     + path + codeLine(reader.errorCode()));
        return false;
    }
    QString line;
    while (reader.readLine(line))
        if (line.startsWith(block::kHeaderTag) && asciiUpper(block::keyOfHeader(line)) == wanted)
            return true;
    return false;
}

bool StudentStore::bFunWczytajUcznia(const QString &key)
{
    m_session.clearForms(formLoadOrder());
    const QString path = m_session.workingCopyPath();
    const QString wanted = asciiUpper(block::headerLine(key));
    TextLineReader reader(path);
    if (!reader.open()) {
        reportError(QStringLiteral("Błąd otwarcia pliku do odczytu:\n") + path + codeLine(reader.errorCode()));
        return false;
    }
    QString line;
    bool found = false;
    while (!found && reader.readLine(line))
        found = block::isHeader(line) && asciiUpper(line).startsWith(wanted);
    if (!found)
        return false;
    BlockLineSource block(reader);
    m_session.student().vFunWczytajDaneUcznia(block);
    for (int i = 0; i < m_session.documentCount(); ++i)
        m_session.document(i).vFunWczytajDaneSwiadectwa(block);
    return true;
}

QStringList StudentStore::studentBlockLines(const QString &key) const
{
    QStringList lines{block::headerLine(key)};
    m_session.student().vFunZapiszDaneUcznia(lines);
    for (int i = 0; i < m_session.documentCount(); ++i)
        m_session.document(i).vFunZapiszDaneSwiadectwa(lines);
    lines << block::kEndLine;
    return lines;
}

bool StudentStore::bFunDopiszUcznia(const QString &key)
{
    const QString path = m_session.workingCopyPath();
    // The block is encoded whole before the file is touched: text the code
    // page cannot hold never reaches the file half written.
    QByteArray bytes;
    for (const QString &line : studentBlockLines(key)) {
        QByteArray encoded;
        if (!cp1250::encode(line, encoded)) {
            reportError(QStringLiteral("Błąd podczas próby zapisu danych ucznia\n") + path
                        + QStringLiteral("\nTekst zawiera znaki, których nie można zapisać w pliku: ")
                        + cp1250::unencodableCharacters(line));
            return false;
        }
        bytes += encoded + "\r\n";
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        reportError(QStringLiteral("Błąd podczas próby otwarcia pliku do zapisu\n") + path
                    + codeLine(lastSystemErrorCode(path)));
        return false;
    }
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A block that did not fit is taken back, so the file holds only whole blocks.
        const int code = lastSystemErrorCode(path);
        file.resize(sizeBefore);
        reportError(QStringLiteral("Błąd podczas próby zapisu danych ucznia\n") + path + codeLine(code));
        return false;
    }
    return true;
}

bool StudentStore::bFunUsunUcznia(const QString &key)
{
    const QString wanted = asciiUpper(key);
    const QString source = m_session.workingCopyPath();
    const QString scratch = scratchPath();
    TextLineReader reader(source);
    if (!reader.open()) {
        showErrorBox(QStringLiteral("Błąd podczas otwarcia pliku do odczytu\n") + source + codeLine(reader.errorCode()));
        return false;
    }
    TextLineWriter writer(scratch);
    if (!writer.open()) {
        showErrorBox(QStringLiteral("Błąd podczas otwarcia pliku do zapisu\n") + scratch + codeLine(writer.errorCode()));
        return false;
    }
    QString line;
    bool dropping = false;
    while (reader.readLine(line)) {
        if (dropping && block::isEndLine(line)) {
            dropping = false;
            continue;
        }
        // A block without its end line ends at the next student's header:
        // the next student is never dropped with it.
        if (block::isHeader(line))
            dropping = line.startsWith(block::kHeaderTag) && asciiUpper(block::keyOfHeader(line)) == wanted;
        if (!dropping)
            writer.writeLine(line);
    }
    reader.close();
    if (!writer.close()) {
        showErrorBox(QStringLiteral("Błąd podczas zapisu pliku\n") + scratch + codeLine(writer.errorCode()));
        return false;
    }
    // The finished scratch file replaces the working copy in one step, so the
    // working copy is never missing.
    const FileResult renamed = renameFile(scratch, source);
    if (!renamed) {
        showErrorBox(QStringLiteral("Błąd podczas próby przeniesienia pliku\nCel: ") + source
                     + QStringLiteral("\nŹródło: ") + scratch + codeLine(renamed.code));
        return false;
    }
    return true;
}

bool StudentStore::vFunZastapUcznia(const QString &oldKey)
{
    // A failed removal leaves the old block in place; appending then would
    // only add a second block, so the student is not appended.
    bool stored = bFunUsunUcznia(oldKey);
    if (stored)
        stored = bFunDopiszUcznia(m_session.student().currentKey);
    bFunWczytajListeUczniow();
    return stored;
}

} // namespace krevol
