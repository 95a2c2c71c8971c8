#include <gtest/gtest.h>

#include "model/state.h"
#include "placement/document/settings_store.h"
#include "support/fake_main_window.h"

namespace {

QString N(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(UsedFileCaption, ShortPathsShowWholeLongPathsTheirEnd)
{
    EXPECT_EQ(UsedFileCaption(0, N("C:\\Circuits\\adder.gtr")), N("&1 C:\\Circuits\\adder"));
    EXPECT_EQ(UsedFileCaption(0, N("C:\\a.gtr")), N("&1 C:\\a"));
    EXPECT_EQ(UsedFileCaption(3, N("/x.gtr")), N("&4 /x"));
    EXPECT_EQ(UsedFileCaption(1, QString()), QString());

    const QString p28 = N("/home/user/circuits/ab12.gtr");
    ASSERT_EQ(p28.size(), 28);
    EXPECT_EQ(UsedFileCaption(0, p28), N("&1 /home/user/circuits/ab12"));

    const QString p29 = N("/home/user/circuits/abc12.gtr");
    ASSERT_EQ(p29.size(), 29);
    EXPECT_EQ(UsedFileCaption(0, p29), N("&1 ../home/user/circuits/abc12")); // last 25 of the stem

    const QString longPath = N("/a/very/long/folder/name/with/many/parts/circuit.gtr");
    EXPECT_EQ(UsedFileCaption(2, longPath), N("&3 ..") + longPath.chopped(4).right(25));

    // Too short to carry an extension: shown whole rather than failing.
    EXPECT_EQ(UsedFileCaption(0, N("ab")), N("&1 ab"));
    EXPECT_EQ(UsedFileCaption(0, N(".gtr")), N("&1 "));
}

TEST(RefreshUsedFilesMenu, EmptyEntriesKeepTheirCaptionAndSeparatorIsNeverHidden)
{
    ProgramState s;
    FakeMainWindow win;
    win.Attach(s);
    s.UsedFileCaptions[2] = N("&3 /old");
    win.usedFilesSeparatorVisible = true;
    s.LastFiles = {};
    RefreshUsedFilesMenu(s);
    EXPECT_FALSE(win.calls.contains(N("ShowUsedFilesSeparator")));
    EXPECT_TRUE(win.usedFilesSeparatorVisible);
    EXPECT_EQ(win.usedFileCaptions[2], N("&3 /old"));
    EXPECT_EQ(win.usedFileVisible, (std::array<bool, 4>{false, false, true, false}));

    win.usedFilesSeparatorVisible = false;
    s.LastFiles = {QString(), N("/b.gtr"), QString(), QString()};
    RefreshUsedFilesMenu(s);
    EXPECT_TRUE(win.usedFilesSeparatorVisible);
    EXPECT_EQ(win.usedFileCaptions[1], N("&2 /b"));
    EXPECT_EQ(win.usedFileVisible, (std::array<bool, 4>{false, true, true, false}));
}

TEST(AddToRecentFiles, NewPathsGoFirstKnownPathsStay)
{
    ProgramState s;
    FakeMainWindow win;
    win.Attach(s);
    s.LastFiles = {N("/1.gtr"), N("/2.gtr"), N("/3.gtr"), N("/4.gtr")};

    AddToRecentFiles(s, N("/new.gtr"));
    EXPECT_EQ(s.LastFiles, (std::array<QString, 4>{N("/new.gtr"), N("/1.gtr"), N("/2.gtr"), N("/3.gtr")}));
    EXPECT_EQ(win.usedFileCaptions[0], N("&1 /new"));
    EXPECT_EQ(win.usedFileCaptions[3], N("&4 /3"));

    AddToRecentFiles(s, N("/2.gtr"));
    EXPECT_EQ(s.LastFiles[2], N("/2.gtr"));
    EXPECT_EQ(s.LastFiles[0], N("/new.gtr"));

    // The comparison is exact: another spelling is another file.
    AddToRecentFiles(s, N("/NEW.gtr"));
    EXPECT_EQ(s.LastFiles, (std::array<QString, 4>{N("/NEW.gtr"), N("/new.gtr"), N("/1.gtr"), N("/2.gtr")}));
}

TEST(AddToRecentFiles, FillsAnEmptyListFromTheFrontAlsoHeadless)
{
    ProgramState s; // no window: only the list changes
    s.LastFiles = {};
    AddToRecentFiles(s, N("/a.gtr"));
    AddToRecentFiles(s, N("/b.gtr"));
    EXPECT_EQ(s.LastFiles, (std::array<QString, 4>{N("/b.gtr"), N("/a.gtr"), QString(), QString()}));
    AddToRecentFiles(s, QString());
    EXPECT_EQ(s.LastFiles[0], N("/b.gtr"));
}

TEST(PositiveIntString, WholePositivePartElseZero)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(PositiveIntString(N("12.7"), c), N("12"));
    EXPECT_EQ(PositiveIntString(N("0.9"), c), N("0"));
    EXPECT_EQ(PositiveIntString(N("-3"), c), N("0"));
    EXPECT_EQ(PositiveIntString(QString(), c), N("0"));
    EXPECT_EQ(PositiveIntString(N("abc"), c), N("0"));
    EXPECT_EQ(PositiveIntString(N("12abc"), c), N("0")); // not a number as a whole
    EXPECT_EQ(PositiveIntString(N("1000"), c), N("1000"));
    EXPECT_EQ(PositiveIntString(N(" 7 "), c), N("7"));
    EXPECT_EQ(PositiveIntString(N("1e3"), c), N("1000"));
    EXPECT_EQ(PositiveIntString(N("inf"), c), N("0"));
    EXPECT_EQ(PositiveIntString(N("nan"), c), N("0"));
    EXPECT_EQ(PositiveIntString(N("12,7"), QLocale(QLocale::German, QLocale::Germany)), N("12"));
}
