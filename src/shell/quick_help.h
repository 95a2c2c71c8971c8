#pragma once
// Quick help of the main window without widgets: the text table, where the
// box goes for each key, its size from its two labels, and the toggle states
// of the toolbars kept while the mode lasts. Lengths are twips.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct QuickHelpText {
    QString headline;
    QString body; // lines joined by "\r\n"
};

// Exact, case-sensitive lookup; an unknown key gets the default pair.
QuickHelpText QuickHelpFor(const QString& key);

// The headline and body the worksheet shows for itself (key "picGrid").
QuickHelpText WorksheetQuickHelp();

enum class QuickHelpGroup {
    None,            // the box keeps its last position
    MainToolbar,     // below the button of Toolbar
    Toolbox,         // below the button of Toolbar2
    Worksheet,       // at the cell under the mouse
    PowerButton,     // below the control panel, under cmdOn / cmdOff
    CloseButton,     // below cmdClose(index) of a side panel
    ControlPanel,    // below picEinAus
    PropertiesPanel, // below picEigenschaften
};

QuickHelpGroup QuickHelpGroupFor(const QString& key);

struct QuickHelpGeometry {
    // Toolbars, and the left of the clicked button inside its toolbar.
    double toolbarLeft = 0, toolbarTop = 0, toolbarHeight = 0;
    double toolbar2Left = 0, toolbar2Top = 0, toolbar2Height = 0;
    double buttonLeft = 0;
    // Worksheet: the container, the picture inside it (negative when
    // scrolled) and GridToPixel of CursorX / CursorY in pixels.
    double containerLeft = 0, containerTop = 0;
    double pictureLeft = 0, pictureTop = 0;
    double cellCentreX = 0, cellCentreY = 0;
    double tpx = 15, tpy = 15;
    // The panel column and its panels.
    double columnLeft = 0, columnTop = 0;                       // picPropContainer
    double einAusLeft = 0, einAusTop = 0, einAusHeight = 0;     // picEinAus
    double powerButtonLeft = 0;                                 // cmdOn or cmdOff in picEinAus
    double eigenschaftenTop = 0, eigenschaftenHeight = 0;       // picEigenschaften
    // cmdClose(i), and the top of the panel each sits on: picEigenschaften,
    // picSize, picIC, picEinAus, picZoom for i = 0..4.
    std::array<double, 5> closeLeft{}, closeTop{}, closeHeight{}, closePanelTop{};
    // The window's client area and the box as it is now (already sized to
    // its new captions).
    double windowWidth = 0, windowHeight = 0;
    double boxLeft = 0, boxTop = 0, boxWidth = 0, boxHeight = 0;
};

struct QuickHelpPlace {
    double left = 0, top = 0;
};

// Where the box goes for a request with key and index (index only counts for
// "cmdClose"); always inside the client area when the box fits into it.
QuickHelpPlace QuickHelpPosition(const QString& key, int16_t index, const QuickHelpGeometry& g);

struct QuickHelpLabels {
    double headlineLeft = 0, headlineWidth = 0;
    double textLeft = 0, textTop = 0, textWidth = 0, textHeight = 0;
};

struct QuickHelpSize {
    double width = 0, height = 0;
};

// The box's size around its two labels.
QuickHelpSize ResizeQuickHelp(const QuickHelpLabels& labels);

// Toolbar buttons as the window applies them. Styles follow the toolbar's
// numbering: 0 plain, 1 check, 2 button group, 3 separator.
enum class ButtonStyle : uint8_t { Default = 0, Check = 1, ButtonGroup = 2, Separator = 3 };

struct ToolbarButtonState {
    ButtonStyle style = ButtonStyle::Default;
    bool pressed = false;
};

struct ToolbarButtons {
    ToolbarButtonState cmdICView, cmdRaster;
    std::vector<ToolbarButtonState> toolbox; // Toolbar2 by position: [0] is button 1
    // cmdOn and cmdOff only report their help and do not latch.
    bool powerButtonsHelpOnly = false;
};

struct SavedToolbarState {
    std::array<uint8_t, 2> main{};  // cmdICView, cmdRaster; 0 released, 1 pressed
    std::vector<uint8_t> toolbox;   // [i - 1] is button i
};

// Entering quick help: keeps the pressed states and turns the toggles into
// plain buttons.
void SaveToolbarState(ToolbarButtons& buttons, SavedToolbarState& saved);
// Leaving it: toggle styles and the saved pressed states come back.
void RestoreToolbarState(ToolbarButtons& buttons, const SavedToolbarState& saved);
