#pragma once
// The user's questions as Qt dialogs.
#include "platform/user_dialogs.h"

class QWidget;

class QtUserDialogs : public UserDialogs {
public:
    // The dialogs are centred on the parent; it may be null.
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageResult ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                              const QString& title) override;
    std::optional<QString> AskText(const QString& title, const QString& prompt,
                                   const QString& defaultText) override;
    QString ChooseOpenFile(const FileDialogRequest& request) override;
    QString ChooseSaveFile(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};
