#pragma once
// The Boolean tools window's rules that need no widget: the term box's key
// filter, the spacing boxes' limits, which tabs the feature switches and the
// IC-definition view allow, what each tab's caption and default button are,
// and the preview strip's scrolling with its arrows.
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "model/records.h"

// The character a typed key puts into the term box, or nothing when it is
// dropped. A "|" is dropped too: the history is stored joined by "|".
std::optional<QChar> FilterFormulaKey(QChar typed, bool termMode);

// The text of spacing box `box` (0 elements X, 1 elements Y, 2 switches)
// after it loses the focus: out-of-range values go to the nearest limit.
QString ClampSpacing(int box, const QString& text);

struct ToolsAvailability {
    std::array<bool, 3> tab{};  // synthesis, truth table, term synthesis
    bool simplify = false;      // the "Simplify" check box
    bool termSynthesis = false; // table to circuit on the term-synthesis tab
};
// From the feature switches 0..3 and the tool mode when the window loads.
ToolsAvailability AvailableTools(const std::array<int16_t, 7>& features, ToolCode toolMode);

struct TabBehaviour {
    int captionId;
    const char* defaultButton;
};
TabBehaviour TabBehaviourOf(int tab);

// The preview picture inside its clipping container, in twips; the arrows
// show grey, green or red.
struct PreviewStrip {
    static constexpr int32_t kGrey = 0xC0C0C0;
    static constexpr int32_t kGreen = 0x00FF00;
    static constexpr int32_t kRed = 0x0000FF;
    static constexpr int kStep = 300;

    int left = 0;
    int width = 0;
    int containerWidth = 0;
    int32_t leftArrow = kGrey;
    int32_t rightArrow = kGrey;

    void UpdateArrows();
    void PressLeft();
    void PressRight();
    void Release();
    // A drag by dx twips with the left button down.
    void Drag(int dx);
};
