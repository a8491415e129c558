#include "CertificateEditor.h"

#include "EditorBackground.h"
#include "FormFont.h"
#include "LineLimitedMemo.h"
#include "LinkedScrollAreas.h"
#include "Session.h"
#include "datafile/StudentStore.h"
#include "documents/DocumentDefinition.h"
#include "system/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace krevol {
namespace {

constexpr int kClientWidth = 745;
constexpr int kPanelHeight = 41;

QPushButton *panelButton(const char *name, const QString &caption, QRect place, QWidget *panel)
{
    auto *button = new QPushButton(caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    // Enter in an entry field presses no button: nothing is stored by accident.
    button->setAutoDefault(false);
    return button;
}

} // namespace

CertificateEditor::CertificateEditor(Session &session, const DocumentDefinition &definition, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_definition(definition)
{
    setObjectName(definition.formName);
    setWindowTitle(definition.formCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(formFont());

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    QList<QWidget *> tabOrder;
    ScrollBox1 = buildPage(1, QStringLiteral("Strona 1"), tabOrder);
    ScrollBox2 = buildPage(2, QStringLiteral("Strona2"), tabOrder);
    addDottedLines();
    m_scrolling = new LinkedScrollAreas(PageControl, {ScrollBox1, ScrollBox2}, this);
    for (QWidget *field : tabOrder)
        if (qobject_cast<QComboBox *>(field))
            m_scrolling->addWheelSource(field); // the wheel scrolls the pages, never changes a grade
    QWidget *panel = buildBottomPanel();
    tabOrder << OKButton << CancelButton << LoadSchoolDataButton << AutoWordWrapCheckBox;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PageControl, 1);
    layout->addWidget(panel);
    resize(kClientWidth, 600);
}

void CertificateEditor::addDottedLines()
{
    // The signature lines shown only in the editor; they are not items, so
    // nothing stores or prints them.
    ItemDefinition dots;
    dots.kind = ItemKind::Label;
    dots.caption = QString(48, QLatin1Char('.'));
    dots.font = {QStringLiteral("MS Sans Serif"), 11};
    const auto add = [&](const char *name, QRect place, QScrollArea *page) {
        dots.name = QLatin1String(name);
        dots.editorRect = place;
        EditorFields::addLabel(m_definition, dots, page->widget());
    };
    add("Label56", {418, 904, 150, 13}, ScrollBox1);
    add("Label2", {440, 1042, 150, 13}, ScrollBox2);
}

QScrollArea *CertificateEditor::buildPage(int page, const QString &caption, QList<QWidget *> &tabOrder)
{
    auto *surface = new QLabel;
    surface->setObjectName(QStringLiteral("Image%1").arg(page));
    const QPixmap picture = editorBackground(m_definition, page);
    surface->setPixmap(picture);
    surface->setFixedSize(picture.size());
    tabOrder += m_fields.build(m_definition, page, surface);

    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("ScrollBox%1").arg(page));
    area->setWidget(surface);
    area->setWidgetResizable(false);
    PageControl->addTab(area, caption);
    return area;
}

QWidget *CertificateEditor::buildBottomPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(kPanelHeight);
    OKButton = panelButton("OKButton", QStringLiteral("OK"), {512, 8, 89, 25}, panel);
    CancelButton = panelButton("CancelButton", QStringLiteral("Anuluj"), {608, 8, 91, 25}, panel);
    LoadSchoolDataButton =
        panelButton("LoadSchoolDataButton", QStringLiteral("Załaduj szablon danych szkoły"), {24, 8, 185, 25}, panel);
    AutoWordWrapCheckBox = new QCheckBox(QStringLiteral("Automatyczne zwijanie wierszy"), panel);
    AutoWordWrapCheckBox->setObjectName(QStringLiteral("AutoWordWrapCheckBox"));
    AutoWordWrapCheckBox->setGeometry(232, 8, 193, 17);
    connect(OKButton, &QPushButton::clicked, this, &CertificateEditor::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &CertificateEditor::CancelButtonClick);
    connect(LoadSchoolDataButton, &QPushButton::clicked, this, &CertificateEditor::LoadSchoolDataButtonClick);
    connect(AutoWordWrapCheckBox, &QCheckBox::clicked, this, &CertificateEditor::AutoWordWrapCheckBoxClick);
    return panel;
}

void CertificateEditor::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void CertificateEditor::FormShow()
{
    if (const QScreen *display = screen()) {
        const QRect available = display->availableGeometry();
        setFixedSize(kClientWidth, available.height() - 50);
        move(available.center() - rect().center());
    }
    AutoWordWrapCheckBox->setChecked(settingIsTrue(settings::kAutoWordWrap));
    applyWordWrap(AutoWordWrapCheckBox->isChecked());
    m_fields.showValues(m_session.document(m_definition.index));
}

void CertificateEditor::AutoWordWrapCheckBoxClick()
{
    // One setting for the three certificates: the next one shown takes it over.
    writeBoolSetting(settings::kAutoWordWrap, AutoWordWrapCheckBox->isChecked());
    applyWordWrap(AutoWordWrapCheckBox->isChecked());
}

void CertificateEditor::applyWordWrap(bool on)
{
    for (LineLimitedMemo *memo : m_fields.memos())
        memo->setWordWrap(on);
}

void CertificateEditor::FormMouseWheel(int wheelDelta)
{
    m_scrolling->scrollBy(wheelDelta);
}

void CertificateEditor::LoadSchoolDataButtonClick()
{
    // The file, not what the template form showed last, is the source; a
    // missing file is reported and leaves the template, and so these items, empty.
    SchoolTemplate &schoolTemplate = m_session.schoolTemplate();
    schoolTemplate.vFunWyczyscSzablonDanychSzkoly();
    schoolTemplate.vFunWczytajSzablonDanychSzkoly();
    for (const auto &[item, value] : schoolTemplate.certificateValues(m_definition))
        m_fields.setText(item, value);
}

void CertificateEditor::OKButtonClick()
{
    if (!m_fields.acceptable())
        return;
    m_fields.storeValues(m_session.document(m_definition.index));
    // The whole student block is rewritten. When that fails (reported by the
    // store) the window stays open, so the typed data is not lost.
    if (!StudentStore(m_session).vFunZastapUcznia(m_session.student().currentKey))
        return;
    accept();
}

void CertificateEditor::CancelButtonClick()
{
    reject();
}

} // namespace krevol
