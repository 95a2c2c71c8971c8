#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "boolean/frmBoolean.h"
#include "ic/frmICAuswahl.h"
#include "placement/document/circuit_file.h"
#include "model/state.h"
#include "platform/registry.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "placement/document/permissions.h"
#include "placement/document/settings_store.h"
#include "settings/frmPWChange.h"
#include "settings/startup.h"
#include "shell/frmGatrel.h"
#include "shell/quick_help_box.h"
#include "shell/main_window_texts.h"
#include "support/modal_driver.h"
#include "support/recording_desktop.h"
#include "support/scripted_user_dialogs.h"

namespace {

QString N(const char* s)
{
    return QString::fromUtf8(s);
}

// A window over settings of its own, started as the program starts it on a fresh installation.
class ShellWindow : public ::testing::Test {
protected:
    ShellWindow()
    {
        s.settings.registryFiles = {dir.filePath(N("u/Gatrel.conf")), dir.filePath(N("m/Gatrel.conf"))};
        WriteInstallSettings(s.settings.registryFiles.machineFile);
        s.settings.RegRoot = FindSettingsRoot(s.settings.registryFiles, dialogs).value();
        QDir().mkpath(Docs());
    }
    QString Docs() const { return dir.filePath(N("docs")); }
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
    int Load(const QString& file = QString()) { return window.Form_Load(file, Docs(), dir.path()); }
    QAction* Bar(const char* bar, const char* key) { return window.ToolbarButton(N(bar), N(key)); }
    QAction* Item(int i) { return window.MenuItem(N("mBauteil"), i); }
    // The orientation buttons as they show, and as the program state records them.
    bool OrientationToolbarEnabled()
    {
        const bool shown = window.Toolbar(N("tlbOrientation"))->actions().value(0)->isEnabled();
        EXPECT_EQ(s.OrientationToolbarEnabled, shown);
        return shown;
    }

    QTemporaryDir dir;
    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window{s, dialogs, timers};
};

} // namespace

TEST_F(ShellWindow, EveryTextTargetCarriesItsString)
{
    ASSERT_EQ(Load(), 0);
    size_t n = 0;
    const TextBinding* table = MainWindowTexts(&n);
    ASSERT_GT(n, 130u);
    for (size_t i = 0; i < n; ++i) {
        const TextBinding& t = table[i];
        const QString name = N(t.name);
        const QString want = LoadResString(t.id);
        QString got;
        switch (t.target) {
        case TextTarget::MenuItem:
            ASSERT_NE(window.Menu(name), nullptr) << t.name;
            got = window.Menu(name)->text();
            break;
        case TextTarget::MenuArrayItem:
            ASSERT_NE(window.MenuItem(name, t.index), nullptr) << t.name << t.index;
            got = window.MenuItem(name, t.index)->text();
            break;
        case TextTarget::Label:
            ASSERT_NE(window.findChild<QLabel*>(name), nullptr) << t.name;
            got = window.findChild<QLabel*>(name)->text();
            break;
        case TextTarget::LineEditText:
            ASSERT_NE(window.findChild<QLineEdit*>(name), nullptr) << t.name;
            got = window.findChild<QLineEdit*>(name)->text();
            break;
        case TextTarget::ComboEntries: {
            auto* box = window.findChild<QComboBox*>(name);
            ASSERT_NE(box, nullptr);
            ASSERT_EQ(box->count(), t.index);
            for (int k = 0; k < t.index; ++k)
                EXPECT_EQ(box->itemText(k), LoadResString(t.id + k));
            got = box->itemText(0);
            break;
        }
        case TextTarget::ButtonCaption:
            ASSERT_NE(window.findChild<QAbstractButton*>(name), nullptr) << t.name;
            got = window.findChild<QAbstractButton*>(name)->text();
            break;
        case TextTarget::ToolTip:
            ASSERT_NE(Bar(t.toolbar, t.name), nullptr) << t.toolbar << " " << t.name;
            got = Bar(t.toolbar, t.name)->toolTip();
            break;
        }
        EXPECT_EQ(got, want) << t.name << " " << t.index;
        EXPECT_NE(got, N(t.placeholder)) << t.name << " keeps its placeholder";
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
    const QString gone = dir.filePath(N("gone"));
    SetValue("Verzeichnisse1", RegValue::Text(gone));
    SetValue("Verzeichnisse2", RegValue::Text(dir.path()));
    ASSERT_EQ(Load(), 0);
    EXPECT_EQ(s.ShowGrid, kTrue);
    EXPECT_TRUE(window.MenuItem(N("mAnsichtItem"), 3)->isChecked());
    EXPECT_TRUE(Bar("Toolbar", "cmdRaster")->isChecked());
    const QString work = QDir::cleanPath(Docs()) + N("/Gatrel/");
    EXPECT_TRUE(QDir(work).exists()) << "the working folder is created";
    EXPECT_EQ(s.Verzeichnisse[0], work) << "empty: no message";
    EXPECT_EQ(s.Verzeichnisse[1], work);
    EXPECT_EQ(s.Verzeichnisse[2], dir.path());
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
    t.settings.registryFiles = {dir.filePath(N("u2/Gatrel.conf")), dir.filePath(N("m2/Gatrel.conf"))};
    RegCreateKey(t.settings.registryFiles, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey));
    frmGatrel w(t, d, th);
    EXPECT_EQ(w.Form_Load(QString(), Docs(), dir.path()), 1);
    EXPECT_EQ(d.MessageTexts().back(), MissingPermissionsMessage());
}

TEST_F(ShellWindow, NoSettingsKeyEndsBeforeAnyWindow)
{
    ScriptedUserDialogs d;
    const RegistryLocations none{dir.filePath(N("x/a.conf")), dir.filePath(N("x/b.conf"))};
    EXPECT_FALSE(FindSettingsRoot(none, d));
    EXPECT_EQ(d.MessageTexts(), QStringList{N("Unable to load registry data.")});
    EXPECT_FALSE(QFile::exists(none.userFile));
    RegCreateKey(none, RegistryRoot::CurrentUser, QString::fromLatin1(kSettingsKey));
    RegCreateKey(none, RegistryRoot::LocalMachine, QString::fromLatin1(kSettingsKey));
    EXPECT_EQ(FindSettingsRoot(none, d), RegistryRoot::CurrentUser);
}

TEST_F(ShellWindow, TheCommandLineFileIsLoaded)
{
    const QString file = dir.filePath(N("adder.gtr"));
    {
        ProgramState other;
        ScriptedUserDialogs d;
        d.QueueSaveFile(file);
        ASSERT_TRUE(SaveFile(other, d, false));
    }
    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(s.objFile.FileName, file);
    EXPECT_TRUE(window.windowTitle().startsWith(N("adder")));
}

TEST_F(ShellWindow, AMissingCommandLineFileIsNamed)
{
    const QString file = dir.filePath(N("no such circuit.gtr"));
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
    EXPECT_TRUE(OrientationToolbarEnabled());
    Item(1)->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);
    EXPECT_TRUE(Bar("Toolbar2", "cmdLeitungen")->isChecked());

    // Quick-help mode: a palette click only explains itself.
    Bar("Toolbar", "cmdQuickHelp")->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::QuickHelp);
    EXPECT_FALSE(window.Menu(N("mBauelemente"))->isEnabled());
    Bar("Toolbar2", "cmdUND")->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::QuickHelp);
    EXPECT_EQ(window.picQuickHelp()->lblHeadline()->text(), N("UND-Baustein setzen"));
    EXPECT_FALSE(Bar("Toolbar2", "cmdUND")->isChecked());
    Bar("Toolbar", "cmdSave")->trigger();
    EXPECT_EQ(window.picQuickHelp()->lblHeadline()->text(), N("Datei sichern"));
    Bar("Toolbar", "cmdQuickHelp")->trigger();
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor) << "the tool before comes back";
    EXPECT_TRUE(window.Menu(N("mBauelemente"))->isEnabled());
    EXPECT_TRUE(Bar("Toolbar2", "cmdLeitungen")->isChecked()) << "the pressed palette key comes back";
}

TEST_F(ShellWindow, MenuItemsReachTheirCommands)
{
    ASSERT_EQ(Load(), 0);
    // Each modal dialog is closed as it shows; the first password is given when asked for.
    WindowsShown shown([](QDialog* d) {
        if (qobject_cast<frmPWChange*>(d) == nullptr)
            return false;
        for (const char* box : {"txtNewPW", "txtNewPW2"})
            d->findChild<QLineEdit*>(N(box))->setText(N("pw"));
        d->findChild<QPushButton*>(N("cmdOK"))->click();
        return true;
    });
    RecordingDesktop desktop;
    s.ports.desktop = &desktop;
    const auto booleanTab = [&] {
        auto* tools = window.findChild<frmBoolean*>();
        return tools && tools->isVisible() ? tools->findChild<QTabWidget*>(N("SSTab1"))->currentIndex() : -1;
    };
    const auto managerShown = [&] { return window.findChild<frmICAuswahl*>()->isVisible(); };
    window.MenuItem(N("mAnsichtItem"), 2)->setEnabled(true);
    struct Route {
        const char* bar; // null for a menu item
        const char* name;
        QStringList opened;
        std::function<bool()> reached;
    };
    const auto tab = [&](int t) { return [&booleanTab, t] { return booleanTab() == t; }; };
    const Route routes[] = {
        {nullptr, "mPrint", {N("frmDrucken")}, {}},
        {nullptr, "mNumberConversion", {N("frmNumberConversion")}, {}},
        // The tests run where no help is installed.
        {nullptr, "mHelp", {},
         [&] { return dialogs.MessageTexts().join(u'|').contains(N("help/gatrel.html does not exist.")); }},
        {nullptr, "mWeb", {}, [&] { return desktop.addresses.size() == 1; }},
        {nullptr, "mInfo", {N("frmInfo")}, {}},
        {nullptr, "mSynthese", {N("frmBoolean")}, tab(0)},
        {nullptr, "mBoolean", {}, tab(1)},
        {nullptr, "mTermCreation", {}, tab(2)},
        {nullptr, "mICAuswahl", {N("frmICAuswahl")}, [&] { return managerShown() && Bar("Toolbar", "cmdICAuswahl")->isChecked(); }},
        {nullptr, "mOptionen", {N("frmPWChange"), N("frmOptions")}, {}},
        {nullptr, "mOptionen", {N("frmPWCheck")}, {}},
        {nullptr, "mAnsichtItem", {N("frmAnalyse2"), N("frmAnalyse")}, {}},
        {"Toolbar", "cmdPrint", {N("frmDrucken")}, {}},
        {"Toolbar", "cmdSynthese", {}, tab(0)},
        {"Toolbar", "cmdTabelle", {}, tab(1)},
        {"Toolbar", "cmdICAuswahl", {}, [&] { return !managerShown() && !window.Menu(N("mICAuswahl"))->isChecked(); }},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.name);
        if (r.bar != nullptr)
            Bar(r.bar, r.name)->trigger();
        else if (QLatin1String(r.name) == QLatin1String("mAnsichtItem"))
            window.MenuItem(N(r.name), 2)->trigger();
        else
            window.Menu(N(r.name))->trigger();
        QApplication::processEvents();
        EXPECT_EQ(shown.Take(), r.opened);
        EXPECT_TRUE(!r.reached || r.reached());
    }

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

TEST_F(ShellWindow, CloseAsksYesNoCancel)
{
    ASSERT_EQ(Load(), 0);
    s.AutoStop = 4321;
    // Unchanged: no question, settings written.
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_TRUE(dialogs.Asked().empty());
    EXPECT_EQ(Value("AutoStop").number(), 4321);

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

    const QString file = dir.filePath(N("kept.gtr"));
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

TEST_F(ShellWindow, ShutDownStopsClocksAndEngineBeforeSaving)
{
    ASSERT_EQ(Load(), 0);
    window.Timer1().setEnabled(true);
    window.Timer2()[0]->setEnabled(true);
    s.engine.EngineBusy = kTrue;
    s.engine.PausedFlag = kTrue;
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_FALSE(window.Timer1().enabled());
    EXPECT_FALSE(window.Timer2()[0]->enabled());
    EXPECT_EQ(s.engine.PausedFlag, 0);
}

TEST_F(ShellWindow, IcManagerPositionsAreClampedTo16BitTwips)
{
    ASSERT_EQ(Load(), 0);
    window.Menu(N("mICAuswahl"))->trigger();
    auto* manager = window.findChild<frmICAuswahl*>();
    manager->setGeometry(3000, -2500, 640, 480);
    EXPECT_TRUE(window.Form_QueryUnload());
    EXPECT_EQ(Value("frmICAuswahlWindowX").number(), 32767);
    EXPECT_EQ(Value("frmICAuswahlWindowY").number(), -32768);
    EXPECT_EQ(Value("frmICAuswahlWindowWidth").number(), 9600);
    EXPECT_EQ(Value("frmICAuswahlWindowHeight").number(), 7200);
}

TEST_F(ShellWindow, SaveOnANewCircuitActsAsSaveAs)
{
    ASSERT_EQ(Load(), 0);
    const QString file = dir.filePath(N("first.gtr"));
    dialogs.QueueSaveFile(file);
    Bar("Toolbar", "cmdSave")->trigger();
    EXPECT_TRUE(QFile::exists(file));
    ASSERT_FALSE(dialogs.Asked().empty());
    EXPECT_EQ(dialogs.Asked().back().kind, ScriptedUserDialogs::Kind::SaveFile);

    // A recent file that fails to load leaves the current names alone.
    s.LastFiles[1] = dir.filePath(N("missing.gtr"));
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
        dialogs.QueueSaveFile(dir.filePath(name));
        window.Menu(N("mSaveBitmap"))->trigger();
        const QString written = dir.filePath(name.endsWith(N(".bmp")) ? name : name + N(".bmp"));
        EXPECT_FALSE(QImage(written, "BMP").isNull()) << typed;
        EXPECT_FALSE(QFile::exists(written + N(".bmp"))) << typed;
    }

    dialogs.QueueSaveFile(dir.filePath(N("and1")));
    window.Menu(N("mSaveAs"))->trigger();
    EXPECT_EQ(window.windowTitle(), N("and1.gtr - Gatrel"));
    dialogs.QueueOpenFile(dir.filePath(N("and1.gtr")));
    window.Menu(N("mOpen"))->trigger();
    EXPECT_EQ(window.windowTitle(), N("and1.gtr - Gatrel"));
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
}
