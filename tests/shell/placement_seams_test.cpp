// What the placing routines read and change through the main window: the
// gate-inputs box and the clock timers.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "model/ports/clock_timer_port.h"
#include "model/state.h"
#include "platform/timers.h"
#include "shell/frmGatrel.h"
#include "support/scripted_user_dialogs.h"

namespace {

TEST(MainWindowSeams, GateInputsBoxAndClockTimers)
{
    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window(s, dialogs, timers);

    window.findChild<QLineEdit*>(QString::fromUtf8("txtAnschlüsse"))->setText(QStringLiteral("7"));
    EXPECT_EQ(s.GateInputsText, QStringLiteral("7"));

    ClockTimerPort& w = *s.ports.clockTimers;
    EXPECT_EQ(w.ClockTimerUBound(), 0);
    w.AddClockTimer();
    w.AddClockTimer();
    EXPECT_EQ(w.ClockTimerUBound(), 2);
    w.SetClockTimerInterval(2, 250);
    EXPECT_EQ(window.Timer2()[2]->interval(), 250);
    EXPECT_EQ(w.ClockTimerInterval(2), 250);
    w.RemoveLastClockTimer();
    w.RemoveLastClockTimer();
    w.RemoveLastClockTimer(); // member 0 stays
    EXPECT_EQ(w.ClockTimerUBound(), 0);
    EXPECT_EQ(window.Timer2().size(), 1u);
    EXPECT_EQ(w.ClockTimerInterval(5), 0);
}

} // namespace
