#include "MainWindow.h"

#include "AboutBox.h"
#include "LinkedScrollAreas.h"
#include "PreviewPanel.h"
#include "LogViewer.h"
#include "StudentDialog.h"
#include "ToolbarIcons.h"
#include "datafile/StudentOrder.h"
#include "datafile/StudentStore.h"
#include "documents/DocumentDefinition.h"
#include "system/Runtime.h"
#include "system/Settings.h"
#include "system/StartupSequence.h"
#include "system/Version.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace krevol {

TFGlowna::TFGlowna(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TFGlowna"));
    setWindowIcon(programIcon());
    resize(866, 519);
    buildToolBar();
    buildMenus();
    buildCentralArea();
    m_studentForm = new TFDaneUcznia(m_session, this);
    m_logViewer = new TFLogi(this);
    m_aboutBox = new TFOProgramie(this);
    connect(&m_session, &Session::studentListChanged, this, [this] { vFunZbudujDrzewo(m_session.studentKeys()); });
    connect(m_studentForm, &TFDaneUcznia::studentListUnreadable, this, [this] { setStatusPath(QString()); });
}

TFGlowna::~TFGlowna()
{
    m_session.viewport = nullptr;
}

void TFGlowna::showPreviewImages()
{
    QLabel *images[] = {Image1, Image2};
    for (int page = 0; page < 2; ++page) {
        images[page]->setPixmap(QPixmap::fromImage(m_session.previewImages[page]));
        images[page]->adjustSize();
    }
}

void TFGlowna::buildCentralArea()
{
    m_statusLabel = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(m_statusLabel, 1);

    auto *splitter = new QSplitter(this);
    TreeView = new QTreeWidget(splitter);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    TreeView->setIndentation(19);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    // Long captions scroll rather than being cut off.
    TreeView->header()->setStretchLastSection(false);
    TreeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(TreeView, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_buildingTree)
            TreeViewClick();
    });
    connect(TreeView, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (QTreeWidgetItem *item = TreeView->itemAt(at))
            TreeView->setCurrentItem(item);
        vFunUstawMenuDrzewa();
        TreeViewPopupMenu->popup(TreeView->viewport()->mapToGlobal(at));
    });

    PageControl = new QTabWidget(splitter);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    const auto addPage = [this](const QString &caption, QScrollArea *&scroll, QLabel *&image, int number) {
        scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("ScrollBox%1").arg(number));
        image = new QLabel;
        image->setObjectName(QStringLiteral("Image%1").arg(number));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        scroll->setWidget(image);
        scroll->setWidgetResizable(false);
        PageControl->addTab(scroll, caption);
        scroll->setProperty("tabSheet", QStringLiteral("TabSheet%1").arg(number));
    };
    addPage(QStringLiteral("Strona 1"), ScrollBox1, Image1, 1);
    addPage(QStringLiteral("Strona 2"), ScrollBox2, Image2, 2);
    // The wheel anywhere over the previews moves both pages together.
    m_previewScrolling = new LinkedScrollAreas(PageControl, {ScrollBox1, ScrollBox2}, this);
    m_previewPanel = std::make_unique<PreviewPanel>(PageControl, m_previewScrolling);
    m_session.viewport = m_previewPanel.get();
    connect(&m_session, &Session::previewImagesChanged, this, &TFGlowna::showPreviewImages);
    TreeView->setMinimumWidth(150);
    splitter->addWidget(TreeView);
    splitter->addWidget(PageControl);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({233, 633});
    setCentralWidget(splitter);

    AktualizacjaTimer = new QTimer(this);
    AktualizacjaTimer->setObjectName(QStringLiteral("AktualizacjaTimer"));
    AktualizacjaTimer->setInterval(1000);
    connect(AktualizacjaTimer, &QTimer::timeout, this, &TFGlowna::AktualizacjaTimerTimer);
}

bool TFGlowna::vFunInicjalizujProgram()
{
    StartupHooks hooks;
    hooks.setCaption = [this] { setWindowTitle(mainWindowCaption()); };
    hooks.clearWindowFlags = [this] {
        m_session.closeWithoutAsking = false;
        m_session.changed = false;
    };
    hooks.setTreeMenuState = [this] { vFunUstawMenuDrzewa(); };
    hooks.startUpdateCheck = [this] { startUpdateCheck(false); };
    hooks.setCrossOutBox = [this](bool checked) {
        WykreskujPusteCheckBox->setChecked(checked);
        m_session.crossOutEmpty = checked;
    };
    hooks.closeWithoutAsking = [this] {
        m_session.closeWithoutAsking = true;
        close();
    };
    return krevol::vFunInicjalizujProgram(hooks);
}

QString TFGlowna::statusText() const
{
    return m_statusLabel->text();
}

void TFGlowna::setStatusPath(const QString &path)
{
    m_session.dataFilePath = path;
    m_statusLabel->setText(path);
    m_statusLabel->repaint();
}

QString TFGlowna::strFunWybranyElement(Selected which) const
{
    const QTreeWidgetItem *item = TreeView->currentItem();
    if (!item)
        return QString();
    const QTreeWidgetItem *parent = item->parent();
    if (which == Selected::Student)
        return parent ? parent->text(0) : item->text(0);
    return parent ? item->text(0) : QString();
}

void TFGlowna::vFunZbudujDrzewo(const QStringList &keysInFileOrder)
{
    m_buildingTree = true;
    TreeView->clear();
    for (const QString &key : sortedForTree(keysInFileOrder)) {
        auto *student = new QTreeWidgetItem(TreeView, {key});
        // Certificates, a blank line, then the pages of the grade sheet the tree offers.
        for (int index : {0, 1, 2})
            new QTreeWidgetItem(student, {documentDefinition(index).mainCaption});
        new QTreeWidgetItem(student, {QString()});
        for (const DocumentDefinition &document : documentCatalogue())
            if (document.index > 2 && document.inTree)
                new QTreeWidgetItem(student, {document.mainCaption});
    }
    m_buildingTree = false;
}

void TFGlowna::vFunUstawMenuDrzewa()
{
    const bool student = !strFunWybranyElement(Selected::Student).isEmpty();
    const bool document = !strFunWybranyElement(Selected::Document).isEmpty();
    Edytujdaneucznia1->setEnabled(student);
    Usudaneucznia1->setEnabled(student);
    Edytujdokument1->setEnabled(document);
    Drukujwybranewiadectwo2->setEnabled(document);
}

void TFGlowna::TreeViewClick()
{
    const QString key = strFunWybranyElement(Selected::Student);
    if (!key.isEmpty())
        StudentStore(m_session).bFunWczytajUcznia(key);
    if (const DocumentDefinition *document = documentByCaption(strFunWybranyElement(Selected::Document))) {
        m_session.printing = false;
        renderPreview(*document);
    }
    vFunUstawMenuDrzewa();
}

void TFGlowna::WykreskujPusteCheckBoxClick()
{
    m_session.crossOutEmpty = WykreskujPusteCheckBox->isChecked();
    writeBoolSetting(settings::kCrossOutEmpty, m_session.crossOutEmpty);
    TreeViewClick();
}

void TFGlowna::closeEvent(QCloseEvent *event)
{
    if (m_session.closeWithoutAsking) {
        event->accept();
        return;
    }
    if (m_session.changed
        && runtime::prompter().message(QStringLiteral("Czy chcesz zapisać zmiany ?"), QString(), MessageIcon::None,
                                       MessageButtons::YesNo)
            == MessageAnswer::Yes)
        Zapisz1Click();
    const MessageAnswer answer = runtime::prompter().message(QStringLiteral("Czy na pewno chcesz zakończyć pracę ?"),
                                                             QStringLiteral("Koniec"), MessageIcon::Question,
                                                             MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        event->accept();
    else
        event->ignore();
}

} // namespace krevol
