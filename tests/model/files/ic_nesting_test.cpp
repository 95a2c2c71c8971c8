#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/files/ic_nesting.h"
#include "support/record_files.h"

namespace {

class ICNesting : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    // An IC definition whose [IC] section lists the given lines.
    void IC(const QString& file, std::initializer_list<QString> icLines)
    {
        QString text = QStringLiteral("[Name]\r\n%1\r\n[Feld]\r\n4;4;\r\n[IC]\r\n").arg(file);
        for (const QString& l : icLines)
            text += l + QStringLiteral("\r\n");
        text += QStringLiteral("[Notizen]\r\nX1;\r\n");
        WriteBytes(dir.filePath(file + QStringLiteral(".icd")), text.toLatin1());
    }
    ICNestingResult Check(const QString& name) { return CheckICNesting(dir.path() + u'/', name); }
    QTemporaryDir dir;
};

TEST_F(ICNesting, EveryFileFound)
{
    IC("ADD4", {"FA;1;", "FA;2;"});
    IC("FA", {"HA;1;", "HA;2;"});
    IC("HA", {});
    const auto r = Check("ADD4");
    EXPECT_TRUE(r.ICNestingOK);
    EXPECT_TRUE(r.MissingICs.isEmpty());
    EXPECT_EQ(r.NestedCount, 6);

    const auto leaf = Check("HA");
    EXPECT_TRUE(leaf.ICNestingOK);
    EXPECT_EQ(leaf.NestedCount, 0);
}

TEST_F(ICNesting, MissingFilesAreListedAsMet)
{
    IC("ADD4", {"FA;1;", "FA;2;"});
    auto r = Check("ADD4");
    EXPECT_FALSE(r.ICNestingOK);
    EXPECT_EQ(r.MissingICs, (QStringList{"FA", "FA"}));
    EXPECT_EQ(r.NestedCount, 2);

    r = Check("NONE");
    EXPECT_FALSE(r.ICNestingOK);
    EXPECT_EQ(r.MissingICs, QStringList{"NONE"});

    // Names that would lead out of the IC directory are not looked up,
    // though the file they name exists.
    IC("outside", {});
    const QString inner = dir.path() + QStringLiteral("/ics/");
    WriteBytes(inner + QStringLiteral("EVIL.icd"),
               CrLfLines({"[IC]", "../outside;1;", "..\\outside;2;", ".;3;", "<Name>;4;", "..;5;"}));
    r = CheckICNesting(inner, QStringLiteral("EVIL"));
    EXPECT_FALSE(r.ICNestingOK);
    EXPECT_EQ(r.MissingICs, (QStringList{"../outside", "..\\outside", ".", "<Name>", ".."}));
}

TEST_F(ICNesting, AnICThatContainsItselfEnds)
{
    IC("SELF", {"SELF;1;"});
    auto r = Check("SELF");
    EXPECT_FALSE(r.ICNestingOK);
    ASSERT_EQ(r.Cycles.size(), 1);
    EXPECT_EQ(r.Cycles[0], (QStringList{"SELF", "SELF"}));

    IC("A", {"B;1;"});
    IC("B", {"C;1;", "OK;2;"});
    IC("C", {"a;1;"}); // the same file in another case
    IC("OK", {});
    r = Check("A");
    EXPECT_FALSE(r.ICNestingOK);
    ASSERT_EQ(r.Cycles.size(), 1);
    EXPECT_EQ(r.Cycles[0], (QStringList{"A", "B", "C", "a"}));
    EXPECT_TRUE(r.MissingICs.isEmpty());
}

TEST_F(ICNesting, ExponentialNestingStopsAtTheTableSize)
{
    // Each level holds the next one twice: 2^30 instances if walked in full.
    for (int i = 0; i < 30; ++i)
        IC(QStringLiteral("L%1").arg(i), {QStringLiteral("L%1;1;").arg(i + 1), QStringLiteral("L%1;2;").arg(i + 1)});
    IC("L30", {});
    QElapsedTimer t;
    t.start();
    const auto r = Check("L0");
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_FALSE(r.ICNestingOK);
    EXPECT_TRUE(r.TooManyICs);
    EXPECT_LE(r.NestedCount, 254);

    // 254 nested ICs and the IC itself still fit the 255 slots.
    IC("HA", {});
    QString text = QStringLiteral("[IC]\r\n");
    for (int i = 0; i < 254; ++i)
        text += QStringLiteral("HA;1;\r\n");
    WriteBytes(dir.filePath("BIG.icd"), text.toLatin1());
    EXPECT_TRUE(Check("BIG").ICNestingOK);
    WriteBytes(dir.filePath("BIG.icd"), (text + QStringLiteral("HA;1;\r\n")).toLatin1());
    EXPECT_TRUE(Check("BIG").TooManyICs);
}

TEST_F(ICNesting, NamesMayDifferInCaseFromTheFiles)
{
    WriteBytes(dir.filePath("Half.ICD"), QByteArray("[Feld]\r\n4;4;\r\n"));
    IC("TOP", {"HALF;1;", "half;2;"});
    const auto r = Check("top");
    EXPECT_TRUE(r.ICNestingOK);
    EXPECT_EQ(r.NestedCount, 2);
}

} // namespace
