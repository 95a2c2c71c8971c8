// The Boolean tools window, opened from the Circuit menu and the toolbar.
#include "boolean/formula_synthesis.h"
#include "boolean/frmBoolean.h"
#include "placement/document/file_commands.h"
#include "placement/document/settings_store.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "shell/frmGatrel.h"

frmBoolean& frmGatrel::BooleanTools()
{
    // Created on first use and released when it closes.
    if (!booleanTools_) {
        auto* w = new frmBoolean(s_.settings, s_.ToolMode, dialogs_, this);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->MayReplaceCircuit = [this] { return ConfirmReplace(s_, dialogs_); };
        w->WriteSettings = [this] { SaveSettings(s_, objUndo_->Undos(), &dialogs_); };
        // Generate draws onto the main window's worksheet with its placing routines.
        w->CreateGroups = [this](clsGroups& groups) { CreateGroupsAside(*placement_, groups); };
        booleanTools_ = w;
    }
    return *booleanTools_;
}

void frmGatrel::OpenBooleanTools(int tab)
{
    BooleanTools().ShowTab(tab);
}
