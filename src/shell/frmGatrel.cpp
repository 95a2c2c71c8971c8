#include "shell/frmGatrel.h"

#include <algorithm>
#include <tuple>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QScopeGuard>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "editing/worksheet_editor.h"
#include "editing/worksheet_size.h"
#include "model/files/file_commands.h"
#include "model/frmCreateNewFile.h"
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/new_file.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/frmUndoList.h"
#include "placement/placement_context.h"
#include "platform/guard.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "platform/user_dialogs.h"
#include "render/clsGrafik.h"
#include "render/draw_grid.h"
#include "render/redraw.h"
#include "shell/label_text_box.h"
#include "shell/worksheet_overlay_painter.h"
#include "shell/delay_setting.h"
#include "shell/main_window_layout.h"
#include "shell/toolbar_icons.h"
#include "shell/worksheet_picture.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

namespace {

struct ToolbarKey {
    const char* key;
    int tooltipId;
};
constexpr ToolbarKey kMainToolbar[] = {
    {"cmdNew", 2800},  {"cmdOpen", 2801}, {"cmdSave", 2802},     {"cmdPrint", 2803},
    {"cmdCut", 2804},  {"cmdCopy", 2805}, {"cmdPaste", 2806},    {nullptr, 0},
    {"cmdUndo", 2807}, {"cmdUndoList", 2808},
};
constexpr ToolbarKey kElementToolbar[] = {
    {"cmdSelect", 2822},      {"cmdText", 2823},           {"cmdLeitungen", 2824},
    {"cmdDiode", 2825},       {"cmdSchalter", 2826},       {"cmdInverter", 2827},
    {"cmdVerbindungspunkt", 2828}, {"cmdKoppeldiode", 2829}, {"cmdNegationspunkt", 2830},
    {"cmdAnalysepunkt", 2831}, {"cmdUND", 2832},           {"cmdODER", 2833},
    {"cmdXODER", 2834},       {"cmdHA", 2835},             {"cmdVA", 2836},
    {"cmdTriState", 2837},    {"cmdDecoder", 2838},        {"cmdDecoderT", 2839},
    {"cmdKomplex", 2840},     {"cmdIC", 2841},
};
constexpr ToolbarKey kClockToolbar[] = {
    {"cmdDauertakt", 2842}, {"cmdEinzeltakt", 2843}, {"cmdStop", 2844}, {"cmdFullStop", 2845},
};

// Short captions for the element toolbar until it gets its pictures.
QString ShortCaption(const QString& tooltip)
{
    return tooltip;
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmGatrel::frmGatrel(ProgramState& s, UserDialogs& dialogs, TimerHost& timers, QWidget* parent)
    : QMainWindow(parent), s_(s), dialogs_(dialogs), timers_(timers), picNone_(std::make_unique<NullSurface>())
{
    setObjectName(QStringLiteral("frmGatrel"));
    s_.shell = this;

    BuildMenus();
    BuildToolbars();
    BuildStatusBar();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmGatrelClient"));
    setCentralWidget(central);
    BuildLeftPanel();
    BuildWorkField();
    picGrid_->SetDialogs(&dialogs_);
    objGrafik_ = std::make_unique<clsGrafik>(s_, &picGrid_->surface());
    objUndo_ = std::make_unique<clsUndo>(s_);
    placement_ = std::make_unique<PlacementContext>(PlacementContext{s_, *objGrafik_, *objUndo_, &dialogs_});
    // Undo and the undo list, from the Edit menu and the main toolbar.
    auto undo = [this] { objUndo_->Undo(*placement_); };
    auto undoList = [this] {
        frmUndoList dialog(*placement_, this);
        dialog.exec();
    };
    connect(Menu(QStringLiteral("mUndo")), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mUndo"), undo));
    connect(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndo")), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("cmdUndo"), undo));
    connect(Menu(QStringLiteral("mUndoList")), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mUndoList"), undoList));
    connect(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndoList")), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("cmdUndoList"), undoList));
    BuildShellControls();

    // The engine's step timer and the clock generators' timers (member 0 exists from the start).
    timer1_ = timers_.CreateTimer([this] { Timer1_Timer(s_, engine_); });
    timer1_->setInterval(1); // the step timer: one run soon after a clock tick
    timer2_.push_back(CreateClockTimer(0));
    timPort_ = timers_.CreateTimer([] {}); // the port option has no effect

    WireEngineControls();
    WireWorksheetEditor();
    WireControlPanel();
    CloseFormelPanel(); // the command line starts closed

    PressToolButton(QStringLiteral("cmdLeitungen"), 3);
    CheckComponentMenuOnly(1);
    ChangeSelPicture(1);
    SetSizeBoxes(s_.MaxX, s_.MaxY);
    SetCaption(QStringLiteral("Unsaved circuit - Gatrel"));
    resize(1000, 700);
    ApplyTexts();
    loaded_ = true;
    RedrawAllElements();
}

frmGatrel::~frmGatrel()
{
    // Hidden while every member still lives: hiding takes the focus from an open label box.
    hide();
    if (s_.shell == this)
        s_.shell = nullptr;
}

QAction* frmGatrel::AddToolbarButton(QToolBar* bar, const QString& key, int tooltipId, bool checkable)
{
    QAction* a = bar->addAction(ShortCaption(LoadResString(tooltipId)));
    a->setObjectName(key);
    a->setIcon(ToolbarIcon(bar->objectName(), key));
    a->setToolTip(LoadResString(tooltipId));
    a->setCheckable(checkable);
    toolbarButtons_[bar->objectName()][key] = a;
    return a;
}

void frmGatrel::BuildToolbars()
{
    auto makeBar = [this](const QString& name) {
        auto* bar = new QToolBar(name, this);
        bar->setObjectName(name);
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setIconSize(QSize(24, 24));
        toolbars_[name] = bar;
        return bar;
    };

    QToolBar* main = makeBar(QStringLiteral("Toolbar"));
    addToolBar(Qt::TopToolBarArea, main);
    for (const ToolbarKey& k : kMainToolbar) {
        if (!k.key) {
            main->addSeparator();
            continue;
        }
        QAction* a = AddToolbarButton(main, QString::fromLatin1(k.key), k.tooltipId, false);
        a->setEnabled(false);
    }
    connect(ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdNew")), &QAction::triggered,
            this, GuardedSlot(dialogs_, QStringLiteral("cmdNew"), [this] { mNeu_Click(); }));
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdNew"))->setEnabled(true);
    QAction* open = ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdOpen"));
    open->setEnabled(true);
    connect(open, &QAction::triggered, this,
            GuardedSlot(dialogs_, open->objectName(), [this] { mOpen_Click(s_, dialogs_); }));
    QAction* save = ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdSave"));
    save->setEnabled(true);
    connect(save, &QAction::triggered, this,
            GuardedSlot(dialogs_, save->objectName(), [this] { mSave_Click(s_, dialogs_); }));

    addToolBarBreak();
    QToolBar* elements = makeBar(QStringLiteral("Toolbar2"));
    addToolBar(Qt::TopToolBarArea, elements);
    toolGroup_ = new QActionGroup(this);
    toolGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    int index = 1;
    for (const ToolbarKey& k : kElementToolbar) {
        QAction* a = AddToolbarButton(elements, QString::fromLatin1(k.key), k.tooltipId, true);
        a->setProperty("Index", index++);
        toolGroup_->addAction(a);
    }

    // While the power is on the simulation box stands where the palette was.
    QToolBar* onOffBar = makeBar(QStringLiteral("OnOffBar"));
    addToolBar(Qt::TopToolBarArea, onOffBar);
    auto* picOnOff = new QWidget(onOffBar);
    picOnOff->setObjectName(QStringLiteral("picOnOff"));
    picOnOff->installEventFilter(this);
    auto* row = new QHBoxLayout(picOnOff);
    row->setContentsMargins(4, 0, 4, 0);
    auto* picRot = new QFrame(picOnOff);
    picRot->setObjectName(QStringLiteral("picRot"));
    auto* picGruen = new QFrame(picOnOff);
    picGruen->setObjectName(QString::fromUtf8("picGrün"));
    for (QFrame* lamp : {picRot, picGruen}) {
        lamp->setFixedSize(14, 14);
        lamp->setFrameShape(QFrame::Box);
    }
    picRot->setStyleSheet(QStringLiteral("background:#ff0000"));
    picGruen->setStyleSheet(QStringLiteral("background:#00c000"));
    picGruen->setVisible(false);
    row->addWidget(picRot);
    row->addWidget(picGruen);
    auto* lblOnOff = NamedLabel(QStringLiteral("lblOnOff"), QString(), picOnOff);
    lblOnOff->setMinimumWidth(150);
    row->addWidget(lblOnOff);
    auto* cmdPause = new QPushButton(QStringLiteral("&Pause"), picOnOff);
    cmdPause->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cmdPause->setObjectName(QStringLiteral("cmdPause"));
    auto* cmdStop = new QPushButton(picOnOff);
    cmdStop->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdPause->setEnabled(false);
    cmdStop->setEnabled(false);
    row->addWidget(cmdPause);
    row->addWidget(cmdStop);
    row->addSpacing(12);
    row->addWidget(NamedLabel(QStringLiteral("lblText1"), QString(), picOnOff));
    auto* txtDelay = new QLineEdit(picOnOff);
    txtDelay->setObjectName(QString::fromUtf8("txtVerzögerung"));
    txtDelay->setFixedWidth(56);
    txtDelay->installEventFilter(this);
    row->addWidget(txtDelay);
    // cmdVerzögerung: up (index 0) and down (index 1) by one step within 0..100.
    auto* steps = new QVBoxLayout;
    steps->setSpacing(0);
    for (int index = 0; index < 2; ++index) {
        auto* step = new QToolButton(picOnOff);
        step->setObjectName(QString::fromUtf8("cmdVerzögerung%1").arg(index));
        step->setArrowType(index == 0 ? Qt::UpArrow : Qt::DownArrow);
        step->setAutoRepeat(true);
        step->setFixedSize(16, 11);
        steps->addWidget(step);
        connect(step, &QToolButton::clicked, this, [this, txtDelay, index] {
            s_.engine.DelaySetting = DelayStep(s_.engine.DelaySetting, index == 0 ? 1 : -1);
            txtDelay->setText(DelayText(s_.engine.DelaySetting));
        });
    }
    row->addLayout(steps);
    row->addStretch(1);
    onOffBar->addWidget(picOnOff);
    onOffBar->setVisible(false);

    QToolBar* orientation = makeBar(QStringLiteral("tlbOrientation"));
    orientation->setOrientation(Qt::Horizontal);
    auto* orientationGroup = new QActionGroup(this);
    // Key, arrow and the orientation code it gives the next component.
    static constexpr struct {
        const char* key;
        const char* arrow;
        uint8_t code;
    } kOrientation[] = {{"cmdRechts", "\u2192", Orientation::Right}, {"cmdLinks", "\u2190", Orientation::Left},
                        {"cmdOben", "\u2191", Orientation::Up},      {"cmdUnten", "\u2193", Orientation::Down}};
    for (const auto& o : kOrientation) {
        QAction* a = orientation->addAction(QString::fromUtf8(o.arrow));
        a->setObjectName(QString::fromLatin1(o.key));
        a->setIcon(ToolbarIcon(QStringLiteral("tlbOrientation"), a->objectName()));
        a->setCheckable(true);
        a->setChecked(o.code == s_.PlaceOrientation);
        orientationGroup->addAction(a);
        toolbarButtons_[QStringLiteral("tlbOrientation")][a->objectName()] = a;
        const uint8_t code = o.code;
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, a->objectName(), [this, code] { s_.PlaceOrientation = code; }));
    }

    QToolBar* clock = makeBar(QStringLiteral("Toolbar3"));
    for (const ToolbarKey& k : kClockToolbar)
        AddToolbarButton(clock, QString::fromLatin1(k.key), k.tooltipId, false)->setEnabled(false);
    // Shown and hidden with its page, the clock panel picTaktgeber.
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

QAction* frmGatrel::ToolbarButton(const QString& toolbar, const QString& key) const
{
    return toolbarButtons_.value(toolbar).value(key, nullptr);
}

QToolBar* frmGatrel::Toolbar(const QString& name) const
{
    return toolbars_.value(name, nullptr);
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

void frmGatrel::mNeu_Click()
{
    if (!ConfirmReplace(s_, dialogs_))
        return;
    auto* dialog = new frmCreateNewFile(s_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

// MainWindowServices

void frmGatrel::SetStatusPanel(int panel, const QString& text)
{
    if (panel >= 0 && panel < static_cast<int>(statusPanels_.size()))
        statusPanels_[static_cast<size_t>(panel)]->setText(text);
}

void frmGatrel::SetProgress(int value)
{
    ProgressBar_->setValue(std::clamp(value, 0, 100));
}

void frmGatrel::EnableMainWindow(bool enabled)
{
    // The modal dialogs block input on their own; this keeps menus and panels greyed as well.
    menuBar()->setEnabled(enabled);
    centralWidget()->setEnabled(enabled);
    for (QToolBar* bar : toolbars_)
        bar->setEnabled(enabled);
}

void frmGatrel::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

QString frmGatrel::DialogFileName() const
{
    return dialogFileName_;
}

void frmGatrel::SetDialogFileName(const QString& name)
{
    dialogFileName_ = name;
}

void frmGatrel::ChangeSelPicture(int16_t tool)
{
    if (editor_)
        editor_->HidePlacementAids();
    // Tool code -> caption of the current tool.
    static constexpr std::pair<int, int> kToolCaption[] = {
        {0, 2512},  {1, 2511},  {2, 2513},  {3, 2515},  {4, 2516},  {5, 2517},  {6, 2519},
        {7, 2520},  {8, 2521},  {9, 2518},  {10, 2529}, {11, 2522}, {12, 2523}, {13, 2524},
        {14, 2527}, {15, 2514}, {16, 2525}, {17, 2528}, {18, 2526}, {19, 2530}, {20, 2531},
        {22, 2532}, {27, 2534}, {98, 2533}, {99, 2535},
    };
    for (auto [code, id] : kToolCaption)
        if (code == tool)
            lblSelTool_->setText(LoadResString(id));
}

void frmGatrel::SetSizeBoxes(int16_t maxX, int16_t maxY)
{
    txtX_->setText(QString::number(maxX));
    txtY_->setText(QString::number(maxY));
}

void frmGatrel::ResetScrollBars()
{
    HScroll_->setValue(0);
    VScroll_->setValue(0);
}

void frmGatrel::PressPowerOff()
{
    cmdOff_->setChecked(true);
    cmdOff_->click();
}

void frmGatrel::SetAnalyserMenuEnabled(bool enabled)
{
    MenuItem(QStringLiteral("mAnsichtItem"), 2)->setEnabled(enabled);
}

void frmGatrel::SetUndoListMenuEnabled(bool enabled)
{
    Menu(QStringLiteral("mUndoList"))->setEnabled(enabled);
}

void frmGatrel::CheckComponentMenuOnly(int item)
{
    const auto& items = menuArrays_[QStringLiteral("mBauteil")];
    for (size_t i = 1; i < items.size(); ++i)
        if (items[i])
            items[i]->setChecked(static_cast<int>(i) == item);
}

void frmGatrel::SetUsedFileItem(int index, const QString& caption)
{
    QAction* a = MenuItem(QStringLiteral("mUsedFiles"), index);
    if (!a)
        return;
    a->setText(caption);
    a->setVisible(!caption.isEmpty());
}

QString frmGatrel::UsedFileItem(int index) const
{
    QAction* a = MenuItem(QStringLiteral("mUsedFiles"), index);
    return a ? a->text() : QString();
}

void frmGatrel::ShowUsedFilesSeparator()
{
    Menu(QStringLiteral("Trennstrich3"))->setVisible(true);
}

QString frmGatrel::PressedToolKey(int* index) const
{
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions()) {
        if (a->isChecked()) {
            if (index)
                *index = a->property("Index").toInt();
            return a->objectName();
        }
    }
    return QString();
}

void frmGatrel::PressToolButton(const QString& key, int index)
{
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions()) {
        if (a->objectName() == key || a->property("Index").toInt() == index) {
            if (!a->isChecked())
                a->setChecked(true);
            return;
        }
    }
}

void frmGatrel::ReleaseToolButton(const QString& key)
{
    if (QAction* a = ToolbarButton(QStringLiteral("Toolbar2"), key))
        a->setChecked(false);
}

bool frmGatrel::OrientationToolbarEnabled() const
{
    return Toolbar(QStringLiteral("tlbOrientation"))->actions().value(0)->isEnabled();
}

void frmGatrel::SetOrientationToolbarEnabled(bool enabled)
{
    for (QAction* a : Toolbar(QStringLiteral("tlbOrientation"))->actions())
        a->setEnabled(enabled);
}

int frmGatrel::WorksheetMousePointer() const
{
    return picGrid_->MousePointer();
}

void frmGatrel::SetWorksheetMousePointer(int pointer)
{
    picGrid_->SetMousePointer(pointer);
}

void frmGatrel::RedrawAllElements()
{
    ::RedrawAllElements(s_, *objGrafik_, 0);
    picGrid_->update();
}

void frmGatrel::DrawGrid()
{
    ::DrawGrid(s_, picGrid_->surface());
    picGrid_->update();
}

void frmGatrel::UnloadClockTimers()
{
    if (timer2_.size() > 1)
        timer2_.resize(1);
}

void frmGatrel::UnloadICConnectorLabels()
{
    for (auto& label : lblICAnschluss_)
        delete label;
    lblICAnschluss_.clear();
}

void frmGatrel::ResetICWindow()
{
    // The IC window does not exist yet; it starts empty when it comes.
}

void frmGatrel::RebuildLevelTree()
{
    int16_t first = 0;
    int16_t last = 0;
    RefreshTreeView(s_, first, last);
}

void frmGatrel::DeleteUndoData()
{
    objUndo_->DeleteUndoData(false);
}

void frmGatrel::ResetAnalyser()
{
    // The logic analyzer starts empty; nothing is recorded before it exists.
}

bool frmGatrel::MainFormLoaded() const
{
    return loaded_;
}

bool frmGatrel::FormelPanelOpen() const
{
    auto* close = findChild<QWidget*>(QStringLiteral("cmdCloseFormel"));
    return close && !close->isHidden();
}

// The worksheet redraw's calls into the window.

void frmGatrel::SetWorksheetPictureSize(int width, int height)
{
    picGrid_->SetPictureSize(width, height);
}

QSize frmGatrel::WorksheetContainerSize() const
{
    return picContainer_->size();
}

QSize frmGatrel::WorksheetContainerInnerSize() const
{
    return picContainer_->contentsRect().size();
}

void frmGatrel::SelectNone()
{
    if (editor_)
        editor_->SelectNone();
    else if (QAction* del = Menu(QStringLiteral("mDelete")))
        del->setEnabled(false);
}

void frmGatrel::DisplayBeschriftungsText(int16_t n, const QString& oldText)
{
    s_.CurrentProc = QStringLiteral("DisplayBeschriftungsText");
    if (n <= 0 || static_cast<size_t>(n) >= s_.Elements.size()
        || s_.Elements[static_cast<size_t>(n)].Type != ElementType::TextLabel || !objGrafik_->Device)
        return;
    Surface& dev = *objGrafik_->Device;
    try {
        PinTable anchor{};
        ParsePinList(s_.Elements[static_cast<size_t>(n)].InPinList, anchor);
        const int16_t x = anchor[0].X;
        const int16_t y = anchor[0].Y;
        const float zoom = s_.GridMode;
        dev.FontTransparent = false;
        dev.FontSize = objGrafik_->OnPrinter() ? zoom : static_cast<double>(s_.LabelFontSize * zoom);
        dev.ForeColor = 0;

        // lblBeschriftung: the label font at the worksheet's zoom, in drawing units.
        NullSurface measure;
        measure.FontName = QStringLiteral("MS Sans Serif");
        measure.FontSize = static_cast<double>(s_.LabelFontSize * zoom);
        const QString text = s_.Elements[static_cast<size_t>(n)].Label;
        const double px = GridToPixel(s_, x);
        const double w = measure.TextWidth(text);
        const double h = measure.TextHeight(text);
        const double py = CInt(GridToPixel(s_, y) - h / 1.6);

        bool shrunk = false;
        if (!oldText.isEmpty()) {
            const int16_t k = PixelToGrid(s_, CInt(w));
            const double w0 = measure.TextWidth(oldText);
            const double h0 = measure.TextHeight(oldText);
            int16_t ax1 = PixelToGrid(s_, CInt(px));
            int16_t ay1 = PixelToGrid(s_, CInt(py));
            int16_t ax2 = PixelToGrid(s_, CInt(px + w0));
            int16_t ay2 = PixelToGrid(s_, CInt(py + h0));
            ::RedrawArea(s_, *objGrafik_, ax1, ay1, ax2, ay2, true);
            const int r = PixelToGrid(s_, CInt(py));
            const int last = PixelToGrid(s_, CInt(px + w0));
            for (int col = PixelToGrid(s_, CInt(px)) + k + 1; col <= last; ++col) {
                shrunk = true;
                for (int row : {r, r - 1, r + 1}) {
                    if (!s_.P.Contains(col, row) || s_.P(col, row).ElementNr != n)
                        continue;
                    s_.P(col, row).ElementNr = 0;
                    s_.P(col, row).Type = 0;
                    if (s_.ShowGrid != 0 && s_.engine.PowerFlag == 0)
                        picGrid_->surface().PSet(GridToPixel(s_, static_cast<int16_t>(col)),
                                                 GridToPixel(s_, static_cast<int16_t>(row)), 0x808080);
                }
            }
        }
        if (!shrunk) {
            const int r = PixelToGrid(s_, CInt(py));
            const int a = PixelToGrid(s_, CInt(px));
            auto owns = [&](int row) { return s_.P.Contains(a, row) && s_.P(a, row).ElementNr == n; };
            const int row = owns(r) ? r : owns(r - 1) ? r - 1 : owns(r + 1) ? r + 1 : -1;
            if (row >= 0) {
                const int last = PixelToGrid(s_, CInt(px + w));
                for (int col = a; col <= last && s_.P.Contains(col, row); ++col) {
                    s_.P(col, row).Type = ElementType::TextLabel;
                    s_.P(col, row).ElementNr = n;
                }
            }
        }
        const int16_t owner = s_.P.at(x, y).ElementNr;
        if (owner > 0 && static_cast<size_t>(owner) < s_.Elements.size())
            s_.Elements[static_cast<size_t>(owner)].Orientation = Orientation::Right;

        dev.FontName = QStringLiteral("MS Sans Serif");
        dev.CurrentX = px;
        dev.CurrentY = py;
        dev.Print(text);
    } catch (const RuntimeError&) {
        // A label that cannot be drawn is left out; the rest of the redraw goes on.
    }
    dev.FontTransparent = true;
}

void frmGatrel::ShowICInOut(int16_t x, int16_t y)
{
    if (!s_.P.Contains(x, y))
        return;
    const size_t n = s_.P(x, y).ICConnector;
    if (n >= lblICAnschluss_.size() || !lblICAnschluss_[n])
        return;
    QLabel* label = lblICAnschluss_[n];
    double f = 1;
    if (objGrafik_->OnPrinter() && picGrid_->surface().ScaleWidth() != 0)
        f = CInt(objGrafik_->Device->ScaleWidth() / picGrid_->surface().ScaleWidth());
    const GridCell& cell = s_.P(x, y);
    const double px = GridToPixel(s_, x);
    const double py = GridToPixel(s_, y);
    double left = px + 5 * f;
    double top = py - 6 * f;
    if (cell.ConLeft == 0) {
        if (cell.ConRight != 0) {
            left = px - 20 * f;
        } else if (cell.ConDown != 0) {
            left = px;
            top = py - 18 * f;
        } else if (cell.ConUp != 0) {
            left = px;
            top = py + 6 * f;
        }
    }
    const double w = label->width();
    if (cell.ConRight != 0)
        left = px - w - 5 * f;
    else if (cell.ConDown != 0 || cell.ConUp != 0)
        left = px - w / 2;
    label->move(static_cast<int>(RoundHalfEven(left)), static_cast<int>(RoundHalfEven(top)));
    label->setVisible(true);
}

void frmGatrel::HideICConnectorLabels()
{
    for (auto& label : lblICAnschluss_)
        if (label)
            label->setVisible(false);
}

void frmGatrel::ShowNamedICConnectorLabels()
{
    for (auto& label : lblICAnschluss_)
        if (label && label->text() != QLatin1String("#Input#"))
            label->setVisible(true);
}

void frmGatrel::SetTimeLabel(const QString& text)
{
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblTime")))
        label->setText(text);
}

void frmGatrel::CreateClockTimers(int count)
{
    while (static_cast<int>(timer2_.size()) < count)
        timer2_.push_back(CreateClockTimer(static_cast<int>(timer2_.size())));
}

void frmGatrel::AddAnalyserChannel(int /*channel*/)
{
    // The logic analyzer keeps no trace rows before it exists.
}

void frmGatrel::AddICConnectorLabel(int index, const QString& name, const QString& /*tag*/)
{
    if (index < 1)
        return;
    if (lblICAnschluss_.size() <= static_cast<size_t>(index))
        lblICAnschluss_.resize(static_cast<size_t>(index) + 1);
    if (!lblICAnschluss_[index]) {
        auto* label = new QLabel(picGrid_);
        label->setObjectName(QStringLiteral("lblICAnschluß%1").arg(index));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        label->setVisible(false);
        lblICAnschluss_[index] = label;
    }
    lblICAnschluss_[index]->setText(u'[' + name + u']');
    lblICAnschluss_[index]->adjustSize();
}

void frmGatrel::SetICWindowFields(const QString& /*name*/, const QString& /*width*/, const QString& /*height*/)
{
    // The IC window comes with IC definition; until then there are no boxes to fill.
}

void frmGatrel::ShowInOut()
{
    // The IC window comes with IC definition.
}

void frmGatrel::ShowICView()
{
    // The IC-definition view comes with the IC window.
}

void frmGatrel::SetOnOffText(const QString& text)
{
    if (auto* l = findChild<QLabel*>(QStringLiteral("lblOnOff")))
        l->setText(text);
}

QString frmGatrel::OnOffText() const
{
    auto* l = findChild<QLabel*>(QStringLiteral("lblOnOff"));
    return l ? l->text() : QString();
}

void frmGatrel::SetRunLamp(bool red)
{
    if (auto* f = findChild<QFrame*>(QStringLiteral("picRot")))
        f->setVisible(red);
    if (auto* f = findChild<QFrame*>(QString::fromUtf8("picGrün"))) {
        f->setStyleSheet(QStringLiteral("background:#00ff00"));
        f->setVisible(!red);
    }
}

void frmGatrel::SetPauseEnabled(bool enabled)
{
    if (auto* b = findChild<QPushButton*>(QStringLiteral("cmdPause")))
        b->setEnabled(enabled);
}

void frmGatrel::SetPauseCaption(const QString& caption)
{
    if (auto* b = findChild<QPushButton*>(QStringLiteral("cmdPause")))
        b->setText(caption);
}

QString frmGatrel::PauseCaption() const
{
    auto* b = findChild<QPushButton*>(QStringLiteral("cmdPause"));
    return b ? b->text() : QString();
}

void frmGatrel::SetStopEnabled(bool enabled)
{
    if (auto* b = findChild<QPushButton*>(QStringLiteral("cmdStop")))
        b->setEnabled(enabled);
}

void frmGatrel::ShowPowerPanel()
{
    if (auto* w = findChild<QWidget*>(QStringLiteral("picEinAus")))
        w->setVisible(true);
}

void frmGatrel::CommitLabelEdit()
{
    if (editor_)
        editor_->CommitOpenLabel();
}

void frmGatrel::ClearLevelTree()
{
    if (auto* tree = findChild<QTreeWidget*>(QStringLiteral("tvwLevel")))
        tree->clear();
}

namespace {
QTreeWidgetItem* FindLevelNode(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}
} // namespace

void frmGatrel::AddLevelNode(const QString& parentKey, const QString& key, const QString& text)
{
    auto* tree = findChild<QTreeWidget*>(QStringLiteral("tvwLevel"));
    if (!tree)
        return;
    QTreeWidgetItem* parent = parentKey.isEmpty() ? nullptr : FindLevelNode(tree, parentKey);
    auto* item = parent ? new QTreeWidgetItem(parent, QStringList(text)) : new QTreeWidgetItem(tree, QStringList(text));
    item->setData(0, Qt::UserRole, key);
}

bool frmGatrel::LevelNodeExists(const QString& key) const
{
    auto* tree = findChild<QTreeWidget*>(QStringLiteral("tvwLevel"));
    return tree && FindLevelNode(tree, key);
}

void frmGatrel::ExpandAndSelectLevelRoot()
{
    auto* tree = findChild<QTreeWidget*>(QStringLiteral("tvwLevel"));
    if (!tree || tree->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    root->setExpanded(true);
    tree->setCurrentItem(root);
}

void frmGatrel::SetLevelLabel(const QString& text)
{
    if (auto* l = findChild<QLabel*>(QStringLiteral("lblLevel")))
        l->setText(text);
}

void frmGatrel::LoadICConnectorLabel(int index, const QString& caption)
{
    if (index < 1)
        return;
    if (lblICAnschluss_.size() <= static_cast<size_t>(index))
        lblICAnschluss_.resize(static_cast<size_t>(index) + 1);
    if (!lblICAnschluss_[index]) {
        auto* label = new QLabel(picGrid_);
        label->setObjectName(QStringLiteral("lblICAnschluß%1").arg(index));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        label->setVisible(false);
        lblICAnschluss_[index] = label;
    }
    lblICAnschluss_[index]->setText(caption);
    lblICAnschluss_[index]->adjustSize();
}

void frmGatrel::SetClockButtonEnabled(const QString& key, bool enabled)
{
    if (QAction* a = ToolbarButton(QStringLiteral("Toolbar3"), key))
        a->setEnabled(enabled);
}

void frmGatrel::SetClockCyclesText(const QString& text)
{
    if (auto* box = findChild<QLineEdit*>(QStringLiteral("txtAnzTakte")))
        box->setText(text);
}

void frmGatrel::SetClockSliders(int slider1, int slider0)
{
    // The engine shows a generator's phases; only the user's moves apply them.
    const bool was = settingSliders_;
    settingSliders_ = true;
    for (auto [name, value] : {std::pair{"Slider1", slider1}, std::pair{"Slider0", slider0}}) {
        if (auto* slider = findChild<QSlider*>(QString::fromLatin1(name))) {
            slider->setRange(0, 10000);
            slider->setValue(value);
        }
    }
    settingSliders_ = was;
}

void frmGatrel::SetClockPhaseLabels(const QString& lbl1, const QString& lbl0)
{
    if (auto* l = findChild<QLabel*>(QStringLiteral("lbl1")))
        l->setText(lbl1);
    if (auto* l = findChild<QLabel*>(QStringLiteral("lbl0")))
        l->setText(lbl0);
}

void frmGatrel::SetClockTitle(const QString& text)
{
    if (auto* l = findChild<QLabel*>(QStringLiteral("lblTaktgeber")))
        l->setText(text);
}

void frmGatrel::SetClockLinkChecked(bool checked)
{
    if (auto* box = findChild<QCheckBox*>(QStringLiteral("chkLink")))
        box->setChecked(checked);
}

void frmGatrel::HideSelectedClockFrame()
{
    if (auto* f = findChild<QFrame*>(QStringLiteral("shpSelectedTimer")))
        f->setVisible(false);
}

QString frmGatrel::GateInputsText() const
{
    auto* box = findChild<QLineEdit*>(QString::fromUtf8("txtAnschlüsse"));
    return box ? box->text() : QString();
}

int frmGatrel::ClockTimerUBound() const
{
    return static_cast<int>(timer2_.size()) - 1;
}

void frmGatrel::AddClockTimer()
{
    CreateClockTimers(static_cast<int>(timer2_.size()) + 1);
}

void frmGatrel::RemoveLastClockTimer()
{
    if (timer2_.size() > 1)
        timer2_.pop_back();
}

int frmGatrel::ClockTimerInterval(int index) const
{
    if (index < 0 || index >= static_cast<int>(timer2_.size()))
        return 0;
    return timer2_[static_cast<size_t>(index)]->interval();
}

void frmGatrel::SetClockTimerInterval(int index, int ms)
{
    if (index >= 0 && index < static_cast<int>(timer2_.size()))
        timer2_[static_cast<size_t>(index)]->setInterval(ms);
}

// The logic analyzer's windows are not part of the program yet; their list
// and traces are rebuilt from the sensors when they are.
void frmGatrel::PrepareListView() {}
void frmGatrel::ResizeListView() {}
void frmGatrel::AddGraph(int) {}
void frmGatrel::RemoveGraph(int) {}

std::unique_ptr<PlatformTimer> frmGatrel::CreateClockTimer(int index)
{
    auto timer = timers_.CreateTimer([this, index] { Timer2_Timer(s_, engine_, static_cast<int16_t>(index)); });
    timer->setInterval(200);
    timer->Tag = QStringLiteral("Stop");
    return timer;
}

void frmGatrel::WireEngineControls()
{
    engine_.objGrafik = objGrafik_.get();
    engine_.picGrid = &picGrid_->surface();
    engine_.dialogs = &dialogs_;
    engine_.Timer1 = timer1_.get();
    engine_.Timer2 = &timer2_;
    engine_.evaluators = StandardEvaluators();

    // The two power buttons are one toggle group: pressing the one not
    // pressed switches the power. A click that arrives while the mode switch
    // lets pending events run only puts the buttons back.
    const auto powerClick = [this](bool on) {
        // A second press on cmdOn while the power comes on must not switch on
        // twice; cmdOff still switches off (the engine's abort relies on it).
        const bool busy = modeSwitching_ || (on && poweringOn_);
        if (!busy && s_.ToolMode != ToolCode::QuickHelp && (s_.engine.PowerFlag != 0) != on) {
            const bool was = poweringOn_;
            poweringOn_ = on;
            // Put back also when the switch fails: the button would stay dead.
            const auto restore = qScopeGuard([this, was] { poweringOn_ = was; });
            PowerOnOff(s_, engine_);
            // Back in edit mode Delete is offered again; the redraw's
            // selection reset after the mode switch must not withdraw it.
            if (s_.engine.PowerFlag == 0)
                if (QAction* del = Menu(QStringLiteral("mDelete")))
                    del->setEnabled(true);
        }
        cmdOn_->setChecked(s_.engine.PowerFlag != 0);
        cmdOff_->setChecked(s_.engine.PowerFlag == 0);
    };
    connect(cmdOn_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, cmdOn_->objectName(), [powerClick] { powerClick(true); }));
    connect(cmdOff_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, cmdOff_->objectName(), [powerClick] { powerClick(false); }));
    if (auto* b = findChild<QPushButton*>(QStringLiteral("cmdPause")))
        connect(b, &QPushButton::clicked, this, GuardedSlot(dialogs_, b->objectName(), [this] { Pause(s_, engine_); }));
    if (auto* b = findChild<QPushButton*>(QStringLiteral("cmdStop")))
        connect(b, &QPushButton::clicked, this,
                GuardedSlot(dialogs_, b->objectName(), [this] { StopEngine(s_, engine_); }));

    for (const char* key : {"cmdDauertakt", "cmdEinzeltakt", "cmdStop", "cmdFullStop"}) {
        const QString k = QString::fromLatin1(key);
        if (QAction* a = ToolbarButton(QStringLiteral("Toolbar3"), k))
            connect(a, &QAction::triggered, this,
                    GuardedSlot(dialogs_, a->objectName(), [this, k] { Toolbar3_ButtonClick(s_, engine_, k); }));
    }

    if (auto* tree = findChild<QTreeWidget*>(QStringLiteral("tvwLevel"))) {
        connect(tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
            if (item)
                LevelTreeClick(s_, engine_, item->data(0, Qt::UserRole).toString());
        });
    }

    // Worksheet clicks while the simulation runs; editing clicks belong to the worksheet editor.
    connect(picGrid_, &WorksheetPicture::MouseDown, this, [this](int button, int, double x, double y) {
        if (s_.ToolMode != ToolCode::SimulationRunning)
            return;
        s_.CursorX = PixelToGrid(s_, static_cast<int16_t>(std::clamp(x, 0.0, 32767.0)));
        s_.CursorY = PixelToGrid(s_, static_cast<int16_t>(std::clamp(y, 0.0, 32767.0)));
        SimulationMouseDown(s_, engine_, button);
    });
    connect(picGrid_, &WorksheetPicture::DoubleClick, this, [this] {
        if (s_.ToolMode == ToolCode::SimulationRunning)
            SimulationMouseDown(s_, engine_, 1);
    });
}

void frmGatrel::SetUndoMenu(bool enabled, const QString& caption)
{
    QAction* undo = Menu(QStringLiteral("mUndo"));
    undo->setText(caption);
    undo->setEnabled(enabled);
}

void frmGatrel::SetUndoButtonsEnabled(bool enabled)
{
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndo"))->setEnabled(enabled);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdUndoList"))->setEnabled(enabled);
}

void frmGatrel::RefreshICFileLists()
{
    if (auto* list = findChild<QListWidget*>(QStringLiteral("lstIC"))) {
        list->clear();
        list->addItems(QDir(s_.Verzeichnisse[1]).entryList({QStringLiteral("*.icd")}, QDir::Files, QDir::Name));
    }
}

void frmGatrel::WireWorksheetEditor()
{
    editor_ = std::make_unique<WorksheetEditor>(*placement_, &engine_);
    auto* txtBeschriftung = new LabelTextBox(picGrid_);
    editor_->LabelBoxText = [txtBeschriftung] { return txtBeschriftung->text(); };
    // Edit > Delete: the framed area, or else the selected components.
    seams_.deleteArea = [this] { editor_->LoescheBereich(); };
    editor_->SetDeleteEnabled = [this](bool on) {
        if (QAction* del = Menu(QStringLiteral("mDelete")))
            del->setEnabled(on);
    };
    editor_->OverlayChanged = [this, txtBeschriftung] {
        picGrid_->update();
        if (auto* l = findChild<QLabel*>(QStringLiteral("lblSelElement")))
            l->setText(QString::number(editor_->SelCount));
        if (auto* l = findChild<QLabel*>(QStringLiteral("lblRahmen")))
            l->setText(editor_->FrameLabelText());
        const LabelEditBox& box = editor_->overlay.txtBeschriftung;
        if (box.Visible && !txtBeschriftung->isVisible()) {
            QFont font(QStringLiteral("MS Sans Serif"));
            font.setPointSizeF(std::max(1.0, box.FontSize));
            txtBeschriftung->setFont(font);
            txtBeschriftung->setText(box.Text);
            txtBeschriftung->setGeometry(static_cast<int>(box.Left), static_cast<int>(box.Top),
                                         std::max(40, static_cast<int>(box.Width)),
                                         std::max(static_cast<int>(box.Height), txtBeschriftung->sizeHint().height()));
            txtBeschriftung->show();
            txtBeschriftung->raise();
            txtBeschriftung->setFocus();
            if (box.Edit)
                txtBeschriftung->selectAll();
        } else if (!box.Visible && txtBeschriftung->isVisible()) {
            txtBeschriftung->hide();
        }
    };
    connect(txtBeschriftung, &LabelTextBox::Committed, this, [this, txtBeschriftung] {
        editor_->CommitLabel(txtBeschriftung->text());
        picGrid_->setFocus();
    });
    connect(txtBeschriftung, &LabelTextBox::Cancelled, this, [this] {
        editor_->CancelLabel();
        picGrid_->setFocus();
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
    picGrid_->PaintOverlay = [this](QPainter& painter) { PaintWorksheetOverlay(painter, editor_->overlay); };
    // One cell per test and move near the edge of the visible part.
    editor_->AutoScroll = [this](int x, int y) {
        if (s_.Scroll == 0)
            return;
        // The bars lie outside the container: its own edges are the visible ones.
        const int cw = picContainer_->width();
        const int ch = picContainer_->height();
        constexpr int kMargin = 20;
        if (picGrid_->y() + y > ch - kMargin)
            VScroll_->setValue(std::min(VScroll_->value() + 1, VScroll_->maximum()));
        if (picGrid_->x() + x > cw - kMargin)
            HScroll_->setValue(std::min(HScroll_->value() + 1, HScroll_->maximum()));
        if (picGrid_->y() + y < kMargin)
            VScroll_->setValue(std::max(VScroll_->value() - 1, 0));
        if (picGrid_->x() + x < kMargin)
            HScroll_->setValue(std::max(HScroll_->value() - 1, 0));
    };
    // The edge moves one twip (a fifteenth of a pixel) per pixel of pointer travel.
    editor_->MovePicGrid = [this](double x, double y) {
        constexpr double kTwipsPerPixel = 15;
        const double cw = Int(14 * s_.GridMode) * kTwipsPerPixel;
        const double nl = CLng(x - editor_->st.DownX + picGrid_->x() * kTwipsPerPixel);
        const double nt = CLng(y - editor_->st.DownY + picGrid_->y() * kTwipsPerPixel);
        if (HScroll_->minimum() * cw <= -nl && -nl <= HScroll_->maximum() * cw)
            HScroll_->setValue(static_cast<int>(CLng(-nl / cw)));
        if (VScroll_->minimum() * cw <= -nt && -nt <= VScroll_->maximum() * cw)
            VScroll_->setValue(static_cast<int>(CLng(-nt / cw)));
    };
    // The component popup menu: it opens and the worksheet goes on; a choice acts and ends it.
    auto* mPopupMenu = new QMenu(this);
    mPopupMenu->setObjectName(QStringLiteral("mPopupMenu"));
    const std::pair<const char*, WorksheetEditor::PopupChoice> kPopup[] = {
        {"Löschen", WorksheetEditor::PopupChoice::Delete},
        {"Negieren", WorksheetEditor::PopupChoice::Negate},
        {"Negationspunkt löschen", WorksheetEditor::PopupChoice::RemoveNegation},
        {"Ändern", WorksheetEditor::PopupChoice::Edit},
    };
    std::vector<QAction*> popupItems;
    for (const auto& [caption, choice] : kPopup) {
        QAction* a = mPopupMenu->addAction(QString::fromUtf8(caption));
        const WorksheetEditor::PopupChoice c = choice;
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, a->text(), [this, c] { editor_->PopupChosen(c); }));
        popupItems.push_back(a);
        if (popupItems.size() == 1)
            popupItems.push_back(mPopupMenu->addSeparator());
    }
    editor_->ShowPopupMenu = [this, mPopupMenu, popupItems](const PopupItems& items) {
        popupItems[0]->setVisible(items.Delete);
        popupItems[1]->setVisible(items.Separator);
        popupItems[2]->setVisible(items.Negate);
        popupItems[3]->setVisible(items.RemoveNegation);
        popupItems[4]->setVisible(items.Edit);
        mPopupMenu->popup(QCursor::pos());
    };
    // Enter or leaving a size box applies both boxes; the step buttons go by five.
    const auto showSize = [this](const SizeBoxTexts& r) {
        txtX_->setText(r.txtX);
        txtY_->setText(r.txtY);
    };
    for (auto [box, which] : {std::pair{txtX_, SizeBox::Width}, std::pair{txtY_, SizeBox::Height}}) {
        const SizeBox w = which;
        connect(box, &QLineEdit::editingFinished, this,
                [this, w, showSize] { showSize(CommitSizeBox(s_, {txtX_->text(), txtY_->text()}, w)); });
        box->installEventFilter(this);
    }
    for (auto [name, which, step] : {std::tuple{"updSizeX0", SizeBox::Width, 5}, {"updSizeX1", SizeBox::Width, -5},
                                     {"updSizeY0", SizeBox::Height, 5}, {"updSizeY1", SizeBox::Height, -5}}) {
        const SizeBox w = which;
        const int st = step;
        connect(findChild<QToolButton*>(QString::fromLatin1(name)), &QToolButton::clicked, this,
                [this, w, st, showSize] { showSize(StepSizeBox(s_, {txtX_->text(), txtY_->text()}, w, st)); });
    }
    // The gate-input count: the box is checked on Enter and when left; the
    // up-down keeps a value of its own and writes it into the box.
    auto* txtAnschluesse = findChild<QLineEdit*>(QString::fromUtf8("txtAnschlüsse"));
    connect(txtAnschluesse, &QLineEdit::editingFinished, this,
            [txtAnschluesse] { txtAnschluesse->setText(ValidateGateInputs(txtAnschluesse->text())); });
    txtAnschluesse->installEventFilter(this);
    for (auto [name, step] : {std::pair{"UpDown1Up", 1}, std::pair{"UpDown1Down", -1}}) {
        const int st = step;
        auto* button = findChild<QToolButton*>(QString::fromLatin1(name));
        // Its own hover rule only: the page under it would hide more.
        button->setAttribute(Qt::WA_NoMousePropagation);
        connect(button, &QToolButton::clicked, this,
                [this, st, txtAnschluesse] {
                    const GateInputsStep g = GateInputsUpDown(upDown1Value_ + st);
                    upDown1Value_ = g.value;
                    txtAnschluesse->setText(g.text);
                });
    }
    // Quick help on the worksheet; the IC-definition clicks belong to the IC editor.
    editor_->PlaceQuickHelp = [this](const QString& headline, const QString& body, const QString& key, int index) {
        PlaceQuickHelp(headline, body, key, index);
    };
    connect(picGrid_, &WorksheetPicture::MouseDown, this,
            [this](int button, int shift, double x, double y) { editor_->MouseDown(button, shift, x, y); });
    connect(picGrid_, &WorksheetPicture::MouseMove, this,
            [this](int buttons, int shift, double x, double y) { editor_->MouseMove(buttons, shift, x, y); });
    connect(picGrid_, &WorksheetPicture::MouseUp, this,
            [this](int button, int shift, double x, double y) { editor_->MouseUp(button, shift, x, y); });
    connect(picGrid_, &WorksheetPicture::DoubleClick, this, [this] { editor_->DblClick(); });
    connect(picGrid_, &WorksheetPicture::MouseLeave, this, [this] { editor_->HidePlacementAids(); });
    connect(picGrid_, &WorksheetPicture::KeyPress, this, [this](int key) { editor_->KeyPress(key); });
    editor_->OverlayChanged(); // the select tool's labels start with their idle texts
}
