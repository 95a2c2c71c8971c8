#include "settings/frmVerzeichnis.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/guard.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "settings/directory_choice.h"

frmVerzeichnis::frmVerzeichnis(const QString& startDirectory, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmVerzeichnis"));
    setWindowTitle(LoadResString(4400));
    resize(420, 420);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    Dir1_ = new QTreeView(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Dir1_->hideColumn(column);
    Dir1_->header()->hide();

    Label2_ = new QLabel(LoadResString(4402) + u':', this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    txtVerzeichnis_ = new QLineEdit(this);
    txtVerzeichnis_->setObjectName(QStringLiteral("txtVerzeichnis"));
    txtVerzeichnis_->setReadOnly(true);
    auto button = [this](const char* name, int id) {
        auto* b = new QPushButton(LoadResString(id), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    cmdCreateDir_ = button("cmdCreateDir", 4403);
    cmdAbbruch_ = button("cmdAbbruch", 4404);
    cmdOK_ = button("cmdOK", 4405);
    cmdOK_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2_);
    layout->addWidget(Dir1_, 1);
    layout->addWidget(txtVerzeichnis_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCreateDir_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdAbbruch_);
    layout->addLayout(buttons);

    connect(Dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.Dir1_Change"), [this] { Dir1_Change(); }));
    connect(cmdCreateDir_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.cmdCreateDir_Click"), [this] { cmdCreateDir_Click(); }));
    connect(cmdOK_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.cmdOK_Click"), [this] { cmdOK_Click(); }));
    connect(cmdAbbruch_, &QPushButton::clicked, this, &QDialog::reject);

    // The tree fills in the background: the chosen directory is shown again
    // as each folder on its way arrives.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        const QString folder = loaded.endsWith(u'/') ? loaded : loaded + u'/';
        if (dir1Path_ == loaded || dir1Path_.startsWith(folder))
            ShowDir1Path();
    });
    SetDir1Path(NearestExistingDirectory(startDirectory));
}

void frmVerzeichnis::SetDir1Path(const QString& path)
{
    dir1Path_ = path;
    ShowDir1Path();
    txtVerzeichnis_->setText(dir1Path_);
}

void frmVerzeichnis::ShowDir1Path()
{
    const QModelIndex index = model_->index(dir1Path_);
    if (!index.isValid())
        return;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        Dir1_->expand(up);
    Dir1_->setCurrentIndex(index);
    Dir1_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void frmVerzeichnis::Dir1_Change()
{
    const QModelIndex index = Dir1_->currentIndex();
    if (index.isValid())
        dir1Path_ = QDir::cleanPath(model_->filePath(index));
    txtVerzeichnis_->setText(dir1Path_);
}

void frmVerzeichnis::cmdCreateDir_Click()
{
    const auto answer =
        dialogs_.AskText(QStringLiteral("Verzeichnis erstellen"), NewDirectoryPrompt(dir1Path_), QString());
    if (!answer || answer->isEmpty())
        return;
    const auto made = CreateSubdirectory(dir1Path_, *answer);
    if (!made) {
        dialogs_.ShowMessage(LoadResString(3638), MessageButtons::OK, MessageIcon::Exclamation, QString());
        return;
    }
    SetDir1Path(*made);
}

void frmVerzeichnis::cmdOK_Click()
{
    verzeichnis_ = dir1Path_;
    accept();
}
