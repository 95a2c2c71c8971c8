#pragma once
// The scale panel picZoom: the zoom box and the toolbars of fixed fits and
// zoom steps. A chosen entry or Enter in the box applies it; leaving the box
// without Enter shows the factor in force again.
#include <functional>

#include "shell/side_panel.h"

class QComboBox;
class QToolBar;
struct SheetScale;
enum class ZoomConfirm;

class ZoomPanel : public SidePanel {
    Q_OBJECT
public:
    ZoomPanel(SheetScale& scale, QWidget* parent);

    QComboBox* cmbZoom = nullptr;
    QToolBar* tlbZoom = nullptr;      // 1:1 and the fits
    QToolBar* tlbZoomInOut = nullptr; // the steps

    // Draws the worksheet anew at a zoom applied from the box.
    std::function<void()> Redraw;

    // The box after a fixed fit or a zoom step.
    void ShowZoomText();
    // An entry chosen, or Enter (13) typed: the box's zoom applied. Other keys pass.
    void cmbZoom_Click();
    void cmbZoom_KeyPress(int keyAscii);
    // An entry not confirmed gives way to the factor in force.
    void cmbZoom_LostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyZoomBox(ZoomConfirm how);

    SheetScale& scale_;
};
