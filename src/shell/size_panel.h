#pragma once
// The worksheet panel picSize: the size boxes txtX and txtY with their step
// buttons. Enter or leaving a box applies both boxes; a step goes by five.
#include <array>
#include <cstdint>

#include "shell/side_panel.h"

class QLineEdit;
class QToolButton;
struct Circuit;
struct Ports;
struct SizeBoxTexts;

class SizePanel : public SidePanel {
    Q_OBJECT
public:
    // The boxes resize circuit and redraw through ports.worksheet.
    SizePanel(Circuit& circuit, const Ports& ports, QWidget* parent);

    QLineEdit* txtX = nullptr;
    QLineEdit* txtY = nullptr;
    std::array<QToolButton*, 2> updSizeX{}; // up, down
    std::array<QToolButton*, 2> updSizeY{};

    void SetSizeBoxes(int16_t maxX, int16_t maxY);
    void txtX_GotFocus();
    void txtY_GotFocus();
    // Enter (13), or leaving a box: both boxes applied. Other keys pass.
    void txtX_KeyPress(int keyAscii);
    void txtY_KeyPress(int keyAscii);
    void txtX_LostFocus();
    void txtY_LostFocus();
    // Five up or down, then applied as on Enter.
    void updSizeX_UpClick();
    void updSizeX_DownClick();
    void updSizeY_UpClick();
    void updSizeY_DownClick();
    // The step buttons, and the boxes, as the mode allows.
    void SetStepsEnabled(bool enabled);
    void SetBoxesEnabled(bool enabled);

private:
    void ShowSize(const SizeBoxTexts& texts);

    Circuit& circuit_;
    const Ports& ports_;
};
