// Edit and simulation mode of the main window, the property pages, the
// control panel's handlers and the hover and quick-help hooks of the controls
// around the worksheet.
#include "shell/frmGatrel.h"

#include <algorithm>
#include <utility>

#include <QAbstractScrollArea>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "editing/worksheet_editor.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "model/files/circuit_file.h"
#include "model/files/file_commands.h"
#include "shell/command_line.h"
#include "shell/control_panel_logic.h"
#include "shell/delay_setting.h"
#include "shell/main_window_layout.h"
#include "shell/quick_help_box.h"
#include "shell/worksheet_picture.h"
#include "simulation/engine.h"

namespace {

// Components menu positions that carry the radio look (the others are separators).
bool IsComponentItem(int i)
{
    return i >= 1 && i <= 25 && i != 6 && i != 10 && i != 14 && i != 17 && i != 24;
}

constexpr double Tw(int px)
{
    return px * double(kTwipsPerPixel);
}

void SetVisibleIfDifferent(QWidget* w, bool visible)
{
    if (w && w->isHidden() == visible)
        w->setVisible(visible);
}

} // namespace

void frmGatrel::ChangeGUI(bool edit)
{
    const bool was = modeSwitching_;
    modeSwitching_ = true;
    // Put back also when the switch fails: the power buttons would stay dead.
    const auto restore = qScopeGuard([this, was] { modeSwitching_ = was; });
    auto menu = [this](const char* name) { return Menu(QString::fromLatin1(name)); };
    auto button = [this](const char* key) { return ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key)); };
    auto widget = [this](const char* name) { return findChild<QWidget*>(QString::fromUtf8(name)); };
    static const char* const kFileButtons[] = {"cmdNew", "cmdOpen", "cmdSave", "cmdPrint", "cmdCut", "cmdCopy", "cmdPaste"};

    if (edit) {
        if (auto* l = findChild<QLabel*>(QStringLiteral("lblTaktgeber")))
            l->setText(QString());
        HideSelectedClockFrame();
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
            if (IsComponentItem(i))
                SetRadioMenuChecks(MenuItem(QStringLiteral("mBauteil"), i), i - 1);
        for (QWidget* w : {static_cast<QWidget*>(txtX_), static_cast<QWidget*>(txtY_)})
            w->setEnabled(true);
        for (const char* name : {"updSizeX0", "updSizeX1", "updSizeY0", "updSizeY1"})
            widget(name)->setEnabled(true);
        Panel(2)->setVisible(s_.settings.PanelVisible[2] != 0);
        ResizeProperties(false);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        widget("picEigenschaft3")->setVisible(false);
        for (QAction* a : Toolbar(QStringLiteral("Toolbar3"))->actions())
            a->setEnabled(false);
        findChild<QLabel*>(QStringLiteral("lblAllgemein2"))->setText(LoadResString(2510));
        RestoreToolSelection(s_);
        ChangeSelPicture(s_.ToolMode);
        if (button("cmdICAuswahl")->isChecked() && seams_.icManager)
            seams_.icManager(true);
    } else {
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
        SetRunLamp(true);
        SetOnOffText(LoadResString(2570));
        Panel(2)->setVisible(false);
        for (const char* name : {"updSizeX0", "updSizeX1", "updSizeY0", "updSizeY1"})
            widget(name)->setEnabled(false);
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
        for (const char* name : {"picOrientation", "picAnschlüsse", "picKomplex"})
            widget(name)->setVisible(false);
        auto* tabs = findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(0);
        for (const char* name : {"picEigenschaft0", "picEigenschaft1", "picEigenschaft2"})
            widget(name)->setVisible(false);
        widget("picEigenschaft3")->setVisible(true);
        widget("picEigenschaft3")->raise(); // over the decoder's page, which stays as it is
        txtX_->setEnabled(false);
        txtY_->setEnabled(false);
        SaveToolSelection(s_);

        bool clockFound = false;
        for (int e = 1; e <= s_.ElementCount; ++e) {
            if (s_.Elements[static_cast<size_t>(e)].Type != ElementType::ClockGenerator)
                continue;
            ToolbarButton(QStringLiteral("Toolbar3"), QStringLiteral("cmdDauertakt"))->setEnabled(true);
            ToolbarButton(QStringLiteral("Toolbar3"), QStringLiteral("cmdEinzeltakt"))->setEnabled(true);
            const int16_t power = s_.engine.PowerFlag;
            s_.engine.PowerFlag = kFalse;
            const auto restorePower = qScopeGuard([this, power] { s_.engine.PowerFlag = power; });
            SelectTimer(s_, engine_, 0);
            s_.SelectedClock = 0;
            clockFound = true;
            break;
        }
        tabs->setTabEnabled(1, clockFound);
        for (const char* name : {"txtAnzTakte", "cmdAnzTakte0", "cmdAnzTakte1"})
            widget(name)->setEnabled(clockFound);
        widget("lblTaktgeber")->setVisible(clockFound);
        tabs->setVisible(clockFound);
        if (clockFound)
            ChangeToolbar3(s_, engine_);
        if (button("cmdICAuswahl")->isChecked() && seams_.icManager)
            seams_.icManager(false);
    }
}

void frmGatrel::ChangePropertyWindow(std::array<bool, 8> parts)
{
    if (auto* slider = findChild<QSlider*>(QStringLiteral("sldDelay")))
        slider->setValue(0);
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblDelay"))) {
        label->setText(LoadResString(2553));
        label->setStyleSheet(QStringLiteral("color:#808080"));
    }
    auto page = [this](const char* name) { return findChild<QWidget*>(QString::fromUtf8(name)); };
    SetVisibleIfDifferent(page("picOrientation"), parts[0]);
    SetVisibleIfDifferent(page("picAnschlüsse"), parts[1]);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    SetVisibleIfDifferent(page("picEigenschaft2"), parts[2]);
    SetVisibleIfDifferent(page("picEigenschaft0"), parts[3]);
    SetVisibleIfDifferent(page("picEigenschaft1"), parts[4]);
    SetVisibleIfDifferent(page("picEigenschaft4"), parts[7]);
    if (!page("picOrientation")->isHidden())
        for (QAction* a : Toolbar(QStringLiteral("tlbOrientation"))->actions())
            a->setEnabled(true);
    const uint8_t t = s_.ToolMode;
    page("picKomplex")->setVisible(t == 17 || t == 14 || t == 10 || t == 18 || t == 19);
    s_.PropertyWindowState = parts;
}

void frmGatrel::SetRadioMenuChecks(QAction* item, int position)
{
    Q_UNUSED(position); // items are found by object, not by position, here
    if (!item)
        return;
    // An exclusive group gives its items the bullet instead of the tick.
    if (!componentRadios_) {
        componentRadios_ = new QActionGroup(this);
        componentRadios_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    }
    if (item->actionGroup() != componentRadios_)
        componentRadios_->addAction(item);
}

void frmGatrel::HideDecoder()
{
    for (OverlayLine& line : editor_->overlay.LineRahmen)
        line.Visible = false;
    picGrid_->update();
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
        picGrid_->update();
}

void frmGatrel::ShowQuickHelp(const QString& key, int index)
{
    const QuickHelpText text = QuickHelpFor(key);
    picQuickHelp_->hide();
    PlaceQuickHelp(text.headline, text.body, key, index);
}

void frmGatrel::PlaceQuickHelp(const QString& headline, const QString& body, const QString& key, int index)
{
    // Everything in twips of the main window, where the box lives.
    const auto at = [this](QWidget* w) { return w->mapTo(this, QPoint(0, 0)); };
    QuickHelpGeometry g;
    g.tpx = g.tpy = kTwipsPerPixel;
    QToolBar* bars[2] = {Toolbar(QStringLiteral("Toolbar")), Toolbar(QStringLiteral("Toolbar2"))};
    g.toolbarLeft = Tw(bars[0]->x());
    g.toolbarTop = Tw(bars[0]->y());
    g.toolbarHeight = Tw(bars[0]->height());
    g.toolbar2Left = Tw(bars[1]->x());
    g.toolbar2Top = Tw(bars[1]->y());
    g.toolbar2Height = Tw(bars[1]->height());
    for (QToolBar* bar : bars)
        if (QAction* a = ToolbarButton(bar->objectName(), key))
            if (QWidget* b = bar->widgetForAction(a))
                g.buttonLeft = Tw(b->x());
    g.containerLeft = Tw(at(picContainer_).x());
    g.containerTop = Tw(at(picContainer_).y());
    g.pictureLeft = Tw(picGrid_->x());
    g.pictureTop = Tw(picGrid_->y());
    g.cellCentreX = GridToPixel(s_, s_.CursorX);
    g.cellCentreY = GridToPixel(s_, s_.CursorY);
    g.columnLeft = Tw(at(picPropContainer_).x());
    g.columnTop = Tw(at(picPropContainer_).y());
    QWidget* einAus = Panel(0);
    g.einAusLeft = Tw(einAus->x());
    g.einAusTop = Tw(einAus->y());
    g.einAusHeight = Tw(einAus->height());
    g.powerButtonLeft = Tw(key == QLatin1String("cmdOff") ? cmdOff_->x() : cmdOn_->x());
    g.eigenschaftenTop = Tw(Panel(1)->y());
    g.eigenschaftenHeight = Tw(Panel(1)->height());
    static constexpr int kPanelOfButton[5] = {1, 2, 4, 0, 3};
    for (size_t i = 0; i < 5; ++i) {
        if (auto* c = findChild<QWidget*>(QStringLiteral("cmdClose%1").arg(i))) {
            g.closeLeft[i] = Tw(c->x());
            g.closeTop[i] = Tw(c->y());
            g.closeHeight[i] = Tw(c->height());
        }
        g.closePanelTop[i] = Tw(Panel(kPanelOfButton[i])->y());
    }
    g.windowWidth = Tw(width());
    g.windowHeight = Tw(height());
    picQuickHelp_->PlaceQuickHelp(headline, body, key, static_cast<int16_t>(index), g);
}

void frmGatrel::SwapQuickHelpSelection()
{
    std::swap(s_.SavedToolMode, quickHelpTool_.toolMode);
    std::swap(s_.SavedMousePointer, quickHelpTool_.mousePointer);
    std::swap(s_.SavedToolKey, quickHelpTool_.key);
    std::swap(s_.SavedToolIndex, quickHelpTool_.index);
}

void frmGatrel::EnterQuickHelp()
{
    // Quick help keeps its own tool selection: the one saved at power-on stays intact.
    SwapQuickHelpSelection();
    SaveToolSelection(s_);
    SwapQuickHelpSelection();

    s_.ToolMode = ToolCode::QuickHelp;
    quickHelpActive_ = true;
    setCursor(Qt::WhatsThisCursor);
    SetWorksheetMousePointer(14);
    ToolbarButtons buttons = ReadToolbarButtons();
    SaveToolbarState(buttons, quickHelpToolbars_);
    ApplyToolbarButtons(buttons);
    Menu(QStringLiteral("mBauelemente"))->setEnabled(false);
}

void frmGatrel::LeaveQuickHelp()
{
    quickHelpActive_ = false;
    if (s_.engine.PowerFlag != 0) {
        // The run goes on; the editing tool's pages stay away until power-off.
        s_.ToolMode = quickHelpTool_.toolMode;
        SetWorksheetMousePointer(quickHelpTool_.mousePointer);
    } else {
        SwapQuickHelpSelection();
        RestoreToolSelection(s_);
        SwapQuickHelpSelection();
    }

    unsetCursor();
    ToolbarButtons buttons = ReadToolbarButtons();
    RestoreToolbarState(buttons, quickHelpToolbars_);
    ApplyToolbarButtons(buttons);
    // The power buttons show the power state again, whatever was clicked meanwhile.
    cmdOn_->setChecked(s_.engine.PowerFlag != 0);
    cmdOff_->setChecked(s_.engine.PowerFlag == 0);
    Menu(QStringLiteral("mBauelemente"))->setEnabled(true);
    if (picQuickHelp_->isVisible())
        picQuickHelp_->hide();
    CallSeam(seams_.hideQuickHelp);
}

ToolbarButtons frmGatrel::ReadToolbarButtons() const
{
    const auto state = [](QAction* a, ButtonStyle checkStyle) {
        ToolbarButtonState b;
        b.style = a->isSeparator() ? ButtonStyle::Separator : (a->isCheckable() ? checkStyle : ButtonStyle::Default);
        b.pressed = a->isChecked();
        return b;
    };
    ToolbarButtons buttons;
    buttons.cmdICView = state(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView")), ButtonStyle::Check);
    buttons.cmdRaster = state(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster")), ButtonStyle::Check);
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions())
        buttons.toolbox.push_back(state(a, ButtonStyle::ButtonGroup));
    buttons.powerButtonsHelpOnly = s_.ToolMode == ToolCode::QuickHelp;
    return buttons;
}

void frmGatrel::ApplyToolbarButtons(const ToolbarButtons& buttons)
{
    const auto apply = [](QAction* a, const ToolbarButtonState& b) {
        if (b.style == ButtonStyle::Separator)
            return;
        a->setCheckable(b.style != ButtonStyle::Default);
        a->setChecked(b.pressed);
    };
    apply(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView")), buttons.cmdICView);
    apply(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster")), buttons.cmdRaster);
    const QList<QAction*> toolbox = Toolbar(QStringLiteral("Toolbar2"))->actions();
    for (qsizetype i = 0; i < toolbox.size() && static_cast<size_t>(i) < buttons.toolbox.size(); ++i)
        apply(toolbox[i], buttons.toolbox[static_cast<size_t>(i)]);
}

void frmGatrel::cmdColor_MouseDown(int index)
{
    for (int k = 0; k < 9; ++k)
        if (auto* f = qobject_cast<QFrame*>(cmdColor_[static_cast<size_t>(k)]))
            f->setFrameShadow(k == index ? QFrame::Sunken : QFrame::Raised);
    ::cmdColor_MouseDown(s_, index);
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
            picGrid_->update();
        }
    } else if (name == QLatin1String("lblLevel")) {
        // The level name leaves the decoder outline alone.
        HidePlacementOutlines();
        if (decoder)
            for (OverlayLine& line : editor_->overlay.LineRahmen)
                line.Visible = true;
    } else if (name.startsWith(QString::fromUtf8("lblICAnschluß"))) {
        lblICAnschluss_MouseMove(name.mid(13).toInt());
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

void frmGatrel::lblICAnschluss_MouseMove(int index)
{
    s_.ICPinIndex = static_cast<int16_t>(index);
    if (s_.ToolMode != ToolCode::ICDefinitionView)
        return;
    for (const auto& label : lblICAnschluss_) {
        if (!label)
            continue;
        const bool lit = label->objectName() == QString::fromUtf8("lblICAnschluß%1").arg(index);
        label->setFrameShape(lit ? QFrame::Box : QFrame::NoFrame);
        label->setStyleSheet(lit ? QStringLiteral("background:#000080;color:#ffffff")
                                 : QStringLiteral("background:#ffffff;color:#000000"));
    }
}

void frmGatrel::txtVerzoegerung_Apply()
{
    auto* box = findChild<QLineEdit*>(QString::fromUtf8("txtVerzögerung"));
    box->setText(ApplyDelayText(s_, box->text()));
}

void frmGatrel::cmdStop_Click()
{
    StopEngine(s_, engine_);
}

bool frmGatrel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return QMainWindow::eventFilter(watched, event);
    const QString name = w->objectName();

    if (w == centralWidget() && type == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    const bool quickHelp = s_.ToolMode == ToolCode::QuickHelp;
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;

    // The power buttons only explain themselves in quick-help mode.
    if (w == cmdOn_ || w == cmdOff_) {
        if (quickHelp && press) {
            ShowQuickHelp(name, 0);
            return true;
        }
        if (quickHelp && (type == QEvent::MouseButtonRelease || type == QEvent::KeyPress))
            return true;
    }
    for (size_t i = 0; i < cmdColor_.size(); ++i)
        if (w == cmdColor_[i] && type == QEvent::MouseButtonPress)
            cmdColor_MouseDown(static_cast<int>(i));

    if (press && quickHelp) {
        if (name == QLatin1String("picEinAus")) {
            ShowQuickHelp(QStringLiteral("picPanel0"), 0);
            return true;
        }
        if (name == QLatin1String("picEigenschaften") || name.startsWith(QLatin1String("picEigenschaft"))
            || name == QLatin1String("lblAktElement")) {
            ShowQuickHelp(QStringLiteral("picPanel1"), 0);
            return true;
        }
    }
    if (w == picContainer_ && type == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        // Beside the picture, the right button climbs out of a shown IC level.
        if (me->button() == Qt::RightButton && s_.ToolMode == ToolCode::SimulationRunning && s_.CurrentLevel > 0)
            if (static_cast<size_t>(s_.CurrentLevel) < s_.ICInstances.size())
                ShowLevel(s_, engine_, s_.ICInstances[static_cast<size_t>(s_.CurrentLevel)].ParentLevel);
    }

    if (type == QEvent::MouseMove || type == QEvent::Enter)
        HoverOver(w);

    // Boxes that take their whole text on getting the focus.
    static const QStringList kSelectAllOnFocus = {QStringLiteral("txtX"), QStringLiteral("txtY"),
                                                  QString::fromUtf8("txtAnschlüsse"), QString::fromUtf8("txtVerzögerung"),
                                                  QStringLiteral("txtAnzTakte")};
    if (type == QEvent::FocusIn && kSelectAllOnFocus.contains(name))
        if (auto* box = qobject_cast<QLineEdit*>(w))
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);

    if (name == QLatin1String("picICVorschau") && type == QEvent::MouseButtonDblClick) {
        if (auto* b = findChild<QToolButton*>(QStringLiteral("cmdICVerwaltung")))
            b->setChecked(true);
        if (seams_.icManager)
            seams_.icManager(true);
    }

    // Delay box: applied on Enter and when left.
    if (name == QString::fromUtf8("txtVerzögerung")) {
        if (type == QEvent::FocusOut) {
            txtVerzoegerung_Apply();
        } else if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                txtVerzoegerung_Apply();
                picGrid_->setFocus();
                return true;
            }
        }
    }
    if (name == QLatin1String("txtAnzTakte")) {
        auto* box = static_cast<QLineEdit*>(w);
        if (type == QEvent::FocusOut) {
            if (const auto text = txtAnzTakte_LostFocus(s_, box->text()))
                box->setText(*text);
        } else if (type == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const CyclesKeyUp r = txtAnzTakte_KeyUp(s_, box->text(), key == Qt::Key_Return || key == Qt::Key_Enter);
            if (r.text) {
                box->setText(*r.text);
                box->setCursorPosition(r.caret);
            }
            if (r.focusWorksheet)
                picGrid_->setFocus();
        }
    }
    if (name == QLatin1String("cmbZoom") && type == QEvent::FocusOut)
        static_cast<QComboBox*>(w)->setEditText(ZoomFactorText(s_.GridMode));
    if (type == QEvent::KeyPress && w->parentWidget() && w->parentWidget()->objectName() == QLatin1String("cmbFormel")) {
        auto* ke = static_cast<QKeyEvent*>(event);
        auto* cmdFormel = findChild<QToolButton*>(QStringLiteral("cmdFormel"));
        if (cmdFormel->isChecked() && ke->text().size() == 1 && ke->text() != QLatin1String("\r")) {
            const QChar mapped = FormulaKey(ke->text().at(0));
            if (mapped != ke->text().at(0)) {
                static_cast<QLineEdit*>(w)->insert(QString(mapped));
                return true;
            }
        }
        cmbFormel_KeyPress(ke);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmGatrel::WireControlPanel()
{
    auto* cmdStop = findChild<QPushButton*>(QStringLiteral("cmdStop"));
    disconnect(cmdStop, &QPushButton::clicked, nullptr, nullptr);
    connect(cmdStop, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, cmdStop->objectName(), [this] { cmdStop_Click(); }));

    // Cycles of the selected clock generator.
    auto* txtAnzTakte = findChild<QLineEdit*>(QStringLiteral("txtAnzTakte"));
    for (int index = 0; index < 2; ++index) {
        auto* step = findChild<QToolButton*>(QStringLiteral("cmdAnzTakte%1").arg(index));
        connect(step, &QToolButton::clicked, this, [this, txtAnzTakte, index] {
            const auto text = index == 0 ? cmdAnzTakte_UpClick(s_) : cmdAnzTakte_DownClick(s_);
            if (text)
                txtAnzTakte->setText(*text);
        });
    }

    // Phase sliders and their coupling.
    auto* slider0 = findChild<QSlider*>(QStringLiteral("Slider0"));
    auto* slider1 = findChild<QSlider*>(QStringLiteral("Slider1"));
    auto* chkLink = findChild<QCheckBox*>(QStringLiteral("chkLink"));
    const auto showPhases = [this, slider0, slider1](const PhaseSliders& p) {
        const bool was = settingSliders_;
        settingSliders_ = true;
        slider0->setValue(p.slider0);
        slider1->setValue(p.slider1);
        settingSliders_ = was;
        SetClockPhaseLabels(p.lbl1, p.lbl0);
        if (ClockTimerInterval(s_.SelectedClock) != p.timerInterval)
            SetClockTimerInterval(s_.SelectedClock, p.timerInterval);
    };
    connect(slider0, &QSlider::valueChanged, this, [this, slider0, slider1, chkLink, showPhases] {
        if (!settingSliders_)
            showPhases(::Slider0_Scroll(s_, slider0->value(), slider1->value(), chkLink->isChecked(),
                                        ClockTimerInterval(s_.SelectedClock)));
    });
    connect(slider1, &QSlider::valueChanged, this, [this, slider0, slider1, chkLink, showPhases] {
        if (!settingSliders_)
            showPhases(::Slider1_Scroll(s_, slider0->value(), slider1->value(), chkLink->isChecked(),
                                        ClockTimerInterval(s_.SelectedClock)));
    });
    connect(chkLink, &QCheckBox::clicked, this, [this, slider0, slider1, chkLink, showPhases] {
        showPhases(::chkLink_Click(s_, chkLink->checkState(), slider0->value(), slider1->value(),
                                   ClockTimerInterval(s_.SelectedClock)));
    });

    // The next decoder's clock input.
    auto* chkTakteingang = findChild<QCheckBox*>(QStringLiteral("chkTakteingang"));
    connect(chkTakteingang, &QCheckBox::clicked, this,
            [this, chkTakteingang] { s_.DecoderClockInput = VbBool(chkTakteingang->checkState() != Qt::Unchecked); });

    // LED colours: each button shows the colour it gives.
    for (size_t i = 0; i < cmdColor_.size(); ++i) {
        const int32_t c = kLedButtonColours[i];
        QPalette pal = cmdColor_[i]->palette();
        pal.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        cmdColor_[i]->setPalette(pal);
        if (auto* f = qobject_cast<QFrame*>(cmdColor_[i]))
            f->setFrameShadow(c == s_.LEDColor ? QFrame::Sunken : QFrame::Raised);
    }

    // The second delay control only speaks through its label.
    auto* sldDelay = findChild<QSlider*>(QStringLiteral("sldDelay"));
    connect(sldDelay, &QSlider::valueChanged, this, [this](int position) {
        const DelaySliderCaption caption = DelaySliderLabel(position);
        auto* label = findChild<QLabel*>(QStringLiteral("lblDelay"));
        label->setText(caption.text);
        label->setStyleSheet(QStringLiteral("color:#%1")
                                 .arg(((caption.colour & 0xFF) << 16) | (caption.colour & 0xFF00)
                                          | ((caption.colour >> 16) & 0xFF),
                                      6, 16, QLatin1Char('0')));
    });

    // Zoom box: a chosen entry or Enter applies, leaving it without Enter restores.
    auto* cmbZoom = findChild<QComboBox*>(QStringLiteral("cmbZoom"));
    const auto applyZoom = [this, cmbZoom](ZoomConfirm how) {
        const ZoomBoxResult r = ConfirmZoomBox(cmbZoom->currentText(), s_.GridMode, how);
        cmbZoom->setEditText(r.text);
        if (r.apply) {
            s_.GridMode = r.factor;
            RedrawAllElements();
        }
    };
    connect(cmbZoom, &QComboBox::activated, this, [applyZoom] { applyZoom(ZoomConfirm::Click); });
    connect(cmbZoom->lineEdit(), &QLineEdit::returnPressed, this, [applyZoom] { applyZoom(ZoomConfirm::Enter); });
    cmbZoom->installEventFilter(this);

    // Command line.
    auto* cmdFormel = findChild<QToolButton*>(QStringLiteral("cmdFormel"));
    auto* cmbFormel = findChild<QComboBox*>(QStringLiteral("cmbFormel"));
    connect(cmdFormel, &QToolButton::clicked, this, [cmbFormel] { cmbFormel->setFocus(); });
    auto* cmdCloseFormel = findChild<QToolButton*>(QStringLiteral("cmdCloseFormel"));
    connect(cmdCloseFormel, &QToolButton::clicked, this, [this, cmdCloseFormel](bool pressed) {
        if (pressed)
            CloseFormelPanel();
        cmdCloseFormel->setChecked(false);
    });
    cmbFormel->lineEdit()->installEventFilter(this);
    txtAnzTakte->installEventFilter(this);

    // Widgets around the worksheet hide its placement aids when the pointer arrives.
    for (const char* name : {"picAnschlüsse", "picEigenschaften", "picEinAus", "picKomplex", "picLevel",
                             "picOnOff", "picOrientation", "picPropContainer", "picSize", "picZoom", "sldDelay",
                             "Slider0", "Slider1", "tlbOrientation", "Toolbar", "Toolbar2", "Toolbar3", "tvwLevel",
                             "txtAnzTakte", "txtVerzögerung", "picIC", "lblLevel", "lblAktElement", "picContainer",
                             "StatusBar", "cmdOn", "cmdOff", "txtX", "txtY", "UpDown1Up", "UpDown1Down",
                             "frmGatrelClient"}) {
        if (auto* w = findChild<QWidget*>(QString::fromUtf8(name))) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
            // A list's moves arrive on its viewport and stop there.
            if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
                area->viewport()->setMouseTracking(true);
                area->viewport()->installEventFilter(this);
            }
        }
    }
    for (int i = 0; i < 5; ++i)
        if (auto* w = findChild<QWidget*>(QStringLiteral("picEigenschaft%1").arg(i)))
            w->setMouseTracking(true);
    for (QWidget* w : cmdColor_)
        w->setMouseTracking(true);
    for (QLabel* label : findChildren<QLabel*>())
        if (label->objectName().startsWith(QLatin1String("lblAllgemein"))) {
            label->setMouseTracking(true);
            label->installEventFilter(this);
        }
}

void frmGatrel::cmbFormel_KeyPress(QKeyEvent* event)
{
    auto* cmdFormel = findChild<QToolButton*>(QStringLiteral("cmdFormel"));
    auto* cmbFormel = findChild<QComboBox*>(QStringLiteral("cmbFormel"));
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
        if (auto* l = findChild<QLabel*>(QStringLiteral("lblTime")))
            l->setVisible(l->isHidden());
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
