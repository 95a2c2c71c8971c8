#pragma once
// The main window: menus, toolbars, the side-panel column, the command line,
// the worksheet and the status bar. The panels are rooms of their own; the
// window builds them, wires them to one another and to the core, and answers
// the ports that belong to the window as a whole.
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

#include "model/ports/analyzer_port.h"
#include "model/ports/file_port.h"
#include "model/ports/status_port.h"
#include "model/ports/tool_port.h"
#include "model/ports/undo_port.h"
#include "model/ports/worksheet_port.h"
#include "shell/quick_help.h"
#include "shell/side_panel.h"
#include "simulation/engine.h"

class AnalyzerWindows;
class ClockTimers;
class ComponentPopupMenu;
class FormelPanel;
class ICChooser;
class ICDefinitionView;
class frmICAuswahl;
class LayersPanel;
class NullSurface;
class PlatformTimer;
class PowerPanel;
class PropertiesPanel;
class QtPrinter;
class QAction;
class QActionGroup;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QToolBar;
class QuickHelpBox;
class SettingsWindows;
class SimulationBar;
class SizePanel;
class TimerHost;
class UserDialogs;
class WorksheetEditor;
class WorksheetPicture;
class WorksheetView;
class ZoomPanel;
class clsGrafik;
class SheetView;
class clsUndo;
class frmBoolean;
struct MenuRow;
struct PlacementContext;
struct ProgramState;
struct ToolbarRow;

class frmGatrel : public QMainWindow,
                  public StatusPort,
                  public FilePort,
                  public ToolPort,
                  public AnalyzerPort,
                  public WorksheetPort,
                  public UndoPort {
    Q_OBJECT
public:
    frmGatrel(ProgramState& s, UserDialogs& dialogs, TimerHost& timers, QWidget* parent = nullptr);
    ~frmGatrel() override;

    ProgramState& state() { return s_; }
    WorksheetPicture* picGrid() const;
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
    std::vector<std::unique_ptr<PlatformTimer>>& Timer2();

    // StatusPort
    void SetStatusPanel(int panel, const QString& text) override;
    void SetProgress(int value) override;
    void EnableMainWindow(bool enabled) override;
    // FilePort
    void SetCaption(const QString& caption) override;
    void SetUsedFileItem(int index, const QString& caption) override;
    void ShowUsedFilesSeparator() override;
    // ToolPort
    void ChangeSelPicture(ToolCode tool) override;
    void ChangePropertyWindow(std::array<bool, 8> parts) override;
    void CheckComponentMenuOnly(int item) override;
    void PressToolButton(const QString& key, int index) override;
    void ReleaseToolButton(const QString& key) override;
    void SetOrientationToolbarEnabled(bool enabled) override;
    void SetWorksheetMousePointer(int pointer) override;
    // AnalyzerPort
    void SetAnalyserMenuEnabled(bool enabled) override;
    void ResetAnalyser() override;
    void AddAnalyserChannel(int channel) override;
    void PrepareListView() override;
    void ResizeListView() override;
    void AddGraph(int channel) override;
    void RemoveGraph(int channel) override;
    // WorksheetPort
    void RedrawAllElements() override;
    void DrawGrid() override;
    void SetWorksheetPictureSize(int width, int height) override;
    QSize WorksheetContainerInnerSize() const override;
    // Lays out the work field: container, scroll bars, picture.
    void ResizeWorksheet() override;
    void SetSizeBoxes(int16_t maxX, int16_t maxY) override;
    void ResetScrollBars() override;
    void SelectNone() override;
    void DisplayBeschriftungsText(int16_t n, const QString& oldText) override;
    void CommitLabelEdit() override;
    // UndoPort
    void SetUndoMenu(bool enabled, const QString& caption) override;
    void SetUndoButtonsEnabled(bool enabled) override;
    void SetUndoListMenuEnabled(bool enabled) override;
    void DeleteUndoData() override;

    // Start-up, texts and shut-down (frmGatrel_shell.cpp).
    // The loading after construction: 0 when the window may be shown, else
    // the exit status to end with (its message has been shown).
    int Form_Load(const QString& LadeDatei, const QString& documentsFolder, const QString& programFolder);
    void Form_Activate();
    // Asks about a changed circuit, stops the engine and clocks and saves the
    // settings; false when the user keeps the window open.
    bool Form_QueryUnload();
    void ApplyTexts();
    void ShowPanels();

    // Toolbars and the tool choice (frmGatrel_toolbars.cpp).
    void Toolbar_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    void Toolbar3_ButtonClick(const QString& key);
    void tlbOrientation_ButtonClick(const QString& key);
    void tlbZoom_ButtonClick(const QString& key);
    void tlbZoomInOut_ButtonClick(const QString& key);
    // Selects the tool of Components menu item `index`.
    void MenueClick(int index);
    void SetElementButtons();

    // Side panels, work field and command line (frmGatrel_panels.cpp).
    void Form_Resize();
    void ResizeProperties(bool force);
    SidePanel* Panel(int index) const; // by PanelVisible index
    void ShowPanel(int index, bool visible);
    void cmdClose_Click(int button);
    void cmdMin_Click(int button, bool pressed);
    void cmbIC_Click();
    void cmbKomplex_Click();
    // The IC manager asked for from the IC page (true) or sent away.
    void cmdICVerwaltung_MouseDown(bool pressed);
    void DisplayEingabezeile();
    void CloseFormelPanel();
    // A panel opened again from the toolbar or the View menu comes back whole.
    void ReopenPanel(int index);
    // Fills the IC box with the IC definitions of the IC folder.
    void ShowICNames();

    // Modes and the command line (frmGatrel_modes.cpp).
    // Edit mode (true) or simulation mode (false); the power panel runs it.
    void ChangeGUI(bool edit);
    void SetRadioMenuChecks(QAction* item, int position);
    void cmbFormel_KeyPress(QKeyEvent* event);

    // The hover rules of the controls around the worksheet (frmGatrel_hover.cpp).
    void HideDecoder();
    // Hides the placement aids when the pointer leaves the worksheet for a control.
    void HidePlacementOutlines(bool evenForSelectTool = false);
    // The pointer arrived over a control around the worksheet: its mouse-move handler runs.
    void HoverOver(QWidget* w);
    void Form_MouseMove();
    // The mouse-move handlers; each hides the placement aids as
    // HidePlacementOutlines does, unless its definition says otherwise.
    void cmdColor_MouseMove(int index);
    void cmdOff_MouseMove();
    void cmdOn_MouseMove();
    void lblAktElement_MouseMove();
    void lblAllgemein_MouseMove(int index);
    void lblLevel_MouseMove();
    void picAnschluesse_MouseMove();
    void picContainer_MouseMove();
    void picEigenschaft_MouseMove(int index);
    void picEigenschaften_MouseMove();
    void picEinAus_MouseMove();
    void picIC_MouseMove();
    void picKomplex_MouseMove();
    void picLevel_MouseMove();
    void picOnOff_MouseMove();
    void picOrientation_MouseMove();
    void picPropContainer_MouseMove();
    void picSize_MouseMove();
    void picZoom_MouseMove();
    void sldDelay_MouseMove();
    void Slider0_MouseMove();
    void Slider1_MouseMove();
    void StatusBar_MouseMove();
    void tlbOrientation_MouseMove();
    void Toolbar_MouseMove();
    void Toolbar2_MouseMove();
    void Toolbar3_MouseMove();
    void tvwLevel_MouseMove();
    void txtAnzTakte_MouseMove();
    void txtVerzoegerung_MouseMove();
    void txtX_MouseMove();
    void txtY_MouseMove();
    void UpDown1_MouseMove();

    // Quick help (frmGatrel_quick_help.cpp).
    void ShowQuickHelp(const QString& key, int index);
    void PlaceQuickHelp(const QString& headline, const QString& body, const QString& key, int index);
    // The worksheet's own help, at the cell under the mouse.
    void ShowWorksheetQuickHelp();
    void EnterQuickHelp();
    void LeaveQuickHelp();
    // Puts quick help's own saved tool selection in place of the program's, or back.
    void SwapQuickHelpSelection();
    // Brings the saved editing tool back (power off, IC view closed). In
    // quick help, which the program may end only for the user, the tool
    // waits for the help to end.
    void RestoreEditingTool();
    ToolbarButtons ReadToolbarButtons() const;
    void ApplyToolbarButtons(const ToolbarButtons& buttons);
    QuickHelpBox* picQuickHelp() const { return picQuickHelp_; }

    // The logic analyzer's windows (frmGatrel_analyzer.cpp).
    AnalyzerWindows& logicAnalyzer() { return *analyzer_; }

public slots:
    // Menu commands (frmGatrel_menus.cpp).
    void mNeu_Click();
    void mOpen_Click();
    void mSave_Click();
    void mSaveAs_Click();
    void mSaveBitmap_Click();
    void mPrint_Click();
    void mUsedFiles_Click(int index);
    void mBeenden_Click();
    void mUndo_Click();
    void mUndoList_Click();
    void mDelete_Click();
    void mZoomOut_Click();
    void mZoomIn_Click();
    void mZoom_Click(int index);
    void mPanel_Click(int index);
    void mICAuswahl_Click();
    void mAnsichtItem_Click(int index);
    // The Components menu's item `index` chooses its tool (frmGatrel_palette.cpp).
    void mBauteil_Click(int index);
    void mOnOff_Click();
    void mSynthese_Click();
    void mBoolean_Click();
    void mTermCreation_Click();
    void mDefIC_Click();
    void mNumberConversion_Click();
    void mOptionen_Click();
    void mHelp_Click();
    void mWeb_Click();
    void mService_Click();
    void mInfo_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void AddMenuRow(const MenuRow& row, QMenu*& menu);
    void BuildToolbars();
    // The buttons of one toolbar from the table.
    void BuildToolbarButtons(const QString& toolbar);
    QAction* AddToolbarButton(const ToolbarRow& row);
    // The pressed button of the element toolbar, in the program state.
    void RecordPressedTool();
    void BuildStatusBar();
    void BuildLeftPanel();
    void BuildWorkField();
    void WireEngineControls();
    void WireWorksheetEditor();
    void WireLabelBox();
    // The IC manager and the IC panel's chooser (frmGatrel_ic_manager.cpp).
    void WireICManager();
    // The IC-definition view and its IC window (frmGatrel_icdef.cpp).
    void WireICDefinition();
    // The hover rules watch these controls.
    void WatchHover();
    // The decoder's outline alone, when it shows.
    void HideDecoderOutline();
    void SetPorts();
    void WireLogicAnalyzer();
    // The Extras and Help menus' windows (frmGatrel_settings.cpp).
    void WireSettingsWindows();
    void ChangeToolbarStyle();
    // The two halves of ChangeGUI (frmGatrel_modes.cpp).
    void SwitchToEditMode();
    void SwitchToSimulationMode();
    void SelectFirstClock();
    // A button of the main toolbar by key.
    QAction* MainButton(const char* key) const;
    int ICFileCount() const;
    void StopForShutDown();
    void SelectKomplexElement();
    void AddComboItem(int textId, bool enabled);
    void SetElementButton(int kind, bool enabled);
    void SetShowGrid(bool on);
    void StepZoom(const QString& key);
    void ShowZoomText();
    // The Boolean tools window at tab 0 synthesis, 1 truth table, 2 term synthesis.
    void OpenBooleanTools(int tab);
    // The Boolean tools window, created on first use (frmGatrel_boolean.cpp).
    frmBoolean& BooleanTools();
    // The command line's formula mode draws the typed term as a new circuit.
    void Synthesize(const QString& typed);
    // The IC manager shown (true) or unloaded (frmGatrel_ic_manager.cpp).
    void ShowICManager(bool show);
    // The View menu item, the toolbar button and the IC page's button show one state.
    void SetICManagerChecks(bool on);

    ProgramState& s_;
    UserDialogs& dialogs_;
    TimerHost& timers_;

    QMap<QString, QAction*> menus_;
    QMap<QString, std::vector<QAction*>> menuArrays_;
    std::array<QAction*, 26> separators_{}; // the Components menu's, by position
    QActionGroup* componentRadios_ = nullptr;
    QMap<QString, QToolBar*> toolbars_;
    QMap<QString, QMap<QString, QAction*>> toolbarButtons_;
    QActionGroup* toolGroup_ = nullptr;
    QActionGroup* orientationGroup_ = nullptr;

    std::array<QLabel*, 3> statusPanels_{};
    QProgressBar* ProgressBar_ = nullptr;

    SimulationBar* simulationBar_ = nullptr;
    QWidget* picPropContainer_ = nullptr;
    PowerPanel* powerPanel_ = nullptr;
    PropertiesPanel* propertiesPanel_ = nullptr;
    SizePanel* sizePanel_ = nullptr;
    ZoomPanel* zoomPanel_ = nullptr;
    LayersPanel* layersPanel_ = nullptr;
    QListWidget* lstIC_ = nullptr;
    FormelPanel* formel_ = nullptr;
    WorksheetView* view_ = nullptr;
    ICDefinitionView* icView_ = nullptr;
    ComponentPopupMenu* mPopup_ = nullptr;
    QuickHelpBox* picQuickHelp_ = nullptr;

    std::unique_ptr<NullSurface> picNone_;
    std::unique_ptr<clsGrafik> objGrafik_;
    // Draws what the engine, the placing routines and the editor change.
    std::unique_ptr<SheetView> sheetView_;
    std::unique_ptr<clsUndo> objUndo_;
    std::unique_ptr<PlacementContext> placement_;
    std::unique_ptr<WorksheetEditor> editor_;

    EngineContext engine_;
    std::unique_ptr<PlatformTimer> timer1_;
    std::unique_ptr<ClockTimers> clockTimers_;
    std::unique_ptr<PlatformTimer> timPort;

    bool loaded_ = false;
    bool closing_ = false;
    bool comboClickSuppressed_ = false;
    bool quickHelpActive_ = false;
    // What quick help put aside: the toolbar states and its own tool selection.
    SavedToolbarState quickHelpToolbars_;
    struct {
        ToolCode toolMode = ToolCode::Select;
        int mousePointer = 0;
        QString key;
        int index = 0;
    } quickHelpTool_;
    std::unique_ptr<AnalyzerWindows> analyzer_;
    frmICAuswahl* icManager_ = nullptr; // owned as a child window
    ICChooser* icChooser_ = nullptr;
    SettingsWindows* settingsWindows_ = nullptr;
    QPointer<frmBoolean> booleanTools_; // released when it closes
    // One printer for the run: the print dialog's choices stay for the next time.
    std::unique_ptr<QtPrinter> printer_;
};
