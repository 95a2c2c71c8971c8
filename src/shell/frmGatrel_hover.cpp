// The hover rules of the controls around the worksheet: when the pointer
// leaves the worksheet for a control, the placement aids under it must go,
// or a stale outline would stay behind. Each control has its mouse-move
// handler; the window's event filter finds it by the control's object name.
#include "shell/frmGatrel.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "editing/worksheet_editor.h"
#include "model/state.h"
#include "shell/clock_page.h"
#include "shell/formel_panel.h"
#include "shell/gate_inputs_page.h"
#include "shell/ic_page.h"
#include "shell/layers_panel.h"
#include "shell/led_colour_page.h"
#include "shell/power_panel.h"
#include "shell/properties_panel.h"
#include "shell/simulation_bar.h"
#include "shell/size_panel.h"
#include "shell/worksheet_picture.h"
#include "shell/worksheet_view.h"
#include "shell/zoom_panel.h"

namespace {

using W = frmGatrel;

// A control and its mouse-move handler.
struct HoverRow {
    const char* name;
    void (frmGatrel::*handler)();
};
const HoverRow kHoverRows[] = {
    {"cmdOff", &W::cmdOff_MouseMove},
    {"cmdOn", &W::cmdOn_MouseMove},
    {"lblAktElement", &W::lblAktElement_MouseMove},
    {"lblLevel", &W::lblLevel_MouseMove},
    {"picAnschlüsse", &W::picAnschluesse_MouseMove},
    {"picContainer", &W::picContainer_MouseMove},
    {"picEigenschaften", &W::picEigenschaften_MouseMove},
    {"picEinAus", &W::picEinAus_MouseMove},
    {"picIC", &W::picIC_MouseMove},
    {"picKomplex", &W::picKomplex_MouseMove},
    {"picLevel", &W::picLevel_MouseMove},
    {"picOnOff", &W::picOnOff_MouseMove},
    {"picOrientation", &W::picOrientation_MouseMove},
    {"picPropContainer", &W::picPropContainer_MouseMove},
    {"picSize", &W::picSize_MouseMove},
    {"picZoom", &W::picZoom_MouseMove},
    {"sldDelay", &W::sldDelay_MouseMove},
    {"Slider0", &W::Slider0_MouseMove},
    {"Slider1", &W::Slider1_MouseMove},
    {"StatusBar", &W::StatusBar_MouseMove},
    {"tlbOrientation", &W::tlbOrientation_MouseMove},
    {"Toolbar", &W::Toolbar_MouseMove},
    {"Toolbar2", &W::Toolbar2_MouseMove},
    {"Toolbar3", &W::Toolbar3_MouseMove},
    {"tvwLevel", &W::tvwLevel_MouseMove},
    {"txtAnzTakte", &W::txtAnzTakte_MouseMove},
    {"txtVerzögerung", &W::txtVerzoegerung_MouseMove},
    {"txtX", &W::txtX_MouseMove},
    {"txtY", &W::txtY_MouseMove},
    // The up-down's two buttons are one control.
    {"UpDown1Up", &W::UpDown1_MouseMove},
    {"UpDown1Down", &W::UpDown1_MouseMove},
};

// A control array: the members' names are the prefix followed by the index.
struct HoverArrayRow {
    const char* prefix;
    void (frmGatrel::*handler)(int index);
};
const HoverArrayRow kHoverArrayRows[] = {
    {"cmdColor", &W::cmdColor_MouseMove},
    {"lblAllgemein", &W::lblAllgemein_MouseMove},
    {"picEigenschaft", &W::picEigenschaft_MouseMove},
};

} // namespace

void frmGatrel::HideDecoder()
{
    for (OverlayLine& line : editor_->overlay.LineRahmen)
        line.Visible = false;
    picGrid()->update();
}

void frmGatrel::HidePlacementOutlines(bool evenForSelectTool)
{
    if (!editor_)
        return;
    WorksheetOverlay& o = editor_->overlay;
    bool changed = false;
    if ((evenForSelectTool || s_.ToolMode != ToolCode::Select) && o.picRahmen.Visible) {
        o.picRahmen.Visible = false;
        changed = true;
    }
    if (o.picBox.Visible) {
        o.picBox.Visible = false;
        changed = true;
    }
    if (o.LineRahmen[0].Visible) {
        HideDecoder();
        changed = true;
    }
    if (changed)
        picGrid()->update();
}

void frmGatrel::HideDecoderOutline()
{
    if (editor_ && editor_->overlay.LineRahmen[0].Visible)
        HideDecoder();
}

void frmGatrel::HoverOver(QWidget* w)
{
    if (w == centralWidget()) {
        Form_MouseMove();
        return;
    }
    // The level tree's items lie on its viewport.
    if (w == layersPanel_->tvwLevel->viewport()) {
        tvwLevel_MouseMove();
        return;
    }
    const QString name = w->objectName();
    for (const HoverRow& row : kHoverRows) {
        if (name == QString::fromUtf8(row.name)) {
            (this->*row.handler)();
            return;
        }
    }
    for (const HoverArrayRow& row : kHoverArrayRows) {
        const QString prefix = QString::fromLatin1(row.prefix);
        bool isIndex = false;
        const int index = name.startsWith(prefix) ? name.mid(prefix.size()).toInt(&isIndex) : 0;
        if (isIndex) {
            (this->*row.handler)(index);
            return;
        }
    }
    // The zoom panel's toolbars and box, the IC preview and the command line.
    HidePlacementOutlines();
}

void frmGatrel::Form_MouseMove()
{
    HidePlacementOutlines();
    if (!statusPanels_[1]->text().isEmpty())
        statusPanels_[1]->clear();
}

void frmGatrel::cmdColor_MouseMove(int /*index*/)
{
    HidePlacementOutlines();
}

void frmGatrel::cmdOff_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::cmdOn_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::lblAktElement_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::lblAllgemein_MouseMove(int /*index*/)
{
    // Over a caption the switch tool keeps its small box, and the decoder its outline.
    const bool decoder = editor_ && editor_->overlay.LineRahmen[0].Visible;
    const bool keepBox = s_.ToolMode == ToolCode::Switch && editor_ && editor_->overlay.picBox.Visible;
    HidePlacementOutlines();
    if (keepBox)
        editor_->overlay.picBox.Visible = true;
    if (decoder)
        for (OverlayLine& line : editor_->overlay.LineRahmen)
            line.Visible = true;
}

void frmGatrel::lblLevel_MouseMove()
{
    // The level name leaves the decoder outline alone.
    const bool decoder = editor_ && editor_->overlay.LineRahmen[0].Visible;
    HidePlacementOutlines();
    if (decoder)
        for (OverlayLine& line : editor_->overlay.LineRahmen)
            line.Visible = true;
}

void frmGatrel::picAnschluesse_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picContainer_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picEigenschaft_MouseMove(int /*index*/)
{
    HidePlacementOutlines();
}

void frmGatrel::picEigenschaften_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picEinAus_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picIC_MouseMove()
{
    HideDecoderOutline();
}

void frmGatrel::picKomplex_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picLevel_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picOnOff_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picOrientation_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picPropContainer_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picSize_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::picZoom_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::sldDelay_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::Slider0_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::Slider1_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::StatusBar_MouseMove()
{
    // The status bar takes the select tool's frame too.
    HidePlacementOutlines(true);
}

void frmGatrel::tlbOrientation_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::Toolbar_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::Toolbar2_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::Toolbar3_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::tvwLevel_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::txtAnzTakte_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::txtVerzoegerung_MouseMove()
{
    HidePlacementOutlines();
}

void frmGatrel::txtX_MouseMove()
{
    HideDecoderOutline();
}

void frmGatrel::txtY_MouseMove()
{
    HideDecoderOutline();
}

void frmGatrel::UpDown1_MouseMove()
{
    // Only the outline: the page under the buttons would take the box as well.
    if (editor_ && editor_->overlay.picRahmen.Visible) {
        editor_->overlay.picRahmen.Visible = false;
        picGrid()->update();
    }
}

bool frmGatrel::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return QMainWindow::eventFilter(watched, event);
    if (w == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        HoverOver(w);
    return QMainWindow::eventFilter(watched, event);
}

void frmGatrel::WatchHover()
{
    PropertiesPanel& props = *propertiesPanel_;
    ClockPage& clock = *props.clockPage;
    const auto watch = [this](QWidget* w, bool track) {
        if (track)
            w->setMouseTracking(true);
        w->installEventFilter(this);
    };
    // Followed as the pointer moves over them.
    QWidget* const tracked[] = {
             props.picAnschluesse, &props, powerPanel_, props.picKomplex, layersPanel_->picLevel, simulationBar_,
             props.picOrientation, picPropContainer_, sizePanel_, zoomPanel_, props.sldDelay, clock.Slider[0],
             clock.Slider[1], Toolbar(QStringLiteral("tlbOrientation")), Toolbar(QStringLiteral("Toolbar")),
             Toolbar(QStringLiteral("Toolbar2")), clock.Toolbar3, layersPanel_->tvwLevel,
             layersPanel_->tvwLevel->viewport(), clock.txtAnzTakte, simulationBar_->txtVerzoegerung, layersPanel_,
             layersPanel_->lblLevel, props.lblAktElement, view_->picContainer, statusBar(), powerPanel_->cmdOn,
             powerPanel_->cmdOff, sizePanel_->txtX, sizePanel_->txtY, props.picAnschluesse->UpDown1Up,
             props.picAnschluesse->UpDown1Down, centralWidget(), zoomPanel_->lblTitle};
    for (QWidget* w : tracked)
        watch(w, true);
    for (QLabel* caption : props.Captions())
        watch(caption, true);
    for (QWidget* page : props.Pages())
        watch(page, true);
    for (QWidget* colour : props.colourPage->cmdColor)
        watch(colour, true);
    // Only reached as the pointer enters them.
    QWidget* const entered[] = {props.icPage->picICVorschau, zoomPanel_->tlbZoom, zoomPanel_->tlbZoomInOut,
                                zoomPanel_->cmbZoom, formel_->cmbFormel->lineEdit()};
    for (QWidget* w : entered)
        watch(w, false);
}
