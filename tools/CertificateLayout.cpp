#include "CertificateLayout.h"

#include "documents/DocumentDefinition.h"
#include "render/CalibrationFile.h"

#include <QHash>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace krevol::tools {
namespace {

// Fonts of the printed variable items.
const QString kTextFont = QStringLiteral("Times New Roman");
constexpr int kEditPoints = 15; // the size of the form's own text around them
constexpr int kMemoPoints = 12;
// A dotted line's Y2 this far above its item's bottom, in editor pixels, puts
// the dots just under the line the text stands on.
constexpr int kDotsAboveItemBottom = 4;

int toUnits(double editorPixels)
{
    return qRound(editorPixels * kEditorToPage);
}

// A constant text of a page: its box in editor pixels (the bottom is the
// line the text stands above) and its alignment.
struct LabelPlace
{
    const char *name;
    int left;
    int right;
    int bottom;
    int alignment;
};

// Page 1 of the class I certificate; the other two change a few places.
const LabelPlace kPage1Labels[] = {
    {"STALY_MEN_STR1_DATA_LABEL", 24, 160, 40, AlignLeftText},
    {"STALY_SwiadectwoSzkolne_STR1_DATA_LABEL", 0, 716, 290, AlignCentreText},
    {"STALY_SwiadectwoUkonczenia_STR1_DATA_LABEL", 0, 716, 266, AlignCentreText},
    {"STALY_SzkolyPrzysposabiajacej_STR1_DATA_LABEL", 0, 716, 302, AlignCentreText},
    {"STALY_ImieNazwisko_STR1_DATA_LABEL", 168, 561, 356, AlignCentreText},
    {"STALY_DataUrodzenia_STR1_DATA_LABEL", 104, 249, 392, AlignCentreText},
    {"STALY_MiejsceUrodzenia_STR1_DATA_LABEL", 276, 445, 392, AlignCentreText},
    {"STALY_NrPesel_STR1_DATA_LABEL", 472, 617, 392, AlignCentreText},
    {"STALY_Uczeszczal_STR1_DATA_LABEL", 60, 168, 420, AlignRightText},
    {"STALY_Ukonczyl_STR1_DATA_LABEL", 150, 256, 420, AlignRightText},
    {"STALY_WRokuSzkolnym_STR1_DATA_LABEL", 180, 294, 420, AlignRightText},
    {"STALY_Slash_STR1_DATA_LABEL", 359, 368, 420, AlignCentreText},
    {"STALY_DoKlasy_STR1_DATA_LABEL", 430, 491, 420, AlignRightText},
    {"STALY_NazwaZasadniczejSzkoly_STR1_DATA_LABEL", 101, 616, 505, AlignCentreText},
    {"STALY_NrSzkoly_STR1_DATA_LABEL", 90, 118, 527, AlignRightText},
    {"STALY_Im_STR1_DATA_LABEL", 209, 232, 527, AlignCentreText},
    {"STALY_SzkolaW_STR1_DATA_LABEL", 90, 116, 598, AlignRightText},
    {"STALY_SzkolaWoj_STR1_DATA_LABEL", 335, 367, 598, AlignCentreText},
    {"STALY_OTrzyletnim_STR1_DATA_LABEL", 60, 327, 631, AlignRightText},
    {"STALY_ProgramPrzys_STR1_DATA_LABEL", 349, 660, 631, AlignLeftText},
    {"STALY_ZUwzglednieniem_STR1_DATA_LABEL", 101, 660, 654, AlignLeftText},
    {"STALY_I_STR1_DATA_LABEL", 190, 209, 680, AlignRightText},
    {"STALY_Otrzymal_STR1_DATA_LABEL", 236, 298, 680, AlignRightText},
    {"STALY_Promocji_STR1_DATA_LABEL", 310, 376, 680, AlignRightText},
    {"STALY_PromDoKlasy_STR1_DATA_LABEL", 397, 455, 680, AlignLeftText},
    {"STALY_MiejscDnia_STR1_DATA_LABEL", 343, 382, 764, AlignLeftText},
    {"STALY_MiejscRok_STR1_DATA_LABEL", 603, 630, 764, AlignLeftText},
    {"STALY_Miejscowosc_STR1_DATA_LABEL", 99, 343, 778, AlignCentreText},
    {"STALY_NrSwiadectwa_STR1_DATA_LABEL", 80, 119, 857, AlignRightText},
    {"STALY_PodpisDyrektora_STR1_DATA_LABEL", 418, 640, 936, AlignCentreText},
};

const LabelPlace kPage2Labels[] = {
    {"STALY_WynKlasyfikacji_STR2_DATA_LABEL", 0, 716, 100, AlignCentreText},
    {"STALY_Zachowanie_STR2_DATA_LABEL", 137, 597, 150, AlignLeftText},
    {"STALY_Religia_STR2_DATA_LABEL", 280, 384, 255, AlignRightText},
    {"STALY_ObowiazkoweZajecia_STR2_DATA_LABEL", 0, 716, 300, AlignCentreText},
    {"STALY_FunkcjonowanieSpoleczne_STR2_DATA_LABEL", 137, 597, 325, AlignLeftText},
    {"STALY_WychowanieFizyczne_STR2_DATA_LABEL", 137, 597, 454, AlignLeftText},
    {"STALY_PrzysposobienieDoPracy_STR2_DATA_LABEL", 137, 597, 581, AlignLeftText},
    {"STALY_DodatkoweZajeciaEdu_STR2_DATA_LABEL", 0, 716, 806, AlignCentreText},
    {"STALY_SzczegolneOsiagniecia_STR2_DATA_LABEL", 0, 716, 916, AlignCentreText},
    {"STALY_SkalaOcen1_STR2_DATA_LABEL", 40, 420, 1015, AlignLeftText},
    {"STALY_SkalaOcen2_STR2_DATA_LABEL", 40, 420, 1029, AlignLeftText},
    {"STALY_SkalaOcen3_STR2_DATA_LABEL", 40, 420, 1043, AlignLeftText},
    {"STALY_SkalaOcen4_STR2_DATA_LABEL", 52, 420, 1057, AlignLeftText},
    {"STALY_Wychowawca_STR2_DATA_LABEL", 440, 640, 1056, AlignCentreText},
};

// The page-2 labels that stand 8 pixels higher on the class II and completion forms.
const char *const kRaisedPage2Labels[] = {
    "STALY_Zachowanie_STR2_DATA_LABEL", "STALY_Religia_STR2_DATA_LABEL",
    "STALY_FunkcjonowanieSpoleczne_STR2_DATA_LABEL", "STALY_WychowanieFizyczne_STR2_DATA_LABEL",
    "STALY_PrzysposobienieDoPracy_STR2_DATA_LABEL"};

// The completion certificate's own places on page 1.
const QHash<QString, std::pair<int, int>> kCompletionPage1Moves = {
    {QStringLiteral("STALY_WRokuSzkolnym_STR1_DATA_LABEL"), {270, 382}},
    {QStringLiteral("STALY_Slash_STR1_DATA_LABEL"), {447, 456}},
};

// Variable items printed centred on their dotted line; all others start at its left end.
const char *const kCentredItems[] = {
    "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT", "ZMIENNA_DataUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT", "ZMIENNA_NrPesel_STR1_DATA_EDIT",
    "ZMIENNA_Klasa_STR1_DATA_EDIT", "ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT", "ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT",
    "ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT", "ZMIENNA_Miejscowosc_STR1_DATA_EDIT",
    "ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT", "ZMIENNA_NrSzkoly_STR1_DATA_EDIT"};

// A one-letter ending takes the size of the word it completes.
const QHash<QString, int> kEndingPoints = {{QStringLiteral("ZMIENNA_RealizowalA_STR1_DATA_EDIT"), 12}};

// One-letter endings complete a printed word; they get no dotted line.
bool isWordEnding(const ItemDefinition &item)
{
    return item.editorRect.width() <= 22;
}

// The stem of an item name: "ZMIENNA_Klasa_STR1_DATA_EDIT" gives "Klasa".
QString stemOf(const QString &name)
{
    const qsizetype from = name.indexOf(QLatin1Char('_')) + 1;
    return name.mid(from, name.indexOf(QLatin1String("_STR")) - from);
}

[[noreturn]] void layoutFault(const QString &what)
{
    std::fprintf(stderr, "certificate layout: %s\n", qPrintable(what));
    std::exit(3);
}

class LineBuilder
{
public:
    QStringList lines;

    void text(const QString &name, int left, int top, int right, int bottom, const QString &font, int points,
              int alignment, bool bold, const QString &marker)
    {
        CalibrationRecord r = placed(name, left, top, right, bottom);
        r.fontName = font;
        r.fontSize = points;
        r.alignment = alignment;
        r.bold = bold ? 1 : 0;
        add(r, marker);
    }

    void dots(const QString &stem, const char *pageInfix, int left, int right, int bottom)
    {
        const QString name =
            QStringLiteral("KROPKI_") + stem + QLatin1String(pageInfix) + QStringLiteral("_LINIA_Z_KROPEK");
        add(placed(name, left, bottom - 8, right, bottom), QString());
    }

    void graphic(const QString &name, int left, int top, int right, int bottom)
    {
        add(placed(name, left, top, right, bottom), QString());
    }

private:
    // A record with its box scaled to the page; records that print no text
    // still carry the font fields the editor shows.
    static CalibrationRecord placed(const QString &name, int left, int top, int right, int bottom)
    {
        CalibrationRecord r;
        r.name = name;
        r.x1 = toUnits(left);
        r.y1 = toUnits(top);
        r.x2 = toUnits(right);
        r.y2 = toUnits(bottom);
        r.fontName = kTextFont;
        r.fontSize = kEditPoints;
        return r;
    }

    void add(const CalibrationRecord &r, const QString &marker)
    {
        lines << (marker.isEmpty() ? calibrationLine(r) : calibrationLine(r) + QLatin1Char(' ') + marker);
    }
};

// Label heights are editor pixels; printed they keep their size against the page.
int labelPoints(const LabelFont &font)
{
    return qRound(font.pixelHeight * kEditorToPage * 72.0 / 96.0);
}

void addLabels(LineBuilder &out, const DocumentDefinition &document, int page)
{
    const bool classOne = document.index == 0;
    const bool completion = document.index == 2;
    const QString marker = page == 1 ? calibration_group::kPage1Constants : calibration_group::kPage2Constants;
    const auto placeTable = page == 1 ? QList<LabelPlace>(std::begin(kPage1Labels), std::end(kPage1Labels))
                                      : QList<LabelPlace>(std::begin(kPage2Labels), std::end(kPage2Labels));
    int placed = 0;
    for (LabelPlace place : placeTable) {
        const QString name = QLatin1String(place.name);
        const ItemDefinition *item = document.item(name);
        if (!item)
            continue; // a constant this form does not print
        if (completion && kCompletionPage1Moves.contains(name))
            std::tie(place.left, place.right) = kCompletionPage1Moves.value(name);
        if (!classOne && page == 2)
            for (const char *raised : kRaisedPage2Labels)
                if (name == QLatin1String(raised))
                    place.bottom -= 8;
        const int top = place.bottom - item->font.pixelHeight - 4;
        out.text(name, place.left, top, place.right, place.bottom, item->font.family, labelPoints(item->font),
                 place.alignment, item->font.bold, marker);
        ++placed;
    }
    int labels = 0;
    for (const ItemDefinition &item : document.items)
        if (item.kind == ItemKind::Label && item.editorPage == page)
            ++labels;
    if (placed != labels)
        layoutFault(QStringLiteral("%1 page %2: %3 constants, %4 placed").arg(document.formName).arg(page).arg(labels).arg(placed));
}

void addDottedLines(LineBuilder &out, const DocumentDefinition &document, int page)
{
    const char *infix = page == 1 ? "_STR1" : "_STR2";
    for (const ItemDefinition &item : document.items) {
        if (!item.isVariable() || item.editorPage != page || isWordEnding(item))
            continue;
        const QRect r = item.editorRect;
        if (!item.isMemo()) {
            out.dots(stemOf(item.name), infix, r.left(), r.left() + r.width(), r.top() + r.height() - kDotsAboveItemBottom);
            continue;
        }
        for (int line = 0; line < item.lineLimit; ++line) {
            const double bottom = r.top() + double(r.height()) * (line + 1) / item.lineLimit;
            out.dots(stemOf(item.name) + QStringLiteral("%1").arg(line + 1, 2, 10, QLatin1Char('0')), infix, r.left(), r.left() + r.width(),
                     qRound(bottom) - kDotsAboveItemBottom);
        }
    }
    if (page == 1)
        out.dots(QStringLiteral("PodpisDyrektora"), infix, 418, 640, 920);
    else
        out.dots(QStringLiteral("PodpisWychowawcy"), infix, 440, 640, 1038);
}

void addVariables(LineBuilder &out, const DocumentDefinition &document, int page)
{
    const QString marker = page == 1 ? calibration_group::kPage1Variables : calibration_group::kPage2Variables;
    for (const ItemDefinition &item : document.items) {
        if (!item.isVariable() || item.editorPage != page)
            continue;
        const QRect r = item.editorRect;
        const int right = r.left() + r.width();
        if (!item.isMemo()) {
            int alignment = AlignLeftText;
            for (const char *centred : kCentredItems)
                if (item.name == QLatin1String(centred))
                    alignment = AlignCentreText;
            out.text(item.name, r.left(), r.top(), right, r.top() + r.height(), kTextFont,
                     kEndingPoints.value(item.name, kEditPoints), alignment, false, marker);
            continue;
        }
        // One record a printed line, named by the memo and a two-digit line number.
        for (int line = 0; line < item.lineLimit; ++line) {
            const double top = r.top() + double(r.height()) * line / item.lineLimit;
            const double bottom = r.top() + double(r.height()) * (line + 1) / item.lineLimit;
            out.text(item.name + QStringLiteral("%1").arg(line + 1, 2, 10, QLatin1Char('0')), r.left(),
                     qRound(top), right, qRound(bottom), kTextFont, kMemoPoints, AlignLeftText, false, marker);
        }
    }
}

} // namespace

QStringList certificateCalibrationLines(int catalogueIndex)
{
    const DocumentDefinition &document = documentDefinition(catalogueIndex);
    LineBuilder out;
    out.graphic(QStringLiteral("GRAFIKA: ORZELEK"), 323, 90, 393, 175);
    addLabels(out, document, 1);
    addDottedLines(out, document, 1);
    addVariables(out, document, 1);
    out.graphic(QStringLiteral("GRAFIKA: PIECZATKA"), 250, 860, 340, 950);
    addLabels(out, document, 2);
    addDottedLines(out, document, 2);
    addVariables(out, document, 2);
    return out.lines;
}

} // namespace krevol::tools
