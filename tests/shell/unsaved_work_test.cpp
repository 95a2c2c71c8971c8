// Every command that replaces the circuit asks first when it has changed.
#include <QComboBox>
#include <QListWidget>
#include <functional>

#include "placement/document/frmCreateNewFile.h"
#include "placement/frmUndoList.h"
#include "support/keystrokes.h"
#include "support/modal_driver.h"
#include "window_rig.h"

namespace {

const QString kSwitchAndLed = QStringLiteral(GATREL_TEST_DATA "/sim/switch_and_led.gtr");
const QString kComponents = QStringLiteral(GATREL_TEST_DATA "/components.gtr");

// How the circuit came to differ from its file: a press on the worksheet, or
// that press saved and then taken back.
struct Change {
    const char* name;
    std::function<void()> takeBack; // empty: the press is the change
};

class UnsavedWork : public WindowRig {
protected:
    // An AND gate placed with the mouse on the empty worksheet, then the
    // circuit made one never saved, so that Yes must ask for a name.
    void Edit(const Change& how)
    {
        ClickAction("Toolbar2", "cmdUND");
        ClickCell(10, 10);
        ASSERT_EQ(s.FileSaved, kFalse);
        if (how.takeBack) {
            dialogs.QueueSaveFile(settingsDir.filePath(QStringLiteral("placed.gtr")));
            window.Menu(QStringLiteral("mSaveAs"))->trigger();
            ASSERT_EQ(s.FileSaved, kTrue);
            const int placed = s.circuit.ElementCount();
            how.takeBack();
            ASSERT_EQ(s.circuit.ElementCount(), placed - 1) << "the gate is gone again";
        }
        s.CmDialog1.FileName.clear();
        s.objFile.FileName.clear();
        edited = s.circuit.ElementCount();
    }
    bool NewDialogOpen() const { return window.findChild<frmCreateNewFile*>() != nullptr; }

    int edited = 0;
    const Change changes[4] = {
        {"a press", {}},
        {"Edit > Undo", [this] { window.Menu(QStringLiteral("mUndo"))->trigger(); }},
        {"toolbar Undo", [this] { ClickAction("Toolbar", "cmdUndo"); }},
        {"a step in the undo list",
         [this] {
             WhenModal<frmUndoList>([](frmUndoList* d) {
                 auto* list = d->findChild<QListWidget*>(QStringLiteral("lstUndo"));
                 QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
                 QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("cmdUndo")), Qt::LeftButton);
             });
             window.Menu(QStringLiteral("mUndoList"))->trigger();
         }},
    };
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
    for (size_t ci = 0; ci < std::size(commands); ++ci) {
        const Command& c = commands[ci];
        for (size_t ai = 0; ai < std::size(answers); ++ai) {
            const Answer& a = answers[ai];
            // Each command and each answer meets every kind of change once.
            const Change& how = changes[(ci + ai) % std::size(changes)];
            SCOPED_TRACE(std::string(c.name) + " after " + how.name + ": " + a.what);
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
            Edit(how);
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

TEST_F(UnsavedWork, ExitAsksAfterAnUndo)
{
    Open(kSwitchAndLed);
    Edit(changes[1]);
    dialogs.QueueMessageAnswer(MessageResult::Cancel);
    window.Menu(QStringLiteral("mBeenden"))->trigger();
    ASSERT_FALSE(dialogs.Asked().empty());
    EXPECT_EQ(dialogs.Asked().back().buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(window.isVisible()) << "Cancel keeps the window";
    EXPECT_EQ(s.circuit.ElementCount(), edited);
}
