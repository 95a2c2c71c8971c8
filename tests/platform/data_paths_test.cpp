#include <gtest/gtest.h>

#include "platform/data_paths.h"
#include "support/record_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

namespace {

void Touch(const QString& path)
{
    WriteBytes(path, QByteArray());
}

} // namespace

TEST(DataPaths, FirstFolderThatHoldsTheFileWins)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("bin"));
    ASSERT_TRUE(dir.mkpath("share/gatrel"));
    Touch(dir.filePath("share/gatrel/start.jpg"));
    Touch(dir.filePath("share/gatrel/gatrel.ico"));
    Touch(dir.filePath("bin/gatrel.ico"));
    const QStringList dirs = {dir.filePath("bin"), dir.filePath("bin/../share/gatrel")};

    EXPECT_EQ(FindDataFile("gatrel.ico", dirs), QDir::cleanPath(dir.filePath("bin/gatrel.ico")));
    EXPECT_EQ(FindDataFile("start.jpg", dirs), QDir::cleanPath(dir.filePath("share/gatrel/start.jpg")));
    EXPECT_EQ(FindDataFile("ic.ico", dirs), QString());
    EXPECT_EQ(FindDataFile("share", {root.path()}), QString()); // a folder is not a file
}

TEST(DataPaths, DefaultsFollowTheExecutable)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    EXPECT_EQ(InstallPrefix(), QDir::cleanPath(appDir + "/.."));
    ASSERT_EQ(DataSearchDirs().size(), 2);
    EXPECT_EQ(DataSearchDirs().at(0), appDir);
    EXPECT_EQ(DataSearchDirs().at(1), InstallPrefix() + "/share/gatrel");
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(FindDataFile(self), QCoreApplication::applicationFilePath());
}
