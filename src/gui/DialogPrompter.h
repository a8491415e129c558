#pragma once
// The desktop program's answers to the core's questions: message boxes,
// input boxes and file dialogs.
#include "system/Prompter.h"

class QWidget;

namespace krevol {

class DialogPrompter : public Prompter
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                     const QString &defaultText) override;
    std::optional<QString> openFileName(const QString &filter) override;
    std::optional<QString> saveFileName(const QString &filter, const QString &initialName,
                                        const QString &defaultSuffix) override;

    // "Kolbernia przys.|*.kbrp" becomes "Kolbernia przys. (*.kbrp)".
    static QString qtFilter(const QString &filter);

private:
    QWidget *dialogParent() const;
    QWidget *m_parent = nullptr;
};

} // namespace krevol
