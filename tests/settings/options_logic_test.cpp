#include "options_fixture.h"

#include <QFile>

#include "placement/document/permissions.h"
#include "platform/string_table.h"
#include "support/record_files.h"

namespace {

TEST(OptionsText, NumberBoxesClampOnLeaving)
{
    struct Case {
        const char* text;
        const char* stop;  // the steps box after leaving it
        const char* undos; // the undo box after leaving it
    };
    const Case cases[] = {
        {"100", "250", "99"},   {"6000", "5000", "99"}, {"300", "300", "99"},  {"250", "250", "99"},
        {"5000", "5000", "99"}, {"0", "250", "1"},      {"", "250", "1"},      {"abc", "250", "1"},
        {"50", "250", "50"},    {"1", "250", "1"},      {"-3", "250", "-3"},   {"12x", "250", "12x"},
        {"4000 steps", "4000 steps", "99"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClampStopText(QString::fromLatin1(c.text)), QString::fromLatin1(c.stop)) << c.text;
        EXPECT_EQ(ClampUndosText(QString::fromLatin1(c.text)), QString::fromLatin1(c.undos)) << c.text;
    }
}

TEST(OptionsText, TrailingSeparatorsGoButTheRootStays)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/Circuits/", "/home/u/Circuits"}, {"/home/u//", "/home/u"}, {"/", "/"},
        {"//", "/"}, {"", ""}, {"/home/u", "/home/u"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(RemoveBackslash(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    EXPECT_EQ(ResetDirectoryText(QStringLiteral("/home/u/Documents/")), QStringLiteral("/home/u/Documents/Gatrel"));
}

TEST_F(OptionsFixture, OkAppliesGeneralOptionsAndReadsUnclampedBoxesByTheirNumber)
{
    struct Case {
        const char* stop;
        const char* undos;
        int16_t autoStop;
        int16_t undoSteps;
    };
    const Case cases[] = {
        {"abc", "", 250, 1},   {"", "abc", 250, 1},      {"100", "0", 250, 1},  {"6000", "150", 5000, 99},
        {"1e9", "1e9", 5000, 99}, {"777", "25", 777, 25}, {"999.6", "7.5", 1000, 8}, {"-20", "-4", 250, 1},
    };
    for (const Case& c : cases) {
        OptionsForm f = Loaded();
        f.stopText = QString::fromLatin1(c.stop);
        f.undosText = QString::fromLatin1(c.undos);
        f.scroll = !f.scroll;
        f.saveICs = !f.saveICs;
        f.splash = !f.splash;
        const int16_t scroll = VbBool(f.scroll), save = VbBool(f.saveICs), splash = VbBool(f.splash);
        ASSERT_TRUE(Apply(f));
        EXPECT_EQ(s.AutoStop, c.autoStop) << c.stop;
        EXPECT_EQ(u.Undos(), c.undoSteps) << c.undos;
        EXPECT_EQ(s.Scroll, scroll);
        EXPECT_EQ(s.SaveICsWithFile, save);
        EXPECT_EQ(s.settings.DisplaySplash, splash);
    }
}

TEST_F(OptionsFixture, TheUndoHistoryKeepsItsPlaceWhenTheNumberStays)
{
    for (int x = 1; x <= 3; ++x)
        u.NewUndo(x, 1, x, 1, QStringLiteral("Step %1").arg(x));
    u.Undo(c);
    const int16_t pointer = u.UndoPointer();
    ASSERT_NE(pointer, 1);

    OptionsForm f = Loaded();
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(u.UndoPointer(), pointer);

    f.undosText = QString::number(u.Undos() + 1);
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(u.Undos(), f.undosText.toInt());
    EXPECT_EQ(u.UndoPointer(), 1);
}

TEST_F(OptionsFixture, DirectoriesAreCreatedOrKeptWithTheirOldValue)
{
    // A plain file where a folder would have to be made.
    WriteBytes(Path(QStringLiteral("file")), QByteArray());

    OptionsForm f = Loaded();
    f.directories = {Path(QStringLiteral("new/circuits")), Path(QStringLiteral("file/ics")), QString()};
    const auto before = s.Verzeichnisse;
    ASSERT_TRUE(Apply(f));
    EXPECT_TRUE(QDir(Path(QStringLiteral("new/circuits"))).exists());
    EXPECT_EQ(s.Verzeichnisse[0], Path(QStringLiteral("new/circuits/")));
    EXPECT_EQ(s.Verzeichnisse[1], before[1]);
    EXPECT_EQ(s.Verzeichnisse[2], before[2]) << "an empty box keeps the directory";
    EXPECT_EQ(dialogs.MessageTexts(), QStringList({LoadResString(3638), LoadResString(3638)}));
    EXPECT_EQ(s.objFile.FilePath, s.Verzeichnisse[0]);
    EXPECT_EQ(icManager.refreshed, 0);
    EXPECT_EQ(switchesApplied, 1);
}

TEST_F(OptionsFixture, OnlyAnotherICDirectoryRefreshesTheICManager)
{
    const QString upper = Path(QStringLiteral("DIR1"));
    struct Case {
        QString typed;
        int refreshes;
    };
    const Case cases[] = {
        {RemoveBackslash(s.Verzeichnisse[1]), 0}, // the same one without its separator
        {s.Verzeichnisse[1], 0},
        {upper, 1},                               // letter case makes another directory here
        {upper + u'/', 1},
        {Path(QStringLiteral("dir1")), 2},
    };
    for (const Case& c : cases) {
        OptionsForm f = Loaded();
        f.directories[1] = c.typed;
        ASSERT_TRUE(Apply(f));
        EXPECT_EQ(icManager.refreshed, c.refreshes) << c.typed.toStdString();
        EXPECT_TRUE(s.Verzeichnisse[1].endsWith(u'/'));
    }
    EXPECT_TRUE(QDir(upper).exists());
    EXPECT_GE(w.calls.count(QStringLiteral("RefreshICFileLists")), 5) << "lstIC follows every OK";
}

TEST_F(OptionsFixture, SwitchesAndPasswordSurviveARestart)
{
    OptionsForm f = Loaded();
    f.elements.fill(true);
    f.features.fill(true);
    f.elements[1] = false;
    f.elements[13] = false;
    f.features[6] = false;
    s.settings.OptionsPassword = QStringLiteral("Se cret");
    ASSERT_TRUE(Apply(f));

    ProgramState restarted;
    restarted.settings.registryFiles = s.settings.registryFiles;
    restarted.settings.RegRoot = s.settings.RegRoot;
    ASSERT_EQ(LoadPermissions(restarted.settings), PermissionsStatus::Loaded);
    EXPECT_EQ(restarted.settings.ElementEnable, s.settings.ElementEnable);
    EXPECT_EQ(restarted.settings.FeatureEnable, s.settings.FeatureEnable);
    EXPECT_EQ(restarted.settings.ElementEnable[1], 0);
    EXPECT_EQ(restarted.settings.FeatureEnable[6], 0);
    EXPECT_EQ(restarted.settings.OptionsPassword, QStringLiteral("Se cret"));
}

TEST_F(OptionsFixture, AFailedPermissionsWriteIsReported)
{
    // A folder where the settings file should be.
    const QString file = s.settings.registryFiles.userFile;
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_FALSE(Apply(Loaded()));
    ASSERT_EQ(dialogs.MessageTexts().size(), 1);
    EXPECT_TRUE(dialogs.MessageTexts().front().contains(file)) << dialogs.MessageTexts().front().toStdString();
    EXPECT_TRUE(dialogs.MessageTexts().front().startsWith(QStringLiteral("The permissions could not be saved")));
}

} // namespace
