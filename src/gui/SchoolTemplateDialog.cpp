#include "SchoolTemplateDialog.h"

#include "FormFont.h"
#include "Session.h"
#include "system/Runtime.h"
#include "system/Settings.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

namespace krevol {
namespace {

struct PrintedWord
{
    const char *text;
    QRect place;
    Qt::Alignment alignment;
    int pixelSize;
};

// The words of the form beside its fields (left, top, width, height over the picture).
constexpr PrintedWord kWords[] = {
    {"uczęszczała/uczęszczał w roku szkolnym", {8, 87, 257, 21}, Qt::AlignRight, 14},
    {"/", {332, 87, 9, 21}, Qt::AlignHCenter, 14},
    {"do klasy", {405, 87, 55, 21}, Qt::AlignRight, 14},
    {"nr", {40, 162, 37, 21}, Qt::AlignRight, 14},
    {"im.", {161, 162, 23, 21}, Qt::AlignHCenter, 14},
    {"w", {40, 214, 31, 21}, Qt::AlignRight, 14},
    {"woj.", {300, 214, 31, 21}, Qt::AlignRight, 14},
    {"otrzymała/otrzymał promocję do klasy", {8, 316, 309, 21}, Qt::AlignRight, 14},
    {"dnia", {259, 341, 34, 21}, Qt::AlignHCenter, 14},
    {"r", {567, 341, 18, 21}, Qt::AlignLeft, 14},
    {"(miejscowość)", {58, 364, 201, 14}, Qt::AlignHCenter, 11},
};

// A sheet of paper with the form's words and the dotted lines the fields stand on.
QPixmap templatePicture(const DocumentDefinition &definition)
{
    QPixmap picture(definition.editorPageSize);
    picture.fill(QColor(0xfb, 0xf8, 0xef));
    QPainter painter(&picture);
    painter.setPen(QColor(0xb8, 0xb0, 0x9a));
    painter.drawRect(picture.rect().adjusted(6, 6, -7, -7));
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(22);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 28, picture.width(), 32), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("DANE SZKOŁY NA ŚWIADECTWA"));
    for (const PrintedWord &word : kWords) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(word.pixelSize);
        painter.setFont(font);
        painter.drawText(word.place, word.alignment | Qt::AlignVCenter, QString::fromUtf8(word.text));
    }
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (const ItemDefinition &item : definition.items) {
        const QRect place = item.editorRect;
        painter.drawLine(place.left(), place.bottom() + 1, place.right(), place.bottom() + 1);
    }
    return picture;
}

} // namespace

TFDaneSzkoly::TFDaneSzkoly(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    const DocumentDefinition &definition = session.schoolTemplate().definition();
    setObjectName(definition.formName);
    setWindowTitle(definition.formCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(672, 677);
    setFont(formFont());

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->setGeometry(0, 0, 672, 677 - 41);
    auto *surface = new QLabel;
    surface->setObjectName(QStringLiteral("Image1"));
    surface->setPixmap(templatePicture(definition));
    surface->setScaledContents(true);
    tabs->addTab(surface, QStringLiteral("Szablon danych szkoły"));
    QList<QWidget *> tabOrder = m_fields.build(definition, 1, surface);

    OKButton = new QPushButton(QStringLiteral("Zapisz"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(488, 677 - 41 + 8, 75, 25);
    AnulujButton = new QPushButton(QStringLiteral("Anuluj"), this);
    AnulujButton->setObjectName(QStringLiteral("AnulujButton"));
    AnulujButton->setGeometry(568, 677 - 41 + 8, 75, 25);
    for (QPushButton *button : {OKButton, AnulujButton})
        button->setAutoDefault(false);
    tabOrder << OKButton << AnulujButton;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    connect(OKButton, &QPushButton::clicked, this, &TFDaneSzkoly::OKButtonClick);
    connect(AnulujButton, &QPushButton::clicked, this, &TFDaneSzkoly::AnulujButtonClick);
}

void TFDaneSzkoly::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFDaneSzkoly::FormShow()
{
    SchoolTemplate &schoolTemplate = m_session.schoolTemplate();
    const QDateTime now = runtime::clock().nowUtc();
    schoolTemplate.vFunWyczyscSzablonDanychSzkoly();
    schoolTemplate.vFunWczytajSzablonDanychSzkoly();
    schoolTemplate.fillEmptySchoolYears(now);
    // Once shown, the main window no longer offers to create the template.
    writeBoolSetting(settings::kSchoolTemplate, true);
    m_fields.showValues(schoolTemplate);
    if (QWidget *first = field(QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT")))
        first->setFocus();
}

void TFDaneSzkoly::OKButtonClick()
{
    if (!m_fields.acceptable())
        return;
    SchoolTemplate &schoolTemplate = m_session.schoolTemplate();
    m_fields.storeValues(schoolTemplate);
    // A failed write is reported and the form stays open with what was typed.
    if (schoolTemplate.vFunZapiszSzablonDanychSzkoly())
        accept();
}

void TFDaneSzkoly::AnulujButtonClick()
{
    reject();
}

} // namespace krevol
