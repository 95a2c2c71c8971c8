#pragma once
// The worksheet view: its picture, container, size boxes, scroll bars, the
// selection marks and the text labels drawn over it.
#include <QSize>
#include <QString>
#include <cstdint>

class WorksheetPort {
public:
    virtual ~WorksheetPort() = default;
    virtual void RedrawAllElements() = 0;
    virtual void DrawGrid() = 0;
    virtual void SetWorksheetPictureSize(int width, int height) = 0; // picGrid, in pixels
    virtual QSize WorksheetContainerInnerSize() const = 0; // its inner (scale) size in pixels
    virtual void ResizeWorksheet() = 0;
    virtual void SetSizeBoxes(int16_t maxX, int16_t maxY) = 0; // txtX, txtY
    virtual void ResetScrollBars() = 0;
    virtual void SelectNone() = 0;
    // Draws text label n; oldText is its previous text when it has just changed.
    virtual void DisplayBeschriftungsText(int16_t n, const QString& oldText) = 0;
    virtual void CommitLabelEdit() = 0; // an open label box is committed first
};
