// The drawing helpers, checked on what the page pictures hold when replayed:
// where texts, lines and dots land, what is cut at a box, what the selection
// highlight draws and where it turns and scrolls the preview.
#include "PaintSpy.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "render/DrawingHelpers.h"
#include "render/Preview.h"
#include "render/PreviewViewport.h"

#include <QFontMetrics>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

class FakeViewport : public PreviewViewport
{
public:
    QStringList calls;
    void showPage(int tab) override { calls << QStringLiteral("tab %1").arg(tab); }
    void setSecondPageVisible(bool visible) override { calls << QStringLiteral("second %1").arg(visible); }
    void setVerticalScroll(int value, bool both) override
    {
        calls << QStringLiteral("v %1 %2").arg(value).arg(both ? "both" : "first");
    }
    void setHorizontalScroll(int value) override { calls << QStringLiteral("h %1").arg(value); }
};

// The line height of a font as the platform measures it, at 96 units per inch.
QFontMetrics metricsOf(int points, const QString &family = QStringLiteral("Times New Roman"))
{
    static QImage device(1, 1, QImage::Format_RGB32);
    QFont font(family);
    font.setPixelSize(qRound(points * 96 / 72.0));
    return QFontMetrics(font, &device);
}

int lineHeightOf(int points)
{
    const QFontMetrics m = metricsOf(points);
    return m.ascent() + m.descent();
}

// A session with its page canvases open, one record set, and a spy to look at page 1 afterwards.
struct Page
{
    TestEnvironment env;
    Session session;
    FakeViewport viewport;
    PaintSpy spy;

    Page()
    {
        session.viewport = &viewport;
        session.pages.vFunRozpocznijStrony(1);
    }
    QPainter &canvas() { return session.pages.canvas(0); }
    CalibrationRecord &record() { return session.calibration; }
    void set(const QString &line) { vFunWczytajRekordKalibracji(session.calibration, line); }
    PaintSpy &finished()
    {
        session.pages.closeCanvases();
        replay(session.pages.picture(0), spy);
        return spy;
    }
    QImage pixels()
    {
        session.pages.closeCanvases();
        return rasterised(session.pages.picture(0));
    }
};

QList<PaintEvent> visibleTexts(const PaintSpy &spy)
{
    QList<PaintEvent> result;
    for (const PaintEvent &e : spy.of(PaintEvent::Kind::Text))
        if (!e.text.trimmed().isEmpty())
            result << e;
    return result;
}

} // namespace

class DrawingHelpersTest : public QObject
{
    Q_OBJECT
private slots:
    void aTextStandsInAOneLineBoxAboveY2_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("where"); // left, centre, right
        QTest::newRow("0 left") << 0 << "left";
        QTest::newRow("1 centred") << 1 << "centre";
        QTest::newRow("2 right") << 2 << "right";
        QTest::newRow("7 is drawn centred") << 7 << "centre";
        QTest::newRow("-1 is drawn centred") << -1 << "centre";
    }

    void aTextStandsInAOneLineBoxAboveY2()
    {
        QFETCH(int, alignment);
        QFETCH(QString, where);
        Page page;
        page.set(QStringLiteral("<T>100,0,300,500,Times New Roman,12,%1,0,0,0,0").arg(alignment));
        vFunRysujTekst(page.session, QStringLiteral("Zażółć"), page.canvas());
        const int top = 500 - lineHeightOf(12) - 3;
        QCOMPARE(page.record().y1, top);
        const QList<PaintEvent> texts = page.finished().of(PaintEvent::Kind::Text);
        QCOMPARE(texts.size(), 1);
        const PaintEvent &text = texts.first();
        QCOMPARE(text.font.pixelSize(), 16);
        // Replay lays the text out again and may set it a fraction of a unit lower.
        QVERIFY(qAbs(text.origin.y() - (top + metricsOf(12).ascent())) < 0.5);
        const int width = metricsOf(12).horizontalAdvance(QStringLiteral("Zażółć"));
        const double expectedX = where == "left" ? 100 : where == "right" ? 300 - width : 100 + (200 - width) / 2;
        QCOMPARE(text.origin.x(), expectedX);
        QVERIFY(text.clipped);
        QCOMPARE(text.clip, QRectF(100, top, 200, 500 - top));
    }

    void aLongTextIsCutAtTheBoxNeverShrunk_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("inkLeftOfBox");
        QTest::addColumn<bool>("inkRightOfBox");
        QTest::newRow("left: cut at the right edge") << 0 << false << false;
        QTest::newRow("centred: cut at both edges") << 1 << false << false;
        QTest::newRow("right: cut at the left edge") << 2 << false << false;
        QTest::newRow("justified with few blanks: not cut") << 3 << false << true;
    }

    void aLongTextIsCutAtTheBoxNeverShrunk()
    {
        QFETCH(int, alignment);
        QFETCH(bool, inkLeftOfBox);
        QFETCH(bool, inkRightOfBox);
        Page page;
        page.set(QStringLiteral("<T>300,0,500,500,Times New Roman,12,%1,0,0,0,0").arg(alignment));
        vFunRysujTekst(page.session, QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"), page.canvas());
        const QImage image = page.pixels();
        const QRect band(0, 460, 885, 45);
        QVERIFY(hasInk(image, QRect(300, band.top(), 200, band.height())));
        QCOMPARE(hasInk(image, QRect(0, band.top(), 300, band.height())), inkLeftOfBox);
        QCOMPARE(hasInk(image, QRect(501, band.top(), 384, band.height())), inkRightOfBox);
        // The text keeps its size: nothing above the box's line is needed to hold it.
        QVERIFY(!hasInk(image, QRect(0, 0, 885, band.top())));
    }

    void aLineBreakStartsALineTheBoxHides()
    {
        Page page;
        page.set("<T>100,0,300,500,Times New Roman,12,0,0,0,0,0");
        vFunRysujTekst(page.session, QStringLiteral("góra\ndół"), page.canvas());
        const QImage image = page.pixels();
        QVERIFY(hasInk(image, QRect(100, 480, 200, 20)));
        QVERIFY(!hasInk(image, QRect(0, 501, 885, 60)));
    }

    void justification_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words"); // the words drawn, in order; "" for an empty word
        QTest::newRow("5 blanks") << "aa bbb c dd eeee ff" << QStringList{"aa", "bbb", "c", "dd", "eeee", "ff"};
        QTest::newRow("two blanks in a row: an empty word between")
            << "aa  bbb c dd ff" << QStringList{"aa", "", "bbb", "c", "dd", "ff"};
    }

    void justification()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        Page page;
        page.set("<T>100,0,700,500,Times New Roman,12,3,0,0,0,0");
        vFunRysujTekst(page.session, text, page.canvas());
        const QFontMetrics m = metricsOf(12);
        const int gap = (600 - m.horizontalAdvance(QString(text).remove(' '))) / 5;
        const QList<PaintEvent> drawn = visibleTexts(page.finished());
        QStringList nonEmpty = words;
        nonEmpty.removeAll(QString());
        QCOMPARE(drawn.size(), nonEmpty.size());
        // Each word starts one integer gap after the one before; the last ends at X2.
        double x = 100;
        int event = 0;
        for (qsizetype i = 0; i + 1 < words.size(); ++i) {
            if (!words[i].isEmpty()) {
                QCOMPARE(drawn[event].text, words[i]);
                QCOMPARE(drawn[event].origin.x(), x);
                QVERIFY(!drawn[event].clipped);
                ++event;
            }
            x += m.horizontalAdvance(words[i]) + gap;
        }
        QCOMPARE(drawn.last().text, words.last());
        QCOMPARE(drawn.last().origin.x() + m.horizontalAdvance(words.last()), 700.0);
        QVERIFY(drawn.last().origin.x() >= x); // the remainder falls to the last gap
        QVERIFY(drawn.last().origin.x() < x + 5);
    }

    void justificationWithFourBlanksIsLeftAlignedAndRunsOn()
    {
        Page page;
        page.set("<T>100,0,150,500,Times New Roman,12,3,0,0,0,0");
        vFunRysujTekst(page.session, QStringLiteral("jeden dwa trzy cztery pięć"), page.canvas());
        const QList<PaintEvent> drawn = visibleTexts(page.finished());
        QCOMPARE(drawn.size(), 1);
        QCOMPARE(drawn.first().text, QStringLiteral("jeden dwa trzy cztery pięć"));
        QCOMPARE(drawn.first().origin.x(), 100.0);
        QVERIFY(!drawn.first().clipped);
        QVERIFY(drawn.first().textRight() > 150);
    }

    void anEmptyTextIsCrossedOutOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("crossOut");
        QTest::newRow("ticked") << true;
        QTest::newRow("not ticked") << false;
    }

    void anEmptyTextIsCrossedOutOnlyWhenAsked()
    {
        QFETCH(bool, crossOut);
        Page page;
        page.session.crossOutEmpty = crossOut;
        page.canvas().setPen(QPen(Qt::blue, 1, Qt::DashLine));
        page.set("<T>100,450,300,500,Times New Roman,12,0,0,0,0,0");
        vFunRysujTekst(page.session, QString(), page.canvas());
        QCOMPARE(page.record().y1, 450);
        const QList<PaintEvent> lines = page.finished().of(PaintEvent::Kind::Line);
        QCOMPARE(page.spy.events.size(), crossOut ? 1 : 0);
        if (crossOut) {
            QCOMPARE(lines.first().line, QLineF(100, 490, 300, 490));
            QCOMPARE(lines.first().pen, QColor(Qt::blue)); // the canvas's pen, made solid
        }
    }

    void dottedLines_data()
    {
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("x2");
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("100 to 112: dots at 100 and 106") << 100 << 112 << QList<int>{100, 106};
        QTest::newRow("100 to 113: a third at 112") << 100 << 113 << QList<int>{100, 106, 112};
        QTest::newRow("an empty line") << 100 << 100 << QList<int>{};
        QTest::newRow("reversed") << 200 << 100 << QList<int>{};
    }

    void dottedLines()
    {
        QFETCH(int, x1);
        QFETCH(int, x2);
        QFETCH(QList<int>, cells);
        Page page;
        page.set("<T>0,0,100,300,Times New Roman,12,0,1,1,0,0");
        vFunRysujTekst(page.session, QStringLiteral("x"), page.canvas());
        page.set(QStringLiteral("<D_STR1_LINIA_Z_KROPEK>%1,0,%2,500,Arial,3,0,0,0,0,0").arg(x1).arg(x2));
        vFunRysujLinieZKropek(page.session, x1, 0, x2, 500, page.canvas());
        // The canvas keeps its size; the style is cleared.
        QCOMPARE(page.canvas().font().pixelSize(), 16);
        QVERIFY(!page.canvas().font().bold() && !page.canvas().font().italic());
        // A full stop of 14 points, its cell's top left at (x, Y2 - 14): its ink
        // lies in the cell's lower left corner, on the text's baseline.
        const QImage image = page.pixels();
        const QFontMetrics m = metricsOf(14);
        const QRect ink = m.tightBoundingRect(QStringLiteral("."));
        const int baseline = 500 - 14 + m.ascent();
        QVERIFY(!hasInk(image, QRect(0, 400, 885, baseline + ink.top() - 1 - 400)));
        QVERIFY(!hasInk(image, QRect(0, baseline + 2, 885, 100)));
        // The dots along the baseline's row band: one ink run per dot, in its cell.
        QList<int> runs;
        bool inRun = false;
        for (int column = 0; column < 885; ++column) {
            const bool dark = hasInk(image, QRect(column, baseline + ink.top(), 1, ink.height() + 1));
            if (dark && !inRun)
                runs << column;
            inRun = dark;
        }
        QCOMPARE(runs.size(), cells.size());
        for (qsizetype i = 0; i < runs.size(); ++i)
            QVERIFY2(runs[i] >= cells[i] + ink.left() - 1 && runs[i] <= cells[i] + ink.right(),
                     qPrintable(QString::number(runs[i])));
    }

    void farOffDottedLinesEndQuickly()
    {
        Page page;
        page.set("<D_STR1_LINIA_Z_KROPEK>-2000000000,0,2000000000,500,Arial,3,0,0,0,0,0");
        vFunRysujLinieZKropek(page.session, -2000000000, 0, 2000000000, 500, page.canvas());
        // A dotted line far longer than the page is cut 10,000 units out: it
        // holds no more than a few thousand dots, and still crosses the page.
        const QList<PaintEvent> lines = page.finished().of(PaintEvent::Kind::Line);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().line.x1() < 0 && lines.first().line.x2() > 885);
        QVERIFY(lines.first().line.length() < 20001);
    }

    void recordsOfAnyShapeDrawSafely_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("pixelSize"); // the font the text is drawn in
        QTest::newRow("size 0 is drawn at 1 point") << "<T>10,0,300,500,Arial,0,0,0,0,0,0" << 1;
        QTest::newRow("a negative size") << "<T>10,0,300,500,Arial,-40,0,0,0,0,0" << 1;
        QTest::newRow("an absurd size is held at 1000 points") << "<T>10,0,300,500,Arial,2000000000,0,0,0,0,0" << 1333;
        QTest::newRow("no font name") << "<T>10,0,300,500,,12,0,0,0,0,0" << 16;
        QTest::newRow("an unknown font") << "<T>10,0,300,500,Nie Ma Takiej,12,1,1,1,1,1" << 16;
        QTest::newRow("an inverted box shows nothing") << "<T>300,0,10,500,Arial,12,0,0,0,0,0" << 0;
        QTest::newRow("coordinates at the 32-bit ends")
            << "<T>-2147483648,0,2147483647,2147483647,Arial,12,2,0,0,0,0" << 0;
    }

    void recordsOfAnyShapeDrawSafely()
    {
        QFETCH(QString, line);
        QFETCH(int, pixelSize);
        Page page;
        page.set(line);
        vFunRysujTekst(page.session, QStringLiteral("tekst"), page.canvas());
        const QList<PaintEvent> texts = page.finished().of(PaintEvent::Kind::Text);
        if (pixelSize == 0)
            QVERIFY(texts.isEmpty() || !QRectF(0, 0, 885, 1314).intersects(texts.first().clip));
        else
            QCOMPARE(texts.first().font.pixelSize(), pixelSize);
    }

    void theSelectedItemIsFramedAndScrolledTo_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<QStringList>("viewport");
        const int top = 500 - lineHeightOf(12) - 3;
        QTest::newRow("page 2 item, near the left")
            << "<ZMIENNA_A_STR2_DATA_EDIT>400,0,700,500,Times New Roman,12,0,0,0,0,0" << "abc"
            << QRectF(400, top, 300, 500 - top) << QStringList{"tab 1", "v 333 both", "h 0"};
        QTest::newRow("page 1 item past x 500 scrolls sideways")
            << "<ZMIENNA_A_STR1_DATA_EDIT>600,0,800,500,Times New Roman,12,0,0,0,0,0" << "abc"
            << QRectF(600, top, 200, 500 - top) << QStringList{"tab 0", "v 333 both", "h 600"};
        QTest::newRow("an empty item keeps its tall box: framed along its bottom")
            << "<ZMIENNA_A_STR1_DATA_MEMO01>100,300,700,501,Times New Roman,12,0,0,0,0,0" << ""
            << QRectF(100, 481, 600, 20) << QStringList{"tab 0", "v 250 both", "h 0"};
    }

    void theSelectedItemIsFramedAndScrolledTo()
    {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QFETCH(QRectF, frame);
        QFETCH(QStringList, viewport);
        Page page;
        page.session.calibrationEditorOpen = true;
        page.set(line);
        page.session.selectedItemName = page.record().name;
        vFunRysujTekst(page.session, text, page.canvas());
        page.session.selectedItemName.clear();
        page.session.crossOutEmpty = true;
        vFunRysujTekst(page.session, QString(), page.canvas()); // drawn with the pen the highlight left
        QCOMPARE(page.viewport.calls.mid(0, 3), viewport);
        const QList<PaintEvent> rects = page.finished().of(PaintEvent::Kind::Rect);
        QCOMPARE(rects.size(), 1);
        QCOMPARE(rects.first().rect, frame);
        QCOMPARE(rects.first().pen, QColor(255, 0, 0));
        QCOMPARE(page.spy.of(PaintEvent::Kind::Line).last().pen, QColor(0, 0, 0));
    }

    void nothingIsHighlightedUnlessTheEditorHasTheItemSelected_data()
    {
        QTest::addColumn<bool>("editorOpen");
        QTest::addColumn<QString>("selected");
        QTest::newRow("editor closed") << false << "ZMIENNA_A_STR1_DATA_EDIT";
        QTest::newRow("another item") << true << "ZMIENNA_B_STR1_DATA_EDIT";
        QTest::newRow("names differ in case") << true << "zmienna_a_str1_data_edit";
    }

    void nothingIsHighlightedUnlessTheEditorHasTheItemSelected()
    {
        QFETCH(bool, editorOpen);
        QFETCH(QString, selected);
        Page page;
        page.session.calibrationEditorOpen = editorOpen;
        page.session.selectedItemName = selected;
        page.set("<ZMIENNA_A_STR1_DATA_EDIT>600,0,800,500,Times New Roman,12,0,0,0,0,0");
        vFunRysujTekst(page.session, QStringLiteral("abc"), page.canvas());
        vFunRysujLinieZKropek(page.session, 600, 0, 800, 500, page.canvas());
        vFunRysujPieczatke(page.session, 600, 0, 800, 500, page.canvas());
        vFunRysujRamke(page.session, 600, 0, 800, 500, page.canvas());
        QVERIFY(page.viewport.calls.isEmpty());
        for (const PaintEvent &e : page.finished().events)
            QCOMPARE(e.pen, QColor(Qt::black));
    }

    void otherHighlights_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<QStringList>("viewport");
        QTest::newRow("dotted line on page 2") << "dots" << "K_STR2_LINIA_Z_KROPEK" << QRectF(100, 496, 600, 8)
                                               << QStringList{"tab 1", "v 333 both"};
        QTest::newRow("seal: page 1, the first box only") << "seal" << "GRAFIKA: PIECZATKA STR2" << QRectF(100, 400, 600, 100)
                                                          << QStringList{"tab 0", "v 250 first"};
        QTest::newRow("emblem") << "emblem" << "GRAFIKA: ORZELEK" << QRectF(100, 400, 600, 100)
                                << QStringList{"tab 0", "v 250 first"};
        QTest::newRow("frame: no turning or scrolling") << "frame" << "GRAFIKA: RAMKA" << QRectF(100, 400, 600, 100)
                                                         << QStringList{};
    }

    void otherHighlights()
    {
        QFETCH(QString, helper);
        QFETCH(QString, name);
        QFETCH(QRectF, frame);
        QFETCH(QStringList, viewport);
        Page page;
        page.session.calibrationEditorOpen = true;
        page.set(QStringLiteral("<%1>100,400,700,500,Arial,12,0,0,0,0,0").arg(name));
        page.session.selectedItemName = name;
        page.canvas().setPen(QPen(Qt::black, 3));
        if (helper == "dots")
            vFunRysujLinieZKropek(page.session, 100, 400, 700, 500, page.canvas());
        else if (helper == "seal")
            vFunRysujPieczatke(page.session, 100, 400, 700, 500, page.canvas());
        else if (helper == "emblem")
            vFunRysujOrzelka(page.session, 100, 400, 700, 500, page.canvas());
        else
            vFunRysujRamke(page.session, 100, 400, 700, 500, page.canvas());
        QCOMPARE(page.viewport.calls, viewport);
        QCOMPARE(page.canvas().pen().color(), QColor(0, 0, 0));
        QCOMPARE(page.canvas().pen().widthF(), 3.0); // the frame lends a width of 1 and gives it back
        const QList<PaintEvent> rects = page.finished().of(PaintEvent::Kind::Rect);
        QCOMPARE(rects.size(), 1);
        QCOMPARE(rects.first().rect, frame);
        QCOMPARE(rects.first().pen, QColor(255, 0, 0));
    }

    void emblemAndSealAreDrawnOnlyWhilePrinting_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<bool>("printing");
        QTest::addColumn<bool>("pictureThere");
        QTest::addColumn<QString>("report"); // the missing file's path, or ""
        QTest::newRow("seal in the preview") << "seal" << false << false << "";
        QTest::newRow("emblem in the preview") << "emblem" << false << false << "";
        QTest::newRow("seal printed") << "seal" << true << true << "";
        QTest::newRow("emblem printed") << "emblem" << true << true << "";
        QTest::newRow("seal picture missing") << "seal" << true << false << "grafika/m_p.bmp";
        QTest::newRow("emblem picture missing") << "emblem" << true << false << "grafika/orzel.svg";
    }

    void emblemAndSealAreDrawnOnlyWhilePrinting()
    {
        QFETCH(QString, helper);
        QFETCH(bool, printing);
        QFETCH(bool, pictureThere);
        QFETCH(QString, report);
        Page page;
        page.env.prepareWorkingFolder();
        if (!pictureThere) {
            QFile::remove(page.env.workingPath("grafika/m_p.bmp"));
            QFile::remove(page.env.workingPath("grafika/orzel.svg"));
        }
        page.session.printing = printing;
        // "m.p." takes the canvas's font name, not the record's.
        page.canvas().setFont(QFont(QStringLiteral("Times New Roman")));
        page.set("<GRAFIKA>100,400,300,600,Arial,40,0,0,0,0,0");
        if (helper == "seal")
            vFunRysujPieczatke(page.session, 100, 400, 300, 600, page.canvas());
        else
            vFunRysujOrzelka(page.session, 100, 400, 300, 600, page.canvas());
        PaintSpy &spy = page.finished();
        if (!report.isEmpty()) {
            const QString path = page.env.workingPath(report);
            QCOMPARE(page.env.prompter.messageTexts(), QStringList{"Plik nie istnieje\n" + path + "\nKod błędu: 2"});
            QCOMPARE(page.env.prompter.calls().first().caption, QStringLiteral("Bład"));
            QCOMPARE(page.env.prompter.calls().first().icon, MessageIcon::Error);
            QVERIFY(QString::fromUtf8(readBytes(page.env.workingPath("logi.txt"))).contains(path));
        } else {
            QVERIFY(page.env.prompter.calls().isEmpty());
        }
        if (!printing || !pictureThere) {
            QVERIFY(spy.events.isEmpty());
            return;
        }
        const QRectF box(100, 400, 200, 200);
        if (helper == "seal") {
            QCOMPARE(spy.of(PaintEvent::Kind::Image).first().rect, box);
            const PaintEvent text = spy.textsEqual(QStringLiteral("m.p.")).first();
            const QFontMetrics m = metricsOf(12);
            QCOMPARE(text.font.pixelSize(), 16);
            QCOMPARE(text.origin.x(), 100.0 + (200 - m.horizontalAdvance(QStringLiteral("m.p."))) / 2);
            QVERIFY(qAbs(text.origin.y() - (400.0 + (200 - m.height()) / 2 + m.ascent())) < 0.5);
        } else {
            QRectF drawn;
            for (const PaintEvent &e : spy.of(PaintEvent::Kind::Path))
                drawn |= e.rect;
            QVERIFY(!drawn.isEmpty());
            QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(drawn), qPrintable(QString("%1 %2 %3 %4").arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
        }
    }
    void aPageFillsItsPreviewRectangle_data()
    {
        QTest::addColumn<int>("portraitFlag");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QSize>("image");
        QTest::newRow("portrait: (74, 74)-(957, 1388)") << 1 << QSize(885, 1314) << QSize(1031, 1462);
        QTest::newRow("landscape: (74, 74)-(1388, 957)") << 0 << QSize(1314, 885) << QSize(1462, 1031);
    }

    void aPageFillsItsPreviewRectangle()
    {
        QFETCH(int, portraitFlag);
        QFETCH(QSize, page);
        QFETCH(QSize, image);
        Page p;
        p.session.pages.vFunRozpocznijStrony(portraitFlag);
        QCOMPARE(p.session.pages.pageSize(), page);
        // A frame along the page's edges shows where the page lands.
        p.set(QStringLiteral("<RAMKA>0,0,%1,%2,Arial,12,0,0,0,0,0").arg(page.width() - 1).arg(page.height() - 1));
        vFunRysujRamke(p.session, 0, 0, page.width() - 1, page.height() - 1, p.canvas());
        vFunPokazPodglad(p.session, portraitFlag);
        const QImage &preview = p.session.previewImages[0];
        QCOMPARE(preview.size(), image);
        const int right = 74 + (portraitFlag ? 883 : 1314) - 1, bottom = 74 + (portraitFlag ? 1314 : 883) - 1;
        QVERIFY(hasInk(preview, QRect(74, 74, 2, 2)));
        QVERIFY(hasInk(preview, QRect(right - 1, bottom - 1, 2, 2)));
        QVERIFY(!hasInk(preview, QRect(0, 0, 73, image.height())));
        QVERIFY(!hasInk(preview, QRect(right + 1, 0, image.width() - right - 1, image.height())));
        QVERIFY(!hasInk(preview, QRect(0, bottom + 1, image.width(), image.height() - bottom - 1)));
        QVERIFY(p.session.previewImages[1].size() == image);
    }
};

QTEST_MAIN(DrawingHelpersTest)
#include "tst_drawing_helpers.moc"
