#pragma once
// Every message box, question, input box and file dialog of the program goes
// through this interface: the GUI answers with dialogs, the tests with a
// scripted fake, the command-line tool by printing to stderr.
#include <QString>
#include <optional>

namespace krevol {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                                  MessageButtons buttons) = 0;
    // std::nullopt when the user cancels.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                             const QString &defaultText) = 0;
    // `filter` is "description|pattern" (for instance "Kolbernia przys.|*.kbrp").
    virtual std::optional<QString> openFileName(const QString &filter) = 0;
    virtual std::optional<QString> saveFileName(const QString &filter, const QString &initialName,
                                                const QString &defaultSuffix) = 0;
};

// Answers every box with its first button and cancels every dialog; it is in
// place until the program installs its own.
class SilentPrompter : public Prompter
{
public:
    MessageAnswer message(const QString &, const QString &, MessageIcon, MessageButtons buttons) override
    {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFileName(const QString &) override { return {}; }
    std::optional<QString> saveFileName(const QString &, const QString &, const QString &) override { return {}; }
};

} // namespace krevol
