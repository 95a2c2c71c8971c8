#include "settings/frmVerzeichnis.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/guard.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "settings/directory_choice.h"
#include "settings/directory_tree_model.h"

namespace {

// The tree opens folders one at a time: "*" (open everything below) opens
// only the current folder, since below "/" it would read the whole disk.
class DirectoryTree : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Asterisk) {
            if (currentIndex().isValid())
                expand(currentIndex());
            event->accept();
            return;
        }
        QTreeView::keyPressEvent(event);
    }
};

} // namespace

frmVerzeichnis::frmVerzeichnis(const QString& startDirectory, UserDialogs& dialogs, QWidget* parent,
                               const QStringList& drives)
    : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmVerzeichnis"));
    setWindowTitle(LoadResString(4400));
    resize(420, 420);

    model_ = new DirectoryTreeModel(this);
    model_->SetFolderIcon(style()->standardIcon(QStyle::SP_DirIcon));
    Dir1_ = new DirectoryTree(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setModel(model_);
    Dir1_->header()->hide();

    Label1_ = new QLabel(LoadResString(4401) + u':', this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    Drive1_->addItems(drives);

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
    layout->addWidget(Label1_);
    layout->addWidget(Drive1_);
    layout->addWidget(Label2_);
    layout->addWidget(Dir1_, 1);
    layout->addWidget(txtVerzeichnis_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCreateDir_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdAbbruch_);
    layout->addLayout(buttons);

    connect(Drive1_, &QComboBox::activated, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.Drive1_Change"), [this] { Drive1_Change(); }));
    connect(Dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.Dir1_Change"), [this] { Dir1_Change(); }));
    connect(cmdCreateDir_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.cmdCreateDir_Click"), [this] { cmdCreateDir_Click(); }));
    connect(cmdOK_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmVerzeichnis.cmdOK_Click"), [this] { cmdOK_Click(); }));
    connect(cmdAbbruch_, &QPushButton::clicked, this, &QDialog::reject);

    const QString start = NearestExistingDirectory(startDirectory);
    Drive1_->setCurrentIndex(static_cast<int>(drives.indexOf(DriveOf(start, drives))));
    SetDir1Path(start);
}

void frmVerzeichnis::Drive1_Change()
{
    SetDir1Path(NearestExistingDirectory(Drive1_->currentText()));
}

void frmVerzeichnis::SetDir1Path(const QString& path)
{
    dir1Path_ = path;
    ShowDir1Path();
    txtVerzeichnis_->setText(dir1Path_);
}

void frmVerzeichnis::ShowDir1Path()
{
    const QModelIndex index = model_->IndexOf(dir1Path_);
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
        dir1Path_ = model_->FilePath(index);
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
