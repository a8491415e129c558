#pragma once
// Drives a modal dialog from a test: the action runs on the dialog once it is
// shown, and the dialog is closed afterwards if the action left it open.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace krevol::test {

template <typename Dialog>
void whenShown(std::function<void(Dialog *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        action(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace krevol::test
