#pragma once
// The worksheet's mouse and key protocol while editing: cursor cell, tool
// dispatch, conductor rubber bands, placement outlines, component selection
// and removal. The overlays are plain geometry that a painter draws over the
// worksheet picture; the routines read them back.
#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/records.h"

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
    std::vector<OverlayShape> PObj; // selection handles, four per selected element
    std::vector<OverlayShape> picBorder; // move outlines, one per selected element
    LabelEditBox txtBeschriftung;
};

struct EditorState {
    bool MouseDownFlag = false;
    int16_t AnchorX = 0;
    int16_t AnchorY = 0;
    int16_t CornerX = 0;
    int16_t CornerY = 0;
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
    int16_t DifX = 0;
    int16_t DifY = 0;
};

struct CellBox {
    int16_t X1 = 0;
    int16_t Y1 = 0;
    int16_t X2 = 0;
    int16_t Y2 = 0;
};

// Which items of the component popup menu show.
struct PopupItems {
    bool Delete = true;         // "Löschen"
    bool Separator = true;
    bool Negate = false;        // "Negieren"
    bool RemoveNegation = false; // "Negationspunkt löschen"
    bool Edit = false;          // "Ändern"
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
    CellBox SelRect;
    // The area being moved; the editor's own, so nothing else overwrites it.
    std::vector<std::vector<GridCell>> Puffer;
    // The grabbed components' cells; apart from the area buffer.
    std::vector<std::vector<GridCell>> ObjectPuffer; // [i][j] = cell (X1 + i, Y1 + j)

    // Scrolling by the window's bars: at the edge while a button is held
    // (x, y in picture pixels) and by dragging with the right button.
    std::function<void(int x, int y)> AutoScroll;
    std::function<void(double x, double y)> MovePicGrid;
    // Opens the component popup menu (without waiting for it).
    std::function<void(const PopupItems&)> ShowPopupMenu;

    // Called whenever the overlay geometry or visibility changed, or the
    // selection count or the frame size that the select tool's page shows.
    std::function<void()> OverlayChanged;
    // Edit > Delete follows the selection: a selected component or area
    // enables it, clearing the selection disables it.
    std::function<void(bool)> SetDeleteEnabled;
    // The frame size in cells that the select tool's page shows ("X: 3   Y: 2").
    int16_t FrameLabelX = 0;
    int16_t FrameLabelY = 0;
    QString FrameLabelText() const;

    // The IC-definition view's connectors belong to the IC editor window:
    // where its find-next search resumes, and adding (or renaming) and
    // removing the connector at the cursor cell.
    std::function<void(int16_t nextX, int16_t nextY)> SetICSearchStart;
    std::function<void()> CreateICAnschluss;
    std::function<void()> DeleteICAnschluss;
    // Shows the quick-help box for the worksheet.
    std::function<void(const QString& headline, const QString& body, const QString& key, int index)>
        PlaceQuickHelp;

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
    void ShowRahmenStrip(int length);
    void ShowRahmenIC(int16_t w, int16_t h);

    // Component selection and its handles.
    void SelectNone();
    void SelectObject(int16_t n);
    bool ObjectSelected(int16_t n) const;
    // Removes every selected component, the highest number first.
    void DeleteSelection();

    // Area frame.
    void ResizeBorder();
    bool CheckBorderPosition();
    void SelectArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
    // Edit > Delete: the framed area, or else the selected components.
    void LoescheBereich();
    void DeleteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2, bool keepElements);
    void PasteArea(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
    bool FrameFixed() const;

    // The popup menu's items for the cursor cell, and the chosen one.
    PopupItems PopupItemsAtCursor();
    enum class PopupChoice { Delete, Negate, RemoveNegation, Edit };
    void PopupChosen(PopupChoice choice);

    // Text labels: opens the inline box at the cursor cell ("CREATE" or "EDIT").
    void ChangeBeschriftung(const QString& mode);
    // Enter or focus loss: a non-empty text creates or changes the label.
    // False when the label would not fit and nothing changed.
    bool CommitLabel(const QString& text);
    void CancelLabel();
    // Whether text would stay on free cells (or the edited label's own) inside the worksheet.
    bool LabelFits(const QString& text) const;
    // Width and height of a label text at the current zoom, in drawing units.
    QSizeF MeasureLabel(const QString& text) const;
    // Asks the window for the box's current text and commits it, when a box is open.
    std::function<QString()> LabelBoxText;
    void CommitOpenLabel();

    // Moving the selected components.
    void CopyObjectsToPuffer();
    void PasteObjects(bool restore);
    void RemoveObjects();
    bool InsideFrame(double x, double y) const;

    void ChangeMouseCursor(int button);
    // Cell under a picture position, clamped like a mouse move.
    void CellFromPixel(double x, double y);

private:
    void CheckMouseMode();
    void ReleaseAreaMove();
    void PlaceMoveOutlines();
    void ChangeInOut(int16_t n);
    void RemoveUnderCursor();
    void PlaceHandles();
    void Changed();
    void EnableDelete(bool on);
    void SetFrameLabel(int16_t x, int16_t y);
    bool CommitBand(bool erase);

    PlacementContext& c_;
    ProgramState& s_;
    EngineContext* engine_;
};
