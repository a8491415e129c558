#pragma once
// The command-line tool's answers: messages go to stderr, questions are
// answered No, dialogs are cancelled.
#include "system/Prompter.h"

namespace krevol {

class StderrPrompter : public Prompter
{
public:
    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFileName(const QString &) override { return {}; }
    std::optional<QString> saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    bool reportedSomething() const { return m_reported; }

private:
    bool m_reported = false;
};

} // namespace krevol
