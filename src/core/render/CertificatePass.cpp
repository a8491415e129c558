#include "CertificatePass.h"

#include "DrawingHelpers.h"
#include "Session.h"

namespace krevol {

QPainter &CertificatePass::canvas(Page page)
{
    return m_session.pages.canvas(page);
}

void CertificatePass::drawRecord(const QString &line)
{
    // A line without ">" holds no record: drawing it would draw the record
    // before it a second time (and move a memo on by a line).
    if (!line.contains(QLatin1Char('>')))
        return;
    vFunWczytajRekordKalibracji(m_session.calibration, line);
    const CalibrationRecord &r = m_session.calibration;
    if (line.contains(QLatin1String("GRAFIKA: ORZELEK")))
        vFunRysujOrzelka(m_session, r.x1, r.y1, r.x2, r.y2, canvas(Page1));
    if (line.contains(QLatin1String("GRAFIKA: PIECZATKA")))
        vFunRysujPieczatke(m_session, r.x1, r.y1, r.x2, r.y2, canvas(Page1));

    const QString name = r.name;
    const auto has = [&name](const char *part) { return name.contains(QLatin1String(part)); };
    if (has("_STR1_DATA_LABEL"))
        drawItemText(name, Page1);
    else if (has("_STR2_DATA_LABEL"))
        drawItemText(name, Page2);
    else if (has("_STR1_DATA_EDIT"))
        drawEditText(name);
    else if (has("_STR2_DATA_EDIT"))
        drawItemText(name, Page2);
    else if (has("_STR1_DATA_COMBOBOX"))
        drawItemText(name, Page1);
    else if (has("_STR2_DATA_COMBOBOX"))
        drawItemText(name, Page2);
    else if (has("STR2_DATA_MEMO"))
        drawMemoLine(name);
    else if (has("_STR1_LINIA_Z_KROPEK"))
        drawDottedLine(Page1);
    else if (has("_STR2_LINIA_Z_KROPEK"))
        drawDottedLine(Page2);
}

void CertificatePass::drawItemText(const QString &name, Page page)
{
    if (m_document.hasItem(name))
        vFunRysujTekst(m_session, m_document.text(name), canvas(page));
}

void CertificatePass::drawEditText(const QString &name)
{
    if (!m_document.hasItem(name))
        return;
    const QString text = m_document.text(name);
    // The ending "e" of "we" is no field of its own on paper: left empty it
    // is neither printed nor crossed out.
    const bool endingOfPreposition = name.contains(QLatin1String("ZMIENNA_UrWE"))
        || name.contains(QLatin1String("ZMIENNA_SzkolaWE"));
    if (endingOfPreposition && text.isEmpty())
        return;
    vFunRysujTekst(m_session, text, canvas(Page1));
}

void CertificatePass::drawMemoLine(const QString &name)
{
    const QString memoName = name.chopped(2);
    const ItemDefinition *memo = m_document.definition().item(memoName);
    if (!memo || !memo->isMemo())
        return;
    const QStringList lines = m_document.lines(memoName);
    if (memoName == m_memo.memoName) {
        ++m_memo.lineNumber;
    } else {
        m_memo.lineNumber = 0;
        m_memo.memoName = memoName;
    }
    // A calibrated line beyond the memo's text draws the empty text, so it is
    // crossed out when empty fields are.
    const QString text = m_memo.lineNumber < lines.size() ? lines.at(m_memo.lineNumber) : QString();
    vFunRysujTekst(m_session, text, canvas(Page2));
}

void CertificatePass::drawDottedLine(Page page)
{
    const CalibrationRecord &r = m_session.calibration;
    vFunRysujLinieZKropek(m_session, r.x1, r.y1, r.x2, r.y2, canvas(page));
}

} // namespace krevol
