#include "MainWindow.h"

#include "system/Folders.h"
#include "system/Settings.h"
#include "system/StartupSequence.h"
#include "system/Version.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace krevol {

TFGlowna::TFGlowna(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TFGlowna"));
    resize(866, 519);
    buildLayout();
}

void TFGlowna::buildLayout()
{
    auto *toolBar = addToolBar(QStringLiteral("ToolBar1"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(32, 32));
    WykreskujPusteCheckBox = new QCheckBox(QStringLiteral("Wykreskuj puste pola"), toolBar);
    WykreskujPusteCheckBox->setObjectName(QStringLiteral("WykreskujPusteCheckBox"));
    WykreskujPusteCheckBox->setChecked(true);
    toolBar->addWidget(WykreskujPusteCheckBox);

    m_statusLabel = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(m_statusLabel, 1);

    auto *splitter = new QSplitter(this);
    TreeView = new QTreeWidget(splitter);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    TreeView->setIndentation(19);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView->setMinimumWidth(233);

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
        PageControl->widget(PageControl->count() - 1)->setObjectName(QStringLiteral("TabSheet%1").arg(number));
    };
    addPage(QStringLiteral("Strona 1"), ScrollBox1, Image1, 1);
    addPage(QStringLiteral("Strona 2"), ScrollBox2, Image2, 2);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({233, 633});
    setCentralWidget(splitter);

    AktualizacjaTimer = new QTimer(this);
    AktualizacjaTimer->setObjectName(QStringLiteral("AktualizacjaTimer"));
    AktualizacjaTimer->setInterval(1000);
}

bool TFGlowna::vFunInicjalizujProgram()
{
    StartupHooks hooks;
    hooks.setCaption = [this] { setWindowTitle(mainWindowCaption()); };
    hooks.clearWindowFlags = [this] {
        m_session.closeWithoutAsking = false;
        m_session.changed = false;
    };
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

void TFGlowna::openFromCommandLine(const QString &tail)
{
    if (tail.size() <= 5)
        return;
    setStatusPath(QString());
}

void TFGlowna::setStatusPath(const QString &path)
{
    m_session.dataFilePath = path;
    m_statusLabel->setText(path);
}

void TFGlowna::closeEvent(QCloseEvent *event)
{
    event->accept();
}

} // namespace krevol
