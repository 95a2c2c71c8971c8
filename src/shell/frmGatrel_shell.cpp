// The main window's start-up, texts, feature switches and shut-down.
#include "shell/frmGatrel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "boolean/frmBoolean.h"
#include "ic/frmICAuswahl.h"
#include "placement/document/circuit_file.h"
#include "placement/document/file_commands.h"
#include "placement/document/permissions.h"
#include "placement/document/settings_store.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "platform/string_table.h"
#include "platform/timers.h"
#include "platform/user_dialogs.h"
#include "editing/engine_binding.h"
#include "settings/startup.h"
#include "shell/clock_timers.h"
#include "shell/ic_definition_view.h"
#include "shell/layers_panel.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_texts.h"

namespace {

// The text table names the controls it fills.
template <class T>
T* Named(const QObject* window, const QString& name)
{
    return window->findChild<T*>(name);
}

} // namespace

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
            if (auto* l = Named<QLabel>(this, name))
                l->setText(LoadResString(t.id));
            break;
        case TextTarget::LineEditText:
            if (auto* e = Named<QLineEdit>(this, name))
                e->setText(LoadResString(t.id));
            break;
        case TextTarget::ComboEntries:
            if (auto* c = Named<QComboBox>(this, name)) {
                const bool was = comboClickSuppressed_;
                comboClickSuppressed_ = true;
                c->clear();
                for (int k = 0; k < t.index; ++k)
                    c->addItem(LoadResString(t.id + k), t.id + k);
                comboClickSuppressed_ = was;
            }
            break;
        case TextTarget::ButtonCaption:
            if (auto* b = Named<QAbstractButton>(this, name))
                b->setText(LoadResString(t.id));
            break;
        case TextTarget::ToolTip:
            if (QAction* a = ToolbarButton(QString::fromLatin1(t.toolbar), name))
                a->setToolTip(LoadResString(t.id));
            break;
        }
    }
}

int frmGatrel::Form_Load(const QString& LadeDatei, const QString& documentsFolder, const QString& programFolder)
{
    ApplyTexts();
    s_.settings.MainFormReady = 0;
    s_.CurrentLevel = 0;
    s_.ToolMode = ToolCode::Conductor;
    s_.PlaceOrientation = Orientation::Right;
    s_.settings.AnzImpulse = 50;
    s_.AutoStop = 1000;
    s_.Scroll = kTrue;
    s_.AutoJunction = kTrue;
    s_.FileSaved = kTrue;
    s_.LabelFontSize = 8;

    const QString workFolder = DefaultWorkingFolder(documentsFolder, programFolder);
    LoadSettings(s_);
    CheckOwnSettings(s_.settings, dialogs_);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))
        ->setChecked(s_.settings.frmICAuswahlVisible != 0);
    CheckDirectories(s_.Verzeichnisse, dialogs_, workFolder);
    icView_->RefreshICFileLists();
    s_.objFile.FilePath = s_.Verzeichnisse[0];

    s_.CellSize = 14;
    s_.LineColor = 0;
    s_.LEDColor = 255;
    s_.ShowGrid = kTrue; // the grid is always shown at start, whatever was stored
    MenuItem(QStringLiteral("mAnsichtItem"), 3)->setChecked(true);
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdRaster"))->setChecked(true);
    SetCaption(LoadResString(2506));
    ChangeToolbarStyle();

    switch (LoadPermissions(s_.settings)) {
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
    ShowICNames();
    ResizeProperties(false);
    for (int i = 1; i <= 25; ++i)
        SetRadioMenuChecks(MenuItem(QStringLiteral("mBauteil"), i), i - 1);

    s_.ToolMode = ToolCode::Conductor;
    ChangeSelPicture(ToolCode::Conductor);
    PressToolButton(QStringLiteral("cmdLeitungen"), 3);
    CheckComponentMenuOnly(1);
    layersPanel_->RebuildLevelTree();
    RedrawAllElements();
    if (!LadeDatei.isEmpty()) {
        QString file = LadeDatei;
        LoadStartupFile(s_, dialogs_, file);
    }
    return 0;
}

void frmGatrel::Form_Activate()
{
    icView_->RefreshICFileLists();
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
    if (ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdICAuswahl"))->isChecked())
        ShowICManager(true);
}

void frmGatrel::ShowPanels()
{
    const auto& f = s_.settings.FeatureEnable;
    Menu(QStringLiteral("mSynthese"))->setVisible(f[0] != 0);
    Menu(QStringLiteral("mBoolean"))->setVisible(f[1] != 0);
    Menu(QStringLiteral("mTermCreation"))->setVisible(f[2] != 0);
    // A window loaded later reads the same switch when it loads.
    if (booleanTools_)
        booleanTools_->SetSimplificationEnabled(f[3] != 0);
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

void frmGatrel::StopForShutDown()
{
    // Nothing may run into the settings save or the window's end.
    timer1_->setEnabled(false);
    for (auto& t : clockTimers_->members())
        t->setEnabled(false);
    if (s_.engine.EngineBusy != 0 || s_.engine.PausedFlag()) {
        s_.engine.AbortFlag = kTrue;
        StopEngine(EngineOf(s_, engine_));
    }
}

bool frmGatrel::Form_QueryUnload()
{
    if (icManager_->isVisible()) {
        // Stored in 16-bit twips: a large screen must not wrap them round.
        ICManagerFields& f = s_.settings.icManager;
        f.WindowX = ClampTwips(icManager_->x() * double(kTwipsPerPixel));
        f.WindowY = ClampTwips(icManager_->y() * double(kTwipsPerPixel));
        f.WindowWidth = ClampTwips(icManager_->width() * double(kTwipsPerPixel));
        f.WindowHeight = ClampTwips(icManager_->height() * double(kTwipsPerPixel));
    }
    const bool mayClose =
        ConfirmClose(s_.FileSaved != 0, dialogs_, s_.CmDialog1.FileName, [this] { return SaveFile(s_, dialogs_, true); });
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
