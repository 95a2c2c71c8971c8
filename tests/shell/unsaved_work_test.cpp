// Every command that replaces the circuit asks first when it has changed.
#include <QComboBox>
#include <functional>

#include "placement/document/frmCreateNewFile.h"
#include "support/keystrokes.h"
#include "window_rig.h"

namespace {

const QString kSwitchAndLed = QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr");
const QString kComponents = QStringLiteral(GATREL_TEST_DATA "/components.gtr");

class UnsavedWork : public WindowRig {
protected:
    // An AND gate placed with the mouse on the empty worksheet.
    void Edit()
    {
        ClickAction("Toolbar2", "cmdUND");
        ClickCell(10, 10);
        ASSERT_EQ(s.FileSaved, kFalse);
        edited = s.circuit.ElementCount();
        ASSERT_GT(edited, 0);
    }
    bool NewDialogOpen() const { return window.findChild<frmCreateNewFile*>() != nullptr; }

    int edited = 0;
};

struct Command {
    const char* name;
    bool asksForAFile; // an open dialog follows the question
    std::function<void()> run;
    // Whether the command went on to replace (or offer to replace) the circuit.
    std::function<bool()> replaced;
};

} // namespace

TEST_F(UnsavedWork, EveryReplacingCommandAsksFirst)
{
    auto openedFile = [this] { return s.circuit.ElementCount() != edited; };
    const Command commands[] = {
        {"File > New", false, [this] { window.Menu(QStringLiteral("mNeu"))->trigger(); },
         [this] { return NewDialogOpen(); }},
        {"File > Open", true, [this] { window.Menu(QStringLiteral("mOpen"))->trigger(); }, openedFile},
        {"toolbar Open", true, [this] { ClickAction("Toolbar", "cmdOpen"); }, openedFile},
        {"recent file", false,
         [this] {
             s.LastFiles[0] = kComponents;
             window.MenuItem(QStringLiteral("mUsedFiles"), 0)->trigger();
         },
         openedFile},
        {"command line open", true,
         [this] {
             if (Find("cmbFormel")->isHidden())
                 ClickAction("Toolbar", "cmdPanel5");
             auto* line = Find<QComboBox>("cmbFormel");
             line->clearEditText();
             keystrokes::Type(line, QStringLiteral("open"));
             keystrokes::Press(line, Qt::Key_Return);
         },
         openedFile},
    };
    struct Answer {
        const char* what;
        MessageResult answer;
        bool named;   // the save dialog after Yes gets a name; else it is cancelled
        bool goesOn;
    };
    const QString saved = settingsDir.filePath(QStringLiteral("kept.gtr"));
    const QString copy = settingsDir.filePath(QStringLiteral("circuit.gtr"));
    ASSERT_TRUE(QFile::copy(kSwitchAndLed, copy));
    const Answer answers[] = {
        {"Cancel keeps everything", MessageResult::Cancel, false, false},
        {"a cancelled save cancels the command", MessageResult::Yes, false, false},
        {"No discards", MessageResult::No, false, true},
        {"Yes saves first", MessageResult::Yes, true, true},
    };
    for (const Command& c : commands) {
        for (const Answer& a : answers) {
            SCOPED_TRACE(std::string(c.name) + ": " + a.what);
            delete window.findChild<frmCreateNewFile*>();
            // Back to the circuit on file; a circuit without changes is replaced without a word.
            if (s.FileSaved == kFalse)
                dialogs.QueueMessageAnswer(MessageResult::No);
            const size_t before = dialogs.Asked().size();
            dialogs.QueueOpenFile(copy);
            window.Menu(QStringLiteral("mOpen"))->trigger();
            ASSERT_EQ(s.FileSaved, kTrue) << dialogs.MessageTexts().join(u'|').toStdString();
            if (before == 0) {
                ASSERT_EQ(dialogs.Asked().size(), 1u) << "only the open dialog";
            }
            // As if never saved: Yes must ask for a name.
            s.CmDialog1.FileName.clear();
            s.objFile.FileName.clear();
            Edit();
            QFile::remove(saved);
            const size_t asked = dialogs.Asked().size();

            dialogs.QueueMessageAnswer(a.answer);
            if (a.answer == MessageResult::Yes)
                dialogs.QueueSaveFile(a.named ? saved : QString());
            if (a.goesOn && c.asksForAFile)
                dialogs.QueueOpenFile(kComponents);
            c.run();

            ASSERT_GT(dialogs.Asked().size(), asked);
            EXPECT_EQ(dialogs.Asked()[asked].buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(c.replaced(), a.goesOn);
            if (!a.goesOn) {
                EXPECT_EQ(s.circuit.ElementCount(), edited) << "the edited circuit stays";
                EXPECT_EQ(s.FileSaved, kFalse);
            }
            EXPECT_EQ(QFile::exists(saved), a.named) << "saved exactly when Yes found a name";
            EXPECT_TRUE(dialogs.AllAnswersUsed());
        }
    }
}
