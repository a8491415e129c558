#include "LogViewer.h"

#include "system/Folders.h"
#include "system/ProgramLog.h"
#include "system/TextFile.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace krevol {

TFLogi::TFLogi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFLogi"));
    setWindowTitle(QStringLiteral("Logi programu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(818, 450);
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(8, 8, 801, 401);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setGeometry(712, 416, 91, 25);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TFLogi::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFLogi::FormShow()
{
    RichEdit1->clear();
    TextLineReader reader(workingFile(kLogFileName));
    if (!reader.open())
        return;
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace krevol
