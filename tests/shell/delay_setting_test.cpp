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

TEST(DelaySetting, TheBoxTextIsAppliedWithinZeroToHundred)
{
    struct Case {
        const char* typed;
        int16_t delay;
        const char* shown;
    };
    const Case cases[] = {
        {"250", 100, "100ms"},
        {"100", 100, "100ms"},
        {"-5", 0, "Off"},
        {"0.4", 0, "Off"},
        {"0.5", 0, "Off"}, // halves to the even neighbour
        {"0.6", 1, "1ms"},
        {"2.5", 2, "2ms"},
        {"3.5", 4, "4ms"},
        {"Off", 0, "Off"},
        {"", 0, "Off"},
        {"42ms", 42, "42ms"},
        {" 7", 7, "7ms"},
        // Far beyond 16 bits either way: clamped, no overflow.
        {"99999999999", 100, "100ms"},
        {"-99999999999", 0, "Off"},
        {"1e300", 100, "100ms"},
    };
    for (const Case& c : cases) {
        int16_t delay = 55;
        EXPECT_EQ(ApplyDelayText(delay, QString::fromLatin1(c.typed)), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(delay, c.delay) << c.typed;
    }
}

TEST(DelaySetting, SliderLabelNamesTheCyclesAndGreysOutOff)
{
    struct Case {
        int position;
        const char* text;
        int32_t colour;
    };
    const Case cases[] = {
        {0, "[Off]", 0x808080}, {1, "1 cycle", 0}, {2, "2 cycles", 0}, {7, "7 cycles", 0}, {30, "30 cycles", 0},
    };
    for (const Case& c : cases) {
        const DelaySliderCaption caption = DelaySliderLabel(c.position);
        EXPECT_EQ(caption.text, QString::fromLatin1(c.text)) << c.position;
        EXPECT_EQ(caption.colour, c.colour) << c.position;
    }
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
