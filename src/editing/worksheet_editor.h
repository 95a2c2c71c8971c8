#pragma once
// The worksheet's mouse and key protocol while editing: cursor cell, tool
// dispatch, conductor rubber bands, placement outlines, component selection
// and removal. The overlays are plain geometry that a painter draws over the
// worksheet picture; the routines read them back.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

struct EngineContext;
struct PlacementContext;
struct ProgramState;

struct OverlayShape {
    bool Visible = false;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    int BorderStyle = 1; // 1 solid, 3 dotted
    int32_t BorderColor = 0x808080;
};

struct OverlayLine {
    bool Visible = false;
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
};

struct WorksheetOverlay {
    OverlayShape picRahmen;                 // placement outline and area frame
    std::array<OverlayLine, 4> LineRahmen;  // decoder outline
    OverlayShape picBox{false, 0, 0, 5, 5}; // LED and switch tools
    OverlayLine LeitungH;
    OverlayLine LeitungV;
    std::vector<OverlayShape> PObj; // selection handles, four per selected element
};

struct EditorState {
    bool MouseDownFlag = false;
    int16_t AnchorX = 0;
    int16_t AnchorY = 0;
    int16_t GrabX = 0;
    int16_t GrabY = 0;
    int16_t LastMoveX = 0;
    int16_t LastMoveY = 0;
    int16_t DownX = 0;
    int16_t DownY = 0;
    bool PullH = false;
    bool PullV = false;
    std::array<int16_t, 3> LinePointX{};
    std::array<int16_t, 3> LinePointY{};
};

// No obstacle on a leg: no column or row is negative.
constexpr int16_t kNoObstacle = -1;

class WorksheetEditor {
public:
    WorksheetEditor(PlacementContext& c, EngineContext* engine);

    EditorState st;
    WorksheetOverlay overlay;
    // Selected element numbers, each ended by ";".
    QString SelectionList;
    int16_t SelCount = 0;

    // Called whenever the overlay geometry or visibility changed.
    std::function<void()> OverlayChanged;

    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int buttons, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void DblClick();
    void KeyPress(int keyAscii);

    // Hides the outline, decoder lines, the LED/switch box and the band:
    // on a tool change and when the pointer leaves the worksheet.
    void HidePlacementAids();

    // Conductor rubber band.
    void ShowLines();
    void ShowTempLines(int16_t x, int16_t y);
    int16_t BlockedH(int16_t x1, int16_t y, int16_t x2);
    int16_t BlockedV(int16_t y1, int16_t x, int16_t y2);
    void SetLines();
    void DeleteLines();

    // Placement outlines.
    void ShowBorder();
    void ShowRahmenAndOrXor();
    void ShowRahmenInverter();
    void ShowRahmenTimer();
    void ShowRahmenMultiplexer();
    void ShowRahmenDecoder();
    void ShowRahmenFlipFlop();
    void ShowRahmenSRegister();
    void ShowRahmenIC(int16_t w, int16_t h);

    // Component selection and its handles.
    void SelectNone();
    void SelectObject(int16_t n);
    bool ObjectSelected(int16_t n) const;
    // Removes every selected component, the highest number first.
    void DeleteSelection();

    void ChangeMouseCursor(int button);
    // Cell under a picture position, clamped like a mouse move.
    void CellFromPixel(double x, double y);

private:
    void CheckMouseMode();
    void RemoveUnderCursor();
    void PlaceHandles();
    void Changed();
    bool CommitBand(bool erase);

    PlacementContext& c_;
    ProgramState& s_;
    EngineContext* engine_;
};
