#pragma once
// The values of the items of one form: text for edits and combo boxes, lines
// for memos, with each memo's line limit held on every change.
#include "DocumentDefinition.h"

#include <QList>
#include <QStringList>

namespace krevol {

class LineSource;

class ItemValues
{
public:
    explicit ItemValues(const DocumentDefinition &definition);

    const DocumentDefinition &definition() const { return *m_definition; }
    bool hasItem(const QString &name) const { return m_definition->itemIndex(name) >= 0; }

    // Text of an edit or combo box, the caption of a label, the lines of a memo joined by "\n".
    QString text(const QString &name) const;
    QStringList lines(const QString &name) const; // a memo's lines; one line for other items
    // Edits and combo boxes take the text; memos take it split into lines (a
    // final line break does not start a line). False when there is no such item.
    bool setText(const QString &name, const QString &text);
    bool setLines(const QString &name, const QStringList &lines);
    bool appendLine(const QString &name, const QString &line);

    // A memo's text as lines: "a\n\nb\n" is three lines, "" none.
    static QStringList splitMemoText(const QString &text);

protected:
    QString &textAt(int index) { return m_texts[index]; }
    QStringList &linesAt(int index) { return m_lines[index]; }
    void limitLines(int index);
    // Writes one field line per edit and combo box and one per memo line, in declaration order.
    void writeFieldLines(QStringList &out) const;
    // Reads field lines up to and including the closing line of `closingTag`
    // (recognised as a whole line) or the end of the source. Each field line
    // is handed to applyFieldLine.
    void readSection(LineSource &in, const QString &closingTag);
    virtual void applyFieldLine(const QString &name, const QString &value);

private:
    const DocumentDefinition *m_definition;
    QList<QString> m_texts;
    QList<QStringList> m_lines;
};

} // namespace krevol
