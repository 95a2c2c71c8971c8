#pragma once
// What the editor draws over the worksheet picture: outlines, the conductor
// band, selection handles and the inline label box. Plain geometry in
// drawing units; a painter draws it and the editor reads it back.
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Placement outlines and a frame being drawn; a fixed area frame is blue.
constexpr int32_t kOutlineGrey = 0x808080;
constexpr int32_t kFixedFrameBlue = 0xFF0000;

struct OverlayShape {
    bool Visible = false;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    int BorderStyle = 1; // 1 solid, 3 dotted
    int32_t BorderColor = kOutlineGrey;
};

struct OverlayLine {
    bool Visible = false;
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
};

// The inline label box: where it stands and what it edits.
struct LabelEditBox {
    bool Visible = false;
    bool Edit = false;      // editing label ElementNr, else creating at (X, Y)
    int16_t ElementNr = 0;
    int16_t X = 0;
    int16_t Y = 0;
    QString Text;           // the text it opens with
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double FontSize = 8;
};

struct WorksheetOverlay {
    OverlayShape picRahmen;                 // placement outline and area frame
    std::array<OverlayLine, 4> LineRahmen;  // decoder outline
    OverlayShape picBox{false, 0, 0, 5, 5}; // LED and switch tools
    OverlayLine LeitungH;
    OverlayLine LeitungV;
    // Selection handles, four per selected element in the order of the
    // selection: top-left, top-right, bottom-left, bottom-right.
    std::vector<OverlayShape> PObj;
    std::vector<OverlayShape> picBorder; // move outlines, one per selected element
    LabelEditBox txtBeschriftung;

    // The handle at one corner of the k-th selected element (from 0).
    const OverlayShape& PObj0(size_t k) const { return PObj.at(4 * k); }
    const OverlayShape& PObj1(size_t k) const { return PObj.at(4 * k + 1); }
    const OverlayShape& PObj2(size_t k) const { return PObj.at(4 * k + 2); }
    const OverlayShape& PObj3(size_t k) const { return PObj.at(4 * k + 3); }
};

// The mouse protocol's state between events.
struct EditorState {
    bool MouseDownFlag = false;
    int16_t AnchorX = 0; // where the band or the frame started
    int16_t AnchorY = 0;
    int16_t CornerX = 0; // the frame's other corner
    int16_t CornerY = 0;
    int16_t GrabX = 0;   // the cell grabbed for a move
    int16_t GrabY = 0;
    int16_t LastMoveX = 0; // pointer of the last move, in drawing units
    int16_t LastMoveY = 0;
    int16_t DownX = 0;     // pointer of the last press
    int16_t DownY = 0;
    bool PullH = false;    // the band went along the row first
    bool PullV = false;    // the band went along the column first
    std::array<int16_t, 3> LinePointX{};
    std::array<int16_t, 3> LinePointY{};
    int16_t DifX = 0;      // frame size, then the shift of a move
    int16_t DifY = 0;
};

struct CellBox {
    int16_t X1 = 0;
    int16_t Y1 = 0;
    int16_t X2 = 0;
    int16_t Y2 = 0;
};
