// The main window's tool bar, main menu and the tree's pop-up menu.
#include "MainWindow.h"
#include "ToolbarIcons.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace krevol {

namespace {

using Handler = void (TFGlowna::*)();

struct ToolButtonSpec
{
    const char *name;
    const char *hint;
    ToolbarPicture picture;
    Handler handler;
};

struct MenuEntry
{
    const char *caption; // "-" is a separator
    Handler handler;
    const char *name = nullptr;
};

void addMenu(QMenu *menu, std::initializer_list<MenuEntry> entries, TFGlowna *window)
{
    for (const MenuEntry &entry : entries) {
        if (QLatin1String(entry.caption) == QLatin1String("-")) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QString::fromUtf8(entry.caption));
        if (entry.name)
            action->setObjectName(QLatin1String(entry.name));
        QObject::connect(action, &QAction::triggered, window, entry.handler);
    }
}

} // namespace

void TFGlowna::buildToolBar()
{
    static const ToolButtonSpec buttons[] = {
        {"NowyPlikToolButton", "Nowy plik świadectw", ToolbarPicture::NewFile, &TFGlowna::NowyPlikToolButtonClick},
        {"OtworzPlikToolButton", "Otwórz plik z świadectwami", ToolbarPicture::OpenFile, &TFGlowna::OtworzPlikToolButtonClick},
        {"SaveButton", "Zapisz", ToolbarPicture::Save, &TFGlowna::Zapisz1Click},
        {"ToolButton11", "Szablon danych szkoły", ToolbarPicture::SchoolTemplate, &TFGlowna::Szablondanychszkoy1Click},
        {"DodajUczniaToolButton", "Dodaj nowego ucznia", ToolbarPicture::AddStudent, &TFGlowna::DodajUczniaToolButtonClick},
        {"EdytujDaneUczniaToolButton", "Edytuj dane wybranego ucznia", ToolbarPicture::EditStudent,
         &TFGlowna::EdytujDaneUczniaToolButtonClick},
        {"UsunUczniaToolButton", "Usuń dane wybranego ucznia", ToolbarPicture::DeleteStudent, &TFGlowna::UsunUczniaToolButtonClick},
        {"EdytujSwiadectwoToolButton", "Edytuj wybrane świadectwo / dokument", ToolbarPicture::EditDocument,
         &TFGlowna::EdytujSwiadectwoToolButtonClick},
        {"DrukujToolButton", "Drukuj świadectwo / dokument", ToolbarPicture::Print, &TFGlowna::DrukujToolButtonClick},
        {"PomocToolButton", "Pomoc", ToolbarPicture::Help, &TFGlowna::Instrukcjaobsugi1Click},
        {"KontaktButton", "Wyślij wiadomość", ToolbarPicture::Contact, &TFGlowna::KontaktButtonClick},
        {"ToolButton14", "", ToolbarPicture::Import, &TFGlowna::ToolButton14Click},
    };
    auto *toolBar = addToolBar(QStringLiteral("ToolBar1"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(32, 32));
    toolBar->toggleViewAction()->setVisible(false);
    for (const ToolButtonSpec &spec : buttons) {
        auto *button = new QToolButton(toolBar);
        button->setObjectName(QLatin1String(spec.name));
        button->setIcon(toolbarIcon(spec.picture));
        button->setToolTip(QString::fromUtf8(spec.hint));
        button->setFixedSize(41, 39);
        button->setIconSize(QSize(32, 32));
        connect(button, &QToolButton::clicked, this, spec.handler);
        toolBar->addWidget(button);
        toolBar->addSeparator();
    }
    WykreskujPusteCheckBox = new QCheckBox(QStringLiteral("Wykreskuj puste pola"), toolBar);
    WykreskujPusteCheckBox->setObjectName(QStringLiteral("WykreskujPusteCheckBox"));
    WykreskujPusteCheckBox->setChecked(true);
    WykreskujPusteCheckBox->setMinimumSize(141, 39);
    connect(WykreskujPusteCheckBox, &QCheckBox::clicked, this, &TFGlowna::WykreskujPusteCheckBoxClick);
    toolBar->addWidget(WykreskujPusteCheckBox);
}

void TFGlowna::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    addMenu(menuBar()->addMenu(QStringLiteral("Plik")),
            {{"Nowy plik", &TFGlowna::NowyPlikToolButtonClick},
             {"Otwórz plik", &TFGlowna::OtworzPlikToolButtonClick},
             {"-", nullptr},
             {"Zapisz", &TFGlowna::Zapisz1Click, "Zapisz1"},
             {"Zapisz jako", &TFGlowna::Zapiszjako1Click, "Zapiszjako1"},
             {"-", nullptr},
             {"Szablon danych szkoły", &TFGlowna::Szablondanychszkoy1Click, "Szablondanychszkoy1"},
             {"-", nullptr},
             {"Koniec", &TFGlowna::Koniec1Click, "Koniec1"}},
            this);
    addMenu(menuBar()->addMenu(QStringLiteral("Uczniowie")),
            {{"Dodaj nowego ucznia", &TFGlowna::DodajUczniaToolButtonClick},
             {"Edytuj dane wybranego ucznia", &TFGlowna::EdytujDaneUczniaToolButtonClick},
             {"Usuń wybranego ucznia", &TFGlowna::UsunUczniaToolButtonClick}},
            this);
    addMenu(menuBar()->addMenu(QStringLiteral("Świadectwa")),
            {{"Edytuj wybrane świadectwo / dokument", &TFGlowna::EdytujSwiadectwoToolButtonClick},
             {"Drukuj wybrane świadectwo", &TFGlowna::DrukujToolButtonClick}},
            this);
    addMenu(menuBar()->addMenu(QStringLiteral("Ustawienia")),
            {{"Formatowanie podstawowe ( tylko zmienne )", &TFGlowna::Formatowaniewiadectwapodstawowe1Click,
              "Formatowaniewiadectwapodstawowe1"},
             {"Formatowanie zaawansowane ( wszystkie obiekty )", &TFGlowna::Ustawieniaczcionki1Click, "Ustawieniaczcionki1"}},
            this);
    addMenu(menuBar()->addMenu(QStringLiteral("Pomoc")),
            {{"O programie", &TFGlowna::Oprogramie1Click, "Oprogramie1"},
             {"Sprawdź czy jest nowa wersja", &TFGlowna::Sprawdczyjestnowawersja1Click, "Sprawdczyjestnowawersja1"},
             {"-", nullptr},
             {"Instrukcja obsługi", &TFGlowna::Instrukcjaobsugi1Click, "Instrukcjaobsugi1"},
             {"-", nullptr},
             {"Wyślij wiadomość", &TFGlowna::KontaktButtonClick},
             {"-", nullptr},
             {"Logi programu", &TFGlowna::Logiprogramu1Click, "Logiprogramu1"},
             {"-", nullptr},
             {"Kronika Webowa", &TFGlowna::KronikaWebowa1Click, "KronikaWebowa1"}},
            this);

    TreeViewPopupMenu = new QMenu(this);
    TreeViewPopupMenu->setObjectName(QStringLiteral("TreeViewPopupMenu"));
    addMenu(TreeViewPopupMenu,
            {{"Dodaj ucznia", &TFGlowna::DodajUczniaToolButtonClick},
             {"Edytuj dane ucznia", &TFGlowna::EdytujDaneUczniaToolButtonClick, "Edytujdaneucznia1"},
             {"Usuń dane ucznia", &TFGlowna::UsunUczniaToolButtonClick, "Usudaneucznia1"},
             {"-", nullptr},
             {"Edytuj wybrane świadectwo", &TFGlowna::EdytujSwiadectwoToolButtonClick, "Edytujdokument1"},
             {"-", nullptr},
             {"Drukuj wybrane świadectwo", &TFGlowna::DrukujToolButtonClick, "Drukujwybranewiadectwo2"}},
            this);
    Edytujdaneucznia1 = TreeViewPopupMenu->findChild<QAction *>(QStringLiteral("Edytujdaneucznia1"));
    Usudaneucznia1 = TreeViewPopupMenu->findChild<QAction *>(QStringLiteral("Usudaneucznia1"));
    Edytujdokument1 = TreeViewPopupMenu->findChild<QAction *>(QStringLiteral("Edytujdokument1"));
    Drukujwybranewiadectwo2 = TreeViewPopupMenu->findChild<QAction *>(QStringLiteral("Drukujwybranewiadectwo2"));
}

} // namespace krevol
