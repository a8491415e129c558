// The certificate renderer: which record lands on which page with which text,
// memo lines, the "we" ending, the missing calibration file, the preview
// images and print mode.
#include "PaintSpy.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "render/CertificateRenderer.h"
#include "render/DocumentRenderer.h"
#include "render/PreviewViewport.h"
#include "system/Runtime.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

const QString kMemoA = QStringLiteral("ZMIENNA_Zachowanie_STR2_DATA_MEMO");
const QString kMemoB = QStringLiteral("ZMIENNA_WychowanieFizyczne_STR2_DATA_MEMO");

QString record(const QString &name, int y2 = 500, int x1 = 100)
{
    return QStringLiteral("<%1>%2,0,%3,%4,Times New Roman,12,0,0,0,0,0").arg(name).arg(x1).arg(x1 + 600).arg(y2);
}

// A working folder with the shipped files, the session and a way to see what each page holds.
struct Renderer
{
    TestEnvironment env;
    Session session;

    // The working folder's calibration and picture folders, empty: each test
    // writes the calibration it draws or installs the shipped files.
    Renderer()
    {
        QDir().mkpath(env.workingPath(QStringLiteral("kalibracja")));
        QDir().mkpath(env.workingPath(QStringLiteral("grafika")));
    }
    void installShippedFile(const QString &relative)
    {
        QVERIFY(QFile::copy(QStringLiteral(KREVOL_DATA_DIR "/") + relative, env.workingPath(relative)));
    }

    void calibrate(int document, const QStringList &lines)
    {
        writeLines(env.workingPath(QStringLiteral("kalibracja/") + documentDefinition(document).calibrationFile), lines);
    }
    QStringList textsOfPage(int page)
    {
        PaintSpy spy;
        replay(session.pages.picture(page), spy);
        QStringList texts = spy.texts();
        texts.removeAll(QStringLiteral(" "));
        return texts;
    }
    QList<PaintEvent> eventsOfPage(int page)
    {
        PaintSpy spy;
        replay(session.pages.picture(page), spy);
        return spy.events;
    }
};

class RecordingViewport : public PreviewViewport
{
public:
    QStringList calls;
    void showPage(int tab) override { calls << QStringLiteral("tab %1").arg(tab); }
    void setSecondPageVisible(bool visible) override { calls << QStringLiteral("second %1").arg(visible); }
    void setVerticalScroll(int, bool) override {}
    void setHorizontalScroll(int) override {}
};

// Notes, at the moment the box appears, what the log holds and whether the pages are still open.
class WitnessPrompter : public ScriptedPrompter
{
public:
    WitnessPrompter(const Session &session, QString logPath) : m_session(session), m_logPath(std::move(logPath)) {}
    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override
    {
        logAtBox = readLines(m_logPath).join(QLatin1Char('\n'));
        canvasesOpenAtBox = m_session.pages.canvasesOpen();
        return ScriptedPrompter::message(text, caption, icon, buttons);
    }
    QString logAtBox;
    bool canvasesOpenAtBox = true;

private:
    const Session &m_session;
    QString m_logPath;
};

} // namespace

class CertificateRendererTest : public QObject
{
    Q_OBJECT
private slots:
    void eachRecordGoesToThePageItsNameTells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value"); // set on the item first, "" for labels
        QTest::addColumn<QStringList>("page1");
        QTest::addColumn<QStringList>("page2");
        QTest::newRow("the student's name alone") << "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT" << "Ala Kot"
                                                  << QStringList{"Ala Kot"} << QStringList{};
        QTest::newRow("a label of page 1 prints its caption") << "STALY_Uczeszczal_STR1_DATA_LABEL" << ""
                                                              << QStringList{"uczęszczał"} << QStringList{};
        QTest::newRow("a label of page 2") << "STALY_Religia_STR2_DATA_LABEL" << ""
                                           << QStringList{} << QStringList{"religia/etyka"};
        QTest::newRow("a combo box of page 2") << "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX" << "dobry"
                                               << QStringList{} << QStringList{"dobry"};
        QTest::newRow("names are looked up ignoring case")
            << "ZMIENNA_IMIENAZWISKO_STR1_DATA_EDIT" << "Ala Kot" << QStringList{"Ala Kot"} << QStringList{};
        QTest::newRow("an item the form lacks") << "ZMIENNA_Nieznane_STR1_DATA_EDIT" << "" << QStringList{} << QStringList{};
        QTest::newRow("a kind the renderer does not know") << "ZMIENNA_ImieNazwisko_STR3_DATA_EDIT" << ""
                                                           << QStringList{} << QStringList{};
        QTest::newRow("a memo of page 1 draws nothing") << "ZMIENNA_Zachowanie_STR1_DATA_MEMO01" << ""
                                                        << QStringList{} << QStringList{};
    }

    void eachRecordGoesToThePageItsNameTells()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QStringList, page1);
        QFETCH(QStringList, page2);
        Renderer r;
        if (!value.isEmpty())
            QVERIFY(r.session.document(0).setText(name, value));
        r.calibrate(0, {record(name)});
        QCOMPARE(renderDocument(r.session, 0, kRenderPreview), RenderResult::Drawn);
        QCOMPARE(r.textsOfPage(0), page1);
        QCOMPARE(r.textsOfPage(1), page2);
    }

    void emptyItemsAreCrossedOutButTheWeEnding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("crossOut");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("empty SzkolaWE, crossing out on: nothing") << "ZMIENNA_SzkolaWE_STR1_DATA_EDIT" << "" << true << 0 << QStringList{};
        QTest::newRow("SzkolaWE holding e") << "ZMIENNA_SzkolaWE_STR1_DATA_EDIT" << "e" << true << 0 << QStringList{"e"};
        QTest::newRow("another empty item is crossed out") << "ZMIENNA_Klasa_STR1_DATA_EDIT" << "" << true << 1 << QStringList{};
        QTest::newRow("not crossed out when not asked") << "ZMIENNA_Klasa_STR1_DATA_EDIT" << "" << false << 0 << QStringList{};
    }

    void emptyItemsAreCrossedOutButTheWeEnding()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, crossOut);
        QFETCH(int, lines);
        QFETCH(QStringList, texts);
        Renderer r;
        r.session.crossOutEmpty = crossOut;
        r.session.document(0).setText(name, value);
        r.calibrate(0, {record(name)});
        renderDocument(r.session, 0, kRenderPreview);
        QCOMPARE(r.textsOfPage(0), texts);
        int drawnLines = 0;
        for (const PaintEvent &e : r.eventsOfPage(0))
            drawnLines += e.kind == PaintEvent::Kind::Line ? 1 : 0;
        QCOMPARE(drawnLines, lines);
    }

    void memoLines_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<bool>("crossOut");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("crossedOut");
        const QStringList fourLines{kMemoA + "01", kMemoA + "02", kMemoA + "03", kMemoA + "04"};
        QTest::newRow("two lines, four records, crossing out") << fourLines << true << QStringList{"a1", "a2"} << 2;
        QTest::newRow("two lines, four records, blank") << fourLines << false << QStringList{"a1", "a2"} << 0;
        QTest::newRow("another kind between two lines does not restart the count")
            << QStringList{kMemoA + "01", "STALY_Zachowanie_STR2_DATA_LABEL", kMemoA + "02"} << false
            << QStringList{"a1", "zachowanie", "a2"} << 0;
        QTest::newRow("the second memo starts at its first line")
            << QStringList{kMemoA + "01", kMemoB + "01", kMemoB + "02"} << false << QStringList{"a1", "b1", "b2"} << 0;
        QTest::newRow("coming back to a memo starts it again")
            << QStringList{kMemoA + "01", kMemoB + "01", kMemoA + "02"} << false << QStringList{"a1", "b1", "a1"} << 0;
        QTest::newRow("a record of a memo the form lacks changes nothing")
            << QStringList{kMemoA + "01", "ZMIENNA_Brak_STR2_DATA_MEMO01", kMemoA + "02"} << false
            << QStringList{"a1", "a2"} << 0;
        QTest::newRow("a line without > between two lines draws nothing")
            << QStringList{kMemoA + "01", "", kMemoA + "02"} << false << QStringList{"a1", "a2"} << 0;
    }

    void memoLines()
    {
        QFETCH(QStringList, records);
        QFETCH(bool, crossOut);
        QFETCH(QStringList, texts);
        QFETCH(int, crossedOut);
        Renderer r;
        r.session.crossOutEmpty = crossOut;
        r.session.document(0).setLines(kMemoA, {"a1", "a2"});
        r.session.document(0).setLines(kMemoB, {"b1", "b2", "b3"});
        QStringList lines;
        int y2 = 300;
        for (const QString &name : records)
            lines << (name.isEmpty() ? QString() : record(name, y2 += 40));
        r.calibrate(0, lines);
        renderDocument(r.session, 0, kRenderPreview);
        QCOMPARE(r.textsOfPage(1), texts);
        QList<double> crossOutHeights;
        for (const PaintEvent &e : r.eventsOfPage(1))
            if (e.kind == PaintEvent::Kind::Line)
                crossOutHeights << e.line.y1();
        QCOMPARE(crossOutHeights.size(), crossedOut);
        if (crossedOut == 2) // the third and fourth records' boxes
            QCOMPARE(crossOutHeights, (QList<double>{420 - 10, 460 - 10}));
    }

    void emblemAndSealOnPageOneOnlyWhilePrinting_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::newRow("preview") << false;
        QTest::newRow("printing") << true;
    }

    void emblemAndSealOnPageOneOnlyWhilePrinting()
    {
        QFETCH(bool, printing);
        Renderer r;
        r.installShippedFile("grafika/orzel.svg");
        r.installShippedFile("grafika/m_p.bmp");
        r.session.printing = printing;
        r.calibrate(0, {"<GRAFIKA: ORZELEK STR2>100,100,200,220,Arial,12,0,0,0,0,0",
                        "<GRAFIKA: PIECZATKA>300,300,400,400,Arial,12,0,0,0,0,0"});
        renderDocument(r.session, 0, printing ? kRenderPrint : kRenderPreview);
        const QList<PaintEvent> page1 = r.eventsOfPage(0);
        QCOMPARE(r.eventsOfPage(1).size(), 0);
        int images = 0, paths = 0;
        for (const PaintEvent &e : page1) {
            images += e.kind == PaintEvent::Kind::Image ? 1 : 0;
            paths += e.kind == PaintEvent::Kind::Path ? 1 : 0;
        }
        QCOMPARE(images, printing ? 1 : 0);
        QCOMPARE(paths > 0, printing);
        QVERIFY(r.env.prompter.calls().isEmpty());
    }

    void aMissingCalibrationFileIsReportedAfterTheLogWithThePagesClosed()
    {
        Renderer r;
        r.env.prepareWorkingFolder();
        WitnessPrompter witness(r.session, r.env.workingPath("logi.txt"));
        runtime::setPrompter(&witness);
        r.session.previewImages[0] = QImage(10, 10, QImage::Format_RGB32);
        r.session.previewImages[0].fill(Qt::green);
        const QString path = r.env.workingPath("kalibracja/kalibracja_kolbernia_przys_klasaII.set");
        QVERIFY(QFile::rename(path, path + ".old"));

        QCOMPARE(renderDocument(r.session, 1, kRenderPreview), RenderResult::Failed);
        const QString text = "Funkcja: vFunRysujSwiadectwo()\n\nBłąd podczas próby otwarcia pliku do odczytu\n" + path
            + "\nKod błędu :2";
        QCOMPARE(witness.messageTexts(), QStringList{text});
        QCOMPARE(witness.calls().first().caption, QStringLiteral("Błąd"));
        QCOMPARE(witness.calls().first().icon, MessageIcon::Error);
        QVERIFY(witness.logAtBox.contains(text));
        QVERIFY(!witness.canvasesOpenAtBox);
        QCOMPARE(r.session.previewImages[0].size(), QSize(10, 10)); // the preview is left as it was
        QCOMPARE(r.session.previewImages[0].pixelColor(5, 5), QColor(Qt::green));
        QVERIFY(r.eventsOfPage(0).isEmpty());

        // The class I certificate still has its file.
        witness.clear();
        QCOMPARE(renderDocument(r.session, 0, kRenderPreview), RenderResult::Drawn);
        QVERIFY(witness.calls().isEmpty());
        runtime::setPrompter(&r.env.prompter);
    }

    void thePreviewPaintsThePagesOverTheBackgrounds()
    {
        Renderer r;
        RecordingViewport viewport;
        r.session.viewport = &viewport;
        // A background of one colour, to see what the page leaves of it.
        QImage background(1031, 1462, QImage::Format_RGB32);
        background.fill(QColor(200, 220, 240));
        QVERIFY(background.save(r.env.workingPath("grafika/sw_str1_prw.bmp"), "BMP"));
        r.session.previewImages[1] = QImage(1031, 1462, QImage::Format_RGB32);
        r.session.previewImages[1].fill(Qt::red); // what page 2 showed before
        r.session.crossOutEmpty = true;
        r.calibrate(0, {"<ZMIENNA_Klasa_STR1_DATA_EDIT>0,0,885,20,Arial,12,0,0,0,0,0",
                        "<ZMIENNA_Klasa_STR2_DATA_EDIT>0,0,885,1314,Arial,12,0,0,0,0,0"});

        QCOMPARE(renderDocument(r.session, 0, kRenderPreview), RenderResult::Drawn);
        QVERIFY(viewport.calls.contains("second 1"));
        const QImage page1 = r.session.previewImages[0];
        QCOMPARE(page1.pixelColor(5, 5), QColor(200, 220, 240));
        // The cross-out 10 units above Y2 = 20, from unit 0: pixel row 74 + 10, from column 74.
        QVERIFY(hasInk(page1, QRect(74, 83, 4, 3)));
        QVERIFY(!hasInk(page1, QRect(60, 70, 12, 20)));
        QVERIFY(!hasInk(page1, QRect(74, 70, 10, 10)));
        QCOMPARE(r.session.previewImages[1].pixelColor(5, 5), QColor(Qt::red));
    }

    void aPreviewImageWithNothingYetIsMadeWhite()
    {
        Renderer r;
        r.calibrate(0, {});
        renderDocument(r.session, 0, kRenderPreview);
        QCOMPARE(r.session.previewImages[0].size(), QSize(1031, 1462));
        QCOMPARE(r.session.previewImages[0].pixelColor(1000, 1400), QColor(Qt::white));
    }

    void printModeLeavesThePreviewAndKeepsThePages()
    {
        Renderer r;
        r.session.document(0).setText("ZMIENNA_ImieNazwisko_STR1_DATA_EDIT", "Ala Kot");
        r.calibrate(0, {record("ZMIENNA_ImieNazwisko_STR1_DATA_EDIT")});
        QCOMPARE(renderDocument(r.session, 0, kRenderPrint), RenderResult::Drawn);
        QVERIFY(r.session.previewImages[0].isNull());
        QVERIFY(!r.session.pages.canvasesOpen());
        QCOMPARE(r.textsOfPage(0), QStringList{"Ala Kot"});
    }

    void theShippedCalibrationDrawsEverySampleText_data()
    {
        QTest::addColumn<int>("document");
        QTest::newRow("class I") << 0;
        QTest::newRow("class II") << 1;
        QTest::newRow("completion") << 2;
    }

    void theShippedCalibrationDrawsEverySampleText()
    {
        QFETCH(int, document);
        Renderer r;
        r.env.prepareWorkingFolder();
        DocumentModel &model = r.session.document(document);
        model.vFunWstawDanePrzykladowe();
        QCOMPARE(renderDocument(r.session, document, kRenderPreview), RenderResult::Drawn);
        const QStringList drawn = r.textsOfPage(0) + r.textsOfPage(1);
        for (const ItemDefinition &item : model.definition().items)
            for (const QString &line : model.lines(item.name))
                QVERIFY2(drawn.contains(line), qPrintable(item.name + ": " + line));
        QVERIFY(r.env.prompter.calls().isEmpty());
    }

    void documentsWithoutARendererAreNotTouched()
    {
        Renderer r;
        for (int document = 3; document <= 9; ++document)
            QCOMPARE(renderDocument(r.session, document, kRenderPreview), RenderResult::NotAvailable);
        QCOMPARE(renderDocument(r.session, -1, kRenderPreview), RenderResult::NotAvailable);
        QVERIFY(r.session.previewImages[0].isNull());
    }
};

QTEST_MAIN(CertificateRendererTest)
#include "tst_certificate_renderer.moc"
