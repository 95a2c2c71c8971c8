// The control panel, clock toolbar, zoom box, command line and side panels of
// the main window, driven by synthetic clicks and keys on virtual timers.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <functional>

#include "model/ports/power_port.h"
#include "placement/clsUndo.h"
#include "platform/string_table.h"
#include "simulation/engine.h"
#include "support/keystrokes.h"
#include "support/modal_driver.h"
#include "window_rig.h"

namespace {

const QString kClocks = QStringLiteral(GATREL_TEST_DATA "/clocks.gtr");
const QString kSwitchAndLed = QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr");
const QString kClockAndLed = QStringLiteral(GATREL_TEST_DATA "/sim/clock_and_led.gtr");

class ControlPanel : public WindowRig {
protected:
    ControlPanel()
    {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    // Typed into the box as a person would, after emptying it; an editable
    // combo box takes the keys itself.
    void Type(QWidget* box, const QString& text)
    {
        if (auto* combo = qobject_cast<QComboBox*>(box))
            combo->clearEditText();
        else
            static_cast<QLineEdit*>(box)->clear();
        keystrokes::Type(box, text);
    }
    void Enter(QWidget* w) { keystrokes::Press(w, Qt::Key_Return); }
    // Steps of a table: a click on w; text typed into the box, then Enter.
    static std::function<void()> Clicks(QWidget* w, int times = 1)
    {
        return [w, times] {
            for (int i = 0; i < times; ++i)
                QTest::mouseClick(w, Qt::LeftButton);
        };
    }
    std::function<void()> TypedThenEnter(QWidget* box, const char* text)
    {
        return [this, box, text] {
            Type(box, QString::fromLatin1(text));
            Enter(box);
        };
    }
    std::function<void()> TypedThenLeft(QWidget* box, const char* text)
    {
        return [this, box, text] {
            Type(box, QString::fromLatin1(text));
            Leave(box);
        };
    }
    // Moves the focus to the worksheet, which ends an entry.
    void Leave(QWidget* w)
    {
        window.picGrid()->setFocus();
        QApplication::processEvents();
        ASSERT_FALSE(w->hasFocus());
    }
    // Scripted waits for a delayed run: a clock that moves on at every look,
    // and a hook that runs once at the first pending-events run.
    void ScriptWaits(std::function<void()> atFirstPump)
    {
        pumps = 0;
        WaitHooks& h = window.engineContext().waitHooks;
        h.now = [this] { return clock += 0.01; };
        h.idle = {};
        h.pumpEvents = [this, atFirstPump] {
            if (++pumps == 1 && atFirstPump)
                atFirstPump();
        };
    }
    // The elements of a type on the worksheet.
    int Built(uint8_t type) const
    {
        int n = 0;
        for (int16_t e = 1; e <= s.circuit.ElementCount(); ++e)
            n += s.circuit.Elements[static_cast<size_t>(e)].Type == type ? 1 : 0;
        return n;
    }
    // The pause button's caption, the state label and (idle) the green lamp of
    // a paused or idle run; only a paused run can be continued, neither stopped.
    void ExpectRunControls(bool paused)
    {
        EXPECT_EQ(Button("cmdPause")->text(), LoadResString(paused ? 2573 : 2574));
        EXPECT_EQ(Find<QLabel>("lblOnOff")->text(), LoadResString(paused ? 2571 : 2572));
        EXPECT_EQ(Button("cmdPause")->isEnabled(), paused);
        EXPECT_FALSE(Button("cmdStop")->isEnabled());
        EXPECT_TRUE(paused || (Find("picRot")->isHidden() && !Find("picGrün")->isHidden()));
    }

    double clock = 0;
    int pumps = 0;
};

} // namespace

TEST_F(ControlPanel, DelayBoxAndItsStepButtons)
{
    Open(kSwitchAndLed);
    PowerOn();
    QLineEdit* box = Box("txtVerzögerung");
    auto* up = Find<QToolButton>("cmdVerzögerung0");
    auto* down = Find<QToolButton>("cmdVerzögerung1");
    ASSERT_TRUE(box->isVisibleTo(&window));
    EXPECT_EQ(box->text(), QStringLiteral("Off"));

    struct Step {
        const char* what;
        std::function<void()> act;
        const char* text;
        int16_t delay;
    };
    const Step steps[] = {
        {"down at 0", Clicks(down), "Off", 0},
        {"up from 0", Clicks(up), "1ms", 1},
        {"down from 1", Clicks(down), "Off", 0},
        {"25 up", Clicks(up, 25), "25ms", 25},
        {"250 and Enter", TypedThenEnter(box, "250"), "100ms", 100},
        {"up at 100", Clicks(up), "100ms", 100},
        {"-5 and leaving", TypedThenLeft(box, "-5"), "Off", 0},
        {"0.6 and Enter", TypedThenEnter(box, "0.6"), "1ms", 1},
        {"0.4 and Enter", TypedThenEnter(box, "0.4"), "Off", 0},
        {"Off typed back and left", TypedThenLeft(box, "Off"), "Off", 0},
        {"typing alone applies nothing", [&] { Type(box, QStringLiteral("40")); }, "40", 0},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.what);
        st.act();
        EXPECT_EQ(box->text(), QString::fromUtf8(st.text));
        EXPECT_EQ(s.engine.DelaySetting, st.delay);
    }
    Enter(box);
    EXPECT_EQ(s.engine.DelaySetting, 40);
    EXPECT_TRUE(window.picGrid()->hasFocus()) << "Enter hands the focus to the worksheet";
}

TEST_F(ControlPanel, PauseContinueStopAndPowerOffFollowADelayedRun)
{
    Open(kSwitchAndLed);
    PowerOn();
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(Find("cmdVerzögerung0"), Qt::LeftButton);
    ASSERT_EQ(s.engine.DelaySetting, 10);

    // Paused in the first wait of the run.
    ScriptWaits([&] {
        EXPECT_TRUE(Button("cmdPause")->isEnabled());
        EXPECT_TRUE(Button("cmdStop")->isEnabled());
        QTest::mouseClick(Button("cmdPause"), Qt::LeftButton);
    });
    ClickCell(2, 4);
    ASSERT_TRUE(s.engine.PausedFlag());
    ExpectRunControls(true);
    EXPECT_EQ(s.circuit.Levels[0].Field(14, 5).Value, kFalse) << "the run stopped half way";

    QTest::mouseClick(Button("cmdPause"), Qt::LeftButton);
    EXPECT_FALSE(s.engine.PausedFlag());
    ExpectRunControls(false);
    EXPECT_EQ(s.circuit.Levels[0].Field(14, 5).Value, kTrue) << "the run went on to the LED";

    // Stop while idle resets all the same.
    SetRunState(s.engine, s.ports.power, RunState::Paused);
    s.ports.power->SetPauseEnabled(true);
    s.ports.power->SetStopEnabled(true);
    QTest::mouseClick(Button("cmdStop"), Qt::LeftButton);
    ExpectRunControls(false);

    // Stopped or switched off in the first wait of a continued run: the queues
    // go and the panel shows the engine at rest; a stop keeps the levels reached.
    for (auto [button, power] : {std::pair{"cmdStop", kTrue}, {"cmdOff", kFalse}}) {
        ScriptWaits([&] { QTest::mouseClick(Button("cmdPause"), Qt::LeftButton); });
        ClickCell(2, 4);
        ScriptWaits([&] { QTest::mouseClick(Button(button), Qt::LeftButton); });
        QTest::mouseClick(Button("cmdPause"), Qt::LeftButton);
        EXPECT_EQ(s.engine.EngineBusy, kFalse);
        EXPECT_EQ(QueueCount(s.engine, 2), 0);
        EXPECT_EQ(s.engine.PowerFlag, power) << button;
        EXPECT_TRUE(power == kFalse || s.circuit.Levels[0].Field(14, 5).Value == kTrue) << "levels reached stay";
        ExpectRunControls(false);
    }
}

TEST_F(ControlPanel, CycleBoxKeepsTheCountWithinItsRange)
{
    Open(kClocks);
    PowerOn();
    ASSERT_EQ(s.SelectedClock, 0);
    QLineEdit* box = Box("txtAnzTakte");
    auto* up = Find<QToolButton>("cmdAnzTakte0");
    auto* down = Find<QToolButton>("cmdAnzTakte1");
    ASSERT_TRUE(box->isEnabled());
    EXPECT_EQ(box->text(), QStringLiteral("1"));

    struct Step {
        const char* what;
        std::function<void()> act;
        const char* text;
        int cycles;
    };
    const Step steps[] = {
        {"down at 1", Clicks(down), "1", 1},
        {"up", Clicks(up), "2", 2},
        {"150 typed", [&] { Type(box, QStringLiteral("150")); }, "15", 15},
        {"100 typed", [&] { Type(box, QStringLiteral("100")); }, "10", 10},
        {"007 typed", [&] { Type(box, QStringLiteral("007")); }, "7", 7},
        {"0 typed", [&] { Type(box, QStringLiteral("0")); }, "0", 1},
        {"0 left", [&] { Leave(box); }, "1", 1},
        {"98 typed and Enter", TypedThenEnter(box, "98"), "98", 98},
        {"up to 99", Clicks(up), "99", 99},
        {"up at 99", Clicks(up), "99", 99},
        {"down from 99", Clicks(down), "98", 98},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.what);
        st.act();
        EXPECT_EQ(box->text(), QString::fromUtf8(st.text));
        EXPECT_EQ(s.circuit.Clocks[0].ClockCycles, st.cycles);
    }
    EXPECT_TRUE(window.picGrid()->hasFocus()) << "Enter ends the entry";
    EXPECT_EQ(s.circuit.Clocks[1].ClockCycles, 10) << "only the selected generator";
}

TEST_F(ControlPanel, PhaseSlidersShowTheirSecondsAndCanBeLinked)
{
    Open(kClocks);
    PowerOn();
    ASSERT_EQ(s.SelectedClock, 0);
    Find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* slider0 = Find<QSlider>("Slider0");
    auto* slider1 = Find<QSlider>("Slider1");
    auto* link = Find<QCheckBox>("chkLink");
    QLabel* lbl0 = Find<QLabel>("lbl0");
    QLabel* lbl1 = Find<QLabel>("lbl1");
    ASSERT_TRUE(link->isChecked()) << "the file links generator 1's phases";
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_FALSE(link->isChecked());
    EXPECT_EQ(s.circuit.Clocks[0].ClockLinked, kFalse);

    struct Move {
        QSlider* slider;
        int position;
        const char* lbl0;
        const char* lbl1;
        int low, high;
    };
    const Move moves[] = {
        {slider0, 9500, "0.5s", "0.5s", 500, 500},
        {slider1, 8500, "0.5s", "1.5s", 500, 1500},
        {slider0, 10000, "0.0s", "1.5s", 0, 1500},
        {slider0, 9000, "1s", "1.5s", 1000, 1500},
        {slider1, 4500, "1s", "5.5s", 1000, 5500},
        {slider1, 0, "1s", "10s", 1000, 10000},
    };
    // Slider1 starts at the file's 500 ms high phase.
    slider1->setValue(9500);
    for (const Move& m : moves) {
        SCOPED_TRACE(m.position);
        m.slider->setValue(m.position);
        EXPECT_EQ(lbl0->text(), QString::fromLatin1(m.lbl0));
        EXPECT_EQ(lbl1->text(), QString::fromLatin1(m.lbl1));
        EXPECT_EQ(s.circuit.Clocks[0].ClockLow, m.low);
        EXPECT_EQ(s.circuit.Clocks[0].ClockHigh, m.high);
    }

    // Linking copies the high phase into the low one; then they move together.
    slider1->setValue(7000);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_TRUE(link->isChecked());
    EXPECT_EQ(s.circuit.Clocks[0].ClockLinked, kTrue);
    EXPECT_EQ(slider0->value(), 7000);
    EXPECT_EQ(s.circuit.Clocks[0].ClockLow, 3000);
    EXPECT_EQ(lbl0->text(), QStringLiteral("3s"));
    for (QSlider* moved : {slider0, slider1}) {
        const int p = moved == slider0 ? 8000 : 6000;
        moved->setValue(p);
        EXPECT_EQ(slider0->value(), p);
        EXPECT_EQ(slider1->value(), p);
        EXPECT_EQ(s.circuit.Clocks[0].ClockLow, 10000 - p);
        EXPECT_EQ(s.circuit.Clocks[0].ClockHigh, 10000 - p);
    }
}

TEST_F(ControlPanel, LedColourButtonsChooseTheNextLedsColour)
{
    ClickAction("Toolbar2", "cmdDiode");
    ASSERT_TRUE(Find("picEigenschaft1")->isVisible());
    // Colours as the buttons show them, &HBBGGRR.
    const int32_t colours[9] = {0xFF, 0xFFFF, 0xFF00, 0xFF0000, 0xFFFF00, 0xFF00FF, 0x80FF, 0x808080, 0};
    for (int i : {3, 0, 8, 6, 1, 2, 4, 5, 7}) {
        SCOPED_TRACE(i);
        QTest::mousePress(Find(QStringLiteral("cmdColor%1").arg(i).toLatin1().constData()), Qt::LeftButton);
        EXPECT_EQ(s.LEDColor, colours[i]);
        for (int k = 0; k < 9; ++k) {
            auto* f = Find<QFrame>(QStringLiteral("cmdColor%1").arg(k).toLatin1().constData());
            EXPECT_EQ(f->frameShadow(), k == i ? QFrame::Sunken : QFrame::Raised) << k;
            const QColor shown = f->palette().color(QPalette::Window);
            EXPECT_EQ(shown.red() | shown.green() << 8 | shown.blue() << 16, colours[k]) << k;
        }
    }
    QTest::mousePress(Find("cmdColor3"), Qt::LeftButton);
    ClickCell(10, 10);
    ASSERT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_EQ(s.circuit.Elements[1].Color, 0xFF0000) << "the next LED lights blue";
}

TEST_F(ControlPanel, DecoderClockInputAndDelaySliderFollowTheirControls)
{
    ClickAction("Toolbar2", "cmdDecoder");
    auto* clockInput = Find<QCheckBox>("chkTakteingang");
    ASSERT_TRUE(clockInput->isVisible());
    for (int16_t want : {kTrue, kFalse, kTrue}) {
        QTest::mouseClick(clockInput, Qt::LeftButton);
        EXPECT_EQ(s.DecoderClockInput, want);
    }

    auto* slider = Find<QSlider>("sldDelay");
    QLabel* label = Find<QLabel>("lblDelay");
    const auto textColour = [&] {
        label->ensurePolished();
        return label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
    };
    struct Position {
        int at;
        QString text;
        QRgb colour;
    };
    for (const Position& p : {Position{1, LoadResString(2707), 0x000000},
                              Position{7, LoadResString(2708).replace(QLatin1String("%1"), QLatin1String("7")), 0},
                              Position{0, LoadResString(2553), 0x808080}, Position{30, QStringLiteral("30 cycles"), 0}}) {
        SCOPED_TRACE(p.at);
        keystrokes::Press(slider, Qt::Key_Home);
        for (int i = 0; i < p.at; ++i)
            keystrokes::Press(slider, Qt::Key_Right);
        EXPECT_EQ(slider->value(), p.at);
        EXPECT_EQ(label->text(), p.text);
        EXPECT_EQ(textColour(), p.colour);
    }
    // A tool change puts the slider back.
    ClickAction("Toolbar2", "cmdUND");
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(label->text(), LoadResString(2553));
    EXPECT_EQ(textColour(), 0x808080u);
}

TEST_F(ControlPanel, ClockToolbarRunsStopsAndStopsAll)
{
    Open(kClocks);
    PowerOn();
    ASSERT_EQ(s.circuit.ClockCount, 3);
    auto& timer = window.Timer2();
    struct Buttons {
        bool run, single, stop, fullStop;
    };
    const auto expectButtons = [&](Buttons b) {
        EXPECT_EQ(Action("Toolbar3", "cmdDauertakt")->isEnabled(), b.run);
        EXPECT_EQ(Action("Toolbar3", "cmdEinzeltakt")->isEnabled(), b.single);
        EXPECT_EQ(Action("Toolbar3", "cmdStop")->isEnabled(), b.stop);
        EXPECT_EQ(Action("Toolbar3", "cmdFullStop")->isEnabled(), b.fullStop);
    };
    // Output changes of generator k while time moves on in small steps.
    const auto changesOver = [&](int k, int ms) {
        int changes = 0;
        for (int t = 0; t < ms; t += 10) {
            const int16_t was = s.circuit.Clocks[static_cast<size_t>(k)].ClockOutputHigh;
            timers.Advance(10);
            changes += s.circuit.Clocks[static_cast<size_t>(k)].ClockOutputHigh != was;
        }
        return changes;
    };
    // Generator 2's cells; generator 1's at (2, 2).
    const auto select = [&](int k) {
        ClickCell(2, k == 0 ? 2 : 5);
        ASSERT_EQ(s.SelectedClock, k);
    };
    expectButtons({true, true, false, false});

    {
        SCOPED_TRACE("continuous run of generator 1");
        ClickAction("Toolbar3", "cmdDauertakt");
        EXPECT_EQ(timer[0]->Tag, QStringLiteral("Dauertakt"));
        EXPECT_TRUE(timer[0]->enabled());
        EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 0);
        expectButtons({false, false, true, true});
        EXPECT_GE(changesOver(0, 3000), 5);
        EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 0) << "never ends by itself";
    }
    {
        SCOPED_TRACE("stop it");
        ClickAction("Toolbar3", "cmdStop");
        EXPECT_EQ(timer[0]->Tag, QStringLiteral("Stop"));
        EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 4);
        expectButtons({true, true, false, false});
        changesOver(0, 1200);
        EXPECT_FALSE(timer[0]->enabled());
        EXPECT_EQ(s.circuit.Clocks[0].ClockOutputHigh, kFalse);
        EXPECT_EQ(changesOver(0, 2000), 0);
    }
    {
        SCOPED_TRACE("single run of one cycle");
        ClickAction("Toolbar3", "cmdEinzeltakt");
        EXPECT_EQ(timer[0]->Tag, QStringLiteral("Einzeltakt"));
        EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 1);
        expectButtons({false, false, true, true});
        EXPECT_EQ(changesOver(0, 3000), 2) << "one high phase";
        EXPECT_FALSE(timer[0]->enabled());
        EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 0);
        EXPECT_TRUE(Action("Toolbar3", "cmdDauertakt")->isEnabled());
        EXPECT_FALSE(Action("Toolbar3", "cmdStop")->isEnabled());
    }
    {
        SCOPED_TRACE("two running: stopping one leaves stop-all");
        ClickAction("Toolbar3", "cmdDauertakt");
        select(1);
        expectButtons({true, true, false, true});
        ClickAction("Toolbar3", "cmdDauertakt");
        ClickAction("Toolbar3", "cmdStop");
        expectButtons({true, true, false, true});
        select(0);
        EXPECT_FALSE(Action("Toolbar3", "cmdDauertakt")->isEnabled());
        ClickAction("Toolbar3", "cmdStop");
        expectButtons({true, true, false, false});
        changesOver(0, 3000);
        EXPECT_FALSE(timer[0]->enabled());
        EXPECT_FALSE(timer[1]->enabled());
    }
    {
        SCOPED_TRACE("stop all");
        ClickAction("Toolbar3", "cmdDauertakt");
        select(1);
        ClickAction("Toolbar3", "cmdEinzeltakt");
        EXPECT_EQ(s.circuit.Clocks[1].ClockCounter, 1) << "a fresh counted run after a stop";
        ClickAction("Toolbar3", "cmdFullStop");
        expectButtons({true, true, false, false});
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(timer[k]->Tag, QStringLiteral("Stop"));
            EXPECT_EQ(s.circuit.Clocks[k].ClockCounter, (s.circuit.Clocks[k].ClockCycles + 1) * 2);
        }
        changesOver(0, 3000);
        for (size_t k = 0; k < 3; ++k)
            EXPECT_FALSE(timer[k]->enabled()) << k;
    }
}

TEST_F(ControlPanel, ZoomButtonsAndZoomBox)
{
    auto* box = Find<QComboBox>("cmbZoom");
    EXPECT_EQ(box->currentText(), QStringLiteral("100%"));
    for (int want : {120, 140, 160, 180, 200, 220, 240, 250, 250}) {
        ClickAction("tlbZoomInOut", "cmdZoomIn");
        EXPECT_EQ(box->currentText(), QStringLiteral("%1%").arg(want));
    }
    EXPECT_FLOAT_EQ(s.GridMode, 2.5f);
    for (int want : {229, 209, 189, 169, 149, 129, 109, 89, 69, 60, 60}) {
        ClickAction("tlbZoomInOut", "cmdZoomOut");
        EXPECT_EQ(box->currentText(), QStringLiteral("%1%").arg(want));
    }
    EXPECT_FLOAT_EQ(s.GridMode, 0.6f);

    struct Entry {
        const char* typed;
        bool enter;
        const char* text;
        float factor;
    };
    const Entry entries[] = {
        {"150", true, "150%", 1.5f},   {"30", true, "60%", 0.6f},    {"400", true, "250%", 2.5f},
        {"abc", true, "60%", 0.6f},    {"130", false, "60%", 0.6f},  {"125%", true, "125%", 1.25f},
        {"200", false, "125%", 1.25f},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.typed);
        Type(box, QString::fromLatin1(e.typed));
        if (e.enter)
            Enter(box);
        else
            Leave(box);
        EXPECT_EQ(box->currentText(), QString::fromLatin1(e.text));
        EXPECT_FLOAT_EQ(s.GridMode, e.factor);
    }
    // An entry chosen from the list applies at once.
    keystrokes::Press(box, Qt::Key_Down);
    EXPECT_NE(box->currentIndex(), -1);
    EXPECT_EQ(box->currentText(), box->itemText(box->currentIndex()));
    EXPECT_FLOAT_EQ(s.GridMode, box->itemText(box->currentIndex()).chopped(1).toFloat() / 100);
    const int width = window.picGrid()->width();
    ClickAction("tlbZoomInOut", "cmdZoomIn");
    EXPECT_GT(window.picGrid()->width(), width) << "the worksheet is drawn at the new zoom";
}

TEST_F(ControlPanel, CommandLineFormulasAndCommands)
{
    WindowsShown shown;
    int abouts = 0;
    auto* cmdFormel = Find<QToolButton>("cmdFormel");
    auto* cmbFormel = Find<QComboBox>("cmbFormel");
    QWidget* container = Find("picContainer");
    QAction* panel5 = Action("Toolbar", "cmdPanel5");
    ASSERT_TRUE(cmbFormel->isHidden()) << "the line starts closed";
    EXPECT_FALSE(s.FormelPanelOpen);
    const int closedTop = container->y();

    ClickAction("Toolbar", "cmdPanel5");
    EXPECT_TRUE(s.FormelPanelOpen);
    for (const char* name : {"cmdFormel", "cmbFormel", "cmdCloseFormel"})
        EXPECT_TRUE(Find(name)->isVisible()) << name;
    EXPECT_TRUE(panel5->isChecked());
    EXPECT_TRUE(window.MenuItem(QStringLiteral("mPanel"), 5)->isChecked());
    const int openTop = container->y();
    EXPECT_GT(openTop, closedTop);

    QTest::mouseClick(cmdFormel, Qt::LeftButton);
    ASSERT_TRUE(cmdFormel->isChecked());
    struct Typed {
        const char* keys;
        const char* shown;
    };
    for (const Typed& t : {Typed{"a v b 8 c 6 d 9", "A v B ( C & D )"}, Typed{"x V y", "X v Y"},
                           Typed{"formel 0", "FORMEL 0"}}) {
        Type(cmbFormel, QString::fromLatin1(t.keys));
        EXPECT_EQ(cmbFormel->currentText(), QString::fromLatin1(t.shown));
    }
    Enter(cmbFormel);
    EXPECT_FALSE(cmdFormel->isChecked()) << "FORMEL 0 leaves formula mode";
    EXPECT_EQ(Built(ElementType::AND), 0);

    QTest::mouseClick(cmdFormel, Qt::LeftButton);
    Type(cmbFormel, QStringLiteral("a 6 b"));
    Enter(cmbFormel);
    EXPECT_EQ(Built(ElementType::AND), 1);
    EXPECT_EQ(cmbFormel->findText(QStringLiteral("A & B")), 0) << "kept in the list";

    // New circuits are withdrawn while the power is on.
    PowerOn();
    Type(cmbFormel, QStringLiteral("c v d"));
    Enter(cmbFormel);
    EXPECT_EQ(Built(ElementType::OR), 0);
    PowerOff();
    QTest::mouseClick(cmdFormel, Qt::LeftButton);
    ASSERT_FALSE(cmdFormel->isChecked());

    struct Command {
        const char* text;
        int abouts;
    };
    for (const Command& c : {Command{"INFO", 1}, Command{"Info", 2}, Command{"info", 3}, Command{" info", 3},
                             Command{"", 3}, Command{"debug p", 3}}) {
        SCOPED_TRACE(c.text);
        Type(cmbFormel, QString::fromLatin1(c.text));
        Enter(cmbFormel);
        // The desktop gives the window back its activation once the about box is closed.
        QApplication::setActiveWindow(&window);
        abouts += static_cast<int>(shown.Take().count(QStringLiteral("frmInfo")));
        EXPECT_EQ(abouts, c.abouts);
        EXPECT_TRUE(cmbFormel->hasFocus()) << "the focus comes back to the line";
    }
    EXPECT_EQ(Built(ElementType::AND), 1) << "commands build nothing";

    // "save" asks for a name; "open" asks for a file, but not while the power is on.
    const QString saved = settingsDir.filePath(QStringLiteral("line.gtr"));
    dialogs.QueueSaveFile(saved);
    Type(cmbFormel, QStringLiteral("Save"));
    Enter(cmbFormel);
    EXPECT_TRUE(QFile::exists(saved));
    PowerOn();
    const size_t asked = dialogs.Asked().size();
    Type(cmbFormel, QStringLiteral("open"));
    Enter(cmbFormel);
    // Nor "save": the worksheet may be showing an IC's inside.
    Type(cmbFormel, QStringLiteral("save"));
    Enter(cmbFormel);
    EXPECT_EQ(dialogs.Asked().size(), asked);
    PowerOff();
    dialogs.QueueOpenFile(kClocks);
    Type(cmbFormel, QStringLiteral("OPEN"));
    Enter(cmbFormel);
    EXPECT_EQ(s.circuit.MaxX, 10) << "the chosen circuit is open";
    EXPECT_TRUE(dialogs.AllAnswersUsed());

    QLabel* time = Find<QLabel>("lblTime");
    const bool hidden = time->isHidden();
    Type(cmbFormel, QStringLiteral("timelabel"));
    Enter(cmbFormel);
    EXPECT_EQ(time->isHidden(), !hidden);
    Enter(cmbFormel);
    EXPECT_EQ(time->isHidden(), hidden);

    ASSERT_GT(cmbFormel->count(), 0);
    Type(cmbFormel, QStringLiteral("clear"));
    Enter(cmbFormel);
    EXPECT_EQ(cmbFormel->count(), 0);

    QTest::mouseClick(Find("cmdCloseFormel"), Qt::LeftButton);
    EXPECT_FALSE(s.FormelPanelOpen);
    for (const char* name : {"cmdFormel", "cmbFormel", "cmdCloseFormel"})
        EXPECT_TRUE(Find(name)->isHidden()) << name;
    EXPECT_FALSE(panel5->isChecked());
    EXPECT_FALSE(window.MenuItem(QStringLiteral("mPanel"), 5)->isChecked());
    EXPECT_EQ(container->y(), openTop - cmbFormel->height() - 2) << "up by the line's room";
    EXPECT_EQ(container->y(), closedTop);
}

// A term typed in formula mode becomes the circuit; one it cannot draw leaves the circuit alone.
TEST_F(ControlPanel, FormulaTermsAreDrawnWithTheirBlanksDroppedAndKeptAsTyped)
{
    ClickAction("Toolbar", "cmdPanel5");
    QTest::mouseClick(Find<QToolButton>("cmdFormel"), Qt::LeftButton);
    auto* cmbFormel = Find<QComboBox>("cmbFormel");
    Type(cmbFormel, QStringLiteral("a 6 8b v c9"));
    Enter(cmbFormel);
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'/').toStdString();
    EXPECT_EQ(Built(ElementType::Switch), 3);
    EXPECT_EQ(Built(ElementType::AND), 1);
    EXPECT_EQ(Built(ElementType::OR), 1);
    EXPECT_EQ(Built(ElementType::LED), 1);
    EXPECT_GE(cmbFormel->findText(QStringLiteral("A & (B v C)")), 0) << "the history keeps the text as typed";
    EXPECT_TRUE(window.objUndo().NoUndoData());
    EXPECT_EQ(s.FileSaved, kFalse);

    // An invalid term asks nothing about saving and keeps the circuit.
    const int16_t elements = s.circuit.ElementCount();
    Type(cmbFormel, QStringLiteral("a66b"));
    Enter(cmbFormel);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("Invalid use of operators.")});
    EXPECT_EQ(s.circuit.ElementCount(), elements);
    EXPECT_EQ(Built(ElementType::OR), 1);
}

TEST_F(ControlPanel, PanelCloseAndMinimiseButtons)
{
    QTest::mouseClick(Find("cmdClose4"), Qt::LeftButton);
    EXPECT_EQ(s.settings.PanelVisible[3], 0);
    EXPECT_TRUE(Find("picZoom")->isHidden());
    EXPECT_FALSE(Action("Toolbar", "cmdPanel3")->isChecked());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window.MenuItem(QStringLiteral("mPanel"), i)->isChecked(), i != 3) << i;
        if (i != 3) {
            EXPECT_EQ(s.settings.PanelVisible[static_cast<size_t>(i)], -1) << i;
            EXPECT_FALSE(window.Panel(i)->isHidden()) << i;
        }
    }

    QWidget* size = Find("picSize");
    QWidget* below = Find("picIC");
    auto* min = Find<QToolButton>("cmdMin1");
    for (auto [pressed, height, state] : {std::tuple{true, 25, 1}, {false, 50, -1}, {true, 25, 1}, {false, 50, -1}}) {
        SCOPED_TRACE(height);
        QTest::mouseClick(min, Qt::LeftButton);
        EXPECT_EQ(min->isChecked(), pressed);
        EXPECT_EQ(size->height(), height);
        EXPECT_EQ(s.settings.PanelVisible[2], state);
        EXPECT_EQ(below->y(), size->y() + height + 3) << "the column closes up";
    }

    // The IC page switches between preview and notes.
    QWidget* preview = Find("picICVorschau");
    QWidget* notes = Find("txtNotizen");
    QLabel* caption = Find<QLabel>("lblAllgemein15");
    for (bool showNotes : {true, false, true}) {
        QTest::mouseClick(Find("cmdChange"), Qt::LeftButton);
        EXPECT_EQ(preview->isHidden(), showNotes);
        EXPECT_EQ(notes->isHidden(), !showNotes);
        EXPECT_EQ(caption->text(), LoadResString(showNotes ? 2852 : 2552) + u':');
    }

    // The control panel has no minimise action.
    QWidget* control = Find("picEinAus");
    const int controlHeight = control->height();
    window.cmdMin_Click(3, true);
    EXPECT_EQ(control->height(), controlHeight);
    EXPECT_EQ(s.settings.PanelVisible[0], -1);
}

// A clock generator drives an LED; a run of three cycles lights it three times.
TEST_F(ControlPanel, ASingleRunOfThreeCyclesBlinksTheLedThreeTimes)
{
    Open(kClockAndLed);
    PowerOn();
    ASSERT_EQ(s.circuit.ClockCount, 1);
    const int high = s.circuit.Clocks[0].ClockHigh, low = s.circuit.Clocks[0].ClockLow;
    ASSERT_EQ(high, 300);
    ASSERT_EQ(low, 200);
    QLineEdit* cycles = Box("txtAnzTakte");
    Type(cycles, QStringLiteral("3"));
    Enter(cycles);
    ASSERT_EQ(s.circuit.Clocks[0].ClockCycles, 3);
    const auto led = [&] { return s.circuit.Levels[0].Field(12, 5).Value != 0; };
    ASSERT_FALSE(led());

    const int64_t start = timers.Now();
    ClickAction("Toolbar3", "cmdEinzeltakt");
    struct Change {
        int64_t at;
        bool lit;
    };
    std::vector<Change> changes;
    bool was = led();
    int mismatches = 0;
    for (int ms = 0; ms < 5000; ++ms) {
        timers.Advance(1);
        if (led() != was) {
            was = led();
            changes.push_back({timers.Now(), was});
        }
        // After every tick the LED shows what the generator puts out.
        mismatches += led() != (s.circuit.Clocks[0].ClockOutputHigh != 0);
    }
    EXPECT_EQ(mismatches, 0);
    ASSERT_EQ(changes.size(), 6u);
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(changes[i].lit, i % 2 == 0);
        const int64_t since = changes[i].at - (i == 0 ? start : changes[i - 1].at);
        // One step-timer millisecond after each clock tick.
        EXPECT_NEAR(static_cast<double>(since), i == 0 ? low + 1 : (changes[i].lit ? low : high), 2.0);
    }
    EXPECT_FALSE(window.Timer2()[0]->enabled()) << "the run ended by itself";
    EXPECT_EQ(s.circuit.Clocks[0].ClockCounter, 0);
    EXPECT_TRUE(Action("Toolbar3", "cmdEinzeltakt")->isEnabled());
    EXPECT_FALSE(Action("Toolbar3", "cmdStop")->isEnabled());
}
