// The Boolean tools window's commands: Generate, Calculate table, the
// term-synthesis buttons and the table edits.
#include "boolean/frmBoolean.h"

#include "boolean/calculated_table_view.h"
#include "boolean/truth_table_view.h"
#include "platform/painter_surface.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "platform/wait.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kGrey = 0xC0C0C0;
// The longest a long run goes on without letting events run.
constexpr int kEventsEveryMs = 20;

// Sets a flag for as long as the scope runs.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

void frmBoolean::ShowWaiting(const QString& text)
{
    QFont f = lblError_->font();
    f.setPointSize(18);
    lblError_->setFont(f);
    lblError_->setAlignment(Qt::AlignCenter);
    lblError_->setText(text);
    lblError_->show();
    lblError_->raise();
    picVorschau_->hide();
    // Busy until a run reports how far it is.
    prgProgress_->setRange(0, 0);
    prgProgress_->show();
    cmdCancel_->show();
}

void frmBoolean::HideWaiting()
{
    picVorschau_->show();
    QFont f = lblError_->font();
    f.setPointSize(10);
    lblError_->setFont(f);
    lblError_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblError_->hide();
    prgProgress_->hide();
    cmdCancel_->hide();
}

void frmBoolean::LetEventsRun()
{
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventsEveryMs)
        return;
    SyncCalculatedTable();
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void frmBoolean::ShowProgress(int done, int total)
{
    if (prgProgress_->maximum() != total)
        prgProgress_->setRange(0, total);
    prgProgress_->setValue(done);
}

void frmBoolean::MinimiseAside(const std::function<void()>& work)
{
    FlagScope minimising(minimising_);
    // The table calculation before took its progress display down again.
    ShowWaiting(LoadResString(1528));
    const auto show = [this] { ShowProgress(objQuineMcCluskey.PassesDone(), objQuineMcCluskey.Passes()); };
    show();
    RunAside(work, show);
}

void frmBoolean::CancelRun()
{
    if (!running_ && !generating_)
        return;
    cancelRequested_ = true;
    running_ = false;
    objGroups.Cancel = true;
    objQuineMcCluskey.Error = true;
    objQuineMcCluskey.RequestCancel();
    HideWaiting();
}

void frmBoolean::SyncCalculatedTable()
{
    if (!tableDirty_)
        return;
    tableDirty_ = false;
    tableModel_->Refresh();
}

void frmBoolean::cmdErstellen_Click()
{
    // A synthesis that yields (the waiting message, the table calculation)
    // must not start another one, nor run beside a calculation.
    if (generating_ || running_ || !CreateGroups)
        return;
    FlagScope generating(generating_);
    cancelRequested_ = false;
    objGroups.Cancel = false;
    // A No to the overwrite question leaves the history and the labels as they were.
    const QStringList historyBefore = history_;
    const std::array<int32_t, 3> statusBefore = status_;
    const int32_t errorBefore = grid_.lblFehlerColor;
    AddTermToList();
    status_.fill(kGrey);
    grid_.lblFehlerColor = kGrey;
    SyncStatus();
    // Enter reaches Generate without the boxes losing the focus.
    for (int i = 0; i < 3; ++i)
        txtOption_LostFocus(i);
    SetProperties({txtOption_[0]->text(), txtOption_[1]->text(), txtOption_[2]->text()}, objGroups);
    ShowWaiting(LoadResString(1528));
    QCoreApplication::processEvents();

    // The term is checked first: the user is asked to overwrite the circuit
    // only for a term that will be drawn.
    const bool drawable = TakeTermToDraw() && !cancelRequested_;
    if (drawable && !chkSave_->isChecked()
        && dialogs_.ShowMessage(LoadResString(1527), MessageButtons::YesNo, MessageIcon::Question,
                                LoadResString(1518)) != MessageResult::Yes) {
        SetHistory(historyBefore);
        status_ = statusBefore;
        grid_.lblFehlerColor = errorBefore;
        HideWaiting();
        DrawPreview(Formula());
        SyncStatus();
        cmbFormel_->setFocus();
        return;
    }
    // The circuit is replaced only once CreateGroups has drawn it: a cancel
    // until then leaves it as it was.
    if (drawable && (!MayReplaceCircuit || MayReplaceCircuit()))
        CreateGroups(objGroups);
    objGroups.Cancel = false;
    if (!cancelRequested_) {
        if (objGroups.Error)
            grid_.lblFehlerColor = kYellow;
        if (objGroups.Corrected)
            status_[1] = kYellow;
        HideWaiting();
        DrawPreview(objGroups.Term);
    }
    SyncStatus();
    running_ = false;
    cmbFormel_->setFocus();
}

bool frmBoolean::TakeTermToDraw()
{
    const QString formula = Formula();
    const bool minimise = chkVereinfachen_->isChecked();
    QString term = formula;
    if (minimise) {
        objQuineMcCluskey.Term = formula;
        objQuineMcCluskey.VereinfachterTerm.clear();
        term = objQuineMcCluskey.Vereinfache();
        if (formula != term && !cancelRequested_)
            status_[0] = kYellow;
        // Its table calculation has said why (a bad term, a cancel, too many
        // variables) and left the term as it checked it; there is nothing to check.
        if (objQuineMcCluskey.Error)
            return false;
    }
    objGroups.Term = term;
    objGroups.Minimised = minimise;
    const bool drawable = objGroups.CheckSynthesis();
    objGroups.Minimised = false;
    // A refused term stays as the check wrote it out, for the preview; the
    // drawing starts again from the term as it came, and reports what it corrected.
    if (drawable)
        objGroups.Term = term;
    return drawable;
}

void frmBoolean::cmdTabelle_Click()
{
    // A second click while a command runs cancels it at its next step.
    if (running_ || generating_) {
        CancelRun();
        return;
    }
    cancelRequested_ = false;
    objGroups.Cancel = false;
    CalculateTable();
}

void frmBoolean::CalculateTable()
{
    // Whatever happens inside, the window must be closable afterwards.
    FlagScope running(running_);
    // Each calculation shows its own outcome, not an earlier command's.
    status_.fill(kGrey);
    grid_.lblFehlerColor = kGrey;
    AddTermToList();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct CursorBack {
        ~CursorBack() { QApplication::restoreOverrideCursor(); }
    } cursorBack;
    ShowWaiting(QStringLiteral("0% fertig"));
    QCoreApplication::processEvents();
    objGroups.Term = Formula();
    objGroups.CreateTabelle();
    SyncCalculatedTable();
    if (objGroups.Error) {
        grid_.lblFehlerColor = kYellow;
        objQuineMcCluskey.Error = true;
    }
    if (objGroups.Corrected)
        status_[1] = kYellow;
    HideWaiting();
    previewSurface_->Cls();
    DrawPreview(objGroups.Error ? QString() : objGroups.Term);
    SyncStatus();
    cmbFormel_->setFocus();
}

void frmBoolean::cmdTerm_Click()
{
    if (grid_.CheckForErrors())
        cmbFormel_->setEditText(QString());
    else
        cmbFormel_->setEditText(grid_.CreateTerm(static_cast<NormalForm>(cmbArt_->currentIndex())));
    SyncStatus();
}

void frmBoolean::cmdTermsynthese_Click()
{
    // A contradictory table has no term to build a circuit from.
    if (grid_.CheckForErrors()) {
        cmbFormel_->setEditText(QString());
        SyncStatus();
        return;
    }
    cmbFormel_->setEditText(grid_.CreateTerm(static_cast<NormalForm>(cmbArt_->currentIndex())));
    if (cmdErstellen_->isEnabled()) {
        cmdErstellen_->setFocus();
        cmdErstellen_Click();
    }
}

void frmBoolean::cmdSort_Click()
{
    grid_.SortTabelle();
    tableView_->Sync();
}

void frmBoolean::cmdDelete_Click()
{
    truth_table::ClearTable(grid_);
    tableView_->Sync();
}

void frmBoolean::chkSchnell_Click()
{
    cmdTerm_->setEnabled(!chkSchnell_->isChecked());
}

void frmBoolean::cmbArt_Click()
{
    if (isVisible())
        Refresh();
}

void frmBoolean::Refresh()
{
    const std::optional<QString> term =
        truth_table::Refresh(grid_, chkSchnell_->isChecked(), static_cast<NormalForm>(cmbArt_->currentIndex()));
    if (term)
        cmbFormel_->setEditText(*term);
    SyncStatus();
}

void frmBoolean::TableEdited(bool refresh)
{
    if (refresh)
        Refresh();
    tableView_->Sync();
}

void frmBoolean::WireTable()
{
    grid_.ResultClicked = [this](int) {
        if (isVisible())
            Refresh();
    };
    tableView_->lblLine_Click = [this](int index) {
        TableEdited(truth_table::ToggleInput(grid_, index) && isVisible());
    };
    tableView_->lblResult_Click = [this](int row) {
        TableEdited(truth_table::ToggleResult(grid_, row) && isVisible());
    };
    tableView_->lblSpalte_Click = [this](int column) {
        truth_table::InvertColumn(grid_, column);
        TableEdited(false);
    };
    tableView_->lblErgebnis_Click = [this] {
        truth_table::InvertResults(grid_);
        TableEdited(true);
    };
    tableView_->UpDown1_Click = [this](bool up) {
        TableEdited(up ? truth_table::AddRow(grid_) : truth_table::RemoveRow(grid_));
    };
    tableView_->UpDown2_Click = [this](bool up) {
        TableEdited(up ? truth_table::AddVariable(grid_) : truth_table::RemoveVariable(grid_));
    };
    tableView_->Hovered = [this](truth_table::HoverTarget target, int index) {
        truth_table::Hover(grid_, headers_, target, index);
        tableView_->Sync();
    };
    tableView_->scrLines_GotFocus = [this] { FokusFaenger_->setFocus(); };
}
