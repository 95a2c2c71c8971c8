#include "settings/frmOptions.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "model/state.h"
#include "placement/clsUndo.h"
#include "platform/guard.h"
#include "platform/string_table.h"
#include "render/toolbar_icons.h"
#include "settings/frmVerzeichnis.h"

namespace {

// The directory rows: label, box, browse button, text id.
struct DirectoryRow {
    const char* label;
    const char* box;
    const char* browse;
    int textId;
};
constexpr DirectoryRow kDirectoryRows[] = {
    {"Label7", "txtDirSchaltungen", "cmdBrowseSchaltungen", 3613},
    {"Label3", "txtDirICs", "cmdBrowseICs", 3614},
    {"Label8", "txtDirBitmaps", "cmdBrowseBitmaps", 3615},
};

QCheckBox* NamedCheckBox(QWidget* parent, const QString& name, int textId)
{
    auto* c = new QCheckBox(LoadResString(textId), parent);
    c->setObjectName(name);
    return c;
}

QLabel* NamedLabel(QWidget* parent, const char* name, int textId)
{
    auto* l = new QLabel(LoadResString(textId), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The picture beside a switch: that of the button that offers the component
// or feature, or one of the dialog's own.
struct SwitchPicture {
    const char* owner;
    const char* key;
};
constexpr SwitchPicture kComponentPictures[] = {
    {"Toolbar2", "cmdInverter"},    {"Toolbar2", "cmdUND"},         {"Toolbar2", "cmdODER"},
    {"Toolbar2", "cmdXODER"},       {"Toolbar2", "cmdHA"},          {"Toolbar2", "cmdVA"},
    {"frmOptions", "imgBauteil6"},  {"frmOptions", "imgBauteil7"},  {"Toolbar2", "cmdDecoder"},
    {"Toolbar3", "cmdDauertakt"},   {"frmOptions", "imgBauteil10"}, {"frmOptions", "imgBauteil11"},
    {"Toolbar2", "cmdAnalysepunkt"}, {"Toolbar2", "cmdIC"},
};
constexpr SwitchPicture kFeaturePictures[] = {
    {"Toolbar", "cmdSynthese"},    {"Toolbar", "cmdTabelle"}, {"frmOptions", "imgSynthese2"},
    {"frmOptions", "imgSynthese3"}, {"Toolbar", "cmdICView"}, {"Toolbar2", "cmdAnalysepunkt"},
    {"frmOptions", "imgSynthese6"},
};

// A tab of switches in two columns, each with its picture before it; the
// check boxes and pictures are named boxName and pictureName followed by
// their index.
template <size_t N>
QWidget* SwitchesTab(const char* boxName, const char* pictureName, int firstTextId,
                     const SwitchPicture (&pictures)[N], std::array<QCheckBox*, N>& boxes)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    constexpr int rows = (static_cast<int>(N) + 1) / 2;
    for (int i = 0; i < static_cast<int>(N); ++i) {
        const auto at = static_cast<size_t>(i);
        auto* picture = new QLabel(page);
        picture->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(pictureName)).arg(i));
        const QIcon icon = ToolbarIcon(QLatin1String(pictures[at].owner), QLatin1String(pictures[at].key));
        picture->setPixmap(icon.pixmap(QSize(24, 24)));
        boxes[at] = NamedCheckBox(page, QStringLiteral("%1%2").arg(QLatin1String(boxName)).arg(i), firstTextId + i);
        grid->addWidget(picture, i % rows, 2 * (i / rows));
        grid->addWidget(boxes[at], i % rows, 2 * (i / rows) + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(rows, 1);
    return page;
}

} // namespace

frmOptions::frmOptions(ProgramState& s, UserDialogs& dialogs, clsUndo& undo, std::function<void()> applySwitches,
                       const QString& documentsFolder, QWidget* parent)
    : QDialog(parent),
      s_(s),
      dialogs_(dialogs),
      undo_(undo),
      applySwitches_(std::move(applySwitches)),
      documentsFolder_(documentsFolder)
{
    setObjectName(QStringLiteral("frmOptions"));
    tabOptions_ = new QTabWidget(this);
    tabOptions_->setObjectName(QStringLiteral("tabOptions"));
    tabOptions_->addTab(BuildGeneralTab(), QString());
    tabOptions_->addTab(BuildDirectoriesTab(), QString());
    tabOptions_->addTab(SwitchesTab("chkBauteil", "imgBauteil", 3617, kComponentPictures, chkBauteil), QString());
    tabOptions_->addTab(SwitchesTab("chkFunktionen", "imgSynthese", 3631, kFeaturePictures, chkFunktionen), QString());

    cmdExit_ = new QPushButton(this);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    cmdExit_->setDefault(true);
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabOptions_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExit_);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons);

    connect(cmdExit_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmOptions.cmdExit_Click"), [this] { cmdExit_Click(); }));
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdResetDir_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmOptions.cmdResetDir_Click"), [this] { cmdResetDir_Click(); }));
    Form_Load();
}

QWidget* frmOptions::BuildGeneralTab()
{
    auto* page = new QWidget;
    chkScroll_ = NamedCheckBox(page, QStringLiteral("chkScroll"), 3605);
    txtStop_ = new QLineEdit(page);
    txtStop_->setObjectName(QStringLiteral("txtStop"));
    txtUndos_ = new QLineEdit(page);
    txtUndos_->setObjectName(QStringLiteral("txtUndos"));
    for (QLineEdit* box : {txtStop_, txtUndos_}) {
        box->setMaximumWidth(70);
        box->installEventFilter(this);
    }
    chkSaveICs_ = NamedCheckBox(page, QStringLiteral("chkSaveICs"), 3609);
    chkStartbildschirm_ = NamedCheckBox(page, QStringLiteral("chkStartbildschirm"), 3610);

    auto* grid = new QGridLayout(page);
    grid->addWidget(chkScroll_, 0, 0, 1, 3);
    grid->addWidget(NamedLabel(page, "Label1_0", 3606), 1, 0);
    grid->addWidget(txtStop_, 1, 1);
    grid->addWidget(NamedLabel(page, "Label2", 3607), 1, 2);
    grid->addWidget(txtUndos_, 2, 1);
    grid->addWidget(NamedLabel(page, "Label4", 3608), 2, 2);
    grid->addWidget(chkSaveICs_, 3, 0, 1, 3);
    grid->addWidget(chkStartbildschirm_, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* frmOptions::BuildDirectoriesTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (size_t i = 0; i < directoryBoxes_.size(); ++i) {
        const DirectoryRow& row = kDirectoryRows[i];
        const int r = static_cast<int>(i) * 2;
        grid->addWidget(NamedLabel(page, row.label, row.textId), r, 0, 1, 2);
        auto* box = new QLineEdit(page);
        box->setObjectName(QString::fromLatin1(row.box));
        box->setMinimumWidth(320);
        directoryBoxes_[i] = box;
        auto* browse = new QPushButton(QStringLiteral("..."), page);
        browse->setObjectName(QString::fromLatin1(row.browse));
        browse->setAutoDefault(false);
        grid->addWidget(box, r + 1, 0);
        grid->addWidget(browse, r + 1, 1);
        connect(browse, &QPushButton::clicked, this,
                GuardedSlot(dialogs_, QStringLiteral("frmOptions.") + QLatin1String(row.browse) + QStringLiteral("_Click"),
                            [this, box] { Browse(box); }));
    }
    cmdResetDir_ = new QPushButton(page);
    cmdResetDir_->setObjectName(QStringLiteral("cmdResetDir"));
    cmdResetDir_->setAutoDefault(false);
    grid->addWidget(cmdResetDir_, 6, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(7, 1);
    return page;
}

void frmOptions::Form_Load()
{
    setWindowTitle(LoadResString(3600));
    for (int i = 0; i < 4; ++i)
        tabOptions_->setTabText(i, LoadResString(3601 + i));
    cmdExit_->setText(LoadResString(3611));
    cmdCancel_->setText(LoadResString(3612));
    cmdResetDir_->setText(LoadResString(3616));
    tabOptions_->setCurrentIndex(0);

    const OptionsForm f = LoadOptionsForm(s_, undo_.Undos());
    txtUndos_->setText(f.undosText);
    txtStop_->setText(f.stopText);
    chkScroll_->setChecked(f.scroll);
    chkSaveICs_->setChecked(f.saveICs);
    chkStartbildschirm_->setChecked(f.splash);
    for (size_t i = 0; i < chkBauteil.size(); ++i)
        chkBauteil[i]->setChecked(f.elements[i]);
    for (size_t i = 0; i < chkFunktionen.size(); ++i)
        chkFunktionen[i]->setChecked(f.features[i]);
    for (size_t i = 0; i < directoryBoxes_.size(); ++i)
        directoryBoxes_[i]->setText(f.directories[i]);
}

OptionsForm frmOptions::Form() const
{
    OptionsForm f;
    f.scroll = chkScroll_->isChecked();
    f.saveICs = chkSaveICs_->isChecked();
    f.splash = chkStartbildschirm_->isChecked();
    f.stopText = txtStop_->text();
    f.undosText = txtUndos_->text();
    for (size_t i = 0; i < directoryBoxes_.size(); ++i)
        f.directories[i] = directoryBoxes_[i]->text();
    for (size_t i = 0; i < chkBauteil.size(); ++i)
        f.elements[i] = chkBauteil[i]->isChecked();
    for (size_t i = 0; i < chkFunktionen.size(); ++i)
        f.features[i] = chkFunktionen[i]->isChecked();
    return f;
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtStop_)
            RunGuarded(&dialogs_, QStringLiteral("frmOptions.txtStop_LostFocus"), [this] { txtStop_LostFocus(); });
        else if (watched == txtUndos_)
            RunGuarded(&dialogs_, QStringLiteral("frmOptions.txtUndos_LostFocus"), [this] { txtUndos_LostFocus(); });
    } else if (event->type() == QEvent::FocusIn && watched == txtUndos_) {
        // After the focus change has settled, or the click that brought it deselects again.
        QTimer::singleShot(0, txtUndos_, [box = txtUndos_] { box->selectAll(); });
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::txtStop_LostFocus()
{
    txtStop_->setText(ClampStopText(txtStop_->text()));
}

void frmOptions::txtUndos_LostFocus()
{
    txtUndos_->setText(ClampUndosText(txtUndos_->text()));
}

void frmOptions::cmdResetDir_Click()
{
    for (QLineEdit* box : directoryBoxes_)
        box->setText(ResetDirectoryText(documentsFolder_));
}

void frmOptions::Browse(QLineEdit* box)
{
    frmVerzeichnis chooser(box->text(), dialogs_, this);
    chooser.exec();
    if (!chooser.Verzeichnis().isEmpty())
        box->setText(chooser.Verzeichnis());
}

void frmOptions::cmdExit_Click()
{
    txtStop_->setText(ClampStopText(txtStop_->text()));
    OptionsTargets targets{undo_, dialogs_, applySwitches_};
    ApplyOptionsForm(s_, Form(), targets);
    accept();
}
