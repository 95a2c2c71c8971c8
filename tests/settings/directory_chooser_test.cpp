#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <QTreeView>

#include "platform/string_table.h"
#include "settings/directory_choice.h"
#include "settings/frmVerzeichnis.h"
#include "support/scripted_user_dialogs.h"
#include "support/record_files.h"

namespace {

class Chooser : public ::testing::Test {
protected:
    Chooser() { QDir().mkpath(Path("work/circuits")); }
    QString Path(const char* relative) const { return QDir::cleanPath(root.filePath(QLatin1String(relative))); }
    void Click(frmVerzeichnis& c, const char* button)
    {
        QTest::mouseClick(c.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    QString Shown(frmVerzeichnis& c) { return c.findChild<QLineEdit*>(QStringLiteral("txtVerzeichnis"))->text(); }

    QTemporaryDir root;
    ScriptedUserDialogs dialogs;
};

TEST_F(Chooser, StartsAtTheStartDirectoryOrItsNearestExistingParentAndOkReturnsIt)
{
    const std::pair<QString, QString> cases[] = {
        {Path("work/circuits"), Path("work/circuits")},
        {Path("work/circuits") + u'/', Path("work/circuits")},
        {Path("work/missing/deeper"), Path("work")},
        {QString(), QDir::rootPath()},
        {QStringLiteral("relative/path"), QDir::rootPath()},
    };
    for (const auto& [start, expected] : cases) {
        EXPECT_EQ(NearestExistingDirectory(start), expected) << start.toStdString();
        frmVerzeichnis c(start, dialogs);
        EXPECT_EQ(c.Dir1Path(), expected);
        EXPECT_EQ(Shown(c), expected);
        EXPECT_TRUE(c.Verzeichnis().isEmpty());
        Click(c, "cmdOK");
        EXPECT_EQ(c.Verzeichnis(), expected) << "OK returns the shown directory";
        EXPECT_EQ(c.result(), QDialog::Accepted);
    }
    // Another directory shown is the one returned; Cancel: CreatesAndSelectsANewDirectory.
    frmVerzeichnis moved(Path("work/circuits"), dialogs);
    moved.SetDir1Path(Path("work"));
    Click(moved, "cmdOK");
    EXPECT_EQ(moved.Verzeichnis(), Path("work"));
}

// A directory made in the chooser stays, whether it is then chosen or not.
TEST_F(Chooser, CreatesAndSelectsANewDirectory)
{
    for (const char* close : {"cmdOK", "cmdAbbruch"}) {
        SCOPED_TRACE(close);
        const QString name = QLatin1String(close) + QStringLiteral(" new one");
        const QString made = Path("work") + u'/' + name;
        frmVerzeichnis c(Path("work"), dialogs);
        const std::size_t before = dialogs.Asked().size();
        dialogs.QueueText(name);
        Click(c, "cmdCreateDir");
        ASSERT_EQ(dialogs.Asked().size(), before + 1);
        EXPECT_EQ(dialogs.Asked().back().title, QStringLiteral("Verzeichnis erstellen"));
        EXPECT_TRUE(dialogs.Asked().back().text.contains(Path("work")));
        EXPECT_TRUE(QDir(made).exists());
        EXPECT_EQ(c.Dir1Path(), made);
        EXPECT_EQ(Shown(c), made);
        Click(c, close);
        EXPECT_TRUE(QDir(made).exists());
        EXPECT_EQ(c.Verzeichnis(), QLatin1String(close) == QLatin1String("cmdOK") ? made : QString());
    }
}

// The drive list shows the volume of the start directory; choosing a drive
// from the keyboard shows that drive's root.
TEST_F(Chooser, ChoosingADriveShowsItsRoot)
{
    const QStringList drives = {QDir::rootPath(), Path("work"), Path("work/circuits/deeper")};
    EXPECT_EQ(MountedDrives().value(0), QDir::rootPath());
    frmVerzeichnis c(Path("work/circuits"), dialogs, nullptr, drives);
    c.show();
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    auto* Drive1 = c.findChild<QComboBox*>(QStringLiteral("Drive1"));
    ASSERT_NE(Drive1, nullptr);
    EXPECT_EQ(Drive1->currentText(), Path("work")) << "the longest root the directory lies under";

    Drive1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(c.Dir1Path(), QDir::rootPath());
    EXPECT_EQ(Shown(c), QDir::rootPath());
    // A drive whose root is gone shows its nearest existing parent.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(c.Dir1Path(), Path("work/circuits"));
    Click(c, "cmdOK");
    EXPECT_EQ(c.Verzeichnis(), Path("work/circuits"));
}

TEST_F(Chooser, NamesThatLeaveTheDirectoryOrCannotBeMadeAreRefused)
{
    WriteBytes(Path("work/plain"), QByteArray());
    const char* refused[] = {"a/b", "../escape", "..", ".", "circuits", "plain", "/abs"};
    for (const char* name : refused) {
        frmVerzeichnis c(Path("work"), dialogs);
        const qsizetype before = dialogs.MessageTexts().size();
        dialogs.QueueText(QString::fromLatin1(name));
        Click(c, "cmdCreateDir");
        ASSERT_EQ(dialogs.MessageTexts().size(), before + 1) << name;
        EXPECT_EQ(dialogs.MessageTexts().back(), LoadResString(3638));
        EXPECT_EQ(c.Dir1Path(), Path("work")) << name;
    }
    EXPECT_FALSE(QDir(Path("work/a")).exists());
    EXPECT_FALSE(QDir(Path("escape")).exists());
    EXPECT_FALSE(QDir(QStringLiteral("/abs")).exists());

    // An empty answer or a cancelled prompt does nothing at all.
    for (const std::optional<QString>& answer : {std::optional<QString>(QString()), std::optional<QString>()}) {
        frmVerzeichnis c(Path("work"), dialogs);
        const qsizetype before = dialogs.MessageTexts().size();
        dialogs.QueueText(answer);
        Click(c, "cmdCreateDir");
        EXPECT_EQ(dialogs.MessageTexts().size(), before);
        EXPECT_EQ(c.Dir1Path(), Path("work"));
    }
}

} // namespace

namespace {

// Makes depth levels of fanOut subdirectories below dir.
void MakeTree(const QString& dir, int depth, int fanOut)
{
    if (depth == 0)
        return;
    for (int i = 0; i < fanOut; ++i) {
        const QString child = dir + QStringLiteral("/d") + QString::number(i);
        ASSERT_TRUE(QDir().mkpath(child));
        MakeTree(child, depth - 1, fanOut);
    }
}

// "*" opens everything below a folder; near "/" that read the whole disk.
// Now a folder is read only when it is opened: every folder read is one the
// tree shows open, and "*" opens the current folder alone.
TEST_F(Chooser, ExpandAllOpensOnlyTheChosenFolderAndReadsOnlyWhatIsShown)
{
    MakeTree(Path("deep"), 4, 3);
    frmVerzeichnis c(Path("deep"), dialogs);
    c.show();
    auto* tree = c.findChild<QTreeView*>(QStringLiteral("Dir1"));
    ASSERT_NE(tree, nullptr);
    tree->setFocus();
    const QAbstractItemModel& model = *tree->model();
    const QModelIndex top = tree->currentIndex();
    ASSERT_EQ(top.data().toString(), QStringLiteral("deep"));
    // The folder is opened first, so that its subfolders are known.
    QTest::keyClick(tree, Qt::Key_Right);
    for (int wait = 0; wait < 100 && model.rowCount(top) < 3; ++wait)
        QTest::qWait(50);
    ASSERT_EQ(model.rowCount(top), 3);

    QTest::keyClick(tree, Qt::Key_Asterisk);

    EXPECT_TRUE(tree->isExpanded(top));
    QStringList readBelow;
    std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& index) {
        if (index.isValid() && !model.canFetchMore(index)) {
            EXPECT_TRUE(tree->isExpanded(index)) << index.data().toString().toStdString();
            if (index.parent() == top || index.parent().parent() == top)
                readBelow << index.data().toString();
        }
        for (int row = 0; row < model.rowCount(index); ++row)
            walk(model.index(row, 0, index));
    };
    walk(QModelIndex());
    EXPECT_EQ(readBelow, QStringList());
}

} // namespace
