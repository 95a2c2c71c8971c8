#include "settings/settings_windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "model/state.h"
#include "platform/data_paths.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "settings/frmInfo.h"
#include "settings/frmNumberConversion.h"
#include "settings/frmOptions.h"
#include "settings/frmPWChange.h"
#include "settings/frmPWCheck.h"
#include "settings/help_access.h"
#include "settings/help_window.h"
#include "settings/web_links.h"

bool QtDesktop::OpenAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

SettingsWindows::SettingsWindows(ProgramState& s, UserDialogs& dialogs, clsUndo& undo, QWidget* owner,
                                 std::function<void()> applySwitches, QStringList dataDirs)
    : QObject(owner),
      s_(s),
      dialogs_(dialogs),
      undo_(undo),
      owner_(owner),
      applySwitches_(std::move(applySwitches)),
      dataDirs_(std::move(dataDirs))
{
}

void SettingsWindows::PasswordCheck()
{
    frmPWCheck prompt(s_.settings, dialogs_, owner_);
    if (prompt.exec() != QDialog::Accepted)
        return;
    QApplication::processEvents();
    SettingsDialog();
}

void SettingsWindows::PasswordChange()
{
    frmPWChange change(s_.settings, dialogs_, true, owner_);
    change.exec();
}

void SettingsWindows::SettingsDialog()
{
    QApplication::processEvents();
    frmOptions options(s_, dialogs_, undo_, applySwitches_,
                       GetSpecialFolder(QStandardPaths::DocumentsLocation), owner_);
    options.exec();
}

void SettingsWindows::NumberConversion()
{
    if (!numberConversion_)
        numberConversion_ = new frmNumberConversion(owner_);
    numberConversion_->show();
    numberConversion_->raise();
    numberConversion_->activateWindow();
}

void SettingsWindows::Help()
{
    const QString page = CheckHelpFile(HelpContentsFile(dataDirs_), dataDirs_.value(0), dialogs_);
    if (page.isEmpty())
        return;
    if (!help_) {
        help_ = new HelpWindow(owner_);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->ShowPage(page);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void SettingsWindows::About()
{
    frmInfo about(s_.settings.OSName, FindDataFile(QStringLiteral("start.jpg"), dataDirs_));
    about.exec();
}

void SettingsWindows::WebPage()
{
    // Without a browser the menu item would do nothing visible.
    if (!OpenWebPage(s_.ports.desktop))
        dialogs_.ShowMessage(WebPageNotOpenedText(), MessageButtons::OK, MessageIcon::Information,
                             LoadResString(2503));
}

void SettingsWindows::SupportMail()
{
    OpenSupportMail(s_.ports.desktop);
}
