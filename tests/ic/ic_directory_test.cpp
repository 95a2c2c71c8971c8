// The IC directory as listed, the nesting tree and who uses an IC.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ic/ic_directory.h"
#include "ic/ic_nesting_tree.h"
#include "ic/ic_users.h"
#include "model/state.h"
#include "platform/string_table.h"
#include "support/record_files.h"

namespace {

class ICFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Dir() const { return dir.path() + u'/'; }
    // An IC definition with the given [IC] lines, an element for each, and notes lines.
    void IC(const QString& name, std::initializer_list<QString> ics, std::initializer_list<QString> notes = {},
            const QString& file = QString())
    {
        QStringList lines{"[Name]", name, "[Feld]", "4;4;", "[Elemente]"};
        for (size_t k = 1; k <= ics.size(); ++k)
            lines += QStringLiteral("20;2;X1Y1:;X1Y1:;0;%1;;").arg(k);
        lines += QStringLiteral("[IC]");
        lines += QStringList(ics);
        lines += QStringList{"[Tags]"};
        if (notes.size() > 0) {
            lines.append("[Notizen]");
            lines += QStringList(notes);
        }
        QString text;
        for (const QString& l : lines)
            text += l + QStringLiteral("\r\n");
        WriteBytes(dir.filePath(file.isEmpty() ? name + QStringLiteral(".icd") : file),
                   text.toLatin1() + OneConnectorLines());
    }
    // The tree as "key<parent:text" lines.
    static QStringList Shape(const NestingTree& t)
    {
        QStringList out;
        for (const NestingNode& n : t.nodes)
            out << n.key + u'<' + n.parentKey + u':' + n.text;
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(ICFolder, ListHoldsExactlyTheIcdFilesWithTheirLastNotesLine)
{
    IC("ADD", {}, {"Adder", "4 bit"});
    IC("MUX4", {}, {"first", ""});
    IC("BARE", {});
    IC("X", {}, {}, QStringLiteral("X.ICD"));
    WriteBytes(dir.filePath("readme.txt"), "text");
    WriteBytes(dir.filePath(".icd"), "[Notizen]\r\nnothing\r\n");

    QStringList shown;
    for (const ICListEntry& e : ReadICList(Dir()))
        shown << e.name + u'=' + e.notes;
    EXPECT_EQ(shown, (QStringList{"ADD=4 bit", "BARE=", "MUX4="}));
    EXPECT_TRUE(ReadICList(QString()).isEmpty());
    EXPECT_FALSE(LastNotesLine(dir.filePath("BARE.icd")).has_value());
    EXPECT_FALSE(LastNotesLine(dir.filePath("none.icd")).has_value());
}

TEST_F(ICFolder, TreeAddsEachLevelBeforeDescending)
{
    IC("ADD4", {"FA;1;", "FA;2;"}, {"four bits", "", "adds"});
    IC("FA", {"HA;1;", "HA;2;"}, {"not shown"});
    IC("HA", {});
    const NestingTree t = BuildNestingTree(Dir(), "ADD4");
    EXPECT_EQ(Shape(t), (QStringList{"main<:ADD4", "entry2<main:FA", "entry3<main:FA", "entry4<entry2:HA",
                                     "entry5<entry2:HA", "entry6<entry3:HA", "entry7<entry3:HA"}));
    EXPECT_TRUE(t.ICNestingOK);
    EXPECT_EQ(t.notes, QStringLiteral("adds"));

    const NestingTree leaf = BuildNestingTree(Dir(), "HA");
    EXPECT_EQ(Shape(leaf), QStringList{"main<:(" + LoadResString(2122) + u')'});
    EXPECT_TRUE(leaf.ICNestingOK);
    EXPECT_FALSE(leaf.notes.has_value());
}

TEST_F(ICFolder, MissingFilesAndUnsafeNamesMakeTheTreeFaulty)
{
    const QString group = LoadResString(2124);
    struct Case {
        const char* what;
        std::initializer_list<QString> ics;
        QStringList shape;
        QStringList missing;
    } cases[] = {
        {"one IC missing twice", {"FA;1;", "FA;2;"},
         {"main<:TOP", "entry2<main:(FA)", "entry3<main:(FA)", "Fehler<:" + group, "Fehler1<Fehler:FA"},
         {"FA", "FA"}},
        {"names leading out of the folder", {"../TOP;1;", "sub/HA;2;"},
         {"main<:TOP", "entry2<main:(../TOP)", "entry3<main:(sub/HA)", "Fehler<:" + group,
          "Fehler1<Fehler:../TOP", "Fehler2<Fehler:sub/HA"},
         {"../TOP", "sub/HA"}},
    };
    IC("HA", {});
    WriteBytes(dir.filePath("sub/HA.icd"), "[IC]\r\n");
    for (const Case& c : cases) {
        IC("TOP", c.ics);
        const NestingTree t = BuildNestingTree(Dir(), "TOP");
        EXPECT_EQ(Shape(t), c.shape) << c.what;
        EXPECT_EQ(t.MissingICs, c.missing) << c.what;
        EXPECT_FALSE(t.ICNestingOK) << c.what;
    }
    // The shown IC itself missing: the root is all there is.
    const NestingTree gone = BuildNestingTree(Dir(), "GONE");
    EXPECT_EQ(Shape(gone), (QStringList{"main<:(" + LoadResString(2122) + u')', "Fehler<:" + group,
                                        "Fehler1<Fehler:GONE"}));
}

TEST_F(ICFolder, AnICInsideItselfEndsTheWalkAndFails)
{
    IC("A", {"B;1;"});
    IC("B", {"a;1;", "C;2;"});
    IC("C", {});
    const NestingTree t = BuildNestingTree(Dir(), "A");
    EXPECT_FALSE(t.ICNestingOK);
    EXPECT_EQ(t.Cycles, QStringList{"a"});
    EXPECT_EQ(t.nodes.size(), 4);
    EXPECT_TRUE(t.MissingICs.isEmpty());
}

TEST_F(ICFolder, UsersAreFoundIgnoringCaseAndListedOnce)
{
    IC("ADD", {});
    IC("MUX", {"add;1;", "ADD;2;"});
    IC("ALU", {"MUX;1;"});
    IC("CNT", {"Add;1;"});
    const QStringList names{"ADD", "ALU", "CNT", "MUX"};
    EXPECT_EQ(ICUsers(Dir(), names, "ADD"), (QStringList{"CNT", "MUX"}));
    EXPECT_EQ(ICUsers(Dir(), names, "mux"), QStringList{"ALU"});
    EXPECT_TRUE(ICUsers(Dir(), names, "ALU").isEmpty());
}

// The first line, the users and the worksheet's use are checked by the IC
// manager's delete; here what it never reaches: the cut after ten users, the
// question without users.
TEST(DeleteQuestion, CutsTheListAfterTenUsersAndAsksPlainlyWithoutUsers)
{
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("U%1").arg(i);
    const QStringList lines = DeleteQuestion("ADD", twelve, false).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines.mid(10), (QStringList{"  - U10", "  ...", "", LoadResString(2118) + u'?'}));
    EXPECT_EQ(DeleteQuestion("ADD", {}, false), LoadResString(2119).replace("%1", "ADD"));
    EXPECT_TRUE(DeleteQuestion("ADD", {}, true).endsWith(LoadResString(2118) + u'?'));
}

TEST(CircuitUsesIC, FindsInstancesIgnoringCase)
{
    ProgramState s;
    EXPECT_FALSE(CircuitUsesIC(s.circuit, "HALF"));
    s.circuit.ICInstances.resize(3);
    s.circuit.ICInstances[1].Name = "FULL";
    s.circuit.ICInstances[2].Name = "half";
    s.circuit.Levels.resize(3);
    s.circuit.Levels[1].Name = s.circuit.Levels[2].Name = QStringLiteral("L");
    EXPECT_TRUE(CircuitUsesIC(s.circuit, "HALF"));
    EXPECT_TRUE(CircuitUsesIC(s.circuit, "full"));
    s.circuit.Levels[2].Name.clear(); // slot 2 no longer in use
    EXPECT_FALSE(CircuitUsesIC(s.circuit, "HALF"));
}

} // namespace
