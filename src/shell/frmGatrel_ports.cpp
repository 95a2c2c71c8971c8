// What the core asks of the main window as a whole: the status bar, the File
// menu, the tool buttons, the analyzer's menu item, the worksheet and the
// undo history. The panels answer their own ports.
#include "shell/frmGatrel.h"

#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include "editing/worksheet_editor.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "render/clsGrafik.h"
#include "render/draw_grid.h"
#include "render/redraw.h"
#include "shell/label_text_drawing.h"
#include "shell/properties_panel.h"
#include "shell/size_panel.h"
#include "shell/worksheet_picture.h"
#include "shell/worksheet_view.h"

// StatusPort

void frmGatrel::SetStatusPanel(int panel, const QString& text)
{
    if (panel >= 0 && panel < static_cast<int>(statusPanels_.size()))
        statusPanels_[static_cast<size_t>(panel)]->setText(text);
}

void frmGatrel::SetProgress(int value)
{
    const int shown = std::clamp(value, 0, 100);
    if (shown == ProgressBar_->value())
        return;
    ProgressBar_->setValue(shown);
    // Loads and redraws report progress without returning to the event
    // loop: paint the bar and the status texts beside it now.
    if (isVisible())
        statusBar()->repaint();
}

void frmGatrel::EnableMainWindow(bool enabled)
{
    // The modal dialogs block input on their own; this keeps menus and panels greyed as well.
    menuBar()->setEnabled(enabled);
    centralWidget()->setEnabled(enabled);
    for (QToolBar* bar : toolbars_)
        bar->setEnabled(enabled);
}

// FilePort

void frmGatrel::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void frmGatrel::SetUsedFileItem(int index, const QString& caption)
{
    QAction* a = MenuItem(QStringLiteral("mUsedFiles"), index);
    if (!a)
        return;
    a->setText(caption);
    a->setVisible(!caption.isEmpty());
}

void frmGatrel::ShowUsedFilesSeparator()
{
    Menu(QStringLiteral("Trennstrich3"))->setVisible(true);
}

// ToolPort

void frmGatrel::ChangeSelPicture(ToolCode tool)
{
    if (editor_)
        editor_->HidePlacementAids();
    propertiesPanel_->ShowSelectedTool(tool);
}

void frmGatrel::ChangePropertyWindow(std::array<bool, 8> parts)
{
    if (propertiesPanel_->ShowPages(parts, s_.ToolMode))
        SetOrientationToolbarEnabled(true);
    s_.PropertyWindowState = parts;
}

void frmGatrel::CheckComponentMenuOnly(int item)
{
    const auto& items = menuArrays_[QStringLiteral("mBauteil")];
    for (size_t i = 1; i < items.size(); ++i)
        if (items[i])
            items[i]->setChecked(static_cast<int>(i) == item);
}

void frmGatrel::PressToolButton(const QString& key, int index)
{
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions()) {
        if (a->objectName() == key || a->property("Index").toInt() == index) {
            if (!a->isChecked())
                a->setChecked(true);
            return;
        }
    }
}

void frmGatrel::ReleaseToolButton(const QString& key)
{
    if (QAction* a = ToolbarButton(QStringLiteral("Toolbar2"), key))
        a->setChecked(false);
}

void frmGatrel::SetOrientationToolbarEnabled(bool enabled)
{
    s_.OrientationToolbarEnabled = enabled;
    for (QAction* a : Toolbar(QStringLiteral("tlbOrientation"))->actions())
        a->setEnabled(enabled);
}

void frmGatrel::SetWorksheetMousePointer(int pointer)
{
    s_.WorksheetMousePointer = pointer;
    picGrid()->SetMousePointer(pointer);
}

// AnalyzerPort: the menu item here, the rest in frmGatrel_analyzer.cpp.

void frmGatrel::SetAnalyserMenuEnabled(bool enabled)
{
    MenuItem(QStringLiteral("mAnsichtItem"), 2)->setEnabled(enabled);
}

// WorksheetPort

void frmGatrel::RedrawAllElements()
{
    // What changed before is drawn first, in its order.
    s_.Changes.Flush();
    ::RedrawAllElements(s_, *objGrafik_, 0);
    picGrid()->update();
}

void frmGatrel::DrawGrid()
{
    s_.Changes.Flush();
    ::DrawGrid(s_.circuit, picGrid()->surface(), s_.CellSize, s_.GridMode, s_.ShowGrid != 0);
    picGrid()->update();
}

void frmGatrel::SetWorksheetPictureSize(int width, int height)
{
    picGrid()->SetPictureSize(width, height);
}

QSize frmGatrel::WorksheetContainerInnerSize() const
{
    return view_->picContainer->contentsRect().size();
}

void frmGatrel::SetSizeBoxes(int16_t maxX, int16_t maxY)
{
    sizePanel_->SetSizeBoxes(maxX, maxY);
}

void frmGatrel::ResetScrollBars()
{
    view_->ResetScrollBars();
}

void frmGatrel::SelectNone()
{
    if (editor_)
        editor_->SelectNone();
    else
        Menu(QStringLiteral("mDelete"))->setEnabled(false);
}

void frmGatrel::DisplayBeschriftungsText(int16_t n, const QString& oldText)
{
    s_.Changes.Flush();
    s_.CurrentProc = QStringLiteral("DisplayBeschriftungsText");
    LabelSheet sheet;
    sheet.zoom = s_.GridMode;
    sheet.fontSize = s_.LabelFontSize;
    sheet.gridDots = s_.ShowGrid != 0 && s_.engine.PowerFlag == 0;
    sheet.toPixel = [this](int16_t i) { return GridToPixel(s_, i); };
    sheet.toGrid = [this](int32_t p) { return PixelToGrid(s_, p); };
    sheet.redrawArea = [this](int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
        ::RedrawArea(s_, *objGrafik_, x1, y1, x2, y2, true);
    };
    ::DisplayBeschriftungsText(s_.circuit, sheet, *objGrafik_, picGrid()->surface(), n, oldText);
}

void frmGatrel::CommitLabelEdit()
{
    if (editor_)
        editor_->CommitOpenLabel();
}

// UndoPort

void frmGatrel::SetUndoMenu(bool enabled, const QString& caption)
{
    QAction* undo = Menu(QStringLiteral("mUndo"));
    undo->setText(caption);
    undo->setEnabled(enabled);
}

void frmGatrel::SetUndoButtonsEnabled(bool enabled)
{
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndo"))->setEnabled(enabled);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndoList"))->setEnabled(enabled);
}

void frmGatrel::SetUndoListMenuEnabled(bool enabled)
{
    Menu(QStringLiteral("mUndoList"))->setEnabled(enabled);
}

void frmGatrel::DeleteUndoData()
{
    objUndo_->DeleteUndoData(false);
}
