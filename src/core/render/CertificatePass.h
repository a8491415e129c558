#pragma once
// One pass over a certificate's calibration lines: each record's item drawn
// onto the open page surfaces, page 1 or page 2 by its name. The renderer
// feeds it the lines of the calibration file; the generator of the form
// pictures feeds it the constant records alone.
#include <QPainter>
#include <QString>

namespace krevol {

class DocumentModel;
class Session;

class CertificatePass
{
public:
    CertificatePass(Session &session, const DocumentModel &document) : m_session(session), m_document(document) {}

    // Parses the line into the current calibration record and draws it.
    void drawRecord(const QString &line);

private:
    enum Page { Page1 = 0, Page2 = 1 };

    // Which memo line the next line record prints: only memo records move it,
    // so records of other kinds between two lines of one memo do not restart it.
    struct MemoLineState
    {
        QString memoName;
        int lineNumber = 0;
    };

    QPainter &canvas(Page page);
    void drawItemText(const QString &name, Page page);
    void drawEditText(const QString &name);
    void drawMemoLine(const QString &name);
    void drawDottedLine(Page page);

    Session &m_session;
    const DocumentModel &m_document;
    MemoLineState m_memo;
};

} // namespace krevol
