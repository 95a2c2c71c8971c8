#include "boolean/boolean_tools_logic.h"

#include "boolean/term_parts.h"
#include "model/records.h"
#include "platform/numeric.h"

#include <algorithm>

std::optional<QChar> FilterFormulaKey(QChar typed, bool termMode)
{
    if (typed == u' ' || typed == u'|')
        return std::nullopt;
    if (typed == u'^')
        return QChar(u'&');
    return termMode ? term::MapTermKey(typed) : typed;
}

QString ClampSpacing(int box, const QString& text)
{
    static constexpr std::array<std::array<int, 2>, 3> kLimits{{{3, 9}, {2, 7}, {2, 5}}};
    if (box < 0 || box > 2)
        return text;
    const auto [low, high] = kLimits[static_cast<std::size_t>(box)];
    const double value = Val(text);
    if (value < low)
        return QString::number(low);
    if (value > high)
        return QString::number(high);
    return text;
}

ToolsAvailability AvailableTools(const std::array<int16_t, 7>& features, ToolCode toolMode)
{
    ToolsAvailability a;
    a.tab[0] = toolMode != ToolCode::ICDefinitionView && features[0] != 0;
    a.tab[1] = features[1] != 0;
    a.tab[2] = features[2] != 0;
    a.simplify = features[3] != 0;
    a.termSynthesis = features[0] != 0;
    return a;
}

TabBehaviour TabBehaviourOf(int tab)
{
    static constexpr std::array<TabBehaviour, 3> kTabs{{
        {1530, "cmdErstellen"},
        {1504, "cmdTabelle"},
        {1505, "cmdTerm"},
    }};
    return kTabs[static_cast<std::size_t>(std::clamp(tab, 0, 2))];
}

void PreviewStrip::UpdateArrows()
{
    leftArrow = left < 0 ? kGreen : kGrey;
    rightArrow = left + width > containerWidth ? kGreen : kGrey;
}

void PreviewStrip::PressLeft()
{
    if (leftArrow != kGreen)
        return;
    leftArrow = kRed;
    const int moved = left + kStep;
    if (moved <= 0) {
        left = moved;
        rightArrow = kGreen;
    } else {
        left = 0;
        leftArrow = kGrey;
    }
}

void PreviewStrip::PressRight()
{
    if (rightArrow != kGreen)
        return;
    rightArrow = kRed;
    if (left + width - kStep >= containerWidth) {
        left -= kStep;
        leftArrow = kGreen;
    } else {
        left = containerWidth - width;
        rightArrow = kGrey;
    }
}

void PreviewStrip::Release()
{
    if (leftArrow == kRed)
        leftArrow = kGreen;
    if (rightArrow == kRed)
        rightArrow = kGreen;
}

void PreviewStrip::Drag(int dx)
{
    const int candidate = left + dx;
    if (candidate <= 0 && candidate + width > containerWidth) {
        left = candidate;
        leftArrow = kGreen;
        rightArrow = kGreen;
    } else if (candidate + width <= containerWidth && rightArrow != kGrey) {
        rightArrow = kGrey;
        leftArrow = kGreen;
    } else if (candidate > 0 && leftArrow != kGrey) {
        rightArrow = kGreen;
        leftArrow = kGrey;
    }
}
