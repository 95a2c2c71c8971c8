#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include "placement/document/new_file.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/frmUndoList.h"
#include "platform/timers.h"
#include "shell/frmGatrel.h"
#include "support/scripted_user_dialogs.h"

namespace {

class UndoInTheWindow : public ::testing::Test {
protected:
    UndoInTheWindow() : window(s, dialogs, timers) {}

    QAction* Undo() const { return window.Menu(QStringLiteral("mUndo")); }
    QAction* UndoList() const { return window.Menu(QStringLiteral("mUndoList")); }
    QAction* Button(const char* key) const
    {
        return window.ToolbarButton(QStringLiteral("Toolbar"), QString::fromLatin1(key));
    }
    void Step(const QString& text, int x)
    {
        window.objUndo().NewUndo(x, 2, x, 2, text);
        s.circuit.P(x, 2).Type = ElementType::Conductor;
    }

    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window;
};

TEST_F(UndoInTheWindow, MenuAndButtonsFollowTheHistory)
{
    EXPECT_EQ(window.objUndo().Undos(), 10);
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_EQ(Undo()->text(), QStringLiteral("Undo"));
    Step(QStringLiteral("Place LED"), 3);
    Step(QStringLiteral("Place switch"), 4);
    EXPECT_TRUE(Undo()->isEnabled() && UndoList()->isEnabled());
    EXPECT_TRUE(Button("cmdUndo")->isEnabled() && Button("cmdUndoList")->isEnabled());
    EXPECT_EQ(Undo()->text(), QStringLiteral("Undo: Place switch"));

    Undo()->trigger();
    EXPECT_EQ(s.circuit.P(4, 2).Type, 0);
    EXPECT_EQ(Undo()->text(), QStringLiteral("Undo: Place LED"));
    Button("cmdUndo")->trigger();
    EXPECT_EQ(s.circuit.P(3, 2).Type, 0);
    EXPECT_FALSE(Undo()->isEnabled() || UndoList()->isEnabled());
    EXPECT_FALSE(Button("cmdUndo")->isEnabled() || Button("cmdUndoList")->isEnabled());
}

TEST_F(UndoInTheWindow, ANewCircuitEmptiesTheHistory)
{
    Step(QStringLiteral("Place LED"), 3);
    NewFile(s, true);
    EXPECT_TRUE(window.objUndo().NoUndoData());
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_FALSE(UndoList()->isEnabled());
}

TEST_F(UndoInTheWindow, TheListItemOpensTheDialogModally)
{
    Step(QStringLiteral("Place LED"), 3);
    Step(QStringLiteral("Place switch"), 4);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<frmUndoList*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        auto* list = dlg->findChild<QListWidget*>(QStringLiteral("lstUndo"));
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        dlg->reject();
    });
    UndoList()->trigger();
    EXPECT_EQ(shown, QStringList({QStringLiteral("Place switch (4,2 - 4,2)"), QStringLiteral("Place LED (3,2 - 3,2)")}));
}

} // namespace
