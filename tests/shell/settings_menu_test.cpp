#include "window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "placement/document/permissions.h"
#include "platform/string_table.h"
#include "settings/frmInfo.h"
#include "settings/frmNumberConversion.h"
#include "settings/frmOptions.h"
#include "settings/frmPWChange.h"
#include "settings/frmPWCheck.h"
#include "settings/web_links.h"
#include "support/modal_driver.h"
#include "support/recording_desktop.h"

namespace {

class SettingsMenu : public WindowRig {
protected:
    void Settings() { window.Menu(QStringLiteral("mOptionen"))->trigger(); }
    template <class W>
    static W* Child(QWidget* dlg, const char* name)
    {
        W* w = dlg->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void Press(QWidget* dlg, const char* button) { Child<QPushButton>(dlg, button)->click(); }
    static void Fill(QWidget* dlg, const char* box, const QString& text) { Child<QLineEdit>(dlg, box)->setText(text); }
    // The password-change window: fills it and presses Change.
    static void ChangePassword(QWidget* dlg, const QString& old, const QString& fresh, const QString& confirm)
    {
        Fill(dlg, "txtOldPW", old);
        Fill(dlg, "txtNewPW", fresh);
        Fill(dlg, "txtNewPW2", confirm);
        Press(dlg, "cmdOK");
    }
    // The settings dialog: unticks the named switches and presses the button.
    static void Untick(frmOptions* dlg, const QStringList& boxes, const char* button)
    {
        for (const QString& name : boxes)
            dlg->findChild<QCheckBox*>(name)->setChecked(false);
        Press(dlg, button);
    }
    QString StoredPassword() const
    {
        ProgramState restarted;
        restarted.settings.registryFiles = s.settings.registryFiles;
        restarted.settings.RegRoot = s.settings.RegRoot;
        EXPECT_EQ(LoadPermissions(restarted.settings), PermissionsStatus::Loaded);
        return restarted.settings.OptionsPassword;
    }
    QStringList ComplexEntries() const
    {
        QStringList out;
        auto* box = window.findChild<QComboBox*>(QStringLiteral("cmbKomplex"));
        for (int i = 0; box && i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
};

TEST_F(SettingsMenu, TheFirstUseSetsAPasswordBeforeTheSettingsOpen)
{
    ASSERT_TRUE(s.settings.OptionsPassword.isEmpty());
    // Cancelled: no password, no settings.
    WhenModal<frmPWChange>([](frmPWChange* d) {
        EXPECT_FALSE(Child<QLineEdit>(d, "txtOldPW")->isEnabled());
        Press(d, "cmdCancel");
    });
    Settings();
    EXPECT_TRUE(s.settings.OptionsPassword.isEmpty());

    // A password typed twice differently, then the same: the settings open.
    bool settingsShown = false;
    WhenModal<frmPWChange>([&](frmPWChange* d) {
        ChangePassword(d, QString(), QStringLiteral("pw"), QStringLiteral("pW"));
        EXPECT_TRUE(d->isVisible());
        WhenModal<frmOptions>([&](frmOptions* o) {
            settingsShown = true;
            EXPECT_EQ(s.settings.OptionsPassword, QStringLiteral("pw"));
            Press(o, "cmdExit");
        });
        ChangePassword(d, QString(), QStringLiteral("pw"), QStringLiteral("pw"));
    });
    Settings();
    EXPECT_TRUE(settingsShown);
    EXPECT_EQ(dialogs.MessageTexts().back(), LoadResString(3909));
    EXPECT_EQ(StoredPassword(), QStringLiteral("pw")) << "OK stored it";
}

TEST_F(SettingsMenu, ThePromptRefusesAWrongPasswordAndStaysOpen)
{
    s.settings.OptionsPassword = QStringLiteral("Secret");
    bool settingsShown = false;
    WhenModal<frmPWCheck>([&](frmPWCheck* d) {
        EXPECT_FALSE(Child<QLabel>(d, "Image1")->pixmap().isNull()) << "the notice's picture";
        Fill(d, "txtPW", QStringLiteral("secret"));
        Press(d, "cmdOK");
        EXPECT_EQ(dialogs.MessageTexts().value(0), LoadResString(4006));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(Child<QLineEdit>(d, "txtPW")->text(), QStringLiteral("secret"));
        WhenModal<frmOptions>([&](frmOptions* o) {
            settingsShown = true;
            Press(o, "cmdCancel");
        });
        Fill(d, "txtPW", QStringLiteral("Secret"));
        Press(d, "cmdOK");
    });
    Settings();
    EXPECT_TRUE(settingsShown);

    // Cancel at the prompt opens nothing.
    WhenModal<frmPWCheck>([](frmPWCheck* d) { Press(d, "cmdCancel"); });
    Settings();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(SettingsMenu, AChangedOrRemovedPasswordReachesTheStoreOnlyWithOk)
{
    s.settings.OptionsPassword = QStringLiteral("old");
    ASSERT_TRUE(SavePermissions(s.settings));
    struct Step {
        QString old, fresh;
        const char* settingsButton;
        QString inMemory, stored;
    };
    const Step steps[] = {
        {QStringLiteral("old"), QStringLiteral("new"), "cmdCancel", QStringLiteral("new"), QStringLiteral("old")},
        {QStringLiteral("new"), QStringLiteral("newer"), "cmdExit", QStringLiteral("newer"), QStringLiteral("newer")},
        {QStringLiteral("newer"), QString(), "cmdExit", QString(), QString()},
    };
    for (const Step& step : steps) {
        WhenModal<frmPWCheck>([&](frmPWCheck* d) {
            WhenModal<frmPWChange>([&](frmPWChange* c) {
                ChangePassword(c, QStringLiteral("wrong"), step.fresh, step.fresh);
                EXPECT_EQ(dialogs.MessageTexts().back(), LoadResString(3906));
                ChangePassword(c, step.old, step.fresh, step.fresh);
            });
            Press(d, "cmdChangePW");
            WhenModal<frmOptions>([&](frmOptions* o) { Press(o, step.settingsButton); });
            Fill(d, "txtPW", step.fresh);
            Press(d, "cmdOK");
        });
        Settings();
        EXPECT_EQ(s.settings.OptionsPassword, step.inMemory);
        EXPECT_EQ(StoredPassword(), step.stored);
        if (!step.inMemory.isEmpty())
            continue;
        // Removed: the next use asks for a new password first.
        WhenModal<frmPWChange>([](frmPWChange* c) { Press(c, "cmdCancel"); });
        Settings();
    }
}

TEST_F(SettingsMenu, SwitchedOffComponentsAndFeaturesLeaveMenusPaletteAndComplexBox)
{
    s.settings.OptionsPassword = QStringLiteral("pw");
    auto open = [&](const QStringList& untick) {
        WhenModal<frmPWCheck>([untick](frmPWCheck* d) {
            WhenModal<frmOptions>([untick](frmOptions* o) { Untick(o, untick, "cmdExit"); });
            Fill(d, "txtPW", QStringLiteral("pw"));
            Press(d, "cmdOK");
        });
        Settings();
    };
    const QString flipFlop = LoadResString(2560);
    ASSERT_TRUE(ComplexEntries().contains(flipFlop));
    open({QStringLiteral("chkBauteil1"), QStringLiteral("chkBauteil6"), QStringLiteral("chkFunktionen6"),
          QStringLiteral("chkFunktionen0")});
    EXPECT_FALSE(window.MenuItem(QStringLiteral("mBauteil"), 11)->isVisible()) << "AND item";
    EXPECT_FALSE(Action("Toolbar2", "cmdUND")->isEnabled());
    EXPECT_TRUE(Action("Toolbar2", "cmdODER")->isEnabled());
    EXPECT_FALSE(ComplexEntries().contains(flipFlop));
    EXPECT_FALSE(window.Menu(QStringLiteral("mNumberConversion"))->isVisible());
    EXPECT_FALSE(window.Menu(QStringLiteral("mSynthese"))->isVisible());
    EXPECT_FALSE(Action("Toolbar", "cmdPanel5")->isEnabled());
    EXPECT_TRUE(Action("Toolbar2", "cmdKomplex")->isEnabled());

    QStringList all;
    for (int i = 0; i < 14; ++i)
        all << QStringLiteral("chkBauteil%1").arg(i);
    open(all);
    EXPECT_FALSE(Action("Toolbar2", "cmdKomplex")->isEnabled()) << "the complex selector goes with them";
    for (int item : {5, 9, 11, 12, 13, 15, 16, 18, 19, 20, 21, 22, 23})
        EXPECT_FALSE(window.MenuItem(QStringLiteral("mBauteil"), item)->isVisible()) << item;
}

TEST_F(SettingsMenu, WebPageAndSupportMailGoToTheDesktop)
{
    RecordingDesktop desktop;
    s.ports.desktop = &desktop;
    window.Menu(QStringLiteral("mWeb"))->trigger();
    window.Menu(QStringLiteral("mService"))->trigger();
    ASSERT_EQ(desktop.addresses, QStringList({WebPageAddress(), SupportMailAddress()}));
    const QUrl web(desktop.addresses[0]);
    EXPECT_TRUE(web.isValid());
    EXPECT_EQ(web.scheme(), QStringLiteral("https"));
    const QUrl mail(desktop.addresses[1]);
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(mail.path().contains(u'@'));
    EXPECT_TRUE(mail.query().startsWith(QStringLiteral("subject=")));
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty());

    // Without a browser the user is told the address.
    desktop.browser = false;
    window.Menu(QStringLiteral("mWeb"))->trigger();
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts()[0].endsWith(u'\n' + WebPageAddress()));
}

TEST_F(SettingsMenu, HelpAboutAndNumberConversionOpenFromTheMenus)
{
    // The tests run where no help is installed.
    window.Menu(QStringLiteral("mHelp"))->trigger();
    ASSERT_FALSE(dialogs.MessageTexts().isEmpty());
    EXPECT_TRUE(dialogs.MessageTexts().back().contains(QStringLiteral("help/gatrel.html does not exist.")));

    bool aboutShown = false;
    WhenModal<frmInfo>([&](frmInfo* d) {
        aboutShown = true;
        EXPECT_EQ(Child<QLabel>(d, "lblOSVersion")->text(), s.settings.OSName);
        Press(d, "cmdSchliessen");
    });
    window.Menu(QStringLiteral("mInfo"))->trigger();
    EXPECT_TRUE(aboutShown);

    window.Menu(QStringLiteral("mNumberConversion"))->trigger();
    auto* tool = window.findChild<frmNumberConversion*>();
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "modeless";
    window.Menu(QStringLiteral("mNumberConversion"))->trigger();
    EXPECT_EQ(window.findChildren<frmNumberConversion*>().size(), 1);
}

} // namespace
