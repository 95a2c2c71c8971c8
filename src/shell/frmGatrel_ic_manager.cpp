// The IC manager window and the IC panel's chooser, preview and notes,
// wired to the main window.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "ic/frmICAuswahl.h"
#include "ic/ic_chooser.h"
#include "model/state.h"
#include "shell/frmGatrel.h"
#include "shell/ic_page.h"
#include "shell/properties_panel.h"
#include "shell/tool_window_keys.h"

void frmGatrel::WireICManager()
{
    ICPage* page = propertiesPanel_->icPage;
    const ICChooserFields fields{s_.Verzeichnisse[1], s_.circuit.ICName, s_.ToolMode};
    auto* chooser =
        new ICChooser(fields, dialogs_, page->cmbIC, page->picICVorschau, page->txtNotizen, page->lblICFehler, this);
    chooser->setObjectName(QStringLiteral("icChooser"));
    auto* manager = new frmICAuswahl(s_, dialogs_, chooser, this);
    s_.ports.icManager = manager;
    icManager_ = manager;
    // F5, Ctrl+B, Ctrl+I and Del are the manager's own commands while it is active.
    TakeOwnKeysWhileActive(manager, this);

    chooser->Click = [this] { cmbIC_Click(); };
    chooser->NotesWritten = [manager](const QString& name, const QString& notes) {
        manager->NotesWritten(name, notes);
    };
    manager->SetICToolAvailable = [this](bool available) {
        // The permissions may have switched the IC off altogether.
        const bool on = available && s_.settings.ElementEnable[13] != 0;
        if (on) {
            for (int i : {24, 25})
                if (QAction* item = MenuItem(QStringLiteral("mBauteil"), i))
                    item->setVisible(true);
        }
        MenuItem(QStringLiteral("mBauteil"), 25)->setEnabled(on);
        ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdIC"))->setEnabled(on);
    };
    manager->ChooseConductorTool = [this] {
        ReleaseToolButton(QStringLiteral("cmdIC"));
        MenueClick(1);
        HidePlacementOutlines(true);
    };
    manager->HidePlacementOutline = [this] { HidePlacementOutlines(); };

    manager->Closed = [this] { SetICManagerChecks(false); };
    icChooser_ = chooser;
}

void frmGatrel::SetICManagerChecks(bool on)
{
    Menu(QStringLiteral("mICAuswahl"))->setChecked(on);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->setChecked(on);
    propertiesPanel_->icPage->cmdICVerwaltung->setChecked(on);
}

void frmGatrel::ShowICManager(bool show)
{
    if (show) {
        SetICManagerChecks(true);
        if (icManager_->isVisible())
            icManager_->raise();
        else
            icManager_->Form_Load();
        return;
    }
    // Released by the user, every check goes; hidden for a simulation run, they stay.
    const bool released = !Menu(QStringLiteral("mICAuswahl"))->isChecked()
        || !ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->isChecked()
        || !propertiesPanel_->icPage->cmdICVerwaltung->isChecked();
    icManager_->Form_Unload();
    if (released)
        SetICManagerChecks(false);
}
