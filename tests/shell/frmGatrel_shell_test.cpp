#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <optional>
#include <QTest>
#include <QToolBar>

#include "ic/frmICAuswahl.h"
#include "model/state.h"
#include "platform/registry.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "placement/document/permissions.h"
#include "placement/document/settings_store.h"
#include "settings/startup.h"
#include "shell/frmGatrel.h"
#include "shell/quick_help_box.h"
#include "shell/main_window_texts.h"
#include "support/scripted_user_dialogs.h"
#include "window_rig.h"

namespace {

QString N(const char* s)
{
    return QString::fromUtf8(s);
}

// The window before its start: each test sets what the start finds, then loads.
class ShellWindow : public WindowRig {
protected:
    ShellWindow() : WindowRig(NotStarted{}) {}
    void SetUp() override {}
    void SetValue(const char* name, const RegValue& v)
    {
        RegSetValue(s.settings.registryFiles, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey),
                    N(name), v);
    }
    RegValue Value(const char* name) const
    {
        return RegGetValue(s.settings.registryFiles, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey),
                           N(name));
    }
    QAction* Bar(const char* bar, const char* key) const { return Action(bar, key); }
    QAction* Item(int i) { return window.MenuItem(N("mBauteil"), i); }
    // The orientation buttons as they show, and as the program state records them.
    bool OrientationToolbarEnabled()
    {
        const bool shown = window.Toolbar(N("tlbOrientation"))->actions().value(0)->isEnabled();
        EXPECT_EQ(s.OrientationToolbarEnabled, shown);
        return shown;
    }
};

} // namespace

TEST_F(ShellWindow, EveryTextTargetCarriesItsString)
{
    ASSERT_EQ(Load(), 0);
    size_t n = 0;
    const TextBinding* table = MainWindowTexts(&n);
    ASSERT_GT(n, 130u);
    // The text a target shows; nothing when the target is missing.
    const auto textOf = [](auto* w) { return w ? std::optional<QString>(w->text()) : std::nullopt; };
    const auto shown = [&](const TextBinding& t) -> std::optional<QString> {
        const QString name = N(t.name);
        switch (t.target) {
        case TextTarget::MenuItem:
            return textOf(window.Menu(name));
        case TextTarget::MenuArrayItem:
            return textOf(window.MenuItem(name, t.index));
        case TextTarget::Label:
            return textOf(window.findChild<QLabel*>(name));
        case TextTarget::LineEditText:
            return textOf(window.findChild<QLineEdit*>(name));
        case TextTarget::ButtonCaption:
            return textOf(window.findChild<QAbstractButton*>(name));
        case TextTarget::ToolTip: {
            QAction* tip = Bar(t.toolbar, t.name);
            return tip ? std::optional<QString>(tip->toolTip()) : std::nullopt;
        }
        case TextTarget::ComboEntries: {
            auto* box = window.findChild<QComboBox*>(name);
            if (!box)
                return std::nullopt;
            EXPECT_EQ(box->count(), t.index);
            for (int k = 0; k < box->count(); ++k)
                EXPECT_EQ(box->itemText(k), LoadResString(t.id + k));
            return box->itemText(0);
        }
        }
        return std::nullopt;
    };
    for (size_t i = 0; i < n; ++i) {
        const TextBinding& t = table[i];
        SCOPED_TRACE(testing::Message() << (t.toolbar ? t.toolbar : "") << " " << t.name << " " << t.index);
        const std::optional<QString> got = shown(t);
        ASSERT_TRUE(got) << "no such target";
        EXPECT_EQ(*got, LoadResString(t.id));
        EXPECT_NE(*got, N(t.placeholder)) << "keeps its placeholder";
    }
    // The tooltip keeps its old quirk while the menu says AND.
    EXPECT_EQ(Bar("Toolbar2", "cmdUND")->toolTip(), N("UND element"));
    EXPECT_EQ(Item(11)->text(), N("AND element"));
    EXPECT_EQ(window.Menu(N("mSaveAs"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(window.Menu(N("mSave"))->shortcut().isEmpty());
    EXPECT_EQ(window.windowTitle(), N("Unsaved circuit - Gatrel"));
}

TEST_F(ShellWindow, StartUpForcesTheGridAndChecksDirectories)
{
    SetValue("ShowGrid", RegValue::Number(0));
    const QString gone = settingsDir.filePath(N("gone"));
    SetValue("Verzeichnisse1", RegValue::Text(gone));
    SetValue("Verzeichnisse2", RegValue::Text(settingsDir.path()));
    ASSERT_EQ(Load(), 0);
    EXPECT_EQ(s.ShowGrid, kTrue);
    EXPECT_TRUE(window.MenuItem(N("mAnsichtItem"), 3)->isChecked());
    EXPECT_TRUE(Bar("Toolbar", "cmdRaster")->isChecked());
    const QString work = QDir::cleanPath(Docs()) + N("/Gatrel/");
    EXPECT_TRUE(QDir(work).exists()) << "the working folder is created";
    EXPECT_EQ(s.Verzeichnisse[0], work) << "empty: no message";
    EXPECT_EQ(s.Verzeichnisse[1], work);
    EXPECT_EQ(s.Verzeichnisse[2], settingsDir.path());
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_EQ(dialogs.MessageTexts()[0], N("Unable to locate directory\n") + gone + N("!\nUsing default working directory!"));
    EXPECT_EQ(dialogs.Asked()[0].title, N("Gatrel Message"));
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_TRUE(Item(1)->isChecked());
    EXPECT_TRUE(Bar("Toolbar2", "cmdLeitungen")->isChecked());
}

TEST_F(ShellWindow, MissingOrBrokenPermissionsEndTheStartUp)
{
    SetValue("Permissions", RegValue::Text(QString(21, QChar(20))));
    EXPECT_EQ(Load(), 1);
    ASSERT_FALSE(dialogs.MessageTexts().isEmpty());
    EXPECT_EQ(dialogs.MessageTexts().back(), BrokenPermissionsMessage());

    ProgramState t;
    ScriptedUserDialogs d;
    VirtualTimerHost th;
    t.settings.registryFiles = {settingsDir.filePath(N("u2/Gatrel.conf")), settingsDir.filePath(N("m2/Gatrel.conf"))};
    RegCreateKey(t.settings.registryFiles, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey));
    frmGatrel w(t, d, th);
    EXPECT_EQ(w.Form_Load(QString(), Docs(), settingsDir.path()), 1);
    EXPECT_EQ(d.MessageTexts().back(), MissingPermissionsMessage());
}

TEST_F(ShellWindow, NoSettingsKeyEndsBeforeAnyWindow)
{
    ScriptedUserDialogs d;
    const RegistryLocations none{settingsDir.filePath(N("x/a.conf")), settingsDir.filePath(N("x/b.conf"))};
    EXPECT_FALSE(FindSettingsRoot(none, d));
    EXPECT_EQ(d.MessageTexts(), QStringList{N("Unable to load registry data.")});
    EXPECT_FALSE(QFile::exists(none.userFile));
    RegCreateKey(none, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey));
    RegCreateKey(none, RegistryRoot::LocalMachine, QString::fromLatin1(kSettingsKey));
    EXPECT_EQ(FindSettingsRoot(none, d), RegistryRoot::CurrentUser);
}

TEST_F(ShellWindow, TheCommandLineFileIsLoaded)
{
    const QString file = settingsDir.filePath(N("adder.gtr"));
    ASSERT_TRUE(QFile::copy(N(GATREL_TEST_DATA "/components.gtr"), file));
    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(s.objFile.FileName, file);
    EXPECT_EQ(s.circuit.MaxX, 32);
    EXPECT_TRUE(window.windowTitle().startsWith(N("adder")));
}

TEST_F(ShellWindow, AMissingCommandLineFileIsNamed)
{
    const QString file = settingsDir.filePath(N("no such circuit.gtr"));
    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(dialogs.MessageTexts().filter(N("not found")), QStringList{N("File not found.\n") + file});
    EXPECT_EQ(window.windowTitle(), N("Unsaved circuit - Gatrel"));
}

TEST_F(ShellWindow, PermissionsHideSwitchedOffComponentsAndFeatures)
{
    Permissions p;
    p.FeatureEnable.fill(-1);
    p.ElementEnable.fill(-1);
    p.FeatureEnable[0] = 0; // synthesis
    p.FeatureEnable[5] = 0; // analyzer
    p.ElementEnable[8] = 0; // decoder
    p.ElementEnable[6] = 0; // flip-flop
    ASSERT_TRUE(SavePermissions(s.settings.registryFiles, RegistryRoot::CurrentUser, p));
    ASSERT_EQ(Load(), 0);
    EXPECT_FALSE(window.Menu(N("mSynthese"))->isVisible());
    EXPECT_TRUE(window.Menu(N("mBoolean"))->isVisible());
    EXPECT_FALSE(Bar("Toolbar", "cmdPanel5")->isEnabled());
    EXPECT_FALSE(window.MenuItem(N("mAnsichtItem"), 2)->isVisible());
    EXPECT_FALSE(Bar("Toolbar2", "cmdDecoder")->isEnabled());
    EXPECT_FALSE(Bar("Toolbar2", "cmdDecoderT")->isEnabled());
    EXPECT_FALSE(Item(20)->isVisible());
    EXPECT_FALSE(Item(18)->isVisible());
    auto* box = window.findChild<QComboBox*>(N("cmbKomplex"));
    EXPECT_EQ(box->findText(N("Flip-flop")), -1);
    EXPECT_EQ(box->count(), 4);
    // No IC files: the IC tool is greyed but stays visible.
    EXPECT_FALSE(Item(25)->isEnabled());
    EXPECT_FALSE(Bar("Toolbar2", "cmdIC")->isEnabled());
}

TEST_F(ShellWindow, PaletteKeysSetToolPropertyPagesAndMenuCheck)
{
    ASSERT_EQ(Load(), 0);
    struct Row {
        const char* key;
        int tool;
        const char* flags;
        int item;
    };
    const Row rows[] = {
        {"cmdSelect", 0, "FFTFFFFF", 0},   {"cmdLeitungen", 1, "FFFFFFFF", 1}, {"cmdDiode", 4, "FFFFTFFF", 7},
        {"cmdSchalter", 5, "FFFFFFFF", 8}, {"cmdInverter", 9, "TFFFFFTF", 9},  {"cmdVerbindungspunkt", 2, "FFFFFFFF", 2},
        {"cmdKoppeldiode", 15, "FFFFFFFF", 3}, {"cmdNegationspunkt", 3, "FFFFFFFF", 4},
        {"cmdAnalysepunkt", 27, "FFFFFFFF", 5}, {"cmdUND", 6, "TTFFFFTF", 11}, {"cmdODER", 7, "TTFFFFTF", 12},
        {"cmdXODER", 8, "TTFFFFTF", 13},   {"cmdHA", 11, "TFFFFFTF", 15},      {"cmdVA", 12, "TFFFFFTF", 16},
        {"cmdTriState", 13, "TFFFFFTF", 0}, {"cmdDecoder", 16, "TFFFFFTT", 20}, {"cmdText", 22, "FFFFFTFF", 0},
    };
    for (const Row& r : rows) {
        Bar("Toolbar2", r.key)->trigger();
        EXPECT_EQ(Code(s.ToolMode), r.tool) << r.key;
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(s.PropertyWindowState[i], r.flags[i] == 'T') << r.key << " flag " << i + 1;
        for (int i = 1; i <= 25; ++i) {
            if (Item(i)) {
                EXPECT_EQ(Item(i)->isChecked(), i == r.item) << r.key << " item " << i;
            }
        }
        int pressed = 0;
        for (QAction* a : window.Toolbar(N("Toolbar2"))->actions())
            pressed += a->isChecked() ? 1 : 0;
        EXPECT_EQ(pressed, 1) << r.key;
        EXPECT_TRUE(Bar("Toolbar2", r.key)->isChecked());
        const bool orient = !(r.tool == 0 || r.tool == 1 || r.tool == 4 || r.tool == 5);
        EXPECT_EQ(OrientationToolbarEnabled(), orient) << r.key;
        // The tool display shows the button's picture (the TriState gate the AND gate's).
        const char* shown = r.tool == 13 ? "cmdUND" : r.key;
        EXPECT_EQ(window.findChild<QLabel*>(N("picSelected"))->pixmap().toImage(),
                  Bar("Toolbar2", shown)->icon().pixmap(16, 16).toImage())
            << r.key;
    }

    window.findChild<QCheckBox*>(N("chkTakteingang"))->setChecked(true);
    Bar("Toolbar2", "cmdDecoder")->trigger();
    EXPECT_EQ(s.DecoderClockInput, kTrue);

    // Complex components through the menu and the box.
    Item(21)->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::ClockGenerator);
    EXPECT_TRUE(Item(21)->isChecked());
    EXPECT_TRUE(Bar("Toolbar2", "cmdKomplex")->isChecked());
    Item(23)->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::SevenSegment);
    EXPECT_FALSE(OrientationToolbarEnabled());
    Item(18)->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::FlipFlop);
    EXPECT_FALSE(window.findChild<QLabel*>(N("picSelected"))->pixmap().isNull());
    EXPECT_TRUE(OrientationToolbarEnabled());
    Item(1)->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_TRUE(Bar("Toolbar2", "cmdLeitungen")->isChecked());

    // Quick help over the palette: ModeSwitch.QuickHelpNamesWhatWasClicked.
}

// The menu items that open windows are driven where those windows are
// tested: printing (PrintFromTheWindow), the Boolean tools
// (BooleanToolsMenu.MenusAndToolbarOpenTheirTab), settings, help, about, the
// web page and number conversion (SettingsMenu), the analyzer
// (AnalyzerWindow.CheckMarkGoesWhenNeitherWindowIsLeftOpen), the IC manager
// (ICManager.MenuToolbarAndPageButtonShowOneState).
TEST_F(ShellWindow, MenuItemsReachTheirCommands)
{
    ASSERT_EQ(Load(), 0);
    // Grid, zoom and panels.
    window.MenuItem(N("mAnsichtItem"), 3)->trigger();
    EXPECT_EQ(s.ShowGrid, kFalse);
    EXPECT_FALSE(Bar("Toolbar", "cmdRaster")->isChecked());
    s.GridMode = 2.4f;
    window.Menu(N("mZoomIn"))->trigger();
    EXPECT_FLOAT_EQ(s.GridMode, 2.5f);
    EXPECT_EQ(window.findChild<QComboBox*>(N("cmbZoom"))->currentText(), N("250%"));
    s.GridMode = 0.7f;
    window.Menu(N("mZoomOut"))->trigger();
    window.Menu(N("mZoomOut"))->trigger();
    EXPECT_FLOAT_EQ(s.GridMode, 0.6f);
    EXPECT_EQ(window.findChild<QComboBox*>(N("cmbZoom"))->currentText(), N("60%"));

    s.settings.PanelVisible = {-1, 1, 0, 0, 0};
    window.ResizeProperties(false);
    Bar("Toolbar", "cmdPanel1")->trigger();
    EXPECT_EQ(s.settings.PanelVisible[1], 0) << "a title-only panel is hidden by its button";
    EXPECT_FALSE(window.MenuItem(N("mPanel"), 1)->isChecked());
    Bar("Toolbar", "cmdPanel2")->trigger();
    EXPECT_EQ(s.settings.PanelVisible[2], -1);
    EXPECT_TRUE(window.MenuItem(N("mPanel"), 2)->isChecked());
    window.MenuItem(N("mPanel"), 2)->trigger();
    EXPECT_EQ(s.settings.PanelVisible[2], 0);
    EXPECT_FALSE(Bar("Toolbar", "cmdPanel2")->isChecked());

    // Start simulation presses the power-on button.
    window.Menu(N("mOnOff"))->trigger();
    EXPECT_NE(s.engine.PowerFlag, 0);
}

TEST_F(ShellWindow, CloseStopsTheRunWritesTheSettingsAndAsksYesNoCancel)
{
    ASSERT_EQ(Load(), 0);
    s.AutoStop = 4321;
    window.Timer1().setEnabled(true);
    window.Timer2()[0]->setEnabled(true);
    s.engine.EngineBusy = kTrue;
    s.engine.Run = RunState::Paused;
    // The IC manager's place is stored in 16-bit twips, clamped rather than wrapped.
    window.Menu(N("mICAuswahl"))->trigger();
    window.findChild<frmICAuswahl*>()->setGeometry(3000, -2500, 640, 480);
    // Unchanged: no question; clocks and engine stopped, settings written.
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_TRUE(dialogs.Asked().empty());
    EXPECT_FALSE(window.Timer1().enabled());
    EXPECT_FALSE(window.Timer2()[0]->enabled());
    EXPECT_FALSE(s.engine.PausedFlag());
    EXPECT_EQ(Value("AutoStop").number(), 4321);
    EXPECT_EQ(Value("frmICAuswahlWindowX").number(), 32767);
    EXPECT_EQ(Value("frmICAuswahlWindowY").number(), -32768);
    EXPECT_EQ(Value("frmICAuswahlWindowWidth").number(), 9600);
    EXPECT_EQ(Value("frmICAuswahlWindowHeight").number(), 7200);

    s.FileSaved = kFalse;
    s.AutoStop = 5000;
    dialogs.QueueMessageAnswer(MessageResult::Cancel);
    EXPECT_FALSE(window.Form_QueryUnload());
    EXPECT_EQ(dialogs.Asked().back().text, N("Your circuit has not yet been saved.\r\nDo you want to save it now?"));
    EXPECT_EQ(dialogs.Asked().back().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(Value("AutoStop").number(), 4321) << "nothing written";

    // Yes on a circuit never saved asks for a name; cancelling it keeps the window.
    dialogs.QueueMessageAnswer(MessageResult::Yes);
    dialogs.QueueSaveFile(QString());
    EXPECT_FALSE(window.Form_QueryUnload());
    EXPECT_EQ(Value("AutoStop").number(), 4321);

    const QString file = settingsDir.filePath(N("kept.gtr"));
    dialogs.QueueMessageAnswer(MessageResult::Yes);
    dialogs.QueueSaveFile(file);
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(Value("AutoStop").number(), 5000);

    s.FileSaved = kFalse;
    dialogs.QueueMessageAnswer(MessageResult::No);
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_EQ(dialogs.Asked().back().text, file + N("\r\nhas been modified.\r\nDo you want to save your changes?"));
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(ShellWindow, SettingsThatCannotBeSavedOnCloseAreReportedOnce)
{
    ASSERT_EQ(Load(), 0);
    // A folder where the settings file should be.
    const QString file = s.settings.registryFiles.userFile;
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    s.FileSaved = kTrue;
    const qsizetype before = dialogs.MessageTexts().size();
    EXPECT_TRUE(window.Form_QueryUnload()) << "the window still closes";
    ASSERT_EQ(dialogs.MessageTexts().size(), before + 1);
    EXPECT_TRUE(dialogs.MessageTexts().back().contains(file)) << dialogs.MessageTexts().back().toStdString();
}

// A user whose own settings folder cannot be made learns it when the program
// starts, not again when it ends.
TEST_F(ShellWindow, SettingsThatCannotBeKeptAreToldAtStartUpOnce)
{
    const QString file = s.settings.registryFiles.userFile;
    const QString folder = QFileInfo(file).path();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile plain(folder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    s.settings.RegRoot = FindSettingsRoot(s.settings.registryFiles, dialogs).value();
    ASSERT_EQ(s.settings.RegRoot, RegistryRoot::LocalMachine) << "the machine-wide defaults are read";

    ASSERT_EQ(Load(), 0);
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts()[0].contains(file)) << dialogs.MessageTexts()[0].toStdString();
    EXPECT_TRUE(dialogs.MessageTexts()[0].contains(folder + N("' cannot be made")));
    s.FileSaved = kTrue;
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_EQ(dialogs.MessageTexts().size(), 1);
}

TEST_F(ShellWindow, SaveOnANewCircuitActsAsSaveAs)
{
    ASSERT_EQ(Load(), 0);
    const QString file = settingsDir.filePath(N("first.gtr"));
    dialogs.QueueSaveFile(file);
    Bar("Toolbar", "cmdSave")->trigger();
    EXPECT_TRUE(QFile::exists(file));
    ASSERT_FALSE(dialogs.Asked().empty());
    EXPECT_EQ(dialogs.Asked().back().kind, ScriptedUserDialogs::Kind::SaveFile);

    // A recent file that fails to load leaves the current names alone.
    s.LastFiles[1] = settingsDir.filePath(N("missing.gtr"));
    window.MenuItem(N("mUsedFiles"), 1)->setVisible(true);
    window.MenuItem(N("mUsedFiles"), 1)->trigger();
    EXPECT_EQ(s.objFile.FileName, file);
    EXPECT_EQ(s.CmDialog1.FileName, file);
}

// Panels stored as title-only start collapsed, with the minimise button
// pressed, and the first click on that button opens them.
TEST_F(ShellWindow, PanelsStoredTitleOnlyStartCollapsed)
{
    struct Case {
        int panel;
        const char* minButton;
        int openHeight; // twips
    };
    const Case cases[] = {{1, "cmdMin0", 3255}, {2, "cmdMin1", 750}, {3, "cmdMin4", 1335}, {4, "cmdMin2", 2055}};
    for (int i = 0; i < 5; ++i)
        SetValue(QStringLiteral("PanelVisible%1").arg(i).toLatin1().constData(), RegValue::Number(i == 0 ? 1 : -1));
    ASSERT_EQ(Load(), 0);
    window.resize(1100, 900);
    window.show();
    window.Form_Activate();
    const double twips = 15.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        ASSERT_EQ(s.settings.PanelVisible[static_cast<size_t>(c.panel)], 1);
        auto* min = window.findChild<QAbstractButton*>(N(c.minButton));
        ASSERT_NE(min, nullptr);
        EXPECT_TRUE(min->isChecked());
        const int collapsed = c.panel == 4 ? 420 : 370;
        EXPECT_EQ(window.Panel(c.panel)->height(), qRound(collapsed / twips));
    }
    EXPECT_TRUE(window.findChild<QWidget*>(N("SSPanel2"))->isHidden()) << "the properties page is folded away";
    for (int p = 1; p < 4; ++p)
        EXPECT_NEAR(window.Panel(p + 1)->y(), window.Panel(p)->y() + window.Panel(p)->height() + 50 / twips, 1)
            << "the column closes up below panel " << p;

    // One click on each minimise button opens its panel again.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        auto* min = window.findChild<QAbstractButton*>(N(c.minButton));
        QTest::mouseClick(min, Qt::LeftButton);
        EXPECT_FALSE(min->isChecked());
        EXPECT_EQ(s.settings.PanelVisible[static_cast<size_t>(c.panel)], -1);
        if (c.panel != 4)
            EXPECT_EQ(window.Panel(c.panel)->height(), qRound(c.openHeight / twips));
        else
            EXPECT_GT(window.Panel(c.panel)->height(), qRound(420 / twips));
    }
    EXPECT_FALSE(window.findChild<QWidget*>(N("SSPanel2"))->isHidden());
}

// A name typed without extension gets the extension of what is written, for
// pictures as for circuits, and the caption names the file the same way
// after Save as after Open.
TEST_F(ShellWindow, TypedNamesGetTheirExtensionAndTheCaptionOneRule)
{
    ASSERT_EQ(Load(), 0);
    for (const char* typed : {"sheet", "copy.bmp"}) {
        const QString name = N(typed);
        dialogs.QueueSaveFile(settingsDir.filePath(name));
        window.Menu(N("mSaveBitmap"))->trigger();
        const QString written = settingsDir.filePath(name.endsWith(N(".bmp")) ? name : name + N(".bmp"));
        EXPECT_FALSE(QImage(written, "BMP").isNull()) << typed;
        EXPECT_FALSE(QFile::exists(written + N(".bmp"))) << typed;
    }

    dialogs.QueueSaveFile(settingsDir.filePath(N("and1")));
    window.Menu(N("mSaveAs"))->trigger();
    EXPECT_EQ(window.windowTitle(), N("and1.gtr - Gatrel"));
    dialogs.QueueOpenFile(settingsDir.filePath(N("and1.gtr")));
    window.Menu(N("mOpen"))->trigger();
    EXPECT_EQ(window.windowTitle(), N("and1.gtr - Gatrel"));
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
}
