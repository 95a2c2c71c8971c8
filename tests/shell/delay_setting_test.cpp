#include <gtest/gtest.h>

#include <QLineEdit>
#include <QToolButton>

#include "model/state.h"
#include "platform/timers.h"
#include "shell/delay_setting.h"
#include "shell/frmGatrel.h"
#include "support/scripted_user_dialogs.h"

TEST(DelaySetting, StepsStayWithinZeroToHundredAndShowOffAtZero)
{
    EXPECT_EQ(DelayStep(0, -1), 0);
    EXPECT_EQ(DelayStep(100, 1), 100);
    EXPECT_EQ(DelayStep(41, 1), 42);
    EXPECT_EQ(DelayText(0), QStringLiteral("Off"));
    EXPECT_EQ(DelayText(42), QStringLiteral("42ms"));
}

TEST(DelaySetting, TheUpAndDownButtonsSetTheEngineDelay)
{
    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window(s, dialogs, timers);
    auto* up = window.findChild<QToolButton*>(QString::fromUtf8("cmdVerzögerung0"));
    auto* down = window.findChild<QToolButton*>(QString::fromUtf8("cmdVerzögerung1"));
    auto* box = window.findChild<QLineEdit*>(QString::fromUtf8("txtVerzögerung"));
    ASSERT_TRUE(up && down && box);
    up->click();
    up->click();
    EXPECT_EQ(s.engine.DelaySetting, 2);
    EXPECT_EQ(box->text(), QStringLiteral("2ms"));
    down->click();
    down->click();
    down->click();
    EXPECT_EQ(s.engine.DelaySetting, 0);
    EXPECT_EQ(box->text(), QStringLiteral("Off"));
}
