#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "platform/user_dialogs.h"
#include "support/scripted_user_dialogs.h"

TEST(UserDialogs, FileFiltersInQtForm)
{
    EXPECT_EQ(ConvertFileFilter("*.GTR (Gatrel file)|*.gtr|*.* (All files)|*.*"),
              "*.GTR (Gatrel file) (*.gtr);;*.* (All files) (*.*)");
    EXPECT_EQ(ConvertFileFilter("*.BMP (Windows-Bitmap)|*.bmp"), "*.BMP (Windows-Bitmap) (*.bmp)");
    EXPECT_EQ(ConvertFileFilter("Pictures|*.bmp;*.jpg"), "Pictures (*.bmp *.jpg)");
    EXPECT_EQ(ConvertFileFilter("Anything"), "Anything (*)");
    EXPECT_EQ(ConvertFileFilter(""), "");
}

TEST(ScriptedUserDialogs, AnswersInOrderAndRecordsTheQuestions)
{
    ScriptedUserDialogs dialogs;
    dialogs.QueueMessageAnswer(MessageResult::No);
    dialogs.QueueText(QString("IC-Neu"));
    dialogs.QueueText(std::nullopt);
    dialogs.QueueOpenFile("/tmp/a.gtr");
    dialogs.QueueSaveFile("");

    EXPECT_EQ(dialogs.ShowMessage("File not found.", MessageButtons::OK, MessageIcon::Information,
                                  "I/O error"),
              MessageResult::OK);
    EXPECT_EQ(dialogs.ShowMessage("Overwrite?", MessageButtons::YesNo, MessageIcon::Question, "t"),
              MessageResult::No);
    EXPECT_EQ(dialogs.AskText("t", "Name:", "x"), QString("IC-Neu"));
    EXPECT_EQ(dialogs.AskText("t", "Name:", "x"), std::nullopt);
    EXPECT_EQ(dialogs.ChooseOpenFile({"Open file", "*.GTR (Gatrel file)|*.gtr", "/tmp", ""}), "/tmp/a.gtr");
    EXPECT_EQ(dialogs.ChooseSaveFile({"Save file as", "*.GTR (Gatrel file)|*.gtr", "/tmp", ""}), "");
    EXPECT_TRUE(dialogs.AllAnswersUsed());

    ASSERT_EQ(dialogs.Asked().size(), 6u);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList({"File not found.", "Overwrite?"}));
    EXPECT_EQ(dialogs.Asked()[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.Asked()[0].title, "I/O error");
    EXPECT_EQ(dialogs.Asked()[2].defaultText, "x");
    EXPECT_EQ(dialogs.Asked()[4].kind, ScriptedUserDialogs::Kind::OpenFile);
    EXPECT_EQ(dialogs.Asked()[4].file.filter, "*.GTR (Gatrel file)|*.gtr");
}

TEST(ScriptedUserDialogs, AnUnansweredQuestionFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUserDialogs dialogs;
            dialogs.ShowMessage("Sure?", MessageButtons::YesNoCancel, MessageIcon::Question, "t");
        },
        "unanswered message");
}
