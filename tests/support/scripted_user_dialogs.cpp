#include "support/scripted_user_dialogs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

QStringList ScriptedUserDialogs::MessageTexts() const
{
    QStringList texts;
    for (const Question& q : asked_) {
        if (q.kind == Kind::Message)
            texts.append(q.text);
    }
    return texts;
}

bool ScriptedUserDialogs::AllAnswersUsed() const
{
    return messages_.empty() && texts_.empty() && openFiles_.empty() && saveFiles_.empty();
}

MessageResult ScriptedUserDialogs::ShowMessage(const QString& text, MessageButtons buttons,
                                               MessageIcon icon, const QString& title)
{
    Question q{Kind::Message, title, text, buttons, icon, {}, {}};
    asked_.push_back(q);
    if (buttons == MessageButtons::OK)
        return MessageResult::OK;
    if (messages_.empty()) {
        ADD_FAILURE() << "unanswered message: " << text.toStdString();
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Cancel;
    }
    const MessageResult answer = messages_.front();
    messages_.pop_front();
    return answer;
}

std::optional<QString> ScriptedUserDialogs::AskText(const QString& title, const QString& prompt,
                                                    const QString& defaultText)
{
    asked_.push_back(Question{Kind::Text, title, prompt, MessageButtons::OKCancel, MessageIcon::None,
                              defaultText, {}});
    if (texts_.empty()) {
        ADD_FAILURE() << "unanswered prompt: " << prompt.toStdString();
        return std::nullopt;
    }
    const bool entered = texts_.front().has_value();
    const QString text = texts_.front().value_or(QString());
    texts_.pop_front();
    if (!entered)
        return std::nullopt;
    return text;
}

namespace {

QString TakePath(std::deque<QString>& queue, const FileDialogRequest& request)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unanswered file dialog: " << request.title.toStdString();
        return QString();
    }
    QString path = queue.front();
    queue.pop_front();
    return path;
}

} // namespace

QString ScriptedUserDialogs::ChooseOpenFile(const FileDialogRequest& request)
{
    if (auto failure = std::exchange(fileDialogFailure_, std::nullopt))
        throw std::runtime_error(*failure);
    asked_.push_back(Question{Kind::OpenFile, request.title, {}, MessageButtons::OKCancel,
                              MessageIcon::None, {}, request});
    return TakePath(openFiles_, request);
}

QString ScriptedUserDialogs::ChooseSaveFile(const FileDialogRequest& request)
{
    if (auto failure = std::exchange(fileDialogFailure_, std::nullopt))
        throw std::runtime_error(*failure);
    asked_.push_back(Question{Kind::SaveFile, request.title, {}, MessageButtons::OKCancel,
                              MessageIcon::None, {}, request});
    return TakePath(saveFiles_, request);
}
