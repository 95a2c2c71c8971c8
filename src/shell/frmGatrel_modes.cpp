// Edit and simulation mode of the main window, the command line's commands,
// and the hover rules of the controls around the worksheet.
#include "shell/frmGatrel.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "editing/worksheet_editor.h"
#include "model/files/circuit_file.h"
#include "model/files/file_commands.h"
#include "model/state.h"
#include "model/tool_selection.h"
#include "placement/clsUndo.h"
#include "platform/string_table.h"
#include "shell/clock_page.h"
#include "shell/command_line.h"
#include "shell/formel_panel.h"
#include "shell/gate_inputs_page.h"
#include "shell/ic_page.h"
#include "shell/layers_panel.h"
#include "shell/led_colour_page.h"
#include "shell/power_panel.h"
#include "shell/properties_panel.h"
#include "shell/simulation_bar.h"
#include "shell/size_panel.h"
#include "shell/worksheet_picture.h"
#include "shell/worksheet_view.h"
#include "shell/zoom_panel.h"
#include "simulation/engine.h"

void frmGatrel::ChangeGUI(bool edit)
{
    auto menu = [this](const char* name) { return Menu(QString::fromLatin1(name)); };
    auto button = [this](const char* key) { return ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key)); };
    static const char* const kFileButtons[] = {"cmdNew", "cmdOpen", "cmdSave", "cmdPrint", "cmdCut", "cmdCopy", "cmdPaste"};
    PropertiesPanel& props = *propertiesPanel_;
    ClockPage& clock = *props.clockPage;

    if (edit) {
        clock.lblTaktgeber->setText(QString());
        clock.HideSelectedClockFrame();
        for (int i = 0; i < 4; ++i)
            MenuItem(QStringLiteral("mUsedFiles"), i)->setEnabled(true);
        for (const char* key : kFileButtons)
            button(key)->setEnabled(true);
        if (s_.ShowGrid != 0)
            button("cmdRaster")->setChecked(true);
        button("cmdRaster")->setEnabled(true);
        Toolbar(QStringLiteral("Toolbar2"))->setVisible(true);
        Toolbar(QStringLiteral("OnOffBar"))->setVisible(false);
        for (const char* name : {"mNeu", "mOpen", "mSave", "mSaveAs", "mPrint", "mDefIC"})
            menu(name)->setEnabled(true);
        for (const char* key : {"cmdSave", "cmdPrint", "cmdICView"})
            button(key)->setEnabled(true);
        menu("mBauelemente")->setVisible(true);
        menu("mBearbeiten")->setVisible(true);
        menu("mOnOff")->setText(LoadResString(2472));
        QAction* grid = MenuItem(QStringLiteral("mAnsichtItem"), 3);
        grid->setChecked(s_.ShowGrid != 0);
        grid->setEnabled(true);
        if (!objUndo_->NoUndoData()) {
            for (const char* name : {"mUndo", "mUndoList"})
                menu(name)->setEnabled(true);
            for (const char* key : {"cmdUndo", "cmdUndoList"})
                button(key)->setEnabled(true);
        }
        menu("mDelete")->setEnabled(true);
        menu("mOptionen")->setVisible(true);
        menu("mICAuswahl")->setEnabled(true);
        button("cmdICAuswahl")->setEnabled(true);
        for (int i = 1; i <= 25; ++i)
            SetRadioMenuChecks(MenuItem(QStringLiteral("mBauteil"), i), i - 1);
        sizePanel_->SetBoxesEnabled(true);
        sizePanel_->SetStepsEnabled(true);
        ShowPanel(2, s_.settings.PanelVisible[2] != 0);
        ResizeProperties(false);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        props.HideClockPage();
        RestoreToolSelection(s_);
        ChangeSelPicture(s_.ToolMode);
        if (button("cmdICAuswahl")->isChecked() && seams_.icManager)
            seams_.icManager(true);
        return;
    }

    button("cmdICView")->setEnabled(false);
    for (int i = 0; i < 4; ++i)
        MenuItem(QStringLiteral("mUsedFiles"), i)->setEnabled(false);
    for (const char* key : kFileButtons)
        button(key)->setEnabled(false);
    for (const char* key : {"cmdUndo", "cmdUndoList"})
        button(key)->setEnabled(false);
    button("cmdRaster")->setChecked(false);
    button("cmdRaster")->setEnabled(false);
    Toolbar(QStringLiteral("Toolbar2"))->setVisible(false);
    Toolbar(QStringLiteral("OnOffBar"))->setVisible(true);
    simulationBar_->SetRunLamp(true);
    ShowOnOffText(s_, LoadResString(2570)); // the engine keeps the text the panel shows
    ShowPanel(2, false);
    sizePanel_->SetStepsEnabled(false);
    // The worksheet panel leaves the column for the run and comes back as it was.
    const int16_t sizePanel = s_.settings.PanelVisible[2];
    s_.settings.PanelVisible[2] = 0;
    ResizeProperties(false);
    s_.settings.PanelVisible[2] = sizePanel;
    ChangeSelPicture(ToolCode::SimulationRunning);
    for (const char* name : {"mNeu", "mOpen", "mSave", "mSaveAs"})
        menu(name)->setEnabled(false);
    menu("mOnOff")->setText(LoadResString(2473));
    QAction* grid = MenuItem(QStringLiteral("mAnsichtItem"), 3);
    grid->setChecked(false);
    grid->setEnabled(false);
    menu("mBauelemente")->setVisible(false);
    menu("mBearbeiten")->setVisible(false);
    for (const char* name : {"mUndo", "mUndoList", "mDelete", "mDefIC", "mPrint", "mICAuswahl"})
        menu(name)->setEnabled(false);
    menu("mOptionen")->setVisible(false);
    button("cmdICAuswahl")->setEnabled(false);
    props.ShowClockPage();
    sizePanel_->SetBoxesEnabled(false);
    SaveToolSelection(s_);

    bool clockFound = false;
    for (int e = 1; e <= s_.ElementCount; ++e) {
        if (s_.Elements[static_cast<size_t>(e)].Type != ElementType::ClockGenerator)
            continue;
        clock.SetClockButtonEnabled(QStringLiteral("cmdDauertakt"), true);
        clock.SetClockButtonEnabled(QStringLiteral("cmdEinzeltakt"), true);
        const int16_t power = s_.engine.PowerFlag;
        s_.engine.PowerFlag = kFalse;
        const auto restorePower = qScopeGuard([this, power] { s_.engine.PowerFlag = power; });
        SelectTimer(s_, engine_, 0);
        s_.SelectedClock = 0;
        clockFound = true;
        break;
    }
    clock.ShowForRun(clockFound);
    if (clockFound)
        ChangeToolbar3(s_, engine_);
    if (button("cmdICAuswahl")->isChecked() && seams_.icManager)
        seams_.icManager(false);
}

void frmGatrel::HideDecoder()
{
    for (OverlayLine& line : editor_->overlay.LineRahmen)
        line.Visible = false;
    picGrid()->update();
}

void frmGatrel::HidePlacementOutlines(bool evenForSelectTool)
{
    if (!editor_)
        return;
    WorksheetOverlay& o = editor_->overlay;
    bool changed = false;
    if ((evenForSelectTool || s_.ToolMode != 0) && o.picRahmen.Visible) {
        o.picRahmen.Visible = false;
        changed = true;
    }
    if (o.picBox.Visible) {
        o.picBox.Visible = false;
        changed = true;
    }
    if (o.LineRahmen[0].Visible) {
        HideDecoder();
        changed = true;
    }
    if (changed)
        picGrid()->update();
}

void frmGatrel::HoverOver(QWidget* w)
{
    const QString name = w->objectName();
    const bool decoder = editor_ && editor_->overlay.LineRahmen[0].Visible;
    if (w == centralWidget()) {
        Form_MouseMove();
    } else if (name == QLatin1String("picIC") || name == QLatin1String("txtX") || name == QLatin1String("txtY")) {
        if (decoder)
            HideDecoder();
    } else if (name.startsWith(QLatin1String("UpDown1"))) {
        if (editor_ && editor_->overlay.picRahmen.Visible) {
            editor_->overlay.picRahmen.Visible = false;
            picGrid()->update();
        }
    } else if (name == QLatin1String("lblLevel")) {
        // The level name leaves the decoder outline alone.
        HidePlacementOutlines();
        if (decoder)
            for (OverlayLine& line : editor_->overlay.LineRahmen)
                line.Visible = true;
    } else if (name.startsWith(QLatin1String("lblAllgemein"))) {
        // Over a caption the switch tool keeps its small box.
        const bool keepBox = s_.ToolMode == ElementType::Switch && editor_ && editor_->overlay.picBox.Visible;
        HidePlacementOutlines();
        if (keepBox)
            editor_->overlay.picBox.Visible = true;
        if (decoder)
            for (OverlayLine& line : editor_->overlay.LineRahmen)
                line.Visible = true;
    } else if (name != QString::fromUtf8("txtAnschlüsse")) {
        HidePlacementOutlines(w == statusBar());
    }
}

void frmGatrel::Form_MouseMove()
{
    HidePlacementOutlines();
    if (!statusPanels_[1]->text().isEmpty())
        statusPanels_[1]->clear();
}

bool frmGatrel::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return QMainWindow::eventFilter(watched, event);
    if (w == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        HoverOver(w);
    return QMainWindow::eventFilter(watched, event);
}

void frmGatrel::WatchHover()
{
    PropertiesPanel& props = *propertiesPanel_;
    ClockPage& clock = *props.clockPage;
    const auto watch = [this](QWidget* w, bool track) {
        if (track)
            w->setMouseTracking(true);
        w->installEventFilter(this);
    };
    // Followed as the pointer moves over them.
    QWidget* const tracked[] = {
             props.picAnschluesse, &props, powerPanel_, props.picKomplex, layersPanel_->picLevel, simulationBar_,
             props.picOrientation, picPropContainer_, sizePanel_, zoomPanel_, props.sldDelay, clock.Slider[0],
             clock.Slider[1], Toolbar(QStringLiteral("tlbOrientation")), Toolbar(QStringLiteral("Toolbar")),
             Toolbar(QStringLiteral("Toolbar2")), clock.Toolbar3, layersPanel_->tvwLevel,
             layersPanel_->tvwLevel->viewport(), clock.txtAnzTakte, simulationBar_->txtVerzoegerung, layersPanel_,
             layersPanel_->lblLevel, props.lblAktElement, view_->picContainer, statusBar(), powerPanel_->cmdOn,
             powerPanel_->cmdOff, sizePanel_->txtX, sizePanel_->txtY, props.picAnschluesse->UpDown1Up,
             props.picAnschluesse->UpDown1Down, centralWidget(), zoomPanel_->lblTitle};
    for (QWidget* w : tracked)
        watch(w, true);
    for (QLabel* caption : props.Captions())
        watch(caption, true);
    for (QWidget* page : props.Pages())
        watch(page, true);
    for (QWidget* colour : props.colourPage->cmdColor)
        watch(colour, true);
    // Only reached as the pointer enters them.
    QWidget* const entered[] = {props.icPage->picICVorschau, zoomPanel_->tlbZoom, zoomPanel_->tlbZoomInOut,
                                zoomPanel_->cmbZoom, formel_->cmbFormel->lineEdit(),
                                props.picAnschluesse->txtAnschluesse};
    for (QWidget* w : entered)
        watch(w, false);
}

void frmGatrel::cmbFormel_KeyPress(QKeyEvent* event)
{
    QToolButton* cmdFormel = formel_->cmdFormel;
    QComboBox* cmbFormel = formel_->cmbFormel;
    const bool formula = cmdFormel->isChecked();
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const QString text = cmbFormel->currentText();
    // New circuits are withdrawn while the power is on or an IC is being defined.
    const bool mayReplaceCircuit = s_.engine.PowerFlag == 0 && s_.ToolMode != ToolCode::ICDefinitionView;
    if (formula) {
        if (FormulaModeEnter(text) == FormulaEnter::LeaveFormulaMode)
            cmdFormel->setChecked(false);
        else if (mayReplaceCircuit && seams_.synthesize) {
            if (cmbFormel->findText(text) < 0)
                cmbFormel->addItem(text);
            seams_.synthesize(text);
        }
        cmbFormel->setFocus();
        return;
    }
    switch (CommandOf(text)) {
    case LineCommand::Info:
        CallSeam(seams_.about);
        break;
    case LineCommand::Save:
        // While the power is on the worksheet may show an IC's inside, not the circuit.
        if (mayReplaceCircuit)
            SaveFile(s_, dialogs_, false);
        break;
    case LineCommand::Open:
        if (mayReplaceCircuit && ConfirmReplace(s_, dialogs_)) {
            LoadFile(s_, dialogs_, QString());
            RedrawAllElements();
        }
        break;
    case LineCommand::Clear:
        cmbFormel->clear();
        break;
    case LineCommand::TimeLabel:
        powerPanel_->lblTime->setVisible(powerPanel_->lblTime->isHidden());
        break;
    case LineCommand::DebugP:
    case LineCommand::DebugL:
    case LineCommand::DebugT:
    case LineCommand::DebugI:
    case LineCommand::None:
        break;
    }
    cmbFormel->setFocus();
}
