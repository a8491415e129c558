#pragma once
// The framing of a student block in a data file: a header line naming the
// student, eleven sections, and an end line.
#include "documents/LineSource.h"

#include <QString>

namespace krevol {

class TextLineReader;

namespace block {
inline const QString kHeaderTag = QStringLiteral("<DANE SWIADECTW DLA: ");
inline const QString kHeaderTagNoBlank = QStringLiteral("<DANE SWIADECTW DLA:");
inline const QString kEndLine = QStringLiteral("</KONIEC DANYCH SWIADECTW>");

// A header opens its line, so a value that quotes one is never taken for a student.
inline bool isHeader(const QString &line) { return line.startsWith(kHeaderTagNoBlank); }
inline bool isEndLine(const QString &line) { return line.trimmed() == kEndLine; }
// The header without its first 21 characters (the tag and its blank) and its last one.
QString keyOfHeader(const QString &line);
inline QString headerLine(const QString &key) { return kHeaderTag + key + QLatin1Char('>'); }
} // namespace block

// Lines of one student block: ends at the end of the file and at the next
// line that opens or ends a block, so a section with a missing closing line
// never reads into the next student.
class BlockLineSource : public LineSource
{
public:
    explicit BlockLineSource(TextLineReader &reader) : m_reader(reader) {}
    bool nextLine(QString &line) override;

private:
    TextLineReader &m_reader;
    bool m_atEdge = false;
};

} // namespace krevol
