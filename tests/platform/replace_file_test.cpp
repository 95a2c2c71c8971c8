#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/replace_file.h"
#include "support/failing_writes.h"
#include "support/record_files.h"

namespace {

TEST(ReplaceFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    // Small contents wait in the write buffer for the last flush; large ones
    // go to the disk at once. Both must fail on a full disk.
    for (const qsizetype size : {qsizetype(10), qsizetype(1) << 20}) {
        for (const bool ownerOnly : {false, true}) {
            SCOPED_TRACE(testing::Message() << size << " bytes, owner only " << ownerOnly);
            WriteBytes(path, "old contents");
            QString error;
            bool written = true;
            {
                FailingWrites full;
                written = ReplaceFileContents(path, QByteArray(size, 'x'), &error, ownerOnly);
            }
            EXPECT_FALSE(written);
            EXPECT_EQ(error, FailingWrites::Reason());
            EXPECT_EQ(ReadBytes(path), QByteArray("old contents"));
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.txt"})
                << "no temporary file is left behind";
        }
    }
}

} // namespace
