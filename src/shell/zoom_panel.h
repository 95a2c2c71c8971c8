#pragma once
// The scale panel picZoom: the zoom box and the toolbars of fixed fits and
// zoom steps. A chosen entry or Enter in the box applies it; leaving the box
// without Enter shows the factor in force again.
#include <functional>

#include "shell/side_panel.h"

class QComboBox;
class QToolBar;
struct ProgramState;
enum class ZoomConfirm;

class ZoomPanel : public SidePanel {
    Q_OBJECT
public:
    ZoomPanel(ProgramState& s, QWidget* parent);

    QComboBox* cmbZoom = nullptr;
    QToolBar* tlbZoom = nullptr;      // 1:1 and the fits
    QToolBar* tlbZoomInOut = nullptr; // the steps

    // Draws the worksheet anew at a zoom applied from the box.
    std::function<void()> Redraw;

    // The box after a fixed fit or a zoom step.
    void ShowZoomText();
    void cmbZoom_Confirm(ZoomConfirm how);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramState& s_;
};
