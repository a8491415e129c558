#pragma once
// A multi-line entry field that holds at most a fixed number of lines.
//
// With word wrap on, a paragraph breaks at the memo's width into displayed
// lines, and each displayed line is one line of the memo: for the limit, for
// storing (one model line each) and so for printing. With word wrap off, a
// line runs on to the right under a horizontal scroll bar and only Enter
// starts a new line.
#include <QStringList>
#include <QTextEdit>

namespace krevol {

class LineLimitedMemo : public QTextEdit
{
    Q_OBJECT
public:
    LineLimitedMemo(int lineLimit, QWidget *parent);

    int lineLimit() const { return m_lineLimit; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    // The memo's lines as they are stored: the displayed lines with word wrap
    // on, the paragraphs with it off; a text ending in a line break has no
    // empty last line, and an empty memo has no lines.
    QStringList memoLines() const;
    bool isOverLimit() const { return memoLines().size() > m_lineLimit; }

    // Shows stored lines. They are not cut here, even when wrapping at this
    // width makes more lines than the limit: the window refuses such a memo on
    // OK, so the user decides what goes.
    void showLines(const QStringList &lines);

    // Cuts the memo to its first n lines; the text beyond is dropped and the
    // cursor goes to the end.
    void vFunOgraniczLinie(int n);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // The change handler: a paste, a typed Enter or a wrapping keystroke that
    // takes the memo over its limit is cut back to it.
    void memoChange();
    void fitWrapWidth();
    void replaceText(const QString &text);

    int m_lineLimit;
    bool m_wordWrap = false;
    bool m_settingText = false;
    int m_linesBefore = 0; // the line count before the latest change
};

} // namespace krevol
