// The main window's menu bar, built from one table, and its menu commands.
#include "shell/frmGatrel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include "editing/worksheet_editor.h"
#include "model/file_names.h"
#include "placement/document/file_commands.h"
#include "placement/document/frmCreateNewFile.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/frmUndoList.h"
#include "placement/placement_context.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "render/clsGrafik.h"
#include "render/whole_sheet.h"
#include "settings/settings_windows.h"
#include "shell/control_panel_logic.h"
#include "shell/ic_definition_view.h"
#include "shell/main_window_texts.h"
#include "shell/power_panel.h"
#include "shell/worksheet_picture.h"
#include "shell/zoom_panel.h"
#include "simulation/analyzer_windows.h"

// One row of the menu bar: a menu, an item or a separator, in order. Items
// of an array (mUsedFiles, mZoom, mPanel, mAnsichtItem, mBauteil) carry their
// index; their object name is the array's name followed by it.
struct MenuRow {
    enum Kind : uint8_t { Top, Item, Separator };
    Kind kind;
    const char* name;
    int index;           // -1: no array
    int textId;          // the string the item shows; 0: `caption`
    const char* caption; // a text no string of the table replaces
    QKeyCombination key;
    uint8_t flags;
    void (frmGatrel::*command)();
    void (frmGatrel::*indexed)(int);
};

namespace {

enum : uint8_t { kCheckable = 1, kChecked = 2, kHidden = 4, kDisabled = 8 };

using W = frmGatrel;
using R = MenuRow;
constexpr QKeyCombination kNoKey{};

const MenuRow kMenuRows[] = {
    {R::Top,       "mDatei",           -1, 2400, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mNeu",             -1, 2401, nullptr, Qt::CTRL | Qt::Key_N, 0, &W::mNeu_Click, nullptr},
    {R::Item,      "mOpen",            -1, 2402, nullptr, Qt::CTRL | Qt::Key_O, 0, &W::mOpen_Click, nullptr},
    {R::Separator, "Trennstrich4",     -1, 0, nullptr, kNoKey, kHidden, nullptr, nullptr},
    {R::Item,      "mImport",          -1, 0, "&Importieren...", kNoKey, kHidden | kDisabled, nullptr, nullptr},
    {R::Separator, "Trennstrich5",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mSave",            -1, 2403, nullptr, kNoKey, 0, &W::mSave_Click, nullptr},
    // Save as carries Ctrl+S, as it always has.
    {R::Item,      "mSaveAs",          -1, 2404, nullptr, Qt::CTRL | Qt::Key_S, 0, &W::mSaveAs_Click, nullptr},
    {R::Item,      "mSaveBitmap",      -1, 2405, nullptr, Qt::CTRL | Qt::Key_B, 0, &W::mSaveBitmap_Click, nullptr},
    {R::Separator, "Trennstrich1",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mSeiteEinrichten", -1, 0, "Seite ein&richten...", kNoKey, kHidden, nullptr, nullptr},
    {R::Item,      "mPrint",           -1, 2406, nullptr, Qt::CTRL | Qt::Key_P, 0, &W::mPrint_Click, nullptr},
    {R::Separator, "Trennstrich2",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mUsedFiles",        0, 0, "", kNoKey, kHidden, nullptr, &W::mUsedFiles_Click},
    {R::Item,      "mUsedFiles",        1, 0, "", kNoKey, kHidden, nullptr, &W::mUsedFiles_Click},
    {R::Item,      "mUsedFiles",        2, 0, "", kNoKey, kHidden, nullptr, &W::mUsedFiles_Click},
    {R::Item,      "mUsedFiles",        3, 0, "", kNoKey, kHidden, nullptr, &W::mUsedFiles_Click},
    {R::Separator, "Trennstrich3",     -1, 0, nullptr, kNoKey, kHidden, nullptr, nullptr},
    {R::Item,      "mBeenden",         -1, 2407, nullptr, kNoKey, 0, &W::mBeenden_Click, nullptr},

    {R::Top,       "mBearbeiten",      -1, 2410, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mUndo",            -1, 2411, nullptr, Qt::CTRL | Qt::Key_Z, kDisabled, &W::mUndo_Click, nullptr},
    {R::Item,      "mUndoList",        -1, 2412, nullptr, kNoKey, kDisabled, &W::mUndoList_Click, nullptr},
    {R::Separator, "mTrennlinie9",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mDelete",          -1, 2413, nullptr, Qt::Key_Delete, kDisabled, &W::mDelete_Click, nullptr},

    {R::Top,       "mAnsicht",         -1, 2420, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mZoomOut",         -1, 2421, nullptr, Qt::Key_F3, 0, &W::mZoomOut_Click, nullptr},
    {R::Item,      "mZoomIn",          -1, 2422, nullptr, Qt::Key_F4, 0, &W::mZoomIn_Click, nullptr},
    {R::Separator, "mTrennlinie2",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mZoom",             0, 2423, nullptr, Qt::Key_F5, 0, nullptr, &W::mZoom_Click},
    {R::Item,      "mZoom",             1, 2424, nullptr, Qt::Key_F6, 0, nullptr, &W::mZoom_Click},
    {R::Item,      "mZoom",             2, 2425, nullptr, Qt::Key_F7, 0, nullptr, &W::mZoom_Click},
    {R::Item,      "mZoom",             3, 2426, nullptr, Qt::Key_F8, 0, nullptr, &W::mZoom_Click},
    {R::Separator, "mTrennlinie",      -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mPanel",            0, 2427, nullptr, kNoKey, kCheckable | kChecked, nullptr, &W::mPanel_Click},
    {R::Item,      "mPanel",            1, 2428, nullptr, kNoKey, kCheckable | kChecked, nullptr, &W::mPanel_Click},
    {R::Item,      "mPanel",            2, 2429, nullptr, kNoKey, kCheckable, nullptr, &W::mPanel_Click},
    {R::Item,      "mPanel",            3, 2430, nullptr, kNoKey, kCheckable | kChecked, nullptr, &W::mPanel_Click},
    {R::Item,      "mPanel",            4, 2431, nullptr, kNoKey, kCheckable, nullptr, &W::mPanel_Click},
    {R::Item,      "mPanel",            5, 0, "&Eingabezeilen-Panel", kNoKey, kCheckable | kChecked | kHidden, nullptr, &W::mPanel_Click},
    {R::Separator, "mLine10",          -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mICAuswahl",       -1, 2432, nullptr, Qt::CTRL | Qt::Key_I, kCheckable, &W::mICAuswahl_Click, nullptr},
    {R::Item,      "mAnsichtItem",      2, 2433, nullptr, kNoKey, kCheckable | kDisabled, nullptr, &W::mAnsichtItem_Click},
    {R::Item,      "mAnsichtItem",      3, 2434, nullptr, kNoKey, kCheckable, nullptr, &W::mAnsichtItem_Click},

    {R::Top,       "mBauelemente",     -1, 2450, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mBauteil",          1, 2451, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",          2, 2452, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",          3, 2453, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",          4, 2454, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",          5, 2455, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Separator, "mBauteil",          6, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mBauteil",          7, 2456, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",          8, 2457, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",          9, 2458, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Separator, "mBauteil",         10, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mBauteil",         11, 2459, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         12, 2460, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         13, 2461, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Separator, "mBauteil",         14, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mBauteil",         15, 2462, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         16, 2463, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Separator, "mBauteil",         17, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mBauteil",         18, 2464, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         19, 2465, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         20, 2466, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         21, 2467, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         22, 2468, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Item,      "mBauteil",         23, 2469, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},
    {R::Separator, "mBauteil",         24, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mBauteil",         25, 2470, nullptr, kNoKey, kCheckable, nullptr, &W::mBauteil_Click},

    {R::Top,       "mSchaltung",       -1, 2471, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mOnOff",           -1, 2472, nullptr, Qt::Key_F12, 0, &W::mOnOff_Click, nullptr},
    {R::Separator, "mTrennstrich1",    -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mSynthese",        -1, 2474, nullptr, Qt::CTRL | Qt::Key_Y, 0, &W::mSynthese_Click, nullptr},
    {R::Item,      "mBoolean",         -1, 2475, nullptr, Qt::CTRL | Qt::Key_W, 0, &W::mBoolean_Click, nullptr},
    {R::Item,      "mTermCreation",    -1, 2476, nullptr, Qt::CTRL | Qt::Key_T, 0, &W::mTermCreation_Click, nullptr},
    {R::Item,      "mAnalysieren",     -1, 0, "&Analysieren", Qt::CTRL | Qt::Key_A, kHidden, nullptr, nullptr},
    {R::Separator, "mLinie11",         -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mDefIC",           -1, 2477, nullptr, kNoKey, 0, &W::mDefIC_Click, nullptr},

    {R::Top,       "mExtras",          -1, 0, "E&xtras", kNoKey, 0, nullptr, nullptr},
    {R::Separator, "mTrennlinie7",     -1, 0, nullptr, kNoKey, kHidden, nullptr, nullptr},
    {R::Item,      "mNumberConversion", -1, 2481, nullptr, Qt::CTRL | Qt::Key_K, 0, &W::mNumberConversion_Click, nullptr},
    {R::Item,      "mOptionen",        -1, 2482, nullptr, kNoKey, 0, &W::mOptionen_Click, nullptr},

    {R::Top,       "mHilfe",           -1, 0, "&?", kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mHelp",            -1, 2491, nullptr, kNoKey, 0, &W::mHelp_Click, nullptr},
    {R::Separator, "mTrennlinie6",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mWeb",             -1, 2492, nullptr, kNoKey, 0, &W::mWeb_Click, nullptr},
    {R::Item,      "mService",         -1, 2493, nullptr, kNoKey, kHidden, &W::mService_Click, nullptr},
    {R::Separator, "mTrennlinie5",     -1, 0, nullptr, kNoKey, 0, nullptr, nullptr},
    {R::Item,      "mInfo",            -1, 2494, nullptr, kNoKey, 0, &W::mInfo_Click, nullptr},
};

} // namespace

void frmGatrel::BuildMenus()
{
    // Menus carry their design-time texts here; ApplyTexts replaces them.
    QMenu* menu = nullptr;
    for (const MenuRow& row : kMenuRows)
        AddMenuRow(row, menu);
    MenuItem(QStringLiteral("mAnsichtItem"), 3)->setChecked(s_.ShowGrid != 0);
}

void frmGatrel::AddMenuRow(const MenuRow& row, QMenu*& menu)
{
    QString name = QString::fromLatin1(row.name);
    const QString text = row.textId != 0 ? DesignPlaceholder(row.textId) : QString::fromUtf8(row.caption);
    if (row.kind == MenuRow::Top) {
        menu = menuBar()->addMenu(text);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        menus_[name] = menu->menuAction();
        return;
    }
    QAction* a = row.kind == MenuRow::Separator ? menu->addSeparator() : menu->addAction(text);
    if (row.index >= 0)
        name += QString::number(row.index);
    a->setObjectName(name);
    if (row.key != kNoKey)
        a->setShortcut(QKeySequence(row.key));
    if (row.flags & kCheckable)
        a->setCheckable(true);
    if (row.flags & kChecked)
        a->setChecked(true);
    if (row.flags & kHidden)
        a->setVisible(false);
    if (row.flags & kDisabled)
        a->setEnabled(false);
    if (row.kind == MenuRow::Separator && row.index >= 0) {
        separators_[static_cast<size_t>(row.index)] = a; // the Components menu's
    } else if (row.index >= 0) {
        auto& array = menuArrays_[QString::fromLatin1(row.name)];
        if (array.size() <= static_cast<size_t>(row.index))
            array.resize(static_cast<size_t>(row.index) + 1, nullptr);
        array[static_cast<size_t>(row.index)] = a;
    } else {
        menus_[name] = a;
    }
    if (const auto command = row.command)
        connect(a, &QAction::triggered, this, GuardedSlot(dialogs_, name, [this, command] { (this->*command)(); }));
    if (const auto command = row.indexed) {
        const int index = row.index;
        connect(a, &QAction::triggered, this,
                GuardedSlot(dialogs_, name, [this, command, index] { (this->*command)(index); }));
    }
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

void frmGatrel::mNeu_Click()
{
    if (!ConfirmReplace(s_, dialogs_))
        return;
    auto* dialog = new frmCreateNewFile(s_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void frmGatrel::mOpen_Click()
{
    ::mOpen_Click(s_, dialogs_);
}

void frmGatrel::mSave_Click()
{
    ::mSave_Click(s_, dialogs_);
}

void frmGatrel::mSaveAs_Click()
{
    ::mSaveAs_Click(s_, dialogs_);
}

void frmGatrel::mSaveBitmap_Click()
{
    const QString remembered = s_.CmDialog1.FileName;
    FileDialogRequest request;
    request.title = LoadResString(2853);
    request.filter = QStringLiteral("*.BMP (Windows-Bitmap)|*.bmp");
    request.initialDir = s_.Verzeichnisse[2];
    QString chosen = dialogs_.ChooseSaveFile(request);
    s_.CmDialog1.FileName = remembered;
    if (!chosen.isEmpty()) {
        chosen = WithDefaultExtension(chosen, QStringLiteral("bmp"));
        RedrawAllElements();
        // A picture kept only in part is drawn whole for the file.
        if (picGrid()->HoldsWholePicture())
            picGrid()->surface().Image().save(chosen, "BMP");
        else
            WholeSheetPicture(s_, *objGrafik_).save(chosen, "BMP");
    }
    SetProgress(0);
}

void frmGatrel::mUsedFiles_Click(int index)
{
    OpenRecentFile(s_, dialogs_, index);
}

void frmGatrel::mBeenden_Click()
{
    close();
}

void frmGatrel::mUndo_Click()
{
    objUndo_->Undo(*placement_);
    s_.Changes.Flush();
}

void frmGatrel::mUndoList_Click()
{
    frmUndoList dialog(*placement_, this);
    dialog.exec();
}

void frmGatrel::mDelete_Click()
{
    editor_->LoescheBereich();
}

void frmGatrel::mZoomOut_Click()
{
    StepZoom(QStringLiteral("cmdZoomOut"));
}

void frmGatrel::mZoomIn_Click()
{
    StepZoom(QStringLiteral("cmdZoomIn"));
}

void frmGatrel::mZoom_Click(int index)
{
    // Full size and the fits to the worksheet, its height and its width.
    static constexpr std::array<void (clsGrafik::*)(), 4> kZoom = {&clsGrafik::Zoom100, &clsGrafik::ZoomFull,
                                                                    &clsGrafik::ZoomHeight, &clsGrafik::ZoomWidth};
    (objGrafik_.get()->*kZoom[static_cast<size_t>(index)])();
    ShowZoomText();
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
    if (s_.ICViewOpen)
        return;
    QAction* item = Menu(QStringLiteral("mICAuswahl"));
    const bool open = item->isChecked(); // already toggled by the click
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->setChecked(open);
    ShowICManager(open);
}

void frmGatrel::mAnsichtItem_Click(int index)
{
    QAction* item = MenuItem(QStringLiteral("mAnsichtItem"), index);
    const bool checked = item->isChecked(); // the item toggles itself
    if (index == 2) {
        analyzer_->Show(checked);
    } else if (index == 3) {
        SetShowGrid(checked);
    }
}

void frmGatrel::mOnOff_Click()
{
    if (s_.engine.PowerFlag == 0)
        powerPanel_->cmdOn->click();
    else
        powerPanel_->cmdOff->click();
}

void frmGatrel::mSynthese_Click()
{
    OpenBooleanTools(0);
}

void frmGatrel::mBoolean_Click()
{
    OpenBooleanTools(1);
}

void frmGatrel::mTermCreation_Click()
{
    OpenBooleanTools(2);
}

void frmGatrel::mDefIC_Click()
{
    Menu(QStringLiteral("mDefIC"))->setEnabled(false);
    s_.circuit.ICName.clear();
    s_.circuit.ICWidth = 7;
    s_.circuit.ICHeight = 4;
    icView_->ShowICView();
}

void frmGatrel::mNumberConversion_Click()
{
    settingsWindows_->NumberConversion();
}

void frmGatrel::mOptionen_Click()
{
    if (s_.ICViewOpen)
        return;
    if (!s_.settings.OptionsPassword.isEmpty()) {
        settingsWindows_->PasswordCheck();
        return;
    }
    settingsWindows_->PasswordChange();
    if (!s_.settings.OptionsPassword.isEmpty())
        settingsWindows_->SettingsDialog();
}

void frmGatrel::mHelp_Click()
{
    settingsWindows_->Help();
}

void frmGatrel::mWeb_Click()
{
    settingsWindows_->WebPage();
}

void frmGatrel::mService_Click()
{
    settingsWindows_->SupportMail();
}

void frmGatrel::mInfo_Click()
{
    settingsWindows_->About();
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
    zoomPanel_->ShowZoomText();
}
