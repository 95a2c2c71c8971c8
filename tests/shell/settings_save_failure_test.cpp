#include "window_rig.h"

namespace {

TEST_F(WindowRig, SettingsThatCannotBeSavedOnCloseAreReportedOnce)
{
    // A folder where the settings file should be.
    const QString file = s.settings.registryFiles.userFile;
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    s.FileSaved = kTrue;
    const qsizetype before = dialogs.MessageTexts().size();
    EXPECT_TRUE(window.Form_QueryUnload()) << "the window still closes";
    ASSERT_EQ(dialogs.MessageTexts().size(), before + 1);
    EXPECT_TRUE(dialogs.MessageTexts().back().contains(file)) << dialogs.MessageTexts().back().toStdString();
}

} // namespace
