#pragma once
// The Boolean tools window: one term box shared by three tabs (circuit
// synthesis, the truth table of a term, term synthesis from an editable
// table), with the preview of the term and its status labels.
#include "boolean/boolean_ports.h"
#include "boolean/boolean_tools_logic.h"
#include "boolean/clsBool.h"
#include "boolean/clsGroups.h"
#include "boolean/clsQuineMcCluskey.h"
#include "boolean/truth_table_editing.h"

#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <memory>

class CalculatedTableModel;
class PainterSurface;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class QTableView;
class QToolButton;
class TruthTableView;
class UserDialogs;
struct Settings;

class frmBoolean : public QDialog {
    Q_OBJECT
public:
    // settings: the term options are read from and saved into them, the
    // feature switches read. tool: the tool in use when the window opens
    // (the circuit synthesis is closed to the IC definition view).
    frmBoolean(Settings& settings, ToolCode tool, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~frmBoolean() override;

    // Draws objGroups' term as a new circuit on the worksheet with the
    // layout set on it; reports through objGroups' Error and Corrected. It
    // lets events run through objGroups' ProcessEvents, and when objGroups'
    // Cancel stops it the worksheet stays as it was.
    std::function<void(clsGroups&)> CreateGroups;
    // Before a drawing replaces the circuit: whether it may (the question
    // about unsaved changes answered). Unset, the circuit is replaced.
    std::function<bool()> MayReplaceCircuit;
    // Writes the settings to the store after the options went into them.
    std::function<void()> WriteSettings;

    // The main window's menus and toolbar: make a tab current and show.
    void ShowTab(int tab);
    // The simplification feature switch, applied to "Simplify".
    void SetSimplificationEnabled(bool on);

    // Handlers, named as the controls they belong to.
    void SSTab1_Click(int tab);
    void cmbFormel_Change();
    void cmbFormel_Click();
    void cmdErstellen_Click();
    void cmdTabelle_Click();
    void cmdTerm_Click();
    void cmdTermsynthese_Click();
    void cmdSort_Click();
    void cmdDelete_Click();
    void chkSchnell_Click();
    void cmbArt_Click();
    void txtOption_LostFocus(int index);
    void cmdSchliessen_Click();
    // The cancel button, and a click on "Calculate table" while a command
    // runs: the table, the minimiser or the synthesis stops at its next step.
    void CancelRun();

    bool Running() const { return running_; }
    bool Generating() const { return generating_; }
    // Whether a minimisation is on its worker thread.
    bool Minimising() const { return minimising_; }
    clsGroups& Groups() { return objGroups; }
    TruthTableGrid& Grid() { return grid_; }
    const PreviewStrip& Preview() const { return preview_; }
    // Colours (&HBBGGRR) of the status labels lblVereinfacht, lblKorrigiert, lblFehler.
    int32_t StatusColour(int label) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kPreviewHeight = 40;           // pixels
    static constexpr int kPreviewContainerWidth = 420;  // pixels

    void BuildControls();
    void BuildTermRows(QVBoxLayout* layout);
    void ConnectControls();
    QWidget* BuildSynthesisTab();
    QWidget* BuildTableTab();
    QWidget* BuildTermTab();
    void Form_Load();
    void WireTable();
    // Calculate table: what a click on cmdTabelle starts and what the
    // minimiser's press of the button runs.
    void CalculateTable();
    // Applies the table's refresh to the term box.
    void Refresh();
    void TableEdited(bool refresh);
    void SetHistory(const QStringList& history);
    void AddTermToList();
    void SaveTermOptions();
    void ShowWaiting(const QString& text);
    void HideWaiting();
    // Lets pending events run, at most every few milliseconds: the long
    // runs call it after every step.
    void LetEventsRun();
    void ShowProgress(int done, int total);
    // Runs the minimiser's merge passes on a worker thread.
    void MinimiseAside(const std::function<void()>& work);
    void DrawPreview(const QString& term);
    void PlacePreview();
    void SyncStatus();
    void SyncCalculatedTable();
    QString Formula() const;
    // Puts the term Generate draws into objGroups (the minimiser's when
    // "Simplify" is set) and checks it. False when it cannot be drawn; the
    // refusal has been shown.
    bool TakeTermToDraw();

    Settings& settings_;
    ToolCode tool_;
    UserDialogs& dialogs_;
    clsGroups objGroups;
    clsBool objBool;
    clsQuineMcCluskey objQuineMcCluskey;
    CalculatedTable table_;
    TruthTableGrid grid_;
    truth_table::HeaderColours headers_;
    PreviewStrip preview_;
    std::unique_ptr<PainterSurface> previewSurface_;
    QStringList history_;
    bool running_ = false;
    bool generating_ = false;
    bool minimising_ = false;
    bool cancelRequested_ = false;
    QElapsedTimer sinceEvents_;
    bool tableDirty_ = false;
    int dragX_ = 0; // where the mouse went down on the preview, in pixels
    std::array<int32_t, 3> status_{};
    std::array<bool, 3> tabAllowed_{true, true, true};
    std::array<bool, 3> tabFeature_{true, true, true};

    // Controls.
    QComboBox* cmbFormel_ = nullptr;
    QToolButton* cmdFormel_ = nullptr;
    QWidget* picContainer_ = nullptr;
    QLabel* picVorschau_ = nullptr;
    QLabel* lblLinks_ = nullptr;
    QLabel* lblRechts_ = nullptr;
    std::array<QLabel*, 3> statusLabels_{};
    QLabel* lblError_ = nullptr;
    QTabWidget* SSTab1_ = nullptr;
    std::array<QLineEdit*, 3> txtOption_{};
    QComboBox* cmbBauteile_ = nullptr;
    QCheckBox* chkVereinfachen_ = nullptr;
    QCheckBox* chkSave_ = nullptr;
    QToolButton* chkSorted_ = nullptr;
    QPushButton* cmdErstellen_ = nullptr;
    QPushButton* cmdTabelle_ = nullptr;
    QTableView* lvwTabelle_ = nullptr;
    CalculatedTableModel* tableModel_ = nullptr;
    QProgressBar* prgProgress_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QListWidget* lstProtokoll_ = nullptr;
    QComboBox* cmbArt_ = nullptr;
    QCheckBox* chkSchnell_ = nullptr;
    QPushButton* cmdTerm_ = nullptr;
    QPushButton* cmdTermsynthese_ = nullptr;
    QPushButton* cmdSort_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdSchliessen_ = nullptr;
    QPushButton* FokusFaenger_ = nullptr;
    TruthTableView* tableView_ = nullptr;

    // The label and list sinks the classes write to.
    class ErrorLabel;
    class ProtocolList;
    std::unique_ptr<ErrorLabel> errorSink_;
    std::unique_ptr<ProtocolList> protocolSink_;
    class frmBool;
    std::unique_ptr<frmBool> treeSink_;
};
