// The Boolean tools window, opened from the Circuit menu and the toolbar.
#include <QPointer>

#include "boolean/formula_synthesis.h"
#include "boolean/frmBoolean.h"
#include "model/files/settings_store.h"
#include "placement/clsUndo.h"
#include "shell/frmGatrel.h"

void frmGatrel::WireBooleanTools()
{
    // Created on first use and released when it closes.
    auto window = std::make_shared<QPointer<frmBoolean>>();
    const auto loaded = [this, window]() -> frmBoolean& {
        if (!*window) {
            auto* w = new frmBoolean(s_, dialogs_, this);
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->WriteSettings = [this] { SaveSettings(s_, objUndo_->Undos(), &dialogs_); };
            // Generate draws onto the main window's worksheet with its placing routines.
            w->CreateGroups = [this](clsGroups& groups) { CreateGroupsAside(*placement_, groups); };
            *window = w;
        }
        return **window;
    };
    seams_.booleanTools = [loaded](int tab) { loaded().ShowTab(tab); };
    // A window loaded later reads the same switch when it loads.
    seams_.simplificationEnabled = [window](bool on) {
        if (*window)
            (*window)->SetSimplificationEnabled(on);
    };
}
