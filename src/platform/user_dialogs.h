#pragma once
// The questions the program puts to the user: message boxes, a one-line
// text prompt and the file dialogs. The main window supplies the Qt ones;
// tests answer from a script.
#include <QString>
#include <optional>

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MessageResult { OK, Cancel, Yes, No };

struct FileDialogRequest {
    QString title;
    // "description|pattern|description|pattern", patterns separated by ";".
    QString filter;
    QString initialDir;
    QString fileName;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // The button the user chose; closing the box counts as Cancel where there
    // is one, else as No (Yes/No) or OK.
    virtual MessageResult ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                                      const QString& title) = 0;
    // The text entered, or nothing when the prompt was cancelled.
    virtual std::optional<QString> AskText(const QString& title, const QString& prompt,
                                           const QString& defaultText) = 0;
    // The chosen path, or an empty text when the dialog was cancelled. The
    // save dialog does not ask before an existing file is replaced.
    virtual QString ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual QString ChooseSaveFile(const FileDialogRequest& request) = 0;
};

// "desc|*.a;*.b|desc2|*.c" -> "desc (*.a *.b);;desc2 (*.c)". A description
// without a pattern gets "*".
QString ConvertFileFilter(const QString& filter);
