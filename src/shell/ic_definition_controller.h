#pragma once
// The IC-definition view of the main window: entering and leaving it (the
// menus, toolbars and panels it puts away and brings back), making, naming,
// renaming and removing connectors on the worksheet, and the IC editor
// window beside it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

#include "model/records.h"

class ICDefinitionView;
class UserDialogs;
class frmGatrel;
class frmIC;
struct ProgramState;

class ICDefinitionController : public QObject {
    Q_OBJECT
public:
    ICDefinitionController(frmGatrel& window, ICDefinitionView& view, UserDialogs& dialogs);
    ~ICDefinitionController() override;

    frmIC* IC() const { return frmIC_; }

    void ShowICView();
    // Makes or renames the connector at the cursor cell; with "find next
    // connector" ticked it goes on to each next unnamed conductor end, one
    // dialog after the other, until one is cancelled or none is left.
    void CreateICAnschluss();
    // Removes the connector at the cursor cell.
    void DeleteICAnschluss();
    void CloseICView();
    // The commands kept out of reach while the view is open.
    void ApplyLocks();
    // Told when the view puts its commands away (false) and brings them back.
    std::function<void(bool)> ViewCommandsChanged;

private:
    // One naming dialog for the conductor end (x, y); true when a name was accepted.
    bool NameConnector(int16_t x, int16_t y);
    void SetViewCommandsEnabled(bool enabled);
    void RemoveConnector(int index);
    void AfterClose();

    frmGatrel& w_;
    ProgramState& s_;
    ICDefinitionView& view_;
    UserDialogs& dialogs_;
    QPointer<frmIC> frmIC_;
    int16_t savedPanel0_ = 0;
    bool placed_ = false;
    struct {
        ToolCode mode = ToolCode::Select;
        int pointer = 0;
        QString key;
        int index = 0;
    } savedTool_;
};
