#include "TextFile.h"

#include "Cp1250.h"
#include "FileOps.h"

#include <cerrno>

namespace krevol {

TextLineReader::TextLineReader(const QString &path) : m_path(path), m_file(path) {}

bool TextLineReader::open()
{
    errno = 0;
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_errorCode = lastSystemErrorCode(m_path);
        return false;
    }
    return true;
}

bool TextLineReader::atEnd() const
{
    return !m_file.isOpen() || m_file.atEnd();
}

QString TextLineReader::readLine()
{
    QString line;
    readLine(line);
    return line;
}

bool TextLineReader::readLine(QString &line)
{
    line.clear();
    if (atEnd())
        return false;
    QByteArray bytes = m_file.readLine();
    if (bytes.endsWith('\n')) {
        bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
    }
    line = cp1250::decode(bytes);
    return true;
}

bool TextLineReader::rewind()
{
    return m_file.isOpen() && m_file.seek(0);
}

void TextLineReader::close()
{
    m_file.close();
}

TextLineWriter::TextLineWriter(const QString &path) : m_path(path), m_file(path) {}

TextLineWriter::~TextLineWriter()
{
    close();
}

bool TextLineWriter::open(Mode mode)
{
    errno = 0;
    const QIODevice::OpenMode flags = mode == Mode::Append
        ? QIODevice::WriteOnly | QIODevice::Append
        : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!m_file.open(flags)) {
        m_errorCode = lastSystemErrorCode(m_path);
        return false;
    }
    return true;
}

bool TextLineWriter::writeLine(const QString &text)
{
    QByteArray bytes;
    if (!cp1250::encode(text, bytes)) {
        m_encodingError = true;
        return false;
    }
    bytes += "\r\n";
    if (m_file.write(bytes) != bytes.size()) {
        m_writeError = true;
        m_errorCode = lastSystemErrorCode(m_path);
        return false;
    }
    return true;
}

bool TextLineWriter::close()
{
    if (m_file.isOpen()) {
        if (!m_file.flush()) {
            m_writeError = true;
            m_errorCode = lastSystemErrorCode(m_path);
        }
        m_file.close();
    }
    return !failed();
}

} // namespace krevol
