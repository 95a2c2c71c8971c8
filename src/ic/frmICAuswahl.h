#pragma once
// The IC manager: a tool window beside the main window that lists the ICs
// of the IC directory with their notes, shows the chosen IC's nesting tree
// and status, and edits, imports and deletes ICs. Choosing an IC here makes
// it the main window's placing tool.
#include <QMainWindow>
#include <QMap>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "model/files/ic_definition_check.h"
#include "model/ports/ic_manager_port.h"

class ICChooser;
class ICListView;
class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class UserDialogs;
struct ProgramState;

class frmICAuswahl : public QMainWindow, public ICManagerPort {
    Q_OBJECT
public:
    // chooser is the main window's IC panel; it may be null (no main window).
    frmICAuswahl(ProgramState& s, UserDialogs& dialogs, ICChooser* chooser, QWidget* parent = nullptr);

    // What the manager changes in the main window beyond the tool port.
    // The IC tool can be chosen (true) or not: mBauteil(24/25) and "cmdIC".
    std::function<void(bool)> SetICToolAvailable;
    // The conductor tool instead of the IC tool, "cmdIC" released, the placement outline hidden.
    std::function<void()> ChooseConductorTool;
    // The pointer is over the list: the placement outline goes.
    std::function<void()> HidePlacementOutline;
    // The window was closed: the main window's button and menu check are released.
    std::function<void()> Closed;

    // Shows the window where it was left, as Form_Load places it.
    void Form_Load();
    // Remembers place, size and view and hides the window; closing it also
    // releases the main window's checks (Closed).
    void Form_Unload();

    void ShowICNames();
    void ShowICDetails();
    void ICBearbeiten();
    void ICImportieren();
    void ICLoeschen();
    void SetCheck(int view);
    // 0 large icons, 1 list, 2 details: the list, the menu check, the pressed button.
    void SetView(int view);
    void ShowICSchachtelung();
    bool ICisUsed(const QString& name);

    // An IC chosen in the main window's chooser: the list follows, then its details.
    void ChooseIC(const QString& name);
    // Notes written from the main window's notes box.
    void NotesWritten(const QString& name, const QString& notes);
    // The IC-definition view is open: the list, the toolbar and the IC menu rest.
    void SetEditingAllowed(bool allowed);

    // ICManagerPort
    void ICDirectoryChanged() override;

    // The last nesting check found every file, no IC containing itself.
    bool ICNestingOK() const { return nestingOK_; }
    const QStringList& lstICUsed() const { return lstICUsed_; }
    QStringList MissingICs() const { return missing_; }
    // The IC definition check's fault of the IC shown, if it found one.
    const std::optional<ICFault>& Fault() const { return fault_; }

    ICListView* lvwICs = nullptr;
    QTreeWidget* tvwSchachtelung = nullptr;
    QFrame* picICVorschau = nullptr;
    QLabel* lblAllgemein = nullptr;
    QLabel* lblStatus = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QFrame* Line3 = nullptr;
    QPlainTextEdit* txtNotizen = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusText = nullptr; // the status bar's one text
    QAction* mAnsichtMenue = nullptr;
    QAction* mICMenue = nullptr;
    std::array<QAction*, 7> mAnsicht{};
    std::array<QAction*, 4> mIC{};
    // A toolbar button by key.
    QAction* ToolbarButton(const QString& key) const { return buttons_.value(key); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildPanel();
    // The window's size at the first start, from what it has to show.
    QSize FirstStartSize(int screenWidth) const;
    void ApplyTexts();
    void Form_Resize();
    void SetEditDeleteEnabled(bool edit, bool del);
    QString SelectedPath() const;
    void ShowNotesInBoth(const QString& notes);
    void FillTree(const struct NestingTree& tree);
    void ClearDetails();
    void Guarded(const QString& where, const std::function<void()>& action);

    ProgramState& s_;
    UserDialogs& dialogs_;
    ICChooser* chooser_;
    QMap<QString, QAction*> buttons_;
    QActionGroup* viewButtons_ = nullptr;
    QWidget* central_ = nullptr;
    QStringList lstICUsed_;
    QStringList missing_;
    std::optional<ICFault> fault_;
    bool nestingOK_ = false;
    // lblStatus shows the fault text (it may still show an earlier IC's state).
    bool statusFaulty_ = false;
    bool loaded_ = false;
};
