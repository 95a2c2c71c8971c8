#include "platform/qt_user_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString StartPath(const FileDialogRequest& request)
{
    if (request.initialDir.isEmpty())
        return request.fileName;
    if (request.fileName.isEmpty())
        return request.initialDir;
    return QDir(request.initialDir).filePath(request.fileName);
}

} // namespace

MessageResult QtUserDialogs::ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon,
                                         const QString& title)
{
    QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, parent_);
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case MessageButtons::OK:
        ok = box.addButton(QMessageBox::Ok);
        break;
    case MessageButtons::OKCancel:
        ok = box.addButton(QMessageBox::Ok);
        cancel = box.addButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        yes = box.addButton(QMessageBox::Yes);
        no = box.addButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        yes = box.addButton(QMessageBox::Yes);
        no = box.addButton(QMessageBox::No);
        cancel = box.addButton(QMessageBox::Cancel);
        break;
    }
    // The first button is the default one, as in the old message boxes.
    box.setDefaultButton(ok ? ok : yes);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == ok)
        return MessageResult::OK;
    if (clicked && clicked == yes)
        return MessageResult::Yes;
    if (clicked && clicked == no)
        return MessageResult::No;
    if (cancel)
        return MessageResult::Cancel;
    return no ? MessageResult::No : MessageResult::OK;
}

std::optional<QString> QtUserDialogs::AskText(const QString& title, const QString& prompt,
                                              const QString& defaultText)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString QtUserDialogs::ChooseOpenFile(const FileDialogRequest& request)
{
    return QFileDialog::getOpenFileName(parent_, request.title, StartPath(request),
                                        ConvertFileFilter(request.filter));
}

QString QtUserDialogs::ChooseSaveFile(const FileDialogRequest& request)
{
    return QFileDialog::getSaveFileName(parent_, request.title, StartPath(request),
                                        ConvertFileFilter(request.filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
