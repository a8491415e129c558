#pragma once
// Line-oriented access to Windows-1250 text files with CR LF line ends.
// Files are always opened binary: CR LF (or a bare LF) ends a line when
// reading, and every line written ends with CR LF.
#include <QFile>
#include <QString>

namespace krevol {

class TextLineReader
{
public:
    explicit TextLineReader(const QString &path);
    bool open();            // false when the file cannot be opened; see errorCode()
    bool atEnd() const;
    QString readLine();     // the next line without its line end
    bool readLine(QString &line); // false at the end of the file
    bool rewind();
    void close();
    int errorCode() const { return m_errorCode; }
    const QString &path() const { return m_path; }

private:
    QString m_path;
    QFile m_file;
    int m_errorCode = 0;
};

class TextLineWriter
{
public:
    enum class Mode { Truncate, Append };
    explicit TextLineWriter(const QString &path);
    ~TextLineWriter();
    bool open(Mode mode = Mode::Truncate); // false when it cannot be opened; see errorCode()
    // Writes the text and CR LF. Text the code page cannot hold is refused:
    // nothing is written, false is returned and encodingError() is set.
    bool writeLine(const QString &text);
    bool close();           // flushes; false when a write failed
    bool encodingError() const { return m_encodingError; }
    bool failed() const { return m_encodingError || m_writeError; }
    int errorCode() const { return m_errorCode; }
    const QString &path() const { return m_path; }

private:
    QString m_path;
    QFile m_file;
    int m_errorCode = 0;
    bool m_encodingError = false;
    bool m_writeError = false;
};

} // namespace krevol
