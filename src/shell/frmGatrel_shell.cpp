// The main window's start-up, texts, menus, main toolbar, component palette,
// feature switches and shut-down.
#include "shell/frmGatrel.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/files/circuit_file.h"
#include "model/files/file_commands.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/frmUndoList.h"
#include "placement/placement_context.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "platform/user_dialogs.h"
#include "render/clsGrafik.h"
#include "settings/permissions.h"
#include "settings/settings_store.h"
#include "settings/startup.h"
#include "shell/control_panel_logic.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_texts.h"
#include "shell/worksheet_picture.h"

namespace {

// Components menu separators.
constexpr int kComponentSeparators[] = {6, 10, 14, 17, 24};

bool IsComponentSeparator(int index)
{
    return std::find(std::begin(kComponentSeparators), std::end(kComponentSeparators), index)
           != std::end(kComponentSeparators);
}

// The palette: key, tool code, the eight property-panel flags, the Components
// menu item that gets the check mark (0 none).
struct PaletteEntry {
    const char* key;
    uint8_t tool;
    const char* flags; // "TTFFFFTF"
    int menuItem;
};
constexpr PaletteEntry kPalette[] = {
    {"cmdSelect", 0, "FFTFFFFF", 0},          {"cmdLeitungen", 1, "FFFFFFFF", 1},
    {"cmdDiode", 4, "FFFFTFFF", 7},           {"cmdSchalter", 5, "FFFFFFFF", 8},
    {"cmdInverter", 9, "TFFFFFTF", 9},        {"cmdVerbindungspunkt", 2, "FFFFFFFF", 2},
    {"cmdKoppeldiode", 15, "FFFFFFFF", 3},    {"cmdNegationspunkt", 3, "FFFFFFFF", 4},
    {"cmdAnalysepunkt", 27, "FFFFFFFF", 5},   {"cmdUND", 6, "TTFFFFTF", 11},
    {"cmdODER", 7, "TTFFFFTF", 12},           {"cmdXODER", 8, "TTFFFFTF", 13},
    {"cmdHA", 11, "TFFFFFTF", 15},            {"cmdVA", 12, "TFFFFFTF", 16},
    {"cmdTriState", 13, "TFFFFFTF", 0},       {"cmdDecoder", 16, "TFFFFFTT", 20},
    {"cmdText", 22, "FFFFFTFF", 0},
};

std::array<bool, 8> Flags(const char* f)
{
    std::array<bool, 8> out{};
    for (size_t i = 0; i < 8; ++i)
        out[i] = f[i] == 'T';
    return out;
}

// Complex components: entry text id, tool code, menu item, ElementEnable index.
struct ComplexEntry {
    int textId;
    uint8_t tool;
    int menuItem;
    int enableIndex;
};
constexpr ComplexEntry kComplex[] = {
    {2560, 17, 18, 6}, {2561, 14, 19, 7}, {2562, 18, 22, 10}, {2563, 10, 21, 9}, {2564, 19, 23, 11},
};

// ElementEnable index -> element type code.
constexpr uint8_t kEnableKind[14] = {9, 6, 7, 8, 11, 12, 17, 14, 16, 10, 18, 19, 27, 20};

// Components menu item -> palette key (complex items go through cmbKomplex).
struct MenuTool {
    int item;
    const char* key;
    int complexTextId;
};
constexpr MenuTool kMenuTools[] = {
    {1, "cmdLeitungen", 0},  {2, "cmdVerbindungspunkt", 0}, {3, "cmdKoppeldiode", 0}, {4, "cmdNegationspunkt", 0},
    {5, "cmdAnalysepunkt", 0}, {7, "cmdDiode", 0},         {8, "cmdSchalter", 0},    {9, "cmdInverter", 0},
    {11, "cmdUND", 0},       {12, "cmdODER", 0},           {13, "cmdXODER", 0},      {15, "cmdHA", 0},
    {16, "cmdVA", 0},        {18, "cmdKomplex", 2560},     {19, "cmdKomplex", 2561}, {20, "cmdDecoder", 0},
    {21, "cmdKomplex", 2563}, {22, "cmdKomplex", 2562},    {23, "cmdKomplex", 2564}, {25, "cmdIC", 0},
};


} // namespace

void frmGatrel::BuildMenus()
{
    // Menus carry their design-time texts here; ApplyTexts replaces them.
    auto add = [this](QMenu* menu, const QString& name, int textId, QKeySequence key = {}) {
        QAction* a = menu->addAction(DesignPlaceholder(textId));
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        menus_[name] = a;
        return a;
    };
    auto separator = [this](QMenu* menu, const QString& name, bool visible = true) {
        QAction* a = menu->addSeparator();
        a->setObjectName(name);
        a->setVisible(visible);
        menus_[name] = a;
        return a;
    };
    auto top = [this](const QString& name, const QString& text) {
        QMenu* m = menuBar()->addMenu(text);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        menus_[name] = m->menuAction();
        return m;
    };

    QMenu* file = top(QStringLiteral("mDatei"), DesignPlaceholder(2400));
    connect(add(file, QStringLiteral("mNeu"), 2401, QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mNeu"), [this] { mNeu_Click(); }));
    connect(add(file, QStringLiteral("mOpen"), 2402, QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mOpen"), [this] { mOpen_Click(s_, dialogs_); }));
    separator(file, QStringLiteral("Trennstrich4"), false);
    QAction* import = file->addAction(QString::fromUtf8("&Importieren..."));
    import->setObjectName(QStringLiteral("mImport"));
    import->setVisible(false);
    import->setEnabled(false);
    menus_[QStringLiteral("mImport")] = import;
    separator(file, QStringLiteral("Trennstrich5"));
    connect(add(file, QStringLiteral("mSave"), 2403), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mSave"), [this] { mSave_Click(s_, dialogs_); }));
    // Save as carries Ctrl+S, as it always has.
    connect(add(file, QStringLiteral("mSaveAs"), 2404, QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, GuardedSlot(dialogs_, QStringLiteral("mSaveAs"), [this] { mSaveAs_Click(s_, dialogs_); }));
    connect(add(file, QStringLiteral("mSaveBitmap"), 2405, QKeySequence(Qt::CTRL | Qt::Key_B)), &QAction::triggered,
            this, GuardedSlot(dialogs_, QStringLiteral("mSaveBitmap"), [this] { mSaveBitmap_Click(); }));
    separator(file, QStringLiteral("Trennstrich1"));
    QAction* page = file->addAction(QStringLiteral("Seite ein&richten..."));
    page->setObjectName(QStringLiteral("mSeiteEinrichten"));
    page->setVisible(false);
    menus_[QStringLiteral("mSeiteEinrichten")] = page;
    connect(add(file, QStringLiteral("mPrint"), 2406, QKeySequence(Qt::CTRL | Qt::Key_P)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mPrint"), [this] { CallSeam(seams_.printDialog); }));
    separator(file, QStringLiteral("Trennstrich2"));
    auto& used = menuArrays_[QStringLiteral("mUsedFiles")];
    for (int i = 0; i < 4; ++i) {
        QAction* a = file->addAction(QString());
        a->setObjectName(QStringLiteral("mUsedFiles%1").arg(i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, a->objectName(), [this, i] { OpenRecentFile(s_, dialogs_, i); }));
        used.push_back(a);
    }
    separator(file, QStringLiteral("Trennstrich3"), false);
    connect(add(file, QStringLiteral("mBeenden"), 2407), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mBeenden"), [this] { mBeenden_Click(); }));

    QMenu* edit = top(QStringLiteral("mBearbeiten"), DesignPlaceholder(2410));
    add(edit, QStringLiteral("mUndo"), 2411, QKeySequence(Qt::CTRL | Qt::Key_Z))->setEnabled(false);
    add(edit, QStringLiteral("mUndoList"), 2412)->setEnabled(false);
    separator(edit, QStringLiteral("mTrennlinie9"));
    connect(add(edit, QStringLiteral("mDelete"), 2413, QKeySequence(Qt::Key_Delete)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mDelete"), [this] { CallSeam(seams_.deleteArea); }));
    Menu(QStringLiteral("mDelete"))->setEnabled(false);

    QMenu* view = top(QStringLiteral("mAnsicht"), DesignPlaceholder(2420));
    connect(add(view, QStringLiteral("mZoomOut"), 2421, QKeySequence(Qt::Key_F3)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mZoomOut"), [this] { StepZoom(QStringLiteral("cmdZoomOut")); }));
    connect(add(view, QStringLiteral("mZoomIn"), 2422, QKeySequence(Qt::Key_F4)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mZoomIn"), [this] { StepZoom(QStringLiteral("cmdZoomIn")); }));
    separator(view, QStringLiteral("mTrennlinie2"));
    auto& zoomItems = menuArrays_[QStringLiteral("mZoom")];
    const std::array<void (clsGrafik::*)(), 4> zoomCommands = {&clsGrafik::Zoom100, &clsGrafik::ZoomFull,
                                                                &clsGrafik::ZoomHeight, &clsGrafik::ZoomWidth};
    for (int i = 0; i < 4; ++i) {
        QAction* a = view->addAction(DesignPlaceholder(2423 + i));
        a->setObjectName(QStringLiteral("mZoom%1").arg(i));
        a->setShortcut(QKeySequence(Qt::Key_F5 + i));
        const auto command = zoomCommands[static_cast<size_t>(i)];
        connect(a, &QAction::triggered, this, GuardedSlot(dialogs_, a->objectName(), [this, command] {
            (objGrafik_.get()->*command)();
            ShowZoomText();
        }));
        zoomItems.push_back(a);
    }
    separator(view, QStringLiteral("mTrennlinie"));
    auto& panels = menuArrays_[QStringLiteral("mPanel")];
    for (int i = 0; i <= 5; ++i) {
        QAction* a = view->addAction(i < 5 ? DesignPlaceholder(2427 + i) : QStringLiteral("&Eingabezeilen-Panel"));
        a->setObjectName(QStringLiteral("mPanel%1").arg(i));
        a->setCheckable(true);
        a->setChecked(i == 0 || i == 1 || i == 3 || i == 5);
        if (i == 5)
            a->setVisible(false);
        connect(a, &QAction::triggered, this, GuardedSlot(dialogs_, a->objectName(), [this, i] { mPanel_Click(i); }));
        panels.push_back(a);
    }
    separator(view, QStringLiteral("mLine10"));
    QAction* icManager = add(view, QStringLiteral("mICAuswahl"), 2432, QKeySequence(Qt::CTRL | Qt::Key_I));
    icManager->setCheckable(true);
    connect(icManager, &QAction::triggered, this,
            GuardedSlot(dialogs_, icManager->objectName(), [this] { mICAuswahl_Click(); }));
    auto& viewItems = menuArrays_[QStringLiteral("mAnsichtItem")];
    viewItems.assign(4, nullptr);
    QAction* analyser = view->addAction(DesignPlaceholder(2433));
    analyser->setObjectName(QStringLiteral("mAnsichtItem2"));
    analyser->setCheckable(true);
    analyser->setEnabled(false);
    viewItems[2] = analyser;
    connect(analyser, &QAction::triggered, this,
            GuardedSlot(dialogs_, analyser->objectName(), [this, analyser](bool checked) {
                // The item toggles itself; the seam gets the new state.
                if (seams_.logicAnalyzer)
                    seams_.logicAnalyzer(checked);
                else
                    analyser->setChecked(!checked);
            }));
    QAction* grid = view->addAction(DesignPlaceholder(2434));
    grid->setObjectName(QStringLiteral("mAnsichtItem3"));
    grid->setCheckable(true);
    grid->setChecked(s_.ShowGrid != 0);
    viewItems[3] = grid;
    connect(grid, &QAction::triggered, this,
            GuardedSlot(dialogs_, grid->objectName(), [this](bool on) { SetShowGrid(on); }));

    QMenu* components = top(QStringLiteral("mBauelemente"), DesignPlaceholder(2450));
    auto& items = menuArrays_[QStringLiteral("mBauteil")];
    items.assign(26, nullptr);
    for (int index = 1; index <= 25; ++index) {
        if (IsComponentSeparator(index)) {
            QAction* sep = components->addSeparator();
            sep->setObjectName(QStringLiteral("mBauteil%1").arg(index));
            separators_[index] = sep;
            continue;
        }
        const int id = 2451 + static_cast<int>(std::count_if(std::begin(kMenuTools), std::end(kMenuTools),
                                                              [index](const MenuTool& m) { return m.item < index; }));
        QAction* a = components->addAction(DesignPlaceholder(id));
        a->setObjectName(QStringLiteral("mBauteil%1").arg(index));
        a->setCheckable(true);
        items[static_cast<size_t>(index)] = a;
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, a->objectName(), [this, index] { MenueClick(index); }));
    }

    QMenu* circuit = top(QStringLiteral("mSchaltung"), DesignPlaceholder(2471));
    connect(add(circuit, QStringLiteral("mOnOff"), 2472, QKeySequence(Qt::Key_F12)), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mOnOff"), [this] {
                        if (Menu(QStringLiteral("mOnOff"))->text() == LoadResString(2472))
                            cmdOn_->click();
                        else
                            cmdOff_->click();
                    }));
    separator(circuit, QStringLiteral("mTrennstrich1"));
    connect(add(circuit, QStringLiteral("mSynthese"), 2474, QKeySequence(Qt::CTRL | Qt::Key_Y)), &QAction::triggered,
            this, GuardedSlot(dialogs_, QStringLiteral("mSynthese"), [this] { OpenBooleanTools(0); }));
    connect(add(circuit, QStringLiteral("mBoolean"), 2475, QKeySequence(Qt::CTRL | Qt::Key_W)), &QAction::triggered,
            this, GuardedSlot(dialogs_, QStringLiteral("mBoolean"), [this] { OpenBooleanTools(1); }));
    connect(add(circuit, QStringLiteral("mTermCreation"), 2476, QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mTermCreation"), [this] { OpenBooleanTools(2); }));
    QAction* analyse = circuit->addAction(QStringLiteral("&Analysieren"));
    analyse->setObjectName(QStringLiteral("mAnalysieren"));
    analyse->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    analyse->setVisible(false);
    menus_[QStringLiteral("mAnalysieren")] = analyse;
    separator(circuit, QStringLiteral("mLinie11"));
    connect(add(circuit, QStringLiteral("mDefIC"), 2477), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mDefIC"), [this] {
                Menu(QStringLiteral("mDefIC"))->setEnabled(false);
                s_.ICName.clear();
                s_.ICWidth = 7;
                s_.ICHeight = 4;
                ShowICView();
            }));

    QMenu* extras = top(QStringLiteral("mExtras"), QStringLiteral("E&xtras"));
    separator(extras, QStringLiteral("mTrennlinie7"), false);
    connect(add(extras, QStringLiteral("mNumberConversion"), 2481, QKeySequence(Qt::CTRL | Qt::Key_K)),
            &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mNumberConversion"), [this] { CallSeam(seams_.numberConversion); }));
    connect(add(extras, QStringLiteral("mOptionen"), 2482), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mOptionen"), [this] { mOptionen_Click(); }));

    QMenu* help = top(QStringLiteral("mHilfe"), QStringLiteral("&?"));
    connect(add(help, QStringLiteral("mHelp"), 2491), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mHelp"), [this] { CallSeam(seams_.help); }));
    separator(help, QStringLiteral("mTrennlinie6"));
    connect(add(help, QStringLiteral("mWeb"), 2492), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mWeb"), [this] { CallSeam(seams_.webPage); }));
    connect(add(help, QStringLiteral("mService"), 2493), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mService"), [this] { CallSeam(seams_.supportMail); }));
    Menu(QStringLiteral("mService"))->setVisible(false);
    separator(help, QStringLiteral("mTrennlinie5"));
    connect(add(help, QStringLiteral("mInfo"), 2494), &QAction::triggered, this,
            GuardedSlot(dialogs_, QStringLiteral("mInfo"), [this] { CallSeam(seams_.about); }));
}

void frmGatrel::CallSeam(const std::function<void()>& seam)
{
    if (seam)
        seam();
}

void frmGatrel::BuildShellControls()
{
    setMinimumSize(static_cast<int>(kMinOuterWidth / kTwipsPerPixel), static_cast<int>(kMinOuterHeight / kTwipsPerPixel));

    // The rest of the main toolbar.
    QToolBar* main = Toolbar(QStringLiteral("Toolbar"));
    struct Key {
        const char* key;
        int id;
        bool checkable;
    };
    for (const Key& k : {Key{"cmdSynthese", 2809, false}, Key{"cmdTabelle", 2810, false},
                         Key{"cmdICView", 2811, true}, Key{"cmdICAuswahl", 2812, true},
                         Key{"cmdEinstellungen", 2813, false}, Key{"cmdRaster", 2814, true},
                         Key{"cmdPanel0", 2815, true}, Key{"cmdPanel1", 2816, true}, Key{"cmdPanel2", 2817, true},
                         Key{"cmdPanel3", 2818, true}, Key{"cmdPanel4", 2819, true}, Key{"cmdPanel5", 2820, true},
                         Key{"cmdQuickHelp", 2821, true}})
        AddToolbarButton(main, QString::fromLatin1(k.key), k.id, k.checkable);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICView"))->setEnabled(false);
    for (const char* key : {"cmdPrint", "cmdCut", "cmdCopy", "cmdPaste"})
        ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key))->setEnabled(true);
    for (QAction* a : main->actions()) {
        const QString key = a->objectName();
        // Every button goes through the one handler, which knows quick-help mode.
        disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, a->objectName(), [this, key] { Toolbar_ButtonClick(key); }));
    }
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions()) {
        const QString key = a->objectName();
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, a->objectName(), [this, key] { Toolbar2_ButtonClick(key); }));
    }

    QToolBar* tlbZoom = Toolbar(QStringLiteral("tlbZoom"));
    const std::array<void (clsGrafik::*)(), 4> zoomCommands = {&clsGrafik::Zoom100, &clsGrafik::ZoomFull,
                                                                &clsGrafik::ZoomHeight, &clsGrafik::ZoomWidth};
    const char* zoomKeys[] = {"cmdZoom100", "cmdZoomFull", "cmdZoomHeight", "cmdZoomWidth"};
    const char* zoomCaptions[] = {"1:1", "[ ]", "|", "\u2194"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = AddToolbarButton(tlbZoom, QString::fromLatin1(zoomKeys[i]), 2846 + i, false);
        a->setToolTip(DesignPlaceholder(2846 + i));
        a->setText(QString::fromUtf8(zoomCaptions[i]));
        const auto command = zoomCommands[static_cast<size_t>(i)];
        connect(a, &QAction::triggered, this, GuardedSlot(dialogs_, a->objectName(), [this, command] {
            (objGrafik_.get()->*command)();
            ShowZoomText();
        }));
    }
    QToolBar* inOut = Toolbar(QStringLiteral("tlbZoomInOut"));
    QAction* in = AddToolbarButton(inOut, QStringLiteral("cmdZoomIn"), 2850, false);
    QAction* out = AddToolbarButton(inOut, QStringLiteral("cmdZoomOut"), 2851, false);
    in->setText(QStringLiteral("+"));
    out->setText(QStringLiteral("\u2212"));
    for (QToolBar* bar : {tlbZoom, inOut}) {
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setIconSize(QSize(16, 16));
    }
    connect(in, &QAction::triggered, this,
            GuardedSlot(dialogs_, in->objectName(), [this] { StepZoom(QStringLiteral("cmdZoomIn")); }));
    connect(out, &QAction::triggered, this,
            GuardedSlot(dialogs_, out->objectName(), [this] { StepZoom(QStringLiteral("cmdZoomOut")); }));
    // Design-time placeholders that the texts replace.
    for (const char* name : {"lblInfo11", "lblLevel", "lblAllgemein0", "lblAllgemein1", "lblAllgemein2", "lblText1"})
        if (auto* l = findChild<QLabel*>(QString::fromLatin1(name)))
            l->setText(QStringLiteral("Label"));
    if (auto* l = findChild<QLabel*>(QStringLiteral("lblOnOff")))
        l->setText(DesignPlaceholder(2555));
    if (auto* b = findChild<QPushButton*>(QStringLiteral("cmdStop")))
        b->setText(DesignPlaceholder(2578));
    if (auto* t = findChild<QLineEdit*>(QString::fromUtf8("txtVerzögerung")))
        t->setText(DesignPlaceholder(2557));
    for (const QString& bar : toolbars_.keys())
        for (QAction* a : Toolbar(bar)->actions())
            if (!a->toolTip().isEmpty() && toolbarButtons_.value(bar).contains(a->objectName()))
                a->setToolTip(QStringLiteral("Button"));
}

void frmGatrel::ApplyTexts()
{
    size_t n = 0;
    const TextBinding* table = MainWindowTexts(&n);
    for (size_t i = 0; i < n; ++i) {
        const TextBinding& t = table[i];
        const QString name = QString::fromUtf8(t.name);
        switch (t.target) {
        case TextTarget::MenuItem:
            if (QAction* a = Menu(name))
                a->setText(LoadResString(t.id));
            break;
        case TextTarget::MenuArrayItem:
            if (QAction* a = MenuItem(name, t.index))
                a->setText(LoadResString(t.id));
            break;
        case TextTarget::Label:
            if (auto* l = findChild<QLabel*>(name))
                l->setText(LoadResString(t.id));
            break;
        case TextTarget::LineEditText:
            if (auto* e = findChild<QLineEdit*>(name))
                e->setText(LoadResString(t.id));
            break;
        case TextTarget::ComboEntries:
            if (auto* c = findChild<QComboBox*>(name)) {
                const bool was = comboClickSuppressed_;
                comboClickSuppressed_ = true;
                c->clear();
                for (int k = 0; k < t.index; ++k)
                    c->addItem(LoadResString(t.id + k));
                comboClickSuppressed_ = was;
            }
            break;
        case TextTarget::ButtonCaption:
            if (auto* b = findChild<QAbstractButton*>(name))
                b->setText(LoadResString(t.id));
            break;
        case TextTarget::ToolTip:
            if (QAction* a = ToolbarButton(QString::fromLatin1(t.toolbar), name))
                a->setToolTip(LoadResString(t.id));
            break;
        }
    }
}

int frmGatrel::Form_Load(const QString& ladeDatei, const QString& documentsFolder, const QString& programFolder)
{
    ApplyTexts();
    s_.settings.MainFormReady = 0;
    s_.CurrentLevel = 0;
    s_.ToolMode = ElementType::Conductor;
    s_.PlaceOrientation = Orientation::Right;
    s_.settings.AnzImpulse = 50;
    s_.AutoStop = 1000;
    s_.Scroll = kTrue;
    s_.AutoJunction = kTrue;
    s_.FileSaved = kTrue;
    s_.LabelFontSize = 8;

    const QString workFolder = DefaultWorkingFolder(documentsFolder, programFolder);
    LoadSettings(s_);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))
        ->setChecked(s_.settings.frmICAuswahlVisible != 0);
    CheckDirectories(s_, dialogs_, workFolder);
    RefreshICFileLists();
    s_.objFile.FilePath = s_.Verzeichnisse[0];

    s_.CellSize = 14;
    s_.LineColor = 0;
    s_.LEDColor = 255;
    s_.ShowGrid = kTrue; // the grid is always shown at start, whatever was stored
    MenuItem(QStringLiteral("mAnsichtItem"), 3)->setChecked(true);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster"))->setChecked(true);
    SetCaption(LoadResString(2506));
    ChangeToolbarStyle();

    switch (LoadPermissions(s_)) {
    case PermissionsStatus::Missing:
        dialogs_.ShowMessage(MissingPermissionsMessage(), MessageButtons::OK, MessageIcon::None, QString());
        return 1;
    case PermissionsStatus::Broken:
        dialogs_.ShowMessage(BrokenPermissionsMessage(), MessageButtons::OK, MessageIcon::None, QString());
        return 1;
    case PermissionsStatus::Loaded:
        break;
    }
    SetElementButtons();
    ShowPanels();
    ResizeProperties(false);
    for (int i = 1; i <= 25; ++i)
        if (!IsComponentSeparator(i))
            SetRadioMenuChecks(MenuItem(QStringLiteral("mBauteil"), i), i - 1);

    s_.ToolMode = ElementType::Conductor;
    ChangeSelPicture(1);
    PressToolButton(QStringLiteral("cmdLeitungen"), 3);
    CheckComponentMenuOnly(1);
    RebuildLevelTree();
    RedrawAllElements();
    if (!ladeDatei.isEmpty()) {
        QString file = ladeDatei;
        LoadStartupFile(s_, dialogs_, file);
    }
    return 0;
}

void frmGatrel::Form_Activate()
{
    RefreshICFileLists();
    const bool icAvailable = s_.settings.ElementEnable[13] != 0 && ICFileCount() > 0;
    if (s_.settings.MainFormReady == 1) {
        ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdIC"))->setEnabled(icAvailable);
        MenuItem(QStringLiteral("mBauteil"), 25)->setEnabled(icAvailable);
        return;
    }
    objUndo_->SetUndos(s_.settings.DummyUndo);
    s_.settings.MainFormReady = 1;
    ChangePropertyWindow({});
    PressToolButton(QStringLiteral("cmdLeitungen"), 3);
    if (ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->isChecked() && seams_.icManager)
        seams_.icManager(true);
}

void frmGatrel::StopForShutDown()
{
    // Nothing may run into the settings save or the window's end.
    timer1_->setEnabled(false);
    for (auto& t : timer2_)
        t->setEnabled(false);
    if (s_.engine.EngineBusy != 0 || s_.engine.PausedFlag != 0) {
        s_.engine.PausedFlag = 0;
        s_.engine.AbortFlag = kTrue;
        StopEngine(s_, engine_);
    }
}

bool frmGatrel::Form_QueryUnload()
{
    if (seams_.icManagerGeometry) {
        if (const auto frame = seams_.icManagerGeometry()) {
            // Stored in 16-bit twips: a large screen must not wrap them round.
            ICManagerFields& f = s_.settings.icManager;
            f.WindowX = ClampTwips(frame->x() * double(kTwipsPerPixel));
            f.WindowY = ClampTwips(frame->y() * double(kTwipsPerPixel));
            f.WindowWidth = ClampTwips(frame->width() * double(kTwipsPerPixel));
            f.WindowHeight = ClampTwips(frame->height() * double(kTwipsPerPixel));
        }
    }
    const bool mayClose = ConfirmClose(s_, dialogs_, DialogFileName(), [this] { return SaveFile(s_, dialogs_, true); });
    if (!mayClose)
        return false;
    StopForShutDown();
    SaveSettings(s_, objUndo_->Undos(), &dialogs_);
    return true;
}

void frmGatrel::closeEvent(QCloseEvent* event)
{
    if (closing_ || Form_QueryUnload()) {
        closing_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void frmGatrel::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Every activation after the first re-checks the IC tool; the first is run by the start-up.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && s_.settings.MainFormReady == 1)
        Form_Activate();
}

void frmGatrel::mBeenden_Click()
{
    close();
}

void frmGatrel::ChangeToolbarStyle()
{
    // Buttons without a raised frame until the pointer is over them.
    for (const QString& name : {QStringLiteral("Toolbar"), QStringLiteral("Toolbar2"), QStringLiteral("tlbOrientation"),
                                QStringLiteral("Toolbar3"), QStringLiteral("tlbZoom"), QStringLiteral("tlbZoomInOut")}) {
        QToolBar* bar = Toolbar(name);
        if (!bar)
            continue;
        bar->setProperty("flat", true);
        for (QAction* a : bar->actions())
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
                button->setAutoRaise(true);
        bar->update();
    }
}

int frmGatrel::ICFileCount() const
{
    auto* list = findChild<QListWidget*>(QStringLiteral("lstIC"));
    return list ? list->count() : 0;
}

void frmGatrel::Toolbar_ButtonClick(const QString& key)
{
    QAction* button = ToolbarButton(QStringLiteral("Toolbar"), key);
    if (!button)
        return;
    const bool pressed = button->isChecked();
    if (key == QLatin1String("cmdQuickHelp") && !pressed && quickHelpActive_) {
        LeaveQuickHelp();
        return;
    }
    if (s_.ToolMode == ToolCode::QuickHelp) {
        if (key.startsWith(QLatin1String("cmdPanel")) && key != QLatin1String("cmdPanel5"))
            ResizeProperties(false);
        else if (key == QLatin1String("cmdPanel5"))
            button->setChecked(FormelPanelOpen());
        else if (button->isCheckable() && key != QLatin1String("cmdQuickHelp"))
            button->setChecked(!pressed); // the click explains, it does not switch
        ShowQuickHelp(key, 0);
        return;
    }
    // An open label box is committed before any command runs.
    CommitLabelEdit();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (key == QLatin1String("cmdQuickHelp")) {
        if (pressed)
            EnterQuickHelp();
    } else if (key == QLatin1String("cmdNew")) {
        mNeu_Click();
    } else if (key == QLatin1String("cmdOpen")) {
        mOpen_Click(s_, dialogs_);
    } else if (key == QLatin1String("cmdSave")) {
        mSave_Click(s_, dialogs_);
    } else if (key == QLatin1String("cmdUndo")) {
        objUndo_->Undo(*placement_);
    } else if (key == QLatin1String("cmdUndoList")) {
        frmUndoList dialog(*placement_, this);
        dialog.exec();
    } else if (key == QLatin1String("cmdPrint")) {
        CallSeam(seams_.printDialog);
    } else if (key == QLatin1String("cmdSynthese")) {
        OpenBooleanTools(0);
    } else if (key == QLatin1String("cmdTabelle")) {
        OpenBooleanTools(1);
    } else if (key == QLatin1String("cmdICAuswahl")) {
        if (seams_.icManager)
            seams_.icManager(pressed);
        Menu(QStringLiteral("mICAuswahl"))->setChecked(pressed);
    } else if (key == QLatin1String("cmdEinstellungen")) {
        mOptionen_Click();
    } else if (key == QLatin1String("cmdRaster")) {
        SetShowGrid(pressed);
    } else if (key.startsWith(QLatin1String("cmdPanel")) && key != QLatin1String("cmdPanel5")) {
        const int i = key.mid(8).toInt();
        int16_t& state = s_.settings.PanelVisible[static_cast<size_t>(i)];
        state = state == 0 ? kTrue : kFalse;
        if (state != 0)
            ReopenPanel(i);
        ResizeProperties(false);
    } else if (key == QLatin1String("cmdPanel5")) {
        if (!FormelPanelOpen()) {
            button->setChecked(true);
            DisplayEingabezeile();
            MenuItem(QStringLiteral("mPanel"), 5)->setChecked(true);
        } else {
            button->setChecked(false);
            CloseFormelPanel();
        }
    }
}

void frmGatrel::Toolbar2_ButtonClick(const QString& key)
{
    QAction* clicked = ToolbarButton(QStringLiteral("Toolbar2"), key);
    if (!clicked)
        return;
    RefreshICFileLists();
    const bool icAvailable = s_.settings.ElementEnable[13] != 0 && ICFileCount() > 0;
    QAction* cmdIC = ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdIC"));
    QAction* icItem = MenuItem(QStringLiteral("mBauteil"), 25);
    cmdIC->setEnabled(icAvailable);
    icItem->setEnabled(icAvailable);
    if (icAvailable)
        icItem->setVisible(true);

    if (s_.ToolMode == ToolCode::QuickHelp) {
        clicked->setChecked(false);
        ShowQuickHelp(key, 0);
        return;
    }
    // An open label box is committed before the tool changes.
    CommitLabelEdit();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions())
        if (a != clicked)
            a->setChecked(false);
    clicked->setChecked(true);
    CheckComponentMenuOnly(0);

    const auto entry = std::find_if(std::begin(kPalette), std::end(kPalette),
                                    [&](const PaletteEntry& p) { return key == QLatin1String(p.key); });
    if (entry != std::end(kPalette)) {
        if (key == QLatin1String("cmdDecoder")) {
            auto* chk = findChild<QCheckBox*>(QStringLiteral("chkTakteingang"));
            s_.DecoderClockInput = VbBool(chk && chk->isChecked());
        }
        s_.ToolMode = entry->tool;
        ChangePropertyWindow(Flags(entry->flags));
        if (entry->menuItem != 0)
            MenuItem(QStringLiteral("mBauteil"), entry->menuItem)->setChecked(true);
    } else if (key == QLatin1String("cmdKomplex")) {
        auto* box = findChild<QComboBox*>(QStringLiteral("cmbKomplex"));
        if (box && box->currentText().isEmpty() && box->count() > 0)
            box->setCurrentIndex(0);
        else
            SelectKomplexElement();
        ChangePropertyWindow(Flags("TFFFFFTF"));
    } else if (key == QLatin1String("cmdDecoderT")) {
        // The decoder with its clock input ticked.
        if (auto* chk = findChild<QCheckBox*>(QStringLiteral("chkTakteingang")))
            chk->setChecked(true);
        s_.DecoderClockInput = kTrue;
        s_.ToolMode = ElementType::Decoder;
        ChangePropertyWindow(Flags("TFFFFFTT"));
        MenuItem(QStringLiteral("mBauteil"), 20)->setChecked(true);
    } else if (key == QLatin1String("cmdIC")) {
        ShowICNames();
        if (ICFileCount() > 0) {
            s_.ToolMode = ElementType::IC;
            if (!s_.ICName.isEmpty() && s_.ICName != QLatin1String("<Name>"))
                ChangePropertyWindow({false, false, false, true, false, false, false, false});
            icItem->setChecked(true);
        }
    }

    const uint8_t t = s_.ToolMode;
    const bool noOrientation = t == 0 || t == 1 || t == 4 || t == 5 || t == 19 || t == 20;
    SetOrientationToolbarEnabled(!noOrientation);
    ChangeSelPicture(t);
}

void frmGatrel::SelectKomplexElement()
{
    auto* box = findChild<QComboBox*>(QStringLiteral("cmbKomplex"));
    if (!box)
        return;
    const QString text = box->currentText();
    for (const ComplexEntry& c : kComplex) {
        if (text == LoadResString(c.textId)) {
            s_.ToolMode = c.tool;
            PressToolButton(QStringLiteral("cmdKomplex"), -1);
            CheckComponentMenuOnly(c.menuItem);
            ChangeSelPicture(c.tool);
            SetOrientationToolbarEnabled(c.tool != 19);
            return;
        }
    }
}

void frmGatrel::MenueClick(int index)
{
    const auto m = std::find_if(std::begin(kMenuTools), std::end(kMenuTools),
                                [index](const MenuTool& t) { return t.item == index; });
    if (m == std::end(kMenuTools))
        return;
    if (m->complexTextId != 0) {
        auto* box = findChild<QComboBox*>(QStringLiteral("cmbKomplex"));
        const int at = box ? box->findText(LoadResString(m->complexTextId)) : -1;
        if (at < 0)
            return;
        const bool was = comboClickSuppressed_;
        comboClickSuppressed_ = true;
        box->setCurrentIndex(at);
        comboClickSuppressed_ = was;
    }
    Toolbar2_ButtonClick(QString::fromLatin1(m->key));
}

void frmGatrel::AddComboItem(const QString& text, bool enabled)
{
    auto* box = findChild<QComboBox*>(QStringLiteral("cmbKomplex"));
    if (!box)
        return;
    const bool was = comboClickSuppressed_;
    comboClickSuppressed_ = true;
    const int at = box->findText(text);
    if (enabled && at < 0)
        box->addItem(text);
    else if (!enabled && at >= 0)
        box->removeItem(at);
    if (box->count() > 0)
        box->setCurrentIndex(0);
    comboClickSuppressed_ = was;
}

void frmGatrel::SetElementButton(int kind, bool enabled)
{
    auto item = [this](int i) { return MenuItem(QStringLiteral("mBauteil"), i); };
    auto button = [this](const char* key) { return ToolbarButton(QStringLiteral("Toolbar2"), QString::fromLatin1(key)); };
    struct Simple {
        int kind;
        int menu;
        const char* key;
    };
    static constexpr Simple kSimple[] = {{9, 9, "cmdInverter"}, {6, 11, "cmdUND"}, {7, 12, "cmdODER"},
                                         {8, 13, "cmdXODER"},   {11, 15, "cmdHA"}, {12, 16, "cmdVA"},
                                         {27, 5, "cmdAnalysepunkt"}};
    for (const Simple& sm : kSimple) {
        if (sm.kind == kind) {
            item(sm.menu)->setVisible(enabled);
            button(sm.key)->setEnabled(enabled);
        }
    }
    if (kind == 16) {
        item(20)->setVisible(enabled);
        button("cmdDecoder")->setEnabled(enabled);
        button("cmdDecoderT")->setEnabled(enabled);
    }
    for (const ComplexEntry& c : kComplex) {
        if (c.tool == kind) {
            item(c.menuItem)->setVisible(enabled);
            AddComboItem(LoadResString(c.textId), enabled);
        }
    }
    if (kind == 20) {
        if (!enabled || ICFileCount() == 0) {
            item(25)->setEnabled(false);
            button("cmdIC")->setEnabled(false);
        } else {
            item(25)->setVisible(true);
            button("cmdIC")->setEnabled(true);
        }
    }
    // A separator shows exactly when the item after it shows.
    for (int k : kComponentSeparators)
        if (QAction* next = item(k + 1); next && separators_[k])
            separators_[k]->setVisible(next->isVisible());
}

void frmGatrel::SetElementButtons()
{
    const auto& on = s_.settings.ElementEnable;
    const bool anyComplex = on[6] || on[7] || on[9] || on[10] || on[11];
    ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdKomplex"))->setEnabled(anyComplex);
    if (!anyComplex)
        for (int i : {18, 19, 21, 22, 23})
            MenuItem(QStringLiteral("mBauteil"), i)->setVisible(false);
    for (int i = 0; i < 14; ++i) {
        const bool complex = i == 6 || i == 7 || i == 9 || i == 10 || i == 11;
        if (complex && !anyComplex)
            continue;
        SetElementButton(kEnableKind[i], on[static_cast<size_t>(i)] != 0);
    }
    if (!anyComplex && separators_[17])
        separators_[17]->setVisible(false);
}

void frmGatrel::ShowPanels()
{
    const auto& f = s_.settings.FeatureEnable;
    Menu(QStringLiteral("mSynthese"))->setVisible(f[0] != 0);
    Menu(QStringLiteral("mBoolean"))->setVisible(f[1] != 0);
    Menu(QStringLiteral("mTermCreation"))->setVisible(f[2] != 0);
    if (seams_.simplificationEnabled)
        seams_.simplificationEnabled(f[3] != 0);
    Menu(QStringLiteral("mDefIC"))->setVisible(f[4] != 0);
    Menu(QStringLiteral("mNumberConversion"))->setVisible(f[6] != 0);
    QAction* panel5 = ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdPanel5"));
    panel5->setEnabled(f[0] != 0);
    if (f[0] == 0) {
        panel5->setChecked(false);
        MenuItem(QStringLiteral("mPanel"), 5)->setChecked(false);
        MenuItem(QStringLiteral("mPanel"), 5)->setVisible(false);
    }
    MenuItem(QStringLiteral("mAnsichtItem"), 2)->setVisible(f[5] != 0);
}

void frmGatrel::mPanel_Click(int index)
{
    QAction* item = MenuItem(QStringLiteral("mPanel"), index);
    if (s_.ToolMode == ToolCode::QuickHelp) {
        item->setChecked(!item->isChecked()); // undo the toggle the click made
        ShowQuickHelp(QStringLiteral("picPanel%1").arg(index), 0);
        return;
    }
    if (index <= 4) {
        s_.settings.PanelVisible[static_cast<size_t>(index)] = VbBool(item->isChecked());
        if (item->isChecked())
            ReopenPanel(index);
        ResizeProperties(false);
    }
}

void frmGatrel::mICAuswahl_Click()
{
    QAction* item = Menu(QStringLiteral("mICAuswahl"));
    const bool open = item->isChecked(); // already toggled by the click
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->setChecked(open);
    if (seams_.icManager)
        seams_.icManager(open);
}

void frmGatrel::SetShowGrid(bool on)
{
    s_.ShowGrid = VbBool(on);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DrawGrid();
    QApplication::restoreOverrideCursor();
    MenuItem(QStringLiteral("mAnsichtItem"), 3)->setChecked(on);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster"))->setChecked(on);
}

void frmGatrel::StepZoom(const QString& key)
{
    s_.GridMode = ZoomStepped(s_.GridMode, key);
    ShowZoomText();
    RedrawAllElements();
}

void frmGatrel::ShowZoomText()
{
    if (auto* box = findChild<QComboBox*>(QStringLiteral("cmbZoom")))
        box->setEditText(ZoomCutText(s_.GridMode));
}

void frmGatrel::OpenBooleanTools(int tab)
{
    if (seams_.booleanTools)
        seams_.booleanTools(tab);
}

void frmGatrel::mOptionen_Click()
{
    if (!s_.settings.OptionsPassword.isEmpty()) {
        CallSeam(seams_.passwordCheck);
        return;
    }
    CallSeam(seams_.passwordChange);
    if (!s_.settings.OptionsPassword.isEmpty())
        CallSeam(seams_.settingsDialog);
}

void frmGatrel::mSaveBitmap_Click()
{
    const QString remembered = DialogFileName();
    FileDialogRequest request;
    request.title = LoadResString(2853);
    request.filter = QStringLiteral("*.BMP (Windows-Bitmap)|*.bmp");
    request.initialDir = s_.Verzeichnisse[2];
    const QString chosen = dialogs_.ChooseSaveFile(request);
    SetDialogFileName(remembered);
    if (!chosen.isEmpty()) {
        RedrawAllElements();
        picGrid_->surface().Image().save(chosen, "BMP");
    }
    SetProgress(0);
}
