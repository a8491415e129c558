#include "LineLimitedMemo.h"

#include "documents/ItemValues.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace krevol {
namespace {

// Line ends of pasted text, from any system, become plain line breaks.
QString withPlainLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

LineLimitedMemo::LineLimitedMemo(int lineLimit, QWidget *parent) : QTextEdit(parent), m_lineLimit(lineLimit)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    connect(this, &QTextEdit::textChanged, this, &LineLimitedMemo::memoChange);
}

void LineLimitedMemo::setWordWrap(bool on)
{
    m_wordWrap = on;
    // Wrapping follows a fixed width, the memo's inner width, so the displayed
    // lines do not depend on whether the memo has been shown yet.
    setLineWrapMode(on ? QTextEdit::FixedPixelWidth : QTextEdit::NoWrap);
    setWordWrapMode(on ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    fitWrapWidth();
    m_linesBefore = int(memoLines().size());
}

void LineLimitedMemo::fitWrapWidth()
{
    if (m_wordWrap)
        setLineWrapColumnOrWidth(contentsRect().width());
}

void LineLimitedMemo::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    fitWrapWidth();
}

QStringList LineLimitedMemo::memoLines() const
{
    const QString text = toPlainText();
    if (!m_wordWrap || text.isEmpty())
        return ItemValues::splitMemoText(text);
    QStringList lines;
    QTextDocument *doc = document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (!block.next().isValid() && block.text().isEmpty() && block != doc->begin())
            break; // a final line break starts no line
        doc->documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLayout *layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines << block.text();
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

void LineLimitedMemo::replaceText(const QString &text)
{
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
    m_linesBefore = int(memoLines().size());
}

void LineLimitedMemo::showLines(const QStringList &lines)
{
    replaceText(lines.join(QLatin1Char('\n')));
}

void LineLimitedMemo::vFunOgraniczLinie(int n)
{
    replaceText(memoLines().mid(0, n).join(QLatin1Char('\n')));
    moveCursor(QTextCursor::End);
}

void LineLimitedMemo::memoChange()
{
    if (m_settingText)
        return;
    const int lines = int(memoLines().size());
    // A memo shown over its limit (stored text wrapping into more lines here)
    // is not cut by an edit elsewhere in it; OK refuses it until it is shortened.
    if (lines > m_lineLimit && m_linesBefore <= m_lineLimit) {
        vFunOgraniczLinie(m_lineLimit);
        return;
    }
    m_linesBefore = lines;
}

void LineLimitedMemo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    // Enter in a full memo is dropped (and not handed on, so it cannot press a button).
    if (memoLines().size() >= m_lineLimit) {
        event->accept();
        return;
    }
    // Every Enter starts a line: Shift+Enter would otherwise break the line
    // within its paragraph with a character the files cannot hold.
    QKeyEvent plainEnter(event->type(), event->key(), Qt::NoModifier, event->text());
    QTextEdit::keyPressEvent(&plainEnter);
}

void LineLimitedMemo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        insertPlainText(withPlainLineBreaks(source->text()));
}

} // namespace krevol
