#include "shell/delay_setting.h"

#include <algorithm>

#include "platform/string_table.h"

int16_t DelayStep(int16_t delay, int step)
{
    return static_cast<int16_t>(std::clamp(delay + step, 0, 100));
}

QString DelayText(int16_t delay)
{
    return delay == 0 ? LoadResString(2557) : QString::number(delay) + QStringLiteral("ms");
}
