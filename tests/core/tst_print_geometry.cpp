// Margin presets and where a page picture lands on a device.
#include "PaintSpy.h"
#include "TestEnvironment.h"
#include "render/MarginPresets.h"
#include "render/PageSurfaces.h"
#include "render/PrintGeometry.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

class PrintGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    void millimetresToDevicePixels_data()
    {
        QTest::addColumn<int>("mm");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("pixels");
        QTest::newRow("left 10 at 600 dpi, offset 50") << 10 << 600 << 50 << 186;
        QTest::newRow("right 200") << 200 << 600 << 50 << 4674;
        QTest::newRow("top 10") << 10 << 600 << 50 << 186;
        QTest::newRow("bottom 287, truncated not rounded") << 287 << 600 << 50 << 6729;
        QTest::newRow("A4 width at 1200 dpi") << 210 << 1200 << 0 << 9921;
        QTest::newRow("inside the offset") << 1 << 600 << 50 << -27;
        QTest::newRow("a hand-edited huge value stays an int") << 2000000000 << 1200 << 0 << std::numeric_limits<int>::max() / 2;
    }

    void millimetresToDevicePixels()
    {
        QFETCH(int, mm);
        QFETCH(int, dpi);
        QFETCH(int, offset);
        QFETCH(int, pixels);
        QCOMPARE(mmToDevicePixels(mm, dpi, offset), pixels);
    }

    void printRectangles_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("page 1 of a certificate") << 0 << 2 << true << QRect(186, 186, 4674 - 186, 6729 - 186);
        QTest::newRow("page 2 takes its own margins") << 1 << 2 << true << QRect(209, 162, 4698 - 209, 6705 - 162);
        QTest::newRow("a landscape page alone: 200 narrower, 20 shorter")
            << 0 << 1 << false << QRect(186, 186, 4674 - 186 - 200, 6729 - 186 - 20);
        QTest::newRow("a portrait page alone") << 0 << 1 << true << QRect(186, 186, 4674 - 186, 6729 - 186);
    }

    void printRectangles()
    {
        QFETCH(int, page);
        QFETCH(int, pageCount);
        QFETCH(bool, portrait);
        QFETCH(QRect, rect);
        MarginPreset preset;
        preset.pages[0] = {10, 200, 10, 287};
        preset.pages[1] = {11, 201, 9, 286};
        QCOMPARE(printRectangle(preset, page, {600, 600, 50, 50}, pageCount, portrait), rect);
    }

    void presetFiles_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values"); // empty: no line holds the name
        QTest::newRow("the named line") << QStringList{"<A>1,2,3,4,5,6,7,8", "<B>9,8,7,6,5,4,3,2"} << "B"
                                        << QStringList{"A", "B"} << QStringList{"9", "8", "7", "6", "5", "4", "3", "2"};
        QTest::newRow("the key anywhere in a line; the last line wins")
            << QStringList{"<A>1,2,3,4,5,6,7,8", "x<A>2,2,2,2,2,2,2,2"} << "A" << QStringList{"A", "<A"}
            << QStringList{"2", "2", "2", "2", "2", "2", "2", "2"};
        QTest::newRow("too few commas: the rest stays in every value after")
            << QStringList{"<A>1,2,3"} << "A" << QStringList{"A"} << QStringList{"1", "2", "3", "3", "3", "3", "3", "3"};
        QTest::newRow("lines without > are no presets") << QStringList{"", "bez nazwy", "<>1,1,1,1,1,1,1,1"} << "C"
                                                        << QStringList{""} << QStringList{};
    }

    void presetFiles()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        TestEnvironment env;
        const QString path = env.root() + "/marginesy.set";
        writeLines(path, lines);
        MarginPresetFile file(path);
        QVERIFY(file.read());
        QCOMPARE(file.names(), names);
        QCOMPARE(file.valueTexts(name).value_or(QStringList{}), values);
        QCOMPARE(file.preset(name).has_value(), !values.isEmpty());
    }

    void choosingAPreset_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the remembered one") << "Drukarka laserowa" << "Drukarka laserowa";
        QTest::newRow("remembered, but gone: the first") << "Stara" << "Standard A4";
        QTest::newRow("nothing remembered: the first") << "" << "Standard A4";
        QTest::newRow("a name that only begins another: the first") << "Drukarka" << "Standard A4";
    }

    void choosingAPreset()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, chosen);
        MarginPresetFile file(QStringLiteral(KREVOL_DATA_DIR "/marginesy.set"));
        QVERIFY(file.read());
        QCOMPARE(file.chooseName(remembered), chosen);
    }

    void aValueThatIsNoNumberGivesNoPreset()
    {
        TestEnvironment env;
        writeLines(env.root() + "/m.set", {"<A>1,2,3,4,5,6,7,x8"});
        MarginPresetFile file(env.root() + "/m.set");
        QVERIFY(file.read());
        QVERIFY(!file.preset("A"));
        MarginPresetFile missing(env.root() + "/brak.set");
        QVERIFY(!missing.read());
        QCOMPARE(missing.errorCode(), 2);
        QCOMPARE(missing.chooseName("A"), QString());
    }

    void aPageIsStretchedIntoItsRectangleOnAnyDevice_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("a 300 dpi device") << 300;
        QTest::newRow("a 1200 dpi device") << 1200;
        QTest::newRow("a 600 dpi device") << 600;
    }

    void aPageIsStretchedIntoItsRectangleOnAnyDevice()
    {
        QFETCH(int, dpi);
        PageSurfaces pages;
        pages.vFunRozpocznijStrony(1);
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(16);
        pages.canvas(0).setFont(font);
        pages.canvas(0).drawText(QPoint(100, 200), QStringLiteral("Tekst"));
        pages.canvas(0).drawLine(0, 1314, 885, 1314);
        pages.closeCanvases();
        // Margins of 10 to 200 mm across and 10 to 287 mm down, no offset.
        MarginPreset preset;
        preset.pages[0] = {10, 200, 10, 287};
        const DeviceGeometry device{dpi, dpi, 0, 0};
        const QRect target = printRectangle(preset, 0, device, 2, true);
        PaintSpy spy(QSize(dpi * 9, dpi * 12), dpi);
        QPainter painter(&spy);
        printPage(painter, pages, 0, preset, device, 2);
        painter.end();
        const double mmPerPixel = 25.4 / dpi;
        const PaintEvent text = spy.textsEqual(QStringLiteral("Tekst")).first();
        // Unit (100, 200) of the page: 10 + 100 * 190 / 885 mm across, 10 + 200 * 277 / 1314 down.
        QVERIFY(qAbs(text.origin.x() * mmPerPixel - (10 + 100 * 190.0 / 885)) < 0.2);
        QVERIFY(qAbs(text.origin.y() * mmPerPixel - (10 + 200 * 277.0 / 1314)) < 0.2);
        // The font scales with the page: 16 units of 1314 over 277 mm.
        const double emMm = text.font.pixelSize() * text.scale * mmPerPixel;
        QVERIFY2(qAbs(emMm - 16 * 277.0 / 1314) < 0.2, qPrintable(QString::number(emMm)));
        const PaintEvent bottom = spy.of(PaintEvent::Kind::Line).first();
        QVERIFY(qAbs(bottom.line.x2() - (target.left() + target.width())) <= 1);
        QVERIFY(qAbs(bottom.line.y1() - (target.top() + target.height())) <= 1);
    }
};

QTEST_MAIN(PrintGeometryTest)
#include "tst_print_geometry.moc"
