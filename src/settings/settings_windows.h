#pragma once
// The windows of the Extras and Help menus: the password lock in front of
// the settings dialog, the number conversion, the help, the about box, and
// the web page and support mail through the desktop.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "model/ports/desktop_port.h"
#include "settings/frmNumberConversion.h"
#include "settings/help_window.h"

class UserDialogs;
class clsUndo;
struct ProgramState;

// The desktop's own handler for an address.
class QtDesktop : public DesktopPort {
public:
    bool OpenAddress(const QString& address) override;
};

class SettingsWindows : public QObject {
    Q_OBJECT
public:
    // owner: the main window. applySwitches: it shows the component and
    // feature switches again. dataDirs: where the program's data files are.
    SettingsWindows(ProgramState& s, UserDialogs& dialogs, clsUndo& undo, QWidget* owner,
                    std::function<void()> applySwitches, QStringList dataDirs);

    DesktopPort& Desktop() { return desktop_; }

    // The prompt; a matching password opens the settings dialog.
    void PasswordCheck();
    // The first password, with no old one to give.
    void PasswordChange();
    void SettingsDialog();
    void NumberConversion();
    void Help();
    void About();
    void WebPage();
    void SupportMail();

    frmNumberConversion* NumberConversionWindow() const { return numberConversion_; }
    HelpWindow* HelpWindowShown() const { return help_; }

private:
    ProgramState& s_;
    UserDialogs& dialogs_;
    clsUndo& undo_;
    QWidget* owner_;
    std::function<void()> applySwitches_;
    QStringList dataDirs_;
    QtDesktop desktop_;
    QPointer<frmNumberConversion> numberConversion_;
    QPointer<HelpWindow> help_;
};
