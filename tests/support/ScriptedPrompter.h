#pragma once
// A Prompter for the tests: records every call and returns the answers the
// test lined up, in order.
#include "system/Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

namespace krevol::test {

struct PromptCall
{
    enum class Kind { Message, Input, OpenFile, SaveFile } kind = Kind::Message;
    QString text;      // message text, or the input prompt
    QString caption;   // message caption, or input caption
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString filter;
    QString initialName;
    QString defaultSuffix;
};

class ScriptedPrompter : public Prompter
{
public:
    // Answers to questions (Yes/No/Cancel); a box with only OK needs none.
    void answer(MessageAnswer answer) { m_answers.push_back(answer); }
    // Answers to input and file dialogs; std::nullopt cancels.
    void answerText(const std::optional<QString> &text) { m_texts.push_back({text.has_value(), text.value_or(QString())}); }

    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                     const QString &defaultText) override;
    std::optional<QString> openFileName(const QString &filter) override;
    std::optional<QString> saveFileName(const QString &filter, const QString &initialName,
                                        const QString &defaultSuffix) override;

    const QList<PromptCall> &calls() const { return m_calls; }
    QStringList messageTexts() const;
    void clear() { m_calls.clear(); m_answers.clear(); m_texts.clear(); m_unanswered = 0; }
    // Questions asked with no answer lined up (answered No / cancelled).
    int unanswered() const { return m_unanswered; }
    bool allAnswersUsed() const { return m_answers.empty() && m_texts.empty(); }

private:
    std::optional<QString> nextText();
    QList<PromptCall> m_calls;
    std::deque<MessageAnswer> m_answers;
    std::deque<std::pair<bool, QString>> m_texts; // (given, text)
    int m_unanswered = 0;
};

} // namespace krevol::test
