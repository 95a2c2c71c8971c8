// Quick help in the main window: the mode itself, and where its box goes for
// what was clicked.
#include "shell/frmGatrel.h"

#include <utility>

#include <QAction>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include "model/geometry.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "shell/panel_metrics.h"
#include "shell/power_panel.h"
#include "shell/quick_help_box.h"
#include "shell/worksheet_picture.h"
#include "shell/worksheet_view.h"

void frmGatrel::ShowQuickHelp(const QString& key, int index)
{
    const QuickHelpText text = QuickHelpFor(key);
    picQuickHelp_->hide();
    PlaceQuickHelp(text.headline, text.body, key, index);
}

void frmGatrel::ShowWorksheetQuickHelp()
{
    const QuickHelpText text = WorksheetQuickHelp();
    PlaceQuickHelp(text.headline, text.body, QStringLiteral("picGrid"), 0);
}

void frmGatrel::PlaceQuickHelp(const QString& headline, const QString& body, const QString& key, int index)
{
    // Everything in twips of the main window, where the box lives.
    const auto at = [this](QWidget* w) { return w->mapTo(this, QPoint(0, 0)); };
    QuickHelpGeometry g;
    g.tpx = g.tpy = kTwipsPerPixel;
    QToolBar* bars[2] = {Toolbar(QStringLiteral("Toolbar")), Toolbar(QStringLiteral("Toolbar2"))};
    g.toolbarLeft = Tw(bars[0]->x());
    g.toolbarTop = Tw(bars[0]->y());
    g.toolbarHeight = Tw(bars[0]->height());
    g.toolbar2Left = Tw(bars[1]->x());
    g.toolbar2Top = Tw(bars[1]->y());
    g.toolbar2Height = Tw(bars[1]->height());
    for (QToolBar* bar : bars)
        if (QAction* a = ToolbarButton(bar->objectName(), key))
            if (QWidget* b = bar->widgetForAction(a))
                g.buttonLeft = Tw(b->x());
    g.containerLeft = Tw(at(view_->picContainer).x());
    g.containerTop = Tw(at(view_->picContainer).y());
    g.pictureLeft = Tw(picGrid()->x());
    g.pictureTop = Tw(picGrid()->y());
    g.cellCentreX = GridToPixel(s_, s_.CursorX);
    g.cellCentreY = GridToPixel(s_, s_.CursorY);
    g.columnLeft = Tw(at(picPropContainer_).x());
    g.columnTop = Tw(at(picPropContainer_).y());
    g.einAusLeft = Tw(powerPanel_->x());
    g.einAusTop = Tw(powerPanel_->y());
    g.einAusHeight = Tw(powerPanel_->height());
    g.powerButtonLeft = Tw(key == QLatin1String("cmdOff") ? powerPanel_->cmdOff->x() : powerPanel_->cmdOn->x());
    g.eigenschaftenTop = Tw(Panel(1)->y());
    g.eigenschaftenHeight = Tw(Panel(1)->height());
    for (int i = 0; i < 5; ++i) {
        const SidePanel* panel = Panel(PanelOfButton(i));
        g.closeLeft[static_cast<size_t>(i)] = Tw(panel->cmdClose->x());
        g.closeTop[static_cast<size_t>(i)] = Tw(panel->cmdClose->y());
        g.closeHeight[static_cast<size_t>(i)] = Tw(panel->cmdClose->height());
        g.closePanelTop[static_cast<size_t>(i)] = Tw(panel->y());
    }
    g.windowWidth = Tw(width());
    g.windowHeight = Tw(height());
    picQuickHelp_->PlaceQuickHelp(headline, body, key, static_cast<int16_t>(index), g);
}

void frmGatrel::SwapQuickHelpSelection()
{
    std::swap(s_.SavedToolMode, quickHelpTool_.toolMode);
    std::swap(s_.SavedMousePointer, quickHelpTool_.mousePointer);
    std::swap(s_.SavedToolKey, quickHelpTool_.key);
    std::swap(s_.SavedToolIndex, quickHelpTool_.index);
}

void frmGatrel::RestoreEditingTool()
{
    RestoreToolSelection(s_);
    ChangeSelPicture(s_.ToolMode);
    if (!quickHelpActive_)
        return;
    SwapQuickHelpSelection();
    SaveToolSelection(s_);
    SwapQuickHelpSelection();
    s_.ToolMode = ToolCode::QuickHelp;
    SetWorksheetMousePointer(14);
}

void frmGatrel::EnterQuickHelp()
{
    // Quick help keeps its own tool selection: the one saved at power-on stays intact.
    SwapQuickHelpSelection();
    SaveToolSelection(s_);
    SwapQuickHelpSelection();

    s_.ToolMode = ToolCode::QuickHelp;
    quickHelpActive_ = true;
    setCursor(Qt::WhatsThisCursor);
    SetWorksheetMousePointer(14);
    ToolbarButtons buttons = ReadToolbarButtons();
    SaveToolbarState(buttons, quickHelpToolbars_);
    ApplyToolbarButtons(buttons);
    Menu(QStringLiteral("mBauelemente"))->setEnabled(false);
}

void frmGatrel::LeaveQuickHelp()
{
    quickHelpActive_ = false;
    if (s_.engine.PowerFlag != 0) {
        // The run goes on; the editing tool's pages stay away until power-off.
        s_.ToolMode = quickHelpTool_.toolMode;
        SetWorksheetMousePointer(quickHelpTool_.mousePointer);
    } else {
        SwapQuickHelpSelection();
        RestoreToolSelection(s_);
        SwapQuickHelpSelection();
    }

    unsetCursor();
    ToolbarButtons buttons = ReadToolbarButtons();
    RestoreToolbarState(buttons, quickHelpToolbars_);
    ApplyToolbarButtons(buttons);
    powerPanel_->ShowPowerState();
    Menu(QStringLiteral("mBauelemente"))->setEnabled(true);
    if (picQuickHelp_->isVisible())
        picQuickHelp_->hide();
}

ToolbarButtons frmGatrel::ReadToolbarButtons() const
{
    const auto state = [](QAction* a, ButtonStyle checkStyle) {
        ToolbarButtonState b;
        b.style = a->isSeparator() ? ButtonStyle::Separator : (a->isCheckable() ? checkStyle : ButtonStyle::Default);
        b.pressed = a->isChecked();
        return b;
    };
    ToolbarButtons buttons;
    buttons.cmdICView = state(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView")), ButtonStyle::Check);
    buttons.cmdRaster = state(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster")), ButtonStyle::Check);
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions())
        buttons.toolbox.push_back(state(a, ButtonStyle::ButtonGroup));
    buttons.powerButtonsHelpOnly = s_.ToolMode == ToolCode::QuickHelp;
    return buttons;
}

void frmGatrel::ApplyToolbarButtons(const ToolbarButtons& buttons)
{
    const auto apply = [](QAction* a, const ToolbarButtonState& b) {
        if (b.style == ButtonStyle::Separator)
            return;
        a->setCheckable(b.style != ButtonStyle::Default);
        a->setChecked(b.pressed);
    };
    apply(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView")), buttons.cmdICView);
    apply(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster")), buttons.cmdRaster);
    const QList<QAction*> toolbox = Toolbar(QStringLiteral("Toolbar2"))->actions();
    for (qsizetype i = 0; i < toolbox.size() && static_cast<size_t>(i) < buttons.toolbox.size(); ++i)
        apply(toolbox[i], buttons.toolbox[static_cast<size_t>(i)]);
}
