// The IC-definition view wired into the main window: Circuit > Create IC and
// its toolbar button, the worksheet's connector clicks, and the commands the
// view keeps out of reach even when the power panel brings the others back.
#include "shell/frmGatrel.h"

#include <QAction>

#include "editing/worksheet_editor.h"
#include "ic/frmIC.h"
#include "ic/frmICAuswahl.h"
#include "model/state.h"
#include "platform/guard.h"
#include "shell/ic_definition_controller.h"
#include "shell/power_panel.h"

void frmGatrel::WireICDefinition()
{
    auto* controller = new ICDefinitionController(*this, *icView_, dialogs_);
    editor_->SetICSearchStart = [controller](int16_t nextX, int16_t nextY) {
        controller->IC()->NextX = nextX;
        controller->IC()->NextY = nextY;
    };
    // An IC manager left open keeps its hands off the IC being defined.
    controller->ViewCommandsChanged = [this](bool enabled) {
        if (icManager_)
            icManager_->SetEditingAllowed(enabled);
    };
    editor_->CreateICAnschluss = [controller] { controller->CreateICAnschluss(); };
    editor_->DeleteICAnschluss = [controller] { controller->DeleteICAnschluss(); };

    QAction* create = ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView"));
    create->setEnabled(true);
    connect(create, &QAction::triggered, this, GuardedSlot(dialogs_, QStringLiteral("cmdICView"), [this, create] {
                if (s_.ToolMode == ToolCode::QuickHelp)
                    return;
                if (s_.ICViewOpen)
                    create->setChecked(true); // the view ends in its own window
                else
                    mDefIC_Click();
            }));

    // Switching the power off brings the editing commands back; those the view rests stay resting.
    const auto switchMode = powerPanel_->SwitchMode;
    powerPanel_->SwitchMode = [switchMode, controller](bool edit) {
        if (switchMode)
            switchMode(edit);
        controller->ApplyLocks();
    };
}
