#include "render/print_options.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/state.h"
#include "platform/numeric.h"

QStringList BuildICPageNames(const Circuit& s)
{
    QStringList names{QString()};
    for (int i = 1; i <= s.LevelUBound() && static_cast<size_t>(i) < s.Levels.size(); ++i) {
        const QString& name = s.Levels[static_cast<size_t>(i)].Name;
        if (!names.mid(1).contains(name))
            names.append(name);
    }
    return names;
}

std::optional<int> TypedCopies(const QString& text)
{
    const double value = RoundHalfEven(Val(text));
    if (!std::isfinite(value) || value <= 0 || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

QString CorrectedCopiesText(const QString& text)
{
    const double value = Val(text);
    if (value > kMaxCopies)
        return QString::number(kMaxCopies);
    if (!(value >= 1))
        return QStringLiteral("1");
    return text;
}

int CopiesToPrint(int copies)
{
    return std::clamp(copies, 1, kMaxCopies);
}

int QualityOfItem(int position)
{
    return -(position + 1);
}

int ColorModeOfItem(int position)
{
    return position == 1 ? 1 : 2;
}
