#pragma once
// Answers the user's questions from a script and records what was asked.
#include "platform/user_dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedUserDialogs : public UserDialogs {
public:
    enum class Kind { Message, Text, OpenFile, SaveFile };

    struct Question {
        Kind kind;
        QString title;
        QString text;  // message text or prompt
        MessageButtons buttons = MessageButtons::OK;
        MessageIcon icon = MessageIcon::None;
        QString defaultText;
        FileDialogRequest file;
    };

    // Answers are taken in order, each queue for its own kind of question.
    // A message with only an OK button takes no answer; any other question
    // without a queued answer fails the running test and is cancelled.
    void QueueMessageAnswer(MessageResult answer) { messages_.push_back(answer); }
    void QueueText(std::optional<QString> answer) { texts_.push_back(std::move(answer)); }
    // An empty path cancels the dialog.
    void QueueOpenFile(const QString& path) { openFiles_.push_back(path); }
    void QueueSaveFile(const QString& path) { saveFiles_.push_back(path); }
    // The next file dialog fails with `what` instead of asking (a platform dialog that breaks).
    void QueueFileDialogFailure(const char* what) { fileDialogFailure_ = what; }

    const std::vector<Question>& Asked() const { return asked_; }
    // The texts of the messages shown, in order.
    QStringList MessageTexts() const;
    // True when every queued answer has been used.
    bool AllAnswersUsed() const;

    MessageResult ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                              const QString& title) override;
    std::optional<QString> AskText(const QString& title, const QString& prompt,
                                   const QString& defaultText) override;
    QString ChooseOpenFile(const FileDialogRequest& request) override;
    QString ChooseSaveFile(const FileDialogRequest& request) override;

private:
    std::vector<Question> asked_;
    std::deque<MessageResult> messages_;
    std::deque<std::optional<QString>> texts_;
    std::deque<QString> openFiles_;
    std::deque<QString> saveFiles_;
    std::optional<std::string> fileDialogFailure_;
};
