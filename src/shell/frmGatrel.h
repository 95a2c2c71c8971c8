#pragma once
// The main window: worksheet, menus, toolbars, side panels and status bar.
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QRect>
#include <vector>

#include "shell/main_window_services.h"
#include "shell/quick_help.h"
#include "simulation/engine.h"

class QAction;
class QKeyEvent;
class QuickHelpBox;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSlider;
class QToolBar;
class QToolButton;
class QTreeWidget;
class NullSurface;
class PlatformTimer;
class TimerHost;
class UserDialogs;
class WorksheetEditor;
class WorksheetPicture;
class clsGrafik;
class clsUndo;
struct PlacementContext;
struct ProgramState;

class frmGatrel : public QMainWindow, public MainWindowServices {
    Q_OBJECT
public:
    frmGatrel(ProgramState& s, UserDialogs& dialogs, TimerHost& timers, QWidget* parent = nullptr);
    ~frmGatrel() override;

    ProgramState& state() { return s_; }
    WorksheetPicture* picGrid() const { return picGrid_; }
    NullSurface& picNone() { return *picNone_; }
    // The drawing object; its Device is the worksheet picture's surface.
    clsGrafik& objGrafik() { return *objGrafik_; }
    // The undo history, and what the placing routines work with in this window.
    clsUndo& objUndo() { return *objUndo_; }
    PlacementContext& placement() { return *placement_; }
    // The worksheet's mouse and key protocol while editing.
    WorksheetEditor& editor() { return *editor_; }
    // A toolbar button by toolbar and key: keys repeat across toolbars.
    QAction* ToolbarButton(const QString& toolbar, const QString& key) const;
    QToolBar* Toolbar(const QString& name) const;
    // Menu item arrays by name and index (mBauteil, mAnsichtItem, mUsedFiles).
    QAction* MenuItem(const QString& array, int index) const;
    QAction* Menu(const QString& name) const;

    // What the engine runs with in this window.
    EngineContext& engineContext() { return engine_; }

    PlatformTimer& Timer1() { return *timer1_; }
    std::vector<std::unique_ptr<PlatformTimer>>& Timer2() { return timer2_; }

    // Lays out the work field: container, scroll bars, picture.
    void ResizeWorksheet() override;

    // MainWindowServices
    void SetStatusPanel(int panel, const QString& text) override;
    void SetProgress(int value) override;
    void EnableMainWindow(bool enabled) override;
    void SetCaption(const QString& caption) override;
    QString DialogFileName() const override;
    void SetDialogFileName(const QString& name) override;
    void ChangePropertyWindow(std::array<bool, 8> parts) override;
    void ChangeGUI(bool edit) override;
    void ChangeSelPicture(int16_t tool) override;
    void SetSizeBoxes(int16_t maxX, int16_t maxY) override;
    void ResetScrollBars() override;
    void PressPowerOff() override;
    void SetAnalyserMenuEnabled(bool enabled) override;
    void SetUndoListMenuEnabled(bool enabled) override;
    void CheckComponentMenuOnly(int item) override;
    void SetUsedFileItem(int index, const QString& caption) override;
    QString UsedFileItem(int index) const override;
    void ShowUsedFilesSeparator() override;
    QString PressedToolKey(int* index) const override;
    void PressToolButton(const QString& key, int index) override;
    void ReleaseToolButton(const QString& key) override;
    bool OrientationToolbarEnabled() const override;
    void SetOrientationToolbarEnabled(bool enabled) override;
    int WorksheetMousePointer() const override;
    void SetWorksheetMousePointer(int pointer) override;
    void RedrawAllElements() override;
    void DrawGrid() override;
    void UnloadClockTimers() override;
    void UnloadICConnectorLabels() override;
    void ResetICWindow() override;
    void RebuildLevelTree() override;
    void DeleteUndoData() override;
    void ResetAnalyser() override;
    bool MainFormLoaded() const override;
    bool FormelPanelOpen() const override;
    void SetWorksheetPictureSize(int width, int height) override;
    QSize WorksheetContainerSize() const override;
    QSize WorksheetContainerInnerSize() const override;
    void SelectNone() override;
    void DisplayBeschriftungsText(int16_t n, const QString& oldText) override;
    void ShowICInOut(int16_t x, int16_t y) override;
    void HideICConnectorLabels() override;
    void ShowNamedICConnectorLabels() override;
    void SetTimeLabel(const QString& text) override;
    void CreateClockTimers(int count) override;
    void AddAnalyserChannel(int channel) override;
    void AddICConnectorLabel(int index, const QString& name, const QString& tag) override;
    void SetICWindowFields(const QString& name, const QString& width, const QString& height) override;
    void ShowInOut() override;
    void ShowICView() override;
    void SetOnOffText(const QString& text) override;
    QString OnOffText() const override;
    void SetRunLamp(bool red) override;
    void SetPauseEnabled(bool enabled) override;
    void SetPauseCaption(const QString& caption) override;
    QString PauseCaption() const override;
    void SetStopEnabled(bool enabled) override;
    void ShowPowerPanel() override;
    void CommitLabelEdit() override;
    void ClearLevelTree() override;
    void AddLevelNode(const QString& parentKey, const QString& key, const QString& text) override;
    bool LevelNodeExists(const QString& key) const override;
    void ExpandAndSelectLevelRoot() override;
    void SetLevelLabel(const QString& text) override;
    void LoadICConnectorLabel(int index, const QString& caption) override;
    void SetClockButtonEnabled(const QString& key, bool enabled) override;
    void SetClockCyclesText(const QString& text) override;
    void SetClockSliders(int slider1, int slider0) override;
    void SetClockPhaseLabels(const QString& lbl1, const QString& lbl0) override;
    void SetClockTitle(const QString& text) override;
    void SetClockLinkChecked(bool checked) override;
    void HideSelectedClockFrame() override;
    QString GateInputsText() const override;
    int ClockTimerUBound() const override;
    void AddClockTimer() override;
    void RemoveLastClockTimer() override;
    int ClockTimerInterval(int index) const override;
    void SetClockTimerInterval(int index, int ms) override;
    void PrepareListView() override;
    void ResizeListView() override;
    void AddGraph(int channel) override;
    void RemoveGraph(int channel) override;
    void SetUndoMenu(bool enabled, const QString& caption) override;
    void SetUndoButtonsEnabled(bool enabled) override;
    void RefreshICFileLists() override;

    // Start-up, texts, menus, toolbars and shut-down (frmGatrel_shell.cpp).
    // The loading after construction: 0 when the window may be shown, else
    // the exit status to end with (its message has been shown).
    int Form_Load(const QString& ladeDatei, const QString& documentsFolder, const QString& programFolder);
    void Form_Activate();
    // Asks about a changed circuit, stops the engine and clocks and saves the
    // settings; false when the user keeps the window open.
    bool Form_QueryUnload();
    void ApplyTexts();
    void Toolbar_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    void MenueClick(int index);
    void SetElementButtons();
    void ShowPanels();
    void ResizeProperties(bool force);

    // Side panels, work field and command line (frmGatrel_panels.cpp).
    void Form_Resize();
    QWidget* Panel(int index) const; // by PanelVisible index
    void cmdClose_Click(int button);
    void cmdMin_Click(int button, bool pressed);
    void cmdChange_MouseUp();
    void cmbIC_Click();
    void DisplayEingabezeile();
    void CloseFormelPanel();
    // A panel opened again from the toolbar or the View menu comes back whole.
    void ReopenPanel(int index);
    // Fills the IC box with the IC definitions of the IC folder.
    void ShowICNames();

    // Modes, control panel, hover and quick-help hooks (frmGatrel_modes.cpp).
    void SetRadioMenuChecks(QAction* item, int position);
    void HideDecoder();
    // Hides the placement aids when the pointer leaves the worksheet for a control.
    void HidePlacementOutlines(bool evenForSelectTool = false);
    // The pointer arrived over a control around the worksheet.
    void HoverOver(QWidget* w);
    void Form_MouseMove();
    void lblICAnschluss_MouseMove(int index);
    void ShowQuickHelp(const QString& key, int index);
    void PlaceQuickHelp(const QString& headline, const QString& body, const QString& key, int index);
    void EnterQuickHelp();
    void LeaveQuickHelp();
    // Puts quick help's own saved tool selection in place of the program's, or back.
    void SwapQuickHelpSelection();
    ToolbarButtons ReadToolbarButtons() const;
    void ApplyToolbarButtons(const ToolbarButtons& buttons);
    QuickHelpBox* picQuickHelp() const { return picQuickHelp_; }
    void cmdColor_MouseDown(int index);
    void cmdStop_Click();
    void txtVerzoegerung_Apply();
    void WireControlPanel();
    void cmbFormel_KeyPress(QKeyEvent* event);

    // Windows that later parts of the program bring; empty ones do nothing.
    struct Seams {
        std::function<void()> printDialog, deleteArea, numberConversion, help, webPage, supportMail, about;
        std::function<void()> passwordCheck, passwordChange, settingsDialog, hideQuickHelp;
        std::function<void(int)> booleanTools;   // tab 0 synthesis, 1 truth table, 2 term synthesis
        std::function<void(bool)> icManager;     // show (true) or unload
        std::function<void(bool)> logicAnalyzer; // show (true) or hide
        std::function<void(bool)> simplificationEnabled;
        // The IC manager's frame in pixels while it is visible, else nothing.
        std::function<std::optional<QRect>()> icManagerGeometry;
        // The IC chosen in the IC box, by its position counted from 1.
        std::function<void(int)> icChosen;
        // A circuit built from a Boolean term (the command line's formula mode).
        std::function<void(const QString&)> synthesize;
    };
    Seams& seams() { return seams_; }

public slots:
    void mNeu_Click();
    void mBeenden_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void BuildShellControls();
    void CallSeam(const std::function<void()>& seam);
    void ChangeToolbarStyle();
    int ICFileCount() const;
    void StopForShutDown();
    void SelectKomplexElement();
    void AddComboItem(const QString& text, bool enabled);
    void SetElementButton(int kind, bool enabled);
    void mPanel_Click(int index);
    void mICAuswahl_Click();
    void mOptionen_Click();
    void mSaveBitmap_Click();
    void SetShowGrid(bool on);
    void StepZoom(const QString& key);
    void ShowZoomText();
    void OpenBooleanTools(int tab);
    void BuildToolbars();
    void BuildLeftPanel();
    QWidget* MakePanel(int index, const QString& title, QLabel* titleLabel);
    void BuildWorkField();
    void PlaceEndLines();
    void BuildStatusBar();
    QAction* AddToolbarButton(QToolBar* bar, const QString& key, int tooltipId, bool checkable);
    void ScrollPicture();
    // The drawing object's visible cell range from the bars and the container.
    void GetVisibleP();
    // The engine's controls: power, pause, stop, delay, clock panel, level tree, worksheet clicks.
    void WireEngineControls();
    void WireWorksheetEditor();
    std::unique_ptr<PlatformTimer> CreateClockTimer(int index);

    ProgramState& s_;
    UserDialogs& dialogs_;
    TimerHost& timers_;

    QMap<QString, QAction*> menus_;
    QMap<QString, std::vector<QAction*>> menuArrays_;
    QMap<QString, QToolBar*> toolbars_;
    QMap<QString, QMap<QString, QAction*>> toolbarButtons_;
    QActionGroup* toolGroup_ = nullptr;

    QWidget* picPropContainer_ = nullptr;
    std::array<QWidget*, 9> cmdColor_{};
    QWidget* picContainer_ = nullptr;
    WorksheetPicture* picGrid_ = nullptr;
    QScrollBar* HScroll_ = nullptr;
    QScrollBar* VScroll_ = nullptr;
    std::unique_ptr<NullSurface> picNone_;
    std::unique_ptr<clsGrafik> objGrafik_;
    std::unique_ptr<clsUndo> objUndo_;
    std::unique_ptr<PlacementContext> placement_;
    std::unique_ptr<WorksheetEditor> editor_;

    std::array<QLabel*, 3> statusPanels_{};
    QProgressBar* ProgressBar_ = nullptr;

    QPushButton* cmdOn_ = nullptr;
    QPushButton* cmdOff_ = nullptr;
    QButtonGroup* powerGroup_ = nullptr;
    QLineEdit* txtX_ = nullptr;
    QLineEdit* txtY_ = nullptr;
    QLabel* lblSelTool_ = nullptr;
    std::vector<QPointer<QLabel>> lblICAnschluss_;

    std::unique_ptr<PlatformTimer> timer1_;
    std::vector<std::unique_ptr<PlatformTimer>> timer2_;
    std::unique_ptr<PlatformTimer> timPort_;

    EngineContext engine_;

    QString dialogFileName_;
    bool loaded_ = false;
    bool closing_ = false;
    bool comboClickSuppressed_ = false;
    // Set while the mode switch runs: pending events may carry a second power click.
    bool modeSwitching_ = false;
    bool poweringOn_ = false; // a power-on is under way
    bool quickHelpActive_ = false;
    bool settingSliders_ = false;
    int upDown1Value_ = 2; // the gate-input up-down's own value
    QActionGroup* componentRadios_ = nullptr;
    QuickHelpBox* picQuickHelp_ = nullptr;
    // What quick help put aside: the toolbar states and its own tool selection.
    SavedToolbarState quickHelpToolbars_;
    struct {
        uint8_t toolMode = 0;
        int mousePointer = 0;
        QString key;
        int index = 0;
    } quickHelpTool_;
    Seams seams_;
    std::array<QAction*, 26> separators_{};
};
