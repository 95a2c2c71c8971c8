#include "shell/ic_definition_controller.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

#include "ic/frmIC.h"
#include "ic/frmICAnschluss.h"
#include "ic/ic_connectors.h"
#include "model/field_list.h"
#include "model/geometry.h"
#include "model/ports/power_port.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"
#include "shell/frmGatrel.h"
#include "shell/ic_definition_view.h"
#include "shell/worksheet_picture.h"

namespace {

// The main toolbar's buttons that rest while an IC is defined.
const char* const kViewButtons[] = {"cmdCut",  "cmdCopy",     "cmdPaste",    "cmdUndo",
                                    "cmdOpen", "cmdSave",     "cmdNew",      "cmdUndoList",
                                    "cmdSynthese", "cmdEinstellungen", "cmdPanel0"};
const char* const kViewMenus[] = {"mOpen", "mSave", "mSaveAs", "mNeu"};
const char* const kHiddenMenus[] = {"mBauelemente", "mBearbeiten", "mSchaltung"};

} // namespace

ICDefinitionController::ICDefinitionController(frmGatrel& window, ICDefinitionView& view, UserDialogs& dialogs)
    : QObject(&window), w_(window), s_(window.state()), view_(view), dialogs_(dialogs)
{
    frmIC_ = new frmIC(s_.circuit, s_.ICPinIndex,
                       [this](const QString& name) { return SaveICDefinition(s_, dialogs_, name); }, dialogs_, &w_);
    frmIC_->Closing = [this] { CloseICView(); };
    frmIC_->RemoveConnector = [this](int index) { RemoveConnector(index); };
    frmIC_->PointAt = [this](int index) { view_.lblICAnschluss_MouseMove(index); };
    frmIC_->PointAway = [this] { view_.ClearHighlight(); };
    frmIC_->NameTaken = [this] { w_.SetStatusPanel(1, QString()); };
    frmIC_->Saved = [this] {
        view_.RefreshICFileLists();
        w_.ShowICNames();
    };

    view_.hooks.showICView = [this] { ShowICView(); };
    view_.hooks.resetICWindow = [this] { frmIC_->ResetFields(); };
    view_.hooks.setICWindowFields = [this](const QString& name, const QString& width, const QString& height) {
        frmIC_->SetFields(name, width, height);
    };
    view_.hooks.showInOut = [this] { frmIC_->ShowInOut(); };
}

ICDefinitionController::~ICDefinitionController() = default;

void ICDefinitionController::SetViewCommandsEnabled(bool enabled)
{
    for (const char* key : kViewButtons)
        if (QAction* b = w_.ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key)))
            b->setEnabled(enabled);
    for (const char* name : kViewMenus)
        w_.Menu(QString::fromLatin1(name))->setEnabled(enabled);
    for (const char* name : kHiddenMenus)
        w_.Menu(QString::fromLatin1(name))->setVisible(enabled);
    for (int i = 0; i < 4; ++i)
        w_.MenuItem(QStringLiteral("mUsedFiles"), i)->setEnabled(enabled);
    w_.MenuItem(QStringLiteral("mPanel"), 0)->setEnabled(enabled);
    QToolBar* palette = w_.Toolbar(QStringLiteral("Toolbar2"));
    palette->setEnabled(enabled);
    palette->setVisible(enabled);
    // The IC manager and the settings would overwrite the IC being defined.
    w_.Menu(QStringLiteral("mICAuswahl"))->setEnabled(enabled);
    w_.Menu(QStringLiteral("mOptionen"))->setEnabled(enabled);
    w_.ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->setEnabled(enabled);
    w_.Menu(QStringLiteral("mDefIC"))->setEnabled(enabled);
    QAction* create = w_.ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView"));
    create->setChecked(!enabled);
    if (ViewCommandsChanged)
        ViewCommandsChanged(enabled);
}

void ICDefinitionController::ApplyLocks()
{
    if (s_.ICViewOpen)
        SetViewCommandsEnabled(false);
}

void ICDefinitionController::ShowICView()
{
    if (s_.ICViewOpen)
        return;
    SaveToolSelection(s_, s_.ports.tools);
    // Kept apart: switching the power inside the view saves a selection of its own.
    savedTool_ = {s_.SavedToolMode, s_.SavedMousePointer, s_.SavedToolKey, s_.SavedToolIndex};
    s_.ToolMode = ToolCode::ICDefinitionView;
    s_.ICViewOpen = true;
    SetViewCommandsEnabled(false);
    savedPanel0_ = s_.settings.PanelVisible[0];
    s_.settings.PanelVisible[0] = kFalse;
    w_.ResizeProperties(false);
    w_.ChangeSelPicture(s_.ToolMode);
    if (!placed_) {
        // Beside the main window's lower left corner, the first time it shows.
        placed_ = true;
        frmIC_->adjustSize();
        const QRect main = w_.frameGeometry();
        frmIC_->move(main.left() + 7, std::max(main.top(), main.bottom() - frmIC_->height() - 40));
    }
    frmIC_->show();
    frmIC_->raise();
    frmIC_->Form_Activate();
}

bool ICDefinitionController::NameConnector(int16_t x, int16_t y)
{
    const auto edit = BeginConnector(s_, s_.ToolMode, x, y);
    if (!edit)
        return false;
    s_.ICPinIndex = edit->index;
    const int index = edit->index;
    if (edit->isNew) {
        view_.LoadICConnectorLabel(index, QString());
        view_.SetConnectorToolTip(index, u' ' + QString::number(index) + u' ');
        view_.PlaceConnectorLabel(index, x, y);
        // After whatever the editor changed before.
        s_.Changes.Flush();
        w_.objGrafik().DrawICInOut(x, y);
    }
    const QString savedCaption = view_.ConnectorCaption(index);

    frmICAnschluss dialog(s_.circuit, s_.settings, *edit, &w_);
    dialog.LabelChanged = [this, index, x, y](const QString& caption) {
        view_.LoadICConnectorLabel(index, caption);
        view_.PlaceConnectorLabel(index, x, y);
    };
    // Beside the conductor end, a little to its left.
    const double cell = s_.GridMode * kGridPixel;
    const QPoint at = w_.picGrid()->mapToGlobal(QPoint(static_cast<int>(x * cell) - 20, static_cast<int>(y * cell)));
    dialog.adjustSize();
    dialog.move(at);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (!accepted) {
        CancelConnector(s_.circuit, *edit);
        if (edit->isNew) {
            view_.UnloadConnectorLabel(index);
            s_.Changes.Area(x - 1, y - 1, x + 1, y + 1);
            s_.Changes.Flush();
        } else {
            view_.LoadICConnectorLabel(index, savedCaption);
            view_.PlaceConnectorLabel(index, x, y);
        }
        return false;
    }
    view_.LoadICConnectorLabel(index, u'[' + Trim(ConnectorName(s_.circuit, index)) + u']');
    view_.PlaceConnectorLabel(index, x, y);
    frmIC_->ShowInOut();
    return true;
}

void ICDefinitionController::CreateICAnschluss()
{
    int16_t x = s_.CursorX;
    int16_t y = s_.CursorY;
    // One dialog after the other from here, so the chain never nests.
    while (NameConnector(x, y) && s_.settings.SucheNaechstenAnschluss != 0) {
        const auto next = FindNextConnectorEnd(s_.circuit, frmIC_->NextX, frmIC_->NextY, x, y);
        if (!next)
            break;
        x = s_.CursorX = next->first;
        y = s_.CursorY = next->second;
    }
}

void ICDefinitionController::DeleteICAnschluss()
{
    if (!DeleteConnector(s_.circuit, s_.CursorX, s_.CursorY))
        return;
    view_.RefreshConnectorLabels();
    frmIC_->ShowInOut();
}

void ICDefinitionController::RemoveConnector(int index)
{
    const QString entry = s_.circuit.ICPins.value(index);
    s_.CursorX = CInt(Val(GetField(entry, 1)));
    s_.CursorY = CInt(Val(GetField(entry, 2)));
    DeleteICAnschluss();
    s_.Changes.Area(s_.CursorX - 1, s_.CursorY - 1, s_.CursorX + 1, s_.CursorY + 1);
    s_.Changes.Flush();
}

void ICDefinitionController::CloseICView()
{
    if (!s_.ICViewOpen)
        return;
    // Leaving while the circuit runs: the power goes off first, so that the
    // tool brought back is never an editing tool on a running circuit.
    if (s_.engine.PowerFlag != 0 && s_.ports.power)
        s_.ports.power->SwitchPowerOff();
    ResetICDefinition(s_.circuit);
    // The connector named last and the crop box of the last save belong to the definition left.
    s_.ICPinIndex = 0;
    s_.CropMinX = s_.CropMinY = s_.CropMaxX = s_.CropMaxY = 0;
    view_.UnloadICConnectorLabels();
    frmIC_->ResetFields();
    s_.ICViewOpen = false;
    SetViewCommandsEnabled(true);
    for (int i = 1; i <= 25; ++i)
        if (QAction* item = w_.MenuItem(QStringLiteral("mBauteil"), i); item && item->text() != u"-")
            w_.SetRadioMenuChecks(item, i - 1);
    s_.settings.PanelVisible[0] = savedPanel0_;
    w_.ResizeProperties(false);
    s_.SavedToolMode = savedTool_.mode;
    s_.SavedMousePointer = savedTool_.pointer;
    s_.SavedToolKey = savedTool_.key;
    s_.SavedToolIndex = savedTool_.index;
    w_.RestoreEditingTool();
    AfterClose();
}

void ICDefinitionController::AfterClose()
{
    w_.activateWindow();
    if (s_.ToolMode == ToolCode::IC)
        w_.MenueClick(1);
    // A circuit that came from an IC definition file keeps no file name.
    const QString file = s_.objFile.FileName;
    if (file.size() > 4 && file.toLower().endsWith(QLatin1String(".icd"))) {
        s_.objFile.FileName.clear();
        s_.objFile.FilePath.clear();
        s_.CircuitFilePath.clear();
        w_.SetCaption(LoadResString(1906));
    }
    view_.RefreshICFileLists();
    w_.ShowICNames();
    w_.RedrawAllElements();
}
