// What the window writes into the program state as its controls change, so
// that the core never reads a control back, and the ports it hands over.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <array>
#include <functional>

#include "model/ports/all_ports.h"
#include "support/keystrokes.h"
#include "window_rig.h"

namespace {

class WindowState : public WindowRig {
protected:
    static void TypeAfresh(QLineEdit* box, const char* text)
    {
        box->clear();
        keystrokes::Type(box, QString::fromLatin1(text));
    }
};

TEST_F(WindowState, ThePressedPaletteKeyIsRecordedHoweverItChanges)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* key; // "" when none is pressed
        int index;
    };
    const Step steps[] = {
        {"at start", [] {}, "cmdLeitungen", 3},
        {"a click on the palette", [&] { ClickAction("Toolbar2", "cmdSelect"); }, "cmdSelect", 1},
        {"pressed by the program", [&] { window.PressToolButton(QStringLiteral("cmdUND"), -1); }, "cmdUND", 11},
        {"pressed by number", [&] { window.PressToolButton(QString(), 20); }, "cmdIC", 20},
        {"released", [&] { window.ReleaseToolButton(QStringLiteral("cmdIC")); }, "", 0},
        {"a Components menu item", [&] { window.MenuItem(QStringLiteral("mBauteil"), 12)->trigger(); }, "cmdODER", 12},
        {"quick help makes plain buttons", [&] { ClickAction("Toolbar", "cmdQuickHelp"); }, "", 0},
        {"leaving it presses the key again", [&] { ClickAction("Toolbar", "cmdQuickHelp"); }, "cmdODER", 12},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.what);
        st.act();
        EXPECT_EQ(s.PressedToolKey, QString::fromLatin1(st.key));
        EXPECT_EQ(s.PressedToolIndex, st.index);
    }
}

TEST_F(WindowState, TheGateInputCountIsRecordedAsTyped)
{
    auto* box = Find<QLineEdit>("txtAnschlüsse");
    auto* up = Find<QToolButton>("UpDown1Up");
    EXPECT_EQ(s.GateInputsText, box->text());
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* text;
    };
    const Step steps[] = {
        {"typed", [&] { TypeAfresh(box, "7"); }, "7"},
        {"Enter checks it", [&] { keystrokes::Press(box, Qt::Key_Return); }, " 7"},
        {"typed too many", [&] {
             TypeAfresh(box, "40");
             keystrokes::Press(box, Qt::Key_Return);
         }, " 15"},
        {"the up-down writes its own count", [&] { QTest::mouseClick(up, Qt::LeftButton); }, "3"},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.what);
        st.act();
        EXPECT_EQ(box->text(), QString::fromLatin1(st.text));
        EXPECT_EQ(s.GateInputsText, box->text());
    }
}

// The command line's state is recorded in ControlPanel.CommandLineFormulasAndCommands.
TEST_F(WindowState, TheQuickHelpPointerIsRecorded)
{
    ClickAction("Toolbar", "cmdQuickHelp");
    EXPECT_EQ(s.WorksheetMousePointer, 14);
    EXPECT_EQ(window.picGrid()->MousePointer(), 14);
    ClickAction("Toolbar", "cmdQuickHelp");
    EXPECT_EQ(s.WorksheetMousePointer, window.picGrid()->MousePointer());
    // The orientation toolbar's state is recorded for every palette key in
    // ShellWindow.PaletteKeysSetToolPropertyPagesAndMenuCheck.
}

TEST(WindowPorts, AreHandedOverWithTheWindowAndTakenBackWithIt)
{
    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    const auto ports = [&s] {
        return std::array<const void*, 12>{s.ports.status,     s.ports.files,       s.ports.tools,  s.ports.power,
                                           s.ports.clockPanel, s.ports.clockTimers, s.ports.levels, s.ports.icView,
                                           s.ports.analyzer,   s.ports.worksheet,   s.ports.undo,   s.ports.probes};
    };
    {
        frmGatrel window(s, dialogs, timers);
        for (const void* port : ports())
            EXPECT_NE(port, nullptr);
        EXPECT_EQ(s.ports.status, static_cast<StatusPort*>(&window));
        EXPECT_EQ(s.ports.worksheet, static_cast<WorksheetPort*>(&window));
        // The panels answer for themselves.
        EXPECT_EQ(dynamic_cast<QObject*>(s.ports.power)->objectName(), QStringLiteral("picEinAus"));
        EXPECT_EQ(dynamic_cast<QObject*>(s.ports.levels)->objectName(), QStringLiteral("picIC"));
        EXPECT_EQ(dynamic_cast<QObject*>(s.ports.clockPanel)->objectName(), QStringLiteral("picEigenschaft3"));
        s.ports.levels->SetLevelLabel(QStringLiteral("IC7"));
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblLevel"))->text(), QStringLiteral("IC7"));
        s.ports.clockPanel->SetClockCyclesText(QStringLiteral("42"));
        EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtAnzTakte"))->text(), QStringLiteral("42"));
        s.ports.worksheet->SetSizeBoxes(60, 40);
        EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtX"))->text(), QStringLiteral("60"));
        EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtY"))->text(), QStringLiteral("40"));

        // The clock timers: member 0 always stays.
        ClockTimerPort& w = *s.ports.clockTimers;
        EXPECT_EQ(w.ClockTimerUBound(), 0);
        w.AddClockTimer();
        w.AddClockTimer();
        EXPECT_EQ(w.ClockTimerUBound(), 2);
        w.SetClockTimerInterval(2, 250);
        EXPECT_EQ(window.Timer2()[2]->interval(), 250);
        EXPECT_EQ(w.ClockTimerInterval(2), 250);
        for (int i = 0; i < 3; ++i)
            w.RemoveLastClockTimer();
        EXPECT_EQ(w.ClockTimerUBound(), 0);
        EXPECT_EQ(window.Timer2().size(), 1u);
        EXPECT_EQ(w.ClockTimerInterval(5), 0);
    }
    for (const void* port : ports())
        EXPECT_EQ(port, nullptr);
}

} // namespace
