#include "ic/frmICAuswahl.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

#include "ic/ic_chooser.h"
#include "ic/ic_directory.h"
#include "ic/ic_import.h"
#include "ic/ic_list_view.h"
#include "ic/ic_manager_geometry.h"
#include "ic/ic_manager_texts.h"
#include "ic/ic_nesting_tree.h"
#include "ic/ic_users.h"
#include "ic/wrapping_delegate.h"
#include "placement/document/circuit_file.h"
#include "placement/document/file_commands.h"
#include "model/files/ic_lookup.h"
#include "model/ports/ic_view_port.h"
#include "model/ports/tool_port.h"
#include "model/ports/worksheet_port.h"
#include "model/records.h"
#include "model/state.h"
#include "platform/guard.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

// The toolbar in its order: key, tooltip, icon.
struct ButtonRow {
    const char* key;
    int textId;
    QStyle::StandardPixmap icon;
};
constexpr ButtonRow kButtons[] = {
    {"cmdGross", 2101, QStyle::SP_FileDialogContentsView},
    {"cmdListe", 2102, QStyle::SP_FileDialogListView},
    {"cmdDetails", 2103, QStyle::SP_FileDialogDetailedView},
    {"cmdRefresh", 2104, QStyle::SP_BrowserReload},
    {"cmdLöschen", 2108, QStyle::SP_TrashIcon},
    {"cmdBearbeiten", 2107, QStyle::SP_FileDialogStart},
    {"cmdImportieren", 2109, QStyle::SP_DialogOpenButton},
};

// The client area as designed, in pixels (3120 by 3855 twips).
constexpr QSize kDesignedSize(208, 257);

const QColor kOkGreen(0, 128, 0);
const QColor kFaultyRed(255, 0, 0);

// While the IC-definition view or the simulation holds the worksheet, the
// IC being defined keeps its name and the tool stays.
bool MayChooseTool(const ProgramState& s)
{
    return s.ToolMode != ToolCode::ICDefinitionView && s.ToolMode != ToolCode::SimulationRunning
        && s.ToolMode != ToolCode::QuickHelp;
}

} // namespace

frmICAuswahl::frmICAuswahl(ProgramState& s, UserDialogs& dialogs, ICChooser* chooser, QWidget* parent)
    : QMainWindow(parent, Qt::Tool), s_(s), dialogs_(dialogs), chooser_(chooser)
{
    setObjectName(QStringLiteral("frmICAuswahl"));
    setWindowTitle(QStringLiteral("ICs"));
    setMinimumSize(kManagerMinWidthTwips / kManagerTwipsPerPixel, kManagerMinHeightTwips / kManagerTwipsPerPixel);
    resize(kDesignedSize);
    central_ = new QWidget(this);
    setCentralWidget(central_);
    lvwICs = new ICListView(central_);
    connect(lvwICs, &ICListView::ItemClicked, this, [this](int) { Guarded(QStringLiteral("lvwICs_ItemClick"), [this] {
                ShowICDetails();
            }); });
    connect(lvwICs, &ICListView::MouseMoved, this, [this] {
        if (HidePlacementOutline)
            HidePlacementOutline();
    });
    tvwSchachtelung = new QTreeWidget(central_);
    tvwSchachtelung->setObjectName(QStringLiteral("tvwSchachtelung"));
    tvwSchachtelung->setHeaderHidden(true);
    // A damage reason is longer than the tree is wide at the opening size.
    new WrappingDelegate(tvwSchachtelung);
    BuildPanel();
    BuildMenus();
    BuildToolbar();
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusText = new QLabel(StatusBar1);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusBar1->addWidget(StatusText, 1);
    setStatusBar(StatusBar1);
    ApplyTexts();
    SetView(s_.settings.icManager.ICAnsicht >= 0 && s_.settings.icManager.ICAnsicht <= 2
                ? s_.settings.icManager.ICAnsicht
                : 2);
    ShowICNames();
}

void frmICAuswahl::BuildPanel()
{
    // A sunken edge under the bars: a grey line over a white one.
    for (QFrame** line : {&Line2, &Line3}) {
        *line = new QFrame(central_);
        (*line)->setObjectName(line == &Line2 ? QStringLiteral("Line2") : QStringLiteral("Line3"));
        (*line)->setAutoFillBackground(true);
        QPalette colours = (*line)->palette();
        colours.setColor(QPalette::Window, line == &Line2 ? QColor(128, 128, 128) : QColor(255, 255, 255));
        (*line)->setPalette(colours);
    }
    picICVorschau = new QFrame(central_);
    picICVorschau->setObjectName(QStringLiteral("picICVorschau"));
    picICVorschau->setFrameShape(QFrame::StyledPanel);
    lblAllgemein = new QLabel(picICVorschau);
    lblAllgemein->setObjectName(QStringLiteral("lblAllgemein"));
    lblAllgemein->setText(QStringLiteral("Status:"));
    lblAllgemein->move(4, 4);
    lblAllgemein->adjustSize();
    lblStatus = new QLabel(picICVorschau);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    // Room for either status it shows.
    const QFontMetrics metrics = lblStatus->fontMetrics();
    const int statusWidth =
        std::max(metrics.horizontalAdvance(QStringLiteral("OK")), metrics.horizontalAdvance(LoadResString(2121)));
    lblStatus->setGeometry(lblAllgemein->geometry().right() + 7, 4, statusWidth + 2, lblAllgemein->height());
    Line1 = new QFrame(picICVorschau);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    txtNotizen = new QPlainTextEdit(picICVorschau);
    txtNotizen->setObjectName(QStringLiteral("txtNotizen"));
    txtNotizen->setReadOnly(true);
}

void frmICAuswahl::BuildMenus()
{
    QMenu* view = menuBar()->addMenu(QString());
    mAnsichtMenue = view->menuAction();
    mAnsichtMenue->setObjectName(QStringLiteral("mAnsichtMenue"));
    const std::array<QKeySequence, 7> viewKeys{QKeySequence(), QKeySequence(), QKeySequence(), QKeySequence(),
                                               QKeySequence(Qt::Key_F5), QKeySequence(),
                                               QKeySequence(Qt::CTRL | Qt::Key_X)};
    for (int i = 0; i < 7; ++i) {
        mAnsicht[i] = i == 3 || i == 5 ? view->addSeparator() : view->addAction(QString());
        mAnsicht[i]->setObjectName(QStringLiteral("mAnsicht%1").arg(i));
        mAnsicht[i]->setShortcut(viewKeys[i]);
    }
    for (int i = 0; i < 3; ++i) {
        mAnsicht[i]->setCheckable(true);
        connect(mAnsicht[i], &QAction::triggered, this, [this, i] { SetView(i); });
    }
    connect(mAnsicht[4], &QAction::triggered, this, [this] { Guarded(QStringLiteral("mAnsicht_Click"), [this] {
                ShowICNames();
            }); });
    connect(mAnsicht[6], &QAction::triggered, this, [this] { close(); });

    QMenu* ic = menuBar()->addMenu(QString());
    mICMenue = ic->menuAction();
    mICMenue->setObjectName(QStringLiteral("mICMenue"));
    const std::array<QKeySequence, 4> icKeys{QKeySequence(Qt::CTRL | Qt::Key_B), QKeySequence(Qt::Key_Delete),
                                             QKeySequence(), QKeySequence(Qt::CTRL | Qt::Key_I)};
    for (int i = 0; i < 4; ++i) {
        mIC[i] = i == 2 ? ic->addSeparator() : ic->addAction(QString());
        mIC[i]->setObjectName(QStringLiteral("mIC%1").arg(i));
        mIC[i]->setShortcut(icKeys[i]);
    }
    connect(mIC[0], &QAction::triggered, this, [this] { Guarded(QStringLiteral("mIC_Click"), [this] { ICBearbeiten(); }); });
    connect(mIC[1], &QAction::triggered, this, [this] { Guarded(QStringLiteral("mIC_Click"), [this] { ICLoeschen(); }); });
    connect(mIC[3], &QAction::triggered, this, [this] { Guarded(QStringLiteral("mIC_Click"), [this] { ICImportieren(); }); });
}

void frmICAuswahl::BuildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    viewButtons_ = new QActionGroup(this);
    for (const ButtonRow& row : kButtons) {
        const QString key = QString::fromUtf8(row.key);
        QAction* a = Toolbar1->addAction(style()->standardIcon(row.icon), QString());
        a->setObjectName(key);
        buttons_.insert(key, a);
    }
    const QString views[3] = {QStringLiteral("cmdGross"), QStringLiteral("cmdListe"), QStringLiteral("cmdDetails")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = buttons_.value(views[i]);
        a->setCheckable(true);
        viewButtons_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { SetView(i); });
    }
    const auto run = [this](const char* key, void (frmICAuswahl::*method)()) {
        connect(buttons_.value(QString::fromUtf8(key)), &QAction::triggered, this, [this, method] {
            Guarded(QStringLiteral("Toolbar1_ButtonClick"), [this, method] { (this->*method)(); });
        });
    };
    run("cmdRefresh", &frmICAuswahl::ShowICNames);
    run("cmdLöschen", &frmICAuswahl::ICLoeschen);
    run("cmdBearbeiten", &frmICAuswahl::ICBearbeiten);
    run("cmdImportieren", &frmICAuswahl::ICImportieren);
}

void frmICAuswahl::ApplyTexts()
{
    mAnsichtMenue->setText(LoadResString(2100));
    mICMenue->setText(LoadResString(2106));
    const std::array<int, 7> viewTexts{2101, 2102, 2103, 0, 2104, 0, 2105};
    for (int i = 0; i < 7; ++i)
        if (viewTexts[i] != 0)
            mAnsicht[i]->setText(LoadResString(viewTexts[i]));
    mIC[0]->setText(LoadResString(2107));
    mIC[1]->setText(LoadResString(2108));
    mIC[3]->setText(LoadResString(2109));
    for (const ButtonRow& row : kButtons)
        buttons_.value(QString::fromUtf8(row.key))->setToolTip(LoadResString(row.textId));
    lvwICs->SetHeadings(LoadResString(2126), LoadResString(2127));
}

void frmICAuswahl::Guarded(const QString& where, const std::function<void()>& action)
{
    RunGuarded(&dialogs_, where, action);
}

void frmICAuswahl::Form_Load()
{
    ICManagerFields& stored = s_.settings.icManager;
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const bool hasStoredFrame = stored.WindowHeight != 0 && stored.WindowWidth != 0;
    ShowICNames();
    const QSize firstSize = FirstStartSize(screens.isEmpty() ? 0 : screens.front().width());
    const QRect frame = RestoreManagerFrame(stored, firstSize, screens);
    move(frame.topLeft());
    resize(frame.size());
    if (hasStoredFrame)
        stored.ICAnsicht = 2;
    SetView(stored.ICAnsicht >= 0 && stored.ICAnsicht <= 2 ? stored.ICAnsicht : 2);
    loaded_ = true;
    s_.settings.frmICAuswahlVisible = kTrue;
    show();
}

QSize frmICAuswahl::FirstStartSize(int screenWidth) const
{
    const QFontMetrics metrics = StatusText->fontMetrics();
    int widestPath = 0;
    for (int row = 0; row < lvwICs->Count(); ++row)
        widestPath = std::max(widestPath,
                              metrics.horizontalAdvance(ICFilePath(s_.Verzeichnisse[1], lvwICs->Text(row))));
    // The status bar around its text: its margins, and the size grip, which
    // shows only once the window does.
    const auto* grip = StatusBar1->findChild<QSizeGrip*>();
    const int gripRoom = grip ? grip->sizeHint().width() + std::max(0, StatusBar1->layout()->spacing()) : 0;
    const int statusBar = widestPath + StatusBar1->sizeHint().width() + gripRoom;
    const int statusRow = lblStatus->geometry().right() + 4 + 2 * picICVorschau->frameWidth();
    const QSize client = FirstStartClientSize(kDesignedSize, statusRow, statusBar, screenWidth);
    // The designed size is the client area's, between the bars.
    const int bars = menuBar()->sizeHint().height() + Toolbar1->sizeHint().height() + StatusBar1->sizeHint().height();
    return client + QSize(0, bars);
}

void frmICAuswahl::Form_Unload()
{
    if (!loaded_)
        return;
    loaded_ = false;
    StoreManagerFrame(s_.settings.icManager, QRect(pos(), size()));
    for (int i = 0; i < 3; ++i)
        if (mAnsicht[i]->isChecked())
            s_.settings.icManager.ICAnsicht = static_cast<int16_t>(i);
    s_.settings.frmICAuswahlVisible = kFalse;
    hide();
}

void frmICAuswahl::closeEvent(QCloseEvent* event)
{
    Guarded(QStringLiteral("Form_Unload"), [this] {
        const bool wasLoaded = loaded_;
        Form_Unload();
        if (wasLoaded && Closed)
            Closed();
    });
    event->accept();
}

void frmICAuswahl::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmICAuswahl::Form_Resize()
{
    const ManagerLayout l = LayoutManager(central_->size(), 2, lvwICs->ColumnWidth(0));
    Line2->setGeometry(0, 0, width(), 1);
    Line3->setGeometry(0, 1, width(), 1);
    lvwICs->setGeometry(l.list);
    picICVorschau->setGeometry(l.panel);
    tvwSchachtelung->setGeometry(l.tree);
    lvwICs->SetColumnWidth(1, l.notesColumnWidth);
    const int inner = picICVorschau->contentsRect().width();
    const int left = 4;
    Line1->setGeometry(left, 22, std::max(0, inner - 2 * left), 2);
    const int top = 26;
    txtNotizen->setGeometry(left, top, std::max(0, inner - 2 * left), std::max(0, l.panel.height() - top - 2));
}

void frmICAuswahl::SetCheck(int view)
{
    s_.settings.icManager.ICAnsicht = static_cast<int16_t>(view);
    for (int i = 0; i < 3; ++i)
        mAnsicht[i]->setChecked(i == view);
}

void frmICAuswahl::SetView(int view)
{
    if (view < 0 || view > 2)
        return;
    lvwICs->SetView(view);
    const char* keys[3] = {"cmdGross", "cmdListe", "cmdDetails"};
    buttons_.value(QString::fromUtf8(keys[view]))->setChecked(true);
    SetCheck(view);
}

void frmICAuswahl::SetEditDeleteEnabled(bool edit, bool del)
{
    mIC[0]->setEnabled(edit);
    buttons_.value(QStringLiteral("cmdBearbeiten"))->setEnabled(edit);
    mIC[1]->setEnabled(del);
    buttons_.value(QStringLiteral("cmdLöschen"))->setEnabled(del);
}

void frmICAuswahl::ShowICNames()
{
    lvwICs->Clear();
    // The directory listing the list is filled from.
    const QList<ICListEntry> File1 = ReadICList(s_.Verzeichnisse[1]);
    for (const ICListEntry& e : File1)
        lvwICs->AddEntry(e.name, e.notes);
    if (lvwICs->Count() == 0) {
        SetEditDeleteEnabled(false, false);
        if (SetICToolAvailable)
            SetICToolAvailable(false);
        if (s_.ToolMode == ToolCode::IC && ChooseConductorTool)
            ChooseConductorTool();
    } else {
        SetEditDeleteEnabled(!statusFaulty_, true);
        if (SetICToolAvailable)
            SetICToolAvailable(true);
        // The details shown stay until an IC is chosen.
        lvwICs->Select(0);
    }
    if (s_.ports.icView)
        s_.ports.icView->RefreshICFileLists();
}

QString frmICAuswahl::SelectedPath() const
{
    const int row = lvwICs->SelectedRow();
    return row < 0 ? QString() : ICFilePath(s_.Verzeichnisse[1], lvwICs->Text(row));
}

void frmICAuswahl::ShowNotesInBoth(const QString& notes)
{
    txtNotizen->setPlainText(notes);
    if (chooser_)
        chooser_->SetNotes(notes);
}

void frmICAuswahl::ShowICDetails()
{
    const int row = lvwICs->SelectedRow();
    if (row < 0)
        return;
    const QString name = lvwICs->Text(row);
    const bool mayChoose = MayChooseTool(s_);
    if (mayChoose) {
        s_.circuit.ICName = name;
        if (s_.ToolMode != ToolCode::IC) {
            s_.ToolMode = ToolCode::IC;
            if (ToolPort* tools = s_.ports.tools) {
                tools->PressToolButton(QStringLiteral("cmdIC"), -1);
                tools->ChangeSelPicture(ToolCode::IC);
                if (!name.isEmpty() && name != QLatin1String("<Name>"))
                    tools->ChangePropertyWindow({false, false, false, true, false, false, false, false});
                tools->CheckComponentMenuOnly(25);
            }
        }
    }
    StatusText->setText(SelectedPath());
    ShowNotesInBoth(u'[' + LoadResString(2120) + u']');
    ShowICSchachtelung();
    const bool faulty = statusFaulty_;
    mIC[0]->setEnabled(!faulty);
    buttons_.value(QStringLiteral("cmdBearbeiten"))->setEnabled(!faulty);
    // A damaged definition is not drawn: it could hold any size or any number of connectors.
    if (chooser_ && fault_)
        chooser_->ClearPreview();
    else if (chooser_)
        chooser_->ICPreview(name);
}

void frmICAuswahl::ShowICSchachtelung()
{
    nestingOK_ = false;
    fault_.reset();
    const int row = lvwICs->SelectedRow();
    if (row < 0)
        return;
    const QString name = lvwICs->Text(row);
    const NestingTree tree = BuildNestingTree(s_.Verzeichnisse[1], name);
    FillTree(tree);
    missing_ = tree.MissingICs;
    nestingOK_ = tree.ICNestingOK;
    fault_ = tree.fault;
    const QString why = fault_ ? ICFaultText(*fault_) : QString();
    lblStatus->setText(nestingOK_ ? QStringLiteral("OK") : LoadResString(2121));
    statusFaulty_ = !nestingOK_;
    lblStatus->setToolTip(why);
    QPalette colours = lblStatus->palette();
    colours.setColor(QPalette::WindowText, nestingOK_ ? kOkGreen : kFaultyRed);
    lblStatus->setPalette(colours);
    if (chooser_)
        chooser_->ShowFault(!nestingOK_, why);
    if (tree.notes)
        ShowNotesInBoth(*tree.notes);
    // The chooser follows without choosing again.
    if (chooser_ && s_.ToolMode == ToolCode::IC)
        chooser_->SelectSilently(name);
}

void frmICAuswahl::FillTree(const NestingTree& tree)
{
    tvwSchachtelung->clear();
    QMap<QString, QTreeWidgetItem*> byKey;
    for (const NestingNode& node : tree.nodes) {
        QTreeWidgetItem* parent = byKey.value(node.parentKey);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvwSchachtelung);
        item->setText(0, node.text);
        item->setData(0, Qt::UserRole, node.key);
        byKey.insert(node.key, item);
    }
    tvwSchachtelung->expandAll();
}

void frmICAuswahl::ClearDetails()
{
    lblStatus->clear();
    statusFaulty_ = false;
    ShowNotesInBoth(QString());
    tvwSchachtelung->clear();
}

bool frmICAuswahl::ICisUsed(const QString& name)
{
    QStringList names;
    for (int row = 0; row < lvwICs->Count(); ++row)
        names.append(lvwICs->Text(row));
    lstICUsed_ = ICUsers(s_.Verzeichnisse[1], names, name);
    return !lstICUsed_.isEmpty();
}

void frmICAuswahl::ICBearbeiten()
{
    const int row = lvwICs->SelectedRow();
    if (row < 0 || lvwICs->Text(row).isEmpty())
        return;
    const QString name = lvwICs->Text(row);
    const QString path = ResolveICFile(s_.Verzeichnisse[1], name);
    if (path.isEmpty())
        return;
    if (dialogs_.ShowMessage(LoadResString(2110), MessageButtons::YesNo, MessageIcon::Question, LoadResString(2111))
        != MessageResult::Yes)
        return;
    // Unsaved work is asked about first; Cancel or a failed save keeps everything.
    if (!ConfirmReplace(s_, dialogs_))
        return;
    const QString before = s_.circuit.ICName;
    s_.circuit.ICName = name;
    if (LoadFile(s_, dialogs_, path) != LoadResult::Loaded) {
        s_.circuit.ICName = before;
        return;
    }
    if (s_.ports.worksheet)
        s_.ports.worksheet->RedrawAllElements();
}

void frmICAuswahl::ICImportieren()
{
    FileDialogRequest CMDialog1;
    CMDialog1.title = LoadResString(2112);
    CMDialog1.filter = QStringLiteral("*.ICD (") + LoadResString(2125) + QStringLiteral(")|*.icd");
    CMDialog1.initialDir =
        s_.objFile.FilePath.isEmpty() ? QCoreApplication::applicationDirPath() : s_.objFile.FilePath;
    const QString chosen = dialogs_.ChooseOpenFile(CMDialog1);
    if (chosen.isEmpty())
        return;
    const ImportResult r = ImportICFile(s_.Verzeichnisse[1], chosen);
    switch (r.outcome) {
    case ImportOutcome::Missing:
        dialogs_.ShowMessage(LoadResString(2113), MessageButtons::OK, MessageIcon::Information, LoadResString(2112));
        return;
    case ImportOutcome::Empty:
        dialogs_.ShowMessage(LoadResString(2114), MessageButtons::OK, MessageIcon::None, QStringLiteral("Gatrel"));
        return;
    case ImportOutcome::Exists:
        dialogs_.ShowMessage(LoadResString(2115), MessageButtons::OK, MessageIcon::Information, LoadResString(2112));
        return;
    case ImportOutcome::Failed:
        dialogs_.ShowMessage(ImportFailedText(chosen, r.reason), MessageButtons::OK, MessageIcon::Critical,
                             LoadResString(2112));
        return;
    case ImportOutcome::Imported:
        break;
    }
    ShowICNames();
    // The chooser lists the new IC too, in the same order.
    if (chooser_)
        chooser_->ShowICNames();
}

void frmICAuswahl::ICLoeschen()
{
    const int row = lvwICs->SelectedRow();
    if (lvwICs->Count() == 0 || row < 0)
        return;
    const QString name = lvwICs->Text(row);
    StatusText->setText(LoadResString(2116));
    ICisUsed(name);
    const QString question = DeleteQuestion(name, lstICUsed_, CircuitUsesIC(s_.circuit, name));
    if (dialogs_.ShowMessage(question, MessageButtons::YesNo, MessageIcon::Question, LoadResString(2118))
        != MessageResult::Yes) {
        StatusText->setText(ICFilePath(s_.Verzeichnisse[1], name));
        return;
    }
    // A file already gone counts as deleted; one that stays is reported and stays listed.
    const QString path = ResolveICFile(s_.Verzeichnisse[1], name);
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.remove()) {
            dialogs_.ShowMessage(DeleteFailedText(name, file.errorString()), MessageButtons::OK,
                                 MessageIcon::Critical, LoadResString(2118));
            StatusText->setText(path);
            return;
        }
    }
    if (MayChooseTool(s_))
        s_.circuit.ICName.clear();
    StatusText->clear();
    lvwICs->RemoveEntry(lvwICs->Find(name));
    if (s_.ports.icView)
        s_.ports.icView->RefreshICFileLists();
    if (chooser_)
        chooser_->ShowICNames();
    if (ReadICList(s_.Verzeichnisse[1]).isEmpty()) {
        if (ChooseConductorTool && MayChooseTool(s_))
            ChooseConductorTool();
        ClearDetails();
        if (chooser_) {
            chooser_->ClearPreview();
            chooser_->ShowFault(false);
        }
        ShowICNames();
    }
}

void frmICAuswahl::ChooseIC(const QString& name)
{
    ShowICNames();
    const int row = lvwICs->Find(name);
    if (row < 0)
        return;
    lvwICs->Select(row);
    ShowICDetails();
}

void frmICAuswahl::NotesWritten(const QString& name, const QString& notes)
{
    lvwICs->SetNotes(lvwICs->Find(name), notes);
    txtNotizen->setPlainText(notes);
}

void frmICAuswahl::SetEditingAllowed(bool allowed)
{
    lvwICs->setEnabled(allowed);
    Toolbar1->setEnabled(allowed);
    mICMenue->setEnabled(allowed);
}

void frmICAuswahl::ICDirectoryChanged()
{
    if (s_.ports.icView)
        s_.ports.icView->RefreshICFileLists();
    if (!isVisible())
        return;
    ShowICNames();
    ShowICDetails();
}
