#pragma once
// The document types as data: every item of every form, written once, read by
// the model, the editors, the renderers and the calibration editor.
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace krevol {

enum class ItemKind { Label, Edit, ComboBox, Memo };

// Where a variable item's value comes from.
enum class ItemSource {
    User,     // typed only
    Derived,  // set from the student data after every load, read-only in the editor
    Template, // typed, and also filled by the school data template button
};

enum class DocumentFamily {
    StudentData,      // the student's personal data section
    Certificate,      // two-page certificates
    SheetFirstPage,   // grade sheet page 1
    SheetTwoColumns,  // results of two school years
    SheetOneColumn,   // results of one school year
    SheetPractical,   // practical classes, landscape
};

struct LabelFont
{
    QString family;      // "Times New Roman", "Arial", "MS Sans Serif"
    int pixelHeight = 0; // height in editor pixels (for a size in points: points * 96 / 72)
    bool bold = false;
    bool italic = false;
};

struct ItemDefinition
{
    QString name;
    ItemKind kind = ItemKind::Edit;
    int editorPage = 1;        // 1 or 2: the editor page the item sits on
    QRect editorRect;          // left, top, width, height in editor pixels; null when not given
    int tabOrder = -1;         // per editor page; -1: not in the tab chain
    int maxLength = 0;         // characters the user can type; 0: no limit
    int lineLimit = 0;         // memos: the most lines they hold
    ItemSource source = ItemSource::User;
    QString sample;            // sample text; for memos the line format holding "%d"
    int sampleFirstNumber = 0; // memos: the number of the first sample line
    int sampleLineCount = 0;   // memos: how many sample lines are appended (the limit may keep fewer)
    QString caption;           // labels: the text printed for them
    LabelFont font;            // labels: the editor's font
    QStringList suggestions;   // combo boxes: the suggested values, in order
    bool pickOnly = false;     // combo boxes that take no free text
    bool wrapsAlways = false;  // memos that always wrap at their width

    bool isVariable() const { return kind != ItemKind::Label; }
    bool isMemo() const { return kind == ItemKind::Memo; }
};

struct DocumentDefinition
{
    int index = -1;              // catalogue index 0 to 9; -1 for the student section
    QString formName;            // "TFKlasa1"
    QString mainCaption;         // caption in the main window's tree
    QString formCaption;         // editor window caption
    QString sectionTag;          // without angle brackets
    QString calibrationFile;     // file name in the "kalibracja" folder; "" for the student section
    int calibrationTypeIndex = -1; // 0 to 8 in the calibration editor
    int pageCount = 1;           // pages printed
    DocumentFamily family = DocumentFamily::Certificate;
    bool inTree = true;          // offered in the main window's student tree
    int printRenderMode = 1;     // render mode the print command passes
    bool portrait = true;        // landscape only for MEN-I/41b/2 page 5
    int sheetPageCode = 0;       // results pages: page code of the certificate copy (2, 4, 5, 6)
    bool hasSamples = true;      // vFunWstawDanePrzykladowe writes sample texts
    QSize editorPageSize;        // the picture behind the items, page 1
    QSize editorPage2Size;       // certificates: the picture of page 2
    QList<ItemDefinition> items; // declaration order: variable items in storage order, then labels

    // The item of that name, compared with ASCII letter case ignored; nullptr when none.
    const ItemDefinition *item(const QString &name) const;
    int itemIndex(const QString &name) const;
    QList<const ItemDefinition *> variableItems() const;
    QString openingLine() const { return QStringLiteral("\t<") + sectionTag + QLatin1Char('>'); }
    QString closingTag() const { return QStringLiteral("</") + sectionTag + QLatin1Char('>'); }
    QString closingLine() const { return QLatin1Char('\t') + closingTag(); }
};

// The ten document types in catalogue order (index 0 to 9).
const QList<DocumentDefinition> &documentCatalogue();
const DocumentDefinition &documentDefinition(int index);
// The document whose main window caption or form name is given; nullptr when none.
const DocumentDefinition *documentByCaption(const QString &mainCaption);
const DocumentDefinition *documentByForm(const QString &formName);
// The student's personal data section (form TFDaneUcznia).
const DocumentDefinition &studentDefinition();

// The calibration editor's nine document types (index 0 to 8).
struct CalibrationType
{
    int index;
    QString caption;  // "Świadectwo dla klasy I"
    QString fileName; // "kalibracja_kolbernia_przys_klasaI.set"
};
const QList<CalibrationType> &calibrationTypes();

// ASCII-only letter case folding, as keys and item names are compared.
QString asciiUpper(const QString &text);
bool equalIgnoringAsciiCase(const QString &a, const QString &b);

} // namespace krevol
