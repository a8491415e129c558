#include "ScriptedPrompter.h"

namespace krevol::test {

MessageAnswer ScriptedPrompter::message(const QString &text, const QString &caption, MessageIcon icon,
                                        MessageButtons buttons)
{
    PromptCall call;
    call.kind = PromptCall::Kind::Message;
    call.text = text;
    call.caption = caption;
    call.icon = icon;
    call.buttons = buttons;
    m_calls.append(call);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (m_answers.empty()) {
        ++m_unanswered;
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    }
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::nextText()
{
    if (m_texts.empty()) {
        ++m_unanswered;
        return std::nullopt;
    }
    const auto [given, text] = m_texts.front();
    m_texts.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}

std::optional<QString> ScriptedPrompter::inputText(const QString &caption, const QString &prompt,
                                                   const QString &defaultText)
{
    PromptCall call;
    call.kind = PromptCall::Kind::Input;
    call.caption = caption;
    call.text = prompt;
    call.initialName = defaultText;
    m_calls.append(call);
    return nextText();
}

std::optional<QString> ScriptedPrompter::openFileName(const QString &filter)
{
    PromptCall call;
    call.kind = PromptCall::Kind::OpenFile;
    call.filter = filter;
    m_calls.append(call);
    return nextText();
}

std::optional<QString> ScriptedPrompter::saveFileName(const QString &filter, const QString &initialName,
                                                      const QString &defaultSuffix)
{
    PromptCall call;
    call.kind = PromptCall::Kind::SaveFile;
    call.filter = filter;
    call.initialName = initialName;
    call.defaultSuffix = defaultSuffix;
    m_calls.append(call);
    return nextText();
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const PromptCall &call : m_calls)
        if (call.kind == PromptCall::Kind::Message)
            texts << call.text;
    return texts;
}

} // namespace krevol::test
