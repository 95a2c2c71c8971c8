// The main window's side-panel column, work field and command line, placed
// by the twips arithmetic of the layout functions rather than by Qt layouts.
#include "shell/frmGatrel.h"
#include "editing/engine_binding.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "ic/frmICAuswahl.h"
#include "ic/ic_chooser.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "shell/clock_page.h"
#include "shell/clock_timers.h"
#include "shell/control_panel_logic.h"
#include "shell/formel_panel.h"
#include "shell/ic_page.h"
#include "shell/layers_panel.h"
#include "shell/main_window_layout.h"
#include "shell/panel_metrics.h"
#include "shell/power_panel.h"
#include "shell/properties_panel.h"
#include "shell/quick_help_box.h"
#include "shell/simulation_bar.h"
#include "shell/size_panel.h"
#include "shell/worksheet_picture.h"
#include "shell/worksheet_view.h"
#include "shell/zoom_panel.h"

void frmGatrel::BuildLeftPanel()
{
    picPropContainer_ = new QWidget(centralWidget());
    picPropContainer_->setObjectName(QStringLiteral("picPropContainer"));
    picPropContainer_->setGeometry(Px(kColumnLeft), Px(kColumnTop), Px(kColumnWidth), 400);

    powerPanel_ = new PowerPanel(EngineOf(s_, engine_), dialogs_, *simulationBar_, picPropContainer_);
    const PropertyFields fields{s_.circuit, s_.ToolMode, s_.SelectedClock, s_.DecoderClockInput, s_.GateInputsText, s_.LEDColor};
    propertiesPanel_ = new PropertiesPanel(fields, *clockTimers_, Toolbar(QStringLiteral("tlbOrientation")),
                                           Toolbar(QStringLiteral("Toolbar3")), picPropContainer_);
    sizePanel_ = new SizePanel(s_.circuit, s_.ports, picPropContainer_);
    zoomPanel_ = new ZoomPanel(s_, picPropContainer_);
    for (QToolBar* bar : {zoomPanel_->tlbZoom, zoomPanel_->tlbZoomInOut}) {
        toolbars_[bar->objectName()] = bar;
        BuildToolbarButtons(bar->objectName());
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setIconSize(QSize(16, 16));
    }
    layersPanel_ = new LayersPanel(EngineOf(s_, engine_), picPropContainer_);
    for (int i = 0; i < 5; ++i) {
        SidePanel* panel = Panel(i);
        connect(panel, &SidePanel::CloseClicked, this, &frmGatrel::cmdClose_Click);
        connect(panel, &SidePanel::MinClicked, this, &frmGatrel::cmdMin_Click);
    }

    lstIC_ = new QListWidget(picPropContainer_);
    lstIC_->setObjectName(QStringLiteral("lstIC"));
    lstIC_->setVisible(false);
}

void frmGatrel::BuildWorkField()
{
    QWidget* client = centralWidget();
    // The command line above the worksheet; it is built open and the
    // constructor closes it, which gives its room to the worksheet.
    formel_ = new FormelPanel(client, Px(kColumnWidth + 60));
    s_.FormelPanelOpen = true;
    view_ = new WorksheetView(EngineOf(s_, engine_), s_, s_.Scroll, client, Px(kColumnWidth + 60));
    client->installEventFilter(this);
    picQuickHelp_ = new QuickHelpBox(this);
}

SidePanel* frmGatrel::Panel(int index) const
{
    const std::array<SidePanel*, 5> panels = {powerPanel_, propertiesPanel_, sizePanel_, zoomPanel_, layersPanel_};
    return panels[static_cast<size_t>(index)];
}

void frmGatrel::ShowPanel(int index, bool visible)
{
    Panel(index)->setVisible(visible);
}

void frmGatrel::Form_Resize()
{
    if (isMinimized())
        return;
    if (s_.settings.MainFormReady == 0)
        s_.settings.MainFormReady = 255;
    ResizeWorksheet();
    // A window dragged above the screen's top edge comes back to it.
    if (!isMaximized() && y() < 0)
        move(x(), 1);
    ResizeProperties(true);
    if (s_.ToolMode == ToolCode::Conductor)
        PressToolButton(QStringLiteral("cmdLeitungen"), 3);
}

void frmGatrel::ResizeWorksheet()
{
    if (isMinimized() || !view_)
        return;
    QWidget* client = centralWidget();
    QWidget* picContainer = view_->picContainer;
    WorksheetPicture* picGrid = view_->picGrid;
    const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    ResizeInput in;
    in.outerWidth = Tw(width());
    in.outerHeight = Tw(height());
    in.innerWidth = Tw(client->width());
    in.innerHeight = Tw(client->height());
    in.containerLeft = Tw(picContainer->x());
    in.containerTop = Tw(picContainer->y());
    in.hScrollHeight = Tw(sb);
    in.vScrollWidth = Tw(sb);
    in.statusBarHeight = 0; // the status bar lies outside the client area here
    in.progressBarWidth = Tw(ProgressBar_->width());
    in.closeButtonWidth = Tw(formel_->cmdCloseFormel->width());
    in.pictureWidth = Tw(picGrid->width());
    in.pictureHeight = Tw(picGrid->height());
    in.pictureLeft = Tw(picGrid->x());
    in.pictureTop = Tw(picGrid->y());
    in.cellPx = 14.0 * s_.GridMode;
    in.maxX = s_.circuit.MaxX;
    in.maxY = s_.circuit.MaxY;
    in.hValue = view_->HScroll->value();
    in.vValue = view_->VScroll->value();
    const ResizeLayout l = LayoutMainWindow(in);

    picContainer->resize(std::max(1, Px(l.containerWidth)), std::max(1, Px(l.containerHeight)));
    QComboBox* cmbFormel = formel_->cmbFormel;
    cmbFormel->resize(std::max(40, Px(l.formelWidth) - 24), cmbFormel->height());
    QToolButton* cmdCloseFormel = formel_->cmdCloseFormel;
    cmdCloseFormel->move(cmbFormel->x() + cmbFormel->width() + 4, cmdCloseFormel->y());
    powerPanel_->lblTime->setText(QString::number(l.visibleRows));
    view_->ApplyLayout(l);
}

void frmGatrel::ResizeProperties(bool force)
{
    PanelColumnInput in;
    in.state = s_.settings.PanelVisible;
    for (size_t i = 0; i < 5; ++i) {
        QWidget* w = Panel(static_cast<int>(i));
        in.visible[i] = !w->isHidden();
        in.top[i] = Tw(w->y());
        in.height[i] = Tw(w->height());
    }
    for (size_t i = 1; i < 5; ++i)
        in.minPressed[i] = Panel(static_cast<int>(i))->cmdMin->isChecked();
    in.columnVisible = !picPropContainer_->isHidden();
    in.column = {Tw(picPropContainer_->x()), Tw(picPropContainer_->y()), Tw(picPropContainer_->width()),
                 Tw(picPropContainer_->height())};
    QWidget* picContainer = view_->picContainer;
    in.container = {Tw(picContainer->x()), Tw(picContainer->y()), Tw(picContainer->width()),
                    Tw(picContainer->height())};
    in.formelButtonWidth = Tw(formel_->cmdFormel->width());
    in.hScrollHeight = Tw(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    in.treeTop = kTreeTop;
    in.force = force;
    in.quickHelp = s_.ToolMode == ToolCode::QuickHelp;
    in.powerOn = s_.engine.PowerFlag != 0;
    const PanelColumnLayout l = LayoutPanelColumn(in);
    if (l.laidOut) {
        for (size_t i = 0; i < 5; ++i) {
            if (i == 2 && in.powerOn)
                continue; // the mode switch owns the worksheet panel while the power is on
            QWidget* w = Panel(static_cast<int>(i));
            w->setGeometry(w->x(), Px(l.top[i]), w->width(), Px(l.height[i]));
            ShowPanel(static_cast<int>(i), l.visible[i]);
        }
        for (size_t i = 1; i < 5; ++i)
            Panel(static_cast<int>(i))->cmdMin->setChecked(l.minPressed[i]);
        if (l.collapsed[1])
            propertiesPanel_->SSPanel2->setVisible(false);
        layersPanel_->SetTreeHeight(Px(l.treeHeight));
        picPropContainer_->setVisible(l.columnVisible);
        if (l.moveWorksheet) {
            picContainer->move(Px(l.containerLeft), picContainer->y());
            formel_->cmdFormel->move(Px(l.formelButtonLeft), formel_->cmdFormel->y());
            formel_->cmbFormel->move(Px(l.formelBoxLeft), formel_->cmbFormel->y());
            ResizeWorksheet();
        }
        picPropContainer_->resize(picPropContainer_->width(), std::max(1, Px(l.columnHeight)));
        for (int i = 0; i < 5; ++i)
            MenuItem(QStringLiteral("mPanel"), i)->setChecked(l.menuChecks[static_cast<size_t>(i)]);
    }
    if (l.setPanelButtons)
        for (int i = 0; i < 5; ++i)
            ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdPanel%1").arg(i))
                ->setChecked(l.panelButtons[static_cast<size_t>(i)] != 0);
}

void frmGatrel::cmdClose_Click(int button)
{
    if (s_.ToolMode == ToolCode::QuickHelp) {
        ShowQuickHelp(QStringLiteral("cmdClose"), button);
        return;
    }
    const auto checks = ::cmdClose_Click(s_.settings.PanelVisible, button);
    if (!checks)
        return;
    ShowPanel(kPanelButtons[static_cast<size_t>(button)].visibleIndex, false);
    for (int i = 0; i < 5; ++i)
        MenuItem(QStringLiteral("mPanel"), i)->setChecked((*checks)[static_cast<size_t>(i)]);
    ResizeProperties(false);
}

void frmGatrel::cmdMin_Click(int button, bool pressed)
{
    if (const auto height = ::cmdMin_Click(s_.settings.PanelVisible, button, pressed)) {
        const PanelButton& b = kPanelButtons[static_cast<size_t>(button)];
        QWidget* panel = Panel(b.visibleIndex);
        panel->resize(panel->width(), Px(*height));
        if (b.carriesSSPanel2)
            propertiesPanel_->SSPanel2->setVisible(!pressed);
    }
    ResizeProperties(false);
}

void frmGatrel::ReopenPanel(int index)
{
    for (size_t button = 0; button < kPanelButtons.size(); ++button) {
        if (kPanelButtons[button].visibleIndex != index || !kPanelButtons[button].minimises)
            continue;
        QToolButton* min = Panel(index)->cmdMin;
        if (min && min->isChecked()) {
            min->setChecked(false);
            cmdMin_Click(static_cast<int>(button), false);
        }
    }
}

void frmGatrel::cmbIC_Click()
{
    QComboBox* box = propertiesPanel_->icPage->cmbIC;
    if (s_.settings.MainFormReady == 0 || s_.ToolMode != ToolCode::IC)
        return;
    s_.circuit.ICName = box->currentText();
    if (s_.circuit.ICName.isEmpty())
        return;
    for (int i = 1; i <= 24; ++i)
        if (QAction* a = MenuItem(QStringLiteral("mBauteil"), i))
            a->setChecked(false);
    PressToolButton(QStringLiteral("cmdIC"), -1);
    if (s_.settings.ElementEnable[13] == 0) {
        ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdIC"))->setEnabled(false);
        MenuItem(QStringLiteral("mBauteil"), 25)->setEnabled(false);
    }
    if (s_.circuit.ICName == QLatin1String("<Name>")) {
        ShowPanel(4, false);
        return;
    }
    // The IC manager follows the choice.
    icManager_->ChooseIC(box->itemText(box->currentIndex()));
}

void frmGatrel::ShowICNames()
{
    icChooser_->ShowICNames();
}

void frmGatrel::DisplayEingabezeile()
{
    if (s_.FormelPanelOpen)
        return;
    formel_->SetShown(true);
    s_.FormelPanelOpen = true;
    QWidget* picContainer = view_->picContainer;
    picContainer->move(picContainer->x(), picContainer->y() + formel_->cmbFormel->height() + 2);
    ResizeWorksheet();
    formel_->cmbFormel->setFocus();
}

void frmGatrel::CloseFormelPanel()
{
    const bool wasOpen = s_.FormelPanelOpen;
    formel_->SetShown(false);
    s_.FormelPanelOpen = false;
    // The room the line took goes back to the worksheet; twice closed is still one line.
    QWidget* picContainer = view_->picContainer;
    if (wasOpen)
        picContainer->move(picContainer->x(), std::max(2, picContainer->y() - formel_->cmbFormel->height() - 2));
    ResizeWorksheet();
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdPanel5"))->setChecked(false);
    MenuItem(QStringLiteral("mPanel"), 5)->setChecked(false);
}
