#include "AboutBox.h"

#include "ToolbarIcons.h"
#include "system/Version.h"

#include <QLabel>
#include <QPushButton>

namespace krevol {

TFOProgramie::TFOProgramie(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFOProgramie"));
    setWindowTitle(QStringLiteral("O programie"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(316, 291);
    auto *icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setGeometry(16, 16, 64, 64);
    auto *text = new QLabel(this);
    text->setGeometry(96, 16, 204, 220);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setText(QStringLiteral("<b>") + kApplicationTitle + QStringLiteral("</b><br>wersja ") + ProgramVersion().text()
                  + QStringLiteral("<br><br>Drukowanie świadectw i arkuszy ocen dla Zasadniczej Szkoły Zawodowej "
                                   "Przysposabiającej.<br><br>Krevol<br>ul. Szkolna 1<br>00-001 Warszawa<br>"
                                   "kontakt@krevol.example.org"));
    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("ZamknijButton"));
    close->setGeometry(120, 254, 75, 25);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace krevol
