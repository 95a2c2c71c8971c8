// Edit and simulation mode of the main window, and the command line's commands.
#include "shell/frmGatrel.h"

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
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "editing/worksheet_editor.h"
#include "placement/document/circuit_file.h"
#include "placement/document/file_commands.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "placement/clsUndo.h"
#include "platform/string_table.h"
#include "settings/settings_windows.h"
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
#include "editing/engine_binding.h"
#include "simulation/engine.h"

namespace {

const char* const kFileButtons[] = {"cmdNew", "cmdOpen", "cmdSave", "cmdPrint", "cmdCut", "cmdCopy", "cmdPaste"};

} // namespace

void frmGatrel::ChangeGUI(bool edit)
{
    if (edit)
        SwitchToEditMode();
    else
        SwitchToSimulationMode();
}

QAction* frmGatrel::MainButton(const char* key) const
{
    return ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key));
}

void frmGatrel::SwitchToEditMode()
{
    auto menu = [this](const char* name) { return Menu(QString::fromLatin1(name)); };
    ClockPage& clock = *propertiesPanel_->clockPage;
    clock.lblTaktgeber->setText(QString());
    clock.HideSelectedClockFrame();
    for (int i = 0; i < 4; ++i)
        MenuItem(QStringLiteral("mUsedFiles"), i)->setEnabled(true);
    for (const char* key : kFileButtons)
        MainButton(key)->setEnabled(true);
    if (s_.ShowGrid != 0)
        MainButton("cmdRaster")->setChecked(true);
    MainButton("cmdRaster")->setEnabled(true);
    Toolbar(QStringLiteral("Toolbar2"))->setVisible(true);
    Toolbar(QStringLiteral("OnOffBar"))->setVisible(false);
    for (const char* name : {"mNeu", "mOpen", "mSave", "mSaveAs", "mPrint", "mDefIC"})
        menu(name)->setEnabled(true);
    for (const char* key : {"cmdSave", "cmdPrint", "cmdICView"})
        MainButton(key)->setEnabled(true);
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
            MainButton(key)->setEnabled(true);
    }
    menu("mDelete")->setEnabled(true);
    menu("mOptionen")->setVisible(true);
    menu("mICAuswahl")->setEnabled(true);
    MainButton("cmdICAuswahl")->setEnabled(true);
    for (int i = 1; i <= 25; ++i)
        SetRadioMenuChecks(MenuItem(QStringLiteral("mBauteil"), i), i - 1);
    sizePanel_->SetBoxesEnabled(true);
    sizePanel_->SetStepsEnabled(true);
    ShowPanel(2, s_.settings.PanelVisible[2] != 0);
    ResizeProperties(false);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    propertiesPanel_->HideClockPage();
    RestoreEditingTool();
    if (MainButton("cmdICAuswahl")->isChecked())
        ShowICManager(true);
}

void frmGatrel::SwitchToSimulationMode()
{
    auto menu = [this](const char* name) { return Menu(QString::fromLatin1(name)); };
    MainButton("cmdICView")->setEnabled(false);
    for (int i = 0; i < 4; ++i)
        MenuItem(QStringLiteral("mUsedFiles"), i)->setEnabled(false);
    for (const char* key : kFileButtons)
        MainButton(key)->setEnabled(false);
    for (const char* key : {"cmdUndo", "cmdUndoList"})
        MainButton(key)->setEnabled(false);
    MainButton("cmdRaster")->setChecked(false);
    MainButton("cmdRaster")->setEnabled(false);
    Toolbar(QStringLiteral("Toolbar2"))->setVisible(false);
    Toolbar(QStringLiteral("OnOffBar"))->setVisible(true);
    simulationBar_->SetRunLamp(true);
    SetRunState(s_.engine, s_.ports.power, RunState::SwitchingOn);
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
    MainButton("cmdICAuswahl")->setEnabled(false);
    propertiesPanel_->ShowClockPage();
    sizePanel_->SetBoxesEnabled(false);
    SaveToolSelection(s_, s_.ports.tools);
    SelectFirstClock();
    if (MainButton("cmdICAuswahl")->isChecked())
        ShowICManager(false);
}

// The clock page of a run starts at the first clock generator, if there is one.
void frmGatrel::SelectFirstClock()
{
    ClockPage& clock = *propertiesPanel_->clockPage;
    bool clockFound = false;
    for (int e = 1; e <= s_.circuit.ElementCount(); ++e) {
        if (s_.circuit.Elements[static_cast<size_t>(e)].Type != ElementType::ClockGenerator)
            continue;
        clock.SetClockButtonEnabled(QStringLiteral("cmdDauertakt"), true);
        clock.SetClockButtonEnabled(QStringLiteral("cmdEinzeltakt"), true);
        const int16_t power = s_.engine.PowerFlag;
        s_.engine.PowerFlag = kFalse;
        const auto restorePower = qScopeGuard([this, power] { s_.engine.PowerFlag = power; });
        SelectTimer(EngineOf(s_, engine_), 0);
        s_.SelectedClock = 0;
        clockFound = true;
        break;
    }
    clock.ShowForRun(clockFound);
    if (clockFound)
        ChangeToolbar3(EngineOf(s_, engine_));
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
        else if (mayReplaceCircuit) {
            if (cmbFormel->findText(text) < 0)
                cmbFormel->addItem(text);
            Synthesize(text);
        }
        cmbFormel->setFocus();
        return;
    }
    switch (CommandOf(text)) {
    case LineCommand::Info:
        settingsWindows_->About();
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
