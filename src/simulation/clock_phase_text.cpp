#include "simulation/clock_phase_text.h"

#include <algorithm>

#include "platform/numeric.h"

QString PhaseSliderText(int position)
{
    const int p = std::clamp(position, 0, kPhaseSliderMax);
    const int tenths = static_cast<int>(Int((kPhaseSliderMax - p) / 1000.0 * 10));
    QString t;
    if (tenths % 10 == 0)
        t = QString::number(tenths / 10);
    else // no digit before the point below one second: ".5"
        t = (tenths >= 10 ? QString::number(tenths / 10) : QString()) + u'.' + QString::number(tenths % 10);
    t += u's';
    if (p > 9000)
        t.prepend(u'0');
    if (t == QLatin1String("00s"))
        t = QStringLiteral("0.0s");
    return t;
}
