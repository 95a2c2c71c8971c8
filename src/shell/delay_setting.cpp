#include "shell/delay_setting.h"

#include <algorithm>

#include "platform/numeric.h"
#include "platform/string_table.h"

int16_t DelayStep(int16_t delay, int step)
{
    return static_cast<int16_t>(std::clamp(delay + step, 0, 100));
}

QString DelayText(int16_t delay)
{
    return delay == 0 ? LoadResString(2557) : QString::number(delay) + QStringLiteral("ms");
}

int16_t DelayFromText(const QString& text)
{
    // Clamped first: a long number typed into the box must not overflow the conversion.
    return CInt(std::clamp(Val(text), 0.0, 100.0));
}

QString ApplyDelayText(int16_t& delaySetting, const QString& text)
{
    delaySetting = DelayFromText(text);
    return DelayText(delaySetting);
}

DelaySliderCaption DelaySliderLabel(int position)
{
    if (position <= 0)
        return {LoadResString(2553), 0x808080};
    if (position == 1)
        return {LoadResString(2707), 0};
    return {LoadResString(2708).replace(QStringLiteral("%1"), QString::number(position)), 0};
}
