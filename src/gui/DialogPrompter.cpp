#include "DialogPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace krevol {

QWidget *DialogPrompter::dialogParent() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_parent;
}

QString DialogPrompter::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return entries.join(QStringLiteral(";;"));
}

MessageAnswer DialogPrompter::message(const QString &text, const QString &caption, MessageIcon icon,
                                      MessageButtons buttons)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Tak"));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("Nie"));
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Anuluj"));
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default:
        // Closing a question with the window's close button counts as No.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok
            : buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

std::optional<QString> DialogPrompter::inputText(const QString &caption, const QString &prompt,
                                                 const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), caption, prompt, QLineEdit::Normal,
                                               defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> DialogPrompter::openFileName(const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(dialogParent(), QString(), QString(), qtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> DialogPrompter::saveFileName(const QString &filter, const QString &initialName,
                                                    const QString &defaultSuffix)
{
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    // The question about replacing a file belongs to the program, not the dialog.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace krevol
