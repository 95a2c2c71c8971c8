#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "placement/frmUndoList.h"
#include "undo_fixture.h"

namespace {

// Reads the progress label whenever an undone step clears the selection.
class ProgressWindow : public FakeMainWindow {
public:
    QLabel* progress = nullptr;
    QStringList seen;
    void SelectNone() override
    {
        FakeMainWindow::SelectNone();
        if (progress)
            seen << progress->text();
    }
};

class UndoListDialog : public UndoFixture {
protected:
    UndoListDialog() { pw.Attach(s); }

    void Steps(int n)
    {
        for (int i = 1; i <= n; ++i) {
            u.NewUndo(i, 1, i, 1, QStringLiteral("Step %1").arg(i));
            s.circuit.P(i, 1).Type = ElementType::Conductor;
        }
    }
    void Open()
    {
        dlg = std::make_unique<frmUndoList>(c);
        dlg->show();
        list = dlg->findChild<QListWidget*>(QStringLiteral("lstUndo"));
        label = dlg->findChild<QLabel*>(QStringLiteral("lblUndo"));
        undoButton = dlg->findChild<QPushButton*>(QStringLiteral("cmdUndo"));
        close = dlg->findChild<QPushButton*>(QStringLiteral("cmdAbbruch"));
        pw.progress = dlg->findChild<QLabel*>(QStringLiteral("lblFertig"));
        ASSERT_TRUE(list && label && undoButton && close && pw.progress);
    }
    void ClickLine(int row)
    {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList Lines() const
    {
        QStringList v;
        for (int i = 0; i < list->count(); ++i)
            v << list->item(i)->text();
        return v;
    }
    std::vector<bool> Marked() const
    {
        std::vector<bool> v;
        for (int i = 0; i < list->count(); ++i)
            v.push_back(list->item(i)->isSelected());
        return v;
    }

    ProgressWindow pw;
    std::unique_ptr<frmUndoList> dlg;
    QListWidget* list = nullptr;
    QLabel* label = nullptr;
    QPushButton* undoButton = nullptr;
    QPushButton* close = nullptr;
};

TEST_F(UndoListDialog, ClickingTheThirdOfFiveLinesUndoesTheThreeNewestSteps)
{
    Steps(5);
    Open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Undo list"));
    EXPECT_EQ(Lines(), QStringList({QStringLiteral("Step 5 (5,1 - 5,1)"), QStringLiteral("Step 4 (4,1 - 4,1)"),
                                    QStringLiteral("Step 3 (3,1 - 3,1)"), QStringLiteral("Step 2 (2,1 - 2,1)"),
                                    QStringLiteral("Step 1 (1,1 - 1,1)")}));
    EXPECT_EQ(label->text(), QStringLiteral("Undo 0 steps:"));
    EXPECT_EQ(undoButton->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(undoButton->isEnabled());

    ClickLine(2);
    EXPECT_EQ(Marked(), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(label->text(), QStringLiteral("Undo 3 steps:"));
    QTest::mouseClick(undoButton, Qt::LeftButton);
    EXPECT_EQ(pw.seen, QStringList({QStringLiteral("33% done"), QStringLiteral("66% done"),
                                    QStringLiteral("100% done")}));
    EXPECT_EQ(s.circuit.P(3, 1).Type, 0);
    EXPECT_EQ(s.circuit.P(2, 1).Type, ElementType::Conductor);
    EXPECT_EQ(Lines(), QStringList({QStringLiteral("Step 2 (2,1 - 2,1)"), QStringLiteral("Step 1 (1,1 - 1,1)")}));
    EXPECT_EQ(label->text(), QStringLiteral("Undo 0 steps:"));
    EXPECT_FALSE(undoButton->isEnabled());
    EXPECT_TRUE(close->isEnabled());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->findChild<QFrame*>(QStringLiteral("picUndo"))->isVisible());
}

TEST_F(UndoListDialog, TheFirstLineUndoesOneStep)
{
    Steps(2);
    Open();
    ClickLine(0);
    EXPECT_EQ(label->text(), QStringLiteral("Undo 1 step"));
    EXPECT_EQ(Marked(), (std::vector<bool>{true, false}));
    QTest::mouseClick(undoButton, Qt::LeftButton);
    EXPECT_EQ(pw.seen, QStringList{QStringLiteral("100% done")});
    EXPECT_EQ(Lines().size(), 1);
}

TEST_F(UndoListDialog, UndoingEveryStepClosesTheDialog)
{
    Steps(4);
    Open();
    ClickLine(3);
    QTest::mouseClick(undoButton, Qt::LeftButton);
    EXPECT_EQ(pw.seen.size(), 4);
    EXPECT_EQ(pw.seen.first(), QStringLiteral("25% done"));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(s.circuit.P(x, 1).Type, 0);
}

TEST_F(UndoListDialog, AnEmptyHistoryGivesAnEmptyListThatClosesOnUndo)
{
    Open();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(undoButton->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(label->text(), QStringLiteral("Undo 1 step"));
    EXPECT_TRUE(undoButton->isEnabled());
    QTest::mouseClick(undoButton, Qt::LeftButton);
    EXPECT_TRUE(pw.seen.isEmpty());
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(UndoListDialog, CloseLeavesTheHistoryAlone)
{
    Steps(2);
    Open();
    ClickLine(1);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(u.UndoPointer(), 1);
}

} // namespace
