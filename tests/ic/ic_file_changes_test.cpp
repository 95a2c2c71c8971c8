// Importing an IC definition file and rewriting an IC's notes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ic/ic_import.h"
#include "ic/ic_notes.h"
#include "support/failing_writes.h"
#include "support/record_files.h"

namespace {

class ICFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ics.isValid());
        ASSERT_TRUE(elsewhere.isValid());
    }
    QString Dir() const { return ics.path() + u'/'; }
    QString Outside(const QString& file, const QByteArray& bytes)
    {
        const QString path = elsewhere.filePath(file);
        WriteBytes(path, bytes);
        return path;
    }
    QStringList Listing() const { return QDir(ics.path()).entryList(QDir::Files, QDir::Name); }
    QTemporaryDir ics;
    QTemporaryDir elsewhere;
};

TEST_F(ICFiles, ImportStoresNameDotIcdAndRefusesWhatIsThere)
{
    const QByteArray body = CrLfLines({"[Name]", "X", "[Notizen]", "a, \"quoted\" note"});
    WriteBytes(ics.filePath("ADD.icd"), "[Name]\r\nADD\r\n");
    struct Case {
        const char* file;
        QByteArray bytes;
        ImportOutcome outcome;
        const char* name;
    } cases[] = {
        {"MUX.icd", body, ImportOutcome::Imported, "MUX"},
        {"alu.ICD", body, ImportOutcome::Imported, "alu"},
        {"counter.txt", body, ImportOutcome::Imported, "counter"},
        {"add.icd", body, ImportOutcome::Exists, "add"},  // the lookup ignores case
        {"Mux.ICD", body, ImportOutcome::Exists, "Mux"},
        {"empty.icd", QByteArray(), ImportOutcome::Empty, "empty"},
    };
    for (const Case& c : cases) {
        const ImportResult r = ImportICFile(Dir(), Outside(QString::fromUtf8(c.file), c.bytes));
        EXPECT_EQ(r.outcome, c.outcome) << c.file;
        EXPECT_EQ(r.name, QString::fromUtf8(c.name)) << c.file;
    }
    EXPECT_EQ(Listing(), (QStringList{"ADD.icd", "MUX.icd", "alu.icd", "counter.icd"}));
    EXPECT_EQ(ReadBytes(ics.filePath("counter.icd")), body);
    EXPECT_EQ(ReadBytes(ics.filePath("ADD.icd")), QByteArray("[Name]\r\nADD\r\n"));
    EXPECT_EQ(ImportICFile(Dir(), elsewhere.filePath("none.icd")).outcome, ImportOutcome::Missing);
}

TEST_F(ICFiles, ImportReportsAFailedCopyAndLeavesNoFile)
{
    const QString source = Outside("BIG.icd", QByteArray(4096, 'x'));
    ImportResult r;
    {
        FailingWrites full;
        r = ImportICFile(Dir(), source);
    }
    EXPECT_EQ(r.outcome, ImportOutcome::Failed);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_TRUE(Listing().isEmpty());
    EXPECT_EQ(ImportICFile(QString(), source).outcome, ImportOutcome::Failed);
}

TEST(WithNotes, ReplacesOnlyWhatFollowsTheNotesHeader)
{
    struct Case {
        const char* what;
        QByteArray file;
        QString notes;
        QByteArray expected;
    } cases[] = {
        {"old notes replaced", "[Name]\r\nA, \"b\"\r\n[Notizen]\r\nold\r\nolder\r\n", "new",
         "[Name]\r\nA, \"b\"\r\n[Notizen]\r\nnew\r\n"},
        {"several lines", "[Notizen]\r\nold\r\n", "one\ntwo", "[Notizen]\r\none\r\ntwo\r\n"},
        {"header without line end", "[IC]\r\n[Notizen]", "n", "[IC]\r\n[Notizen]\r\nn\r\n"},
        {"LF line ends kept before", "[Name]\nA\n[Notizen]\nold\n", "n", "[Name]\nA\n[Notizen]\nn\r\n"},
        {"no section appended", "[Name]\r\nA\r\n", "n", "[Name]\r\nA\r\n[Notizen]\r\nn\r\n"},
        {"no section, no last line end", "[Name]\r\nA", "n", "[Name]\r\nA\r\n[Notizen]\r\nn\r\n"},
        {"a header-like note is not the header", "[Notizen] \r\nx\r\n", "n",
         "[Notizen] \r\nx\r\n[Notizen]\r\nn\r\n"},
        {"Windows-1252 text", "[Notizen]\r\n", QStringLiteral("Maße"), "[Notizen]\r\nMa\xDF" "e\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithNotes(c.file, c.notes), c.expected) << c.what;
}

TEST_F(ICFiles, NotesRewriteReplacesTheFileWholeOrNotAtAll)
{
    const QString path = ics.filePath("ADD.icd");
    const QByteArray before = CrLfLines({"[Name]", "ADD", "[Notizen]", "old"});
    WriteBytes(path, before);
    QString reason;
    ASSERT_TRUE(RewriteNotes(path, "new", &reason)) << reason.toStdString();
    EXPECT_EQ(ReadBytes(path), CrLfLines({"[Name]", "ADD", "[Notizen]", "new"}));
    EXPECT_EQ(Listing(), QStringList{"ADD.icd"}); // no temporary copy left

    {
        FailingWrites full;
        EXPECT_FALSE(RewriteNotes(path, QString(5000, u'n'), &reason));
    }
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(ReadBytes(path), CrLfLines({"[Name]", "ADD", "[Notizen]", "new"}));
    EXPECT_FALSE(RewriteNotes(ics.filePath("none.icd"), "x", &reason));
    EXPECT_EQ(Listing(), QStringList{"ADD.icd"});
}

} // namespace
