#include "shell/frmGatrel.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include "boolean/frmBoolean.h"
#include "editing/worksheet_editor.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "platform/qt_printer.h"
#include "platform/timers.h"
#include "render/clsGrafik.h"
#include "editing/engine_binding.h"
#include "render/sheet_view.h"
#include "render/whole_sheet.h"
#include "shell/clock_page.h"
#include "shell/clock_timers.h"
#include "shell/component_popup_menu.h"
#include "shell/formel_panel.h"
#include "shell/ic_page.h"
#include "shell/ic_definition_view.h"
#include "shell/label_text_box.h"
#include "shell/layers_panel.h"
#include "shell/main_window_layout.h"
#include "shell/power_panel.h"
#include "shell/properties_panel.h"
#include "shell/simulation_bar.h"
#include "shell/worksheet_overlay_painter.h"
#include "shell/worksheet_picture.h"
#include "shell/worksheet_view.h"
#include "shell/zoom_panel.h"
#include "simulation/analyzer_windows.h"
#include "simulation/evaluators.h"

frmGatrel::frmGatrel(ProgramState& s, UserDialogs& dialogs, TimerHost& timers, QWidget* parent)
    : QMainWindow(parent), s_(s), dialogs_(dialogs), timers_(timers), picNone_(std::make_unique<NullSurface>())
{
    setObjectName(QStringLiteral("frmGatrel"));
    clockTimers_ = std::make_unique<ClockTimers>(EngineOf(s_, engine_), timers_);

    BuildMenus();
    BuildToolbars();
    BuildStatusBar();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmGatrelClient"));
    setCentralWidget(central);
    BuildLeftPanel();
    BuildWorkField();
    picGrid()->SetDialogs(&dialogs_);
    objGrafik_ = std::make_unique<clsGrafik>(s_, &picGrid()->surface());
    sheetView_ = std::make_unique<SheetView>(s_, *objGrafik_, &picGrid()->surface());
    picGrid()->DrawHeldPart = [this](Surface& part) { DrawWholeSheet(s_, ShownSheetOf(s_), *objGrafik_, part); };
    view_->SetGrafik(objGrafik_.get());
    const ICViewFields icFields{s_, s_, s_.ToolMode, s_.ICPinIndex, s_.ports, s_.Verzeichnisse[1]};
    icView_ = new ICDefinitionView(icFields, *objGrafik_, picGrid(), lstIC_, this);
    objUndo_ = std::make_unique<clsUndo>(s_);
    placement_ = std::make_unique<PlacementContext>(PlacementContext{s_, *objUndo_, &dialogs_});
    setMinimumSize(static_cast<int>(kMinOuterWidth / kTwipsPerPixel), static_cast<int>(kMinOuterHeight / kTwipsPerPixel));

    // The engine's step timer and the clock generators' timers (member 0 exists from the start).
    timer1_ = timers_.CreateTimer([this] { Timer1_Timer(EngineOf(s_, engine_)); });
    timer1_->setInterval(1); // the step timer: one run soon after a clock tick
    clockTimers_->CreateClockTimers(1);
    timPort = timers_.CreateTimer([] {}); // the port option has no effect

    WireEngineControls();
    WireWorksheetEditor();
    WatchHover();
    SetPorts();
    WireLogicAnalyzer();
    WireICManager();
    WireSettingsWindows();
    WireICDefinition();

    CloseFormelPanel(); // the command line starts closed
    PressToolButton(QStringLiteral("cmdLeitungen"), 3);
    CheckComponentMenuOnly(1);
    ChangeSelPicture(ToolCode::Conductor);
    SetSizeBoxes(s_.circuit.MaxX, s_.circuit.MaxY);
    SetCaption(QStringLiteral("Unsaved circuit - Gatrel"));
    resize(1000, 700);
    ApplyTexts();
    layersPanel_->RebuildLevelTree();
    loaded_ = true;
    RedrawAllElements();
}

frmGatrel::~frmGatrel()
{
    // Hidden while every member still lives: hiding takes the focus from an open label box.
    hide();
    if (s_.ports.status == this)
        s_.ports = Ports{};
}

void frmGatrel::SetPorts()
{
    Ports& p = s_.ports;
    p.status = this;
    p.files = this;
    p.tools = this;
    p.power = powerPanel_;
    p.clockPanel = propertiesPanel_->clockPage;
    p.clockTimers = clockTimers_.get();
    p.levels = layersPanel_;
    p.icView = icView_;
    p.analyzer = this;
    p.worksheet = this;
    p.undo = this;
}

WorksheetPicture* frmGatrel::picGrid() const
{
    return view_->picGrid;
}

std::vector<std::unique_ptr<PlatformTimer>>& frmGatrel::Timer2()
{
    return clockTimers_->members();
}

QAction* frmGatrel::MenuItem(const QString& array, int index) const
{
    const auto it = menuArrays_.find(array);
    if (it == menuArrays_.end() || index < 0 || static_cast<size_t>(index) >= it->size())
        return nullptr;
    return (*it)[static_cast<size_t>(index)];
}

QAction* frmGatrel::Menu(const QString& name) const
{
    return menus_.value(name, nullptr);
}

void frmGatrel::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i + 1));
        statusPanels_[static_cast<size_t>(i)] = panel;
    }
    bar->addWidget(statusPanels_[0], 2);
    bar->addWidget(statusPanels_[1], 1);
    ProgressBar_ = new QProgressBar(bar);
    ProgressBar_->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar_->setRange(0, 100);
    ProgressBar_->setValue(0);
    ProgressBar_->setTextVisible(false);
    ProgressBar_->setFixedWidth(180);
    bar->addPermanentWidget(ProgressBar_);
}

void frmGatrel::WireEngineControls()
{
    engine_.dialogs = &dialogs_;
    engine_.Timer1 = timer1_.get();
    engine_.Timer2 = &clockTimers_->members();
    engine_.evaluators = StandardEvaluators();

    // The mode switch is the window's; back in edit mode Delete is offered
    // again, and the redraw's selection reset after the switch must not withdraw it.
    powerPanel_->SwitchMode = [this](bool edit) { ChangeGUI(edit); };
    powerPanel_->PoweredOff = [this] { Menu(QStringLiteral("mDelete"))->setEnabled(true); };
    const auto quickHelp = [this](const QString& key, int index) { ShowQuickHelp(key, index); };
    powerPanel_->ShowQuickHelp = quickHelp;
    propertiesPanel_->ShowQuickHelp = quickHelp;
    const auto focusWorksheet = [this] { picGrid()->setFocus(); };
    simulationBar_->FocusWorksheet = focusWorksheet;
    propertiesPanel_->clockPage->FocusWorksheet = focusWorksheet;
    propertiesPanel_->clockPage->SetSelectedTimerFrame(view_->shpSelectedTimer);
    zoomPanel_->Redraw = [this] { RedrawAllElements(); };
    ICPage* icPage = propertiesPanel_->icPage;
    connect(icPage, &ICPage::ICChosen, this, [this] { cmbIC_Click(); });
    // The IC manager button toggles on its release, and the preview's double click presses it.
    connect(icPage, &ICPage::ICManagerWanted, this, &frmGatrel::cmdICVerwaltung_MouseDown);
    connect(propertiesPanel_->cmbKomplex, &QComboBox::currentIndexChanged, this, [this](int) { cmbKomplex_Click(); });
    formel_->Close = [this] { CloseFormelPanel(); };
    formel_->KeyPress = [this](QKeyEvent* event) { cmbFormel_KeyPress(event); };
}

void frmGatrel::cmbKomplex_Click()
{
    // Quick help explains; it chooses no tool.
    if (!comboClickSuppressed_ && loaded_ && s_.ToolMode != ToolCode::QuickHelp)
        SelectKomplexElement();
}

void frmGatrel::cmdICVerwaltung_MouseDown(bool pressed)
{
    if (s_.ICViewOpen && pressed)
        return;
    ShowICManager(pressed);
}

void frmGatrel::WireWorksheetEditor()
{
    editor_ = std::make_unique<WorksheetEditor>(*placement_, &engine_);
    WorksheetPicture* grid = picGrid();
    editor_->SetDeleteEnabled = [this](bool on) { Menu(QStringLiteral("mDelete"))->setEnabled(on); };
    WireLabelBox();
    grid->PaintOverlay = [this](QPainter& painter) { PaintWorksheetOverlay(painter, editor_->overlay); };
    // One cell per test and move near the edge of the visible part.
    editor_->AutoScroll = [this](int x, int y) { view_->AutoScroll(x, y); };
    editor_->MovePicGrid = [this](double x, double y) {
        view_->MovePicGrid(x, y, editor_->st.DownX, editor_->st.DownY);
    };
    mPopup_ = new ComponentPopupMenu(*editor_, dialogs_, this);
    editor_->ShowPopupMenu = [this](const PopupItems& items) { mPopup_->Show(items); };
    // Quick help on the worksheet; the IC-definition clicks belong to the IC editor.
    editor_->ShowWorksheetQuickHelp = [this] { ShowWorksheetQuickHelp(); };
    // The editor dispatches every press on the mode: editing, the simulation, quick help.
    connect(grid, &WorksheetPicture::MouseDown, this,
            [this](int button, int shift, double x, double y) { editor_->MouseDown(button, shift, x, y); });
    connect(grid, &WorksheetPicture::MouseMove, this,
            [this](int buttons, int shift, double x, double y) { editor_->MouseMove(buttons, shift, x, y); });
    connect(grid, &WorksheetPicture::MouseUp, this,
            [this](int button, int shift, double x, double y) { editor_->MouseUp(button, shift, x, y); });
    connect(grid, &WorksheetPicture::DoubleClick, this, [this] { editor_->DblClick(); });
    connect(grid, &WorksheetPicture::MouseLeave, this, [this] { editor_->HidePlacementAids(); });
    connect(grid, &WorksheetPicture::KeyPress, this, [this](int key) { editor_->KeyPress(key); });
    editor_->OverlayChanged(); // the select tool's labels start with their idle texts
}

void frmGatrel::WireLabelBox()
{
    auto* txtBeschriftung = new LabelTextBox(picGrid());
    editor_->LabelBoxText = [txtBeschriftung] { return txtBeschriftung->text(); };
    editor_->OverlayChanged = [this, txtBeschriftung] {
        picGrid()->update();
        propertiesPanel_->ShowSelection(QString::number(editor_->SelCount()), editor_->FrameLabelText());
        txtBeschriftung->Follow(editor_->overlay.txtBeschriftung);
    };
    connect(txtBeschriftung, &LabelTextBox::Committed, this, [this, txtBeschriftung] {
        editor_->CommitLabel(txtBeschriftung->text());
        picGrid()->setFocus();
    });
    connect(txtBeschriftung, &LabelTextBox::Cancelled, this, [this] {
        editor_->CancelLabel();
        picGrid()->setFocus();
    });
    // Typing stops where the text would run into an occupied cell.
    connect(txtBeschriftung, &QLineEdit::textEdited, this, [this, txtBeschriftung](const QString& text) {
        if (editor_->LabelFits(text)) {
            const double c = CInt(14 * s_.GridMode);
            const int w = static_cast<int>(editor_->MeasureLabel(text).width() + 1.3 * c);
            txtBeschriftung->resize(std::max(40, w), txtBeschriftung->height());
        } else {
            const int pos = txtBeschriftung->cursorPosition();
            QString shorter = text;
            shorter.remove(std::max(0, pos - 1), 1);
            txtBeschriftung->setText(shorter);
        }
    });
}
