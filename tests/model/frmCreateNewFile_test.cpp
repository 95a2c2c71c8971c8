#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "placement/document/frmCreateNewFile.h"
#include "model/state.h"
#include "support/fake_main_window.h"

namespace {

class NewCircuitDialog : public ::testing::Test {
protected:
    void Open()
    {
        w.Attach(s);
        dlg = std::make_unique<frmCreateNewFile>(s);
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        width = dlg->findChild<QLineEdit*>(QStringLiteral("txtWidth"));
        height = dlg->findChild<QLineEdit*>(QStringLiteral("txtHeight"));
        create = dlg->findChild<QPushButton*>(QStringLiteral("cmdCreate"));
        ASSERT_TRUE(width && height && create);
    }
    // Only the indicator and the caption of an option take clicks.
    void Choose(int option)
    {
        auto* opt = dlg->findChild<QRadioButton*>(QStringLiteral("optSize%1").arg(option));
        ASSERT_TRUE(opt);
        QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(6, opt->height() / 2));
        ASSERT_TRUE(opt->isChecked());
    }
    void Type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    ProgramState s;
    FakeMainWindow w;
    std::unique_ptr<frmCreateNewFile> dlg;
    QLineEdit* width = nullptr;
    QLineEdit* height = nullptr;
    QPushButton* create = nullptr;
};

TEST_F(NewCircuitDialog, OpensOnMediumWithMainWindowDisabled)
{
    Open();
    EXPECT_FALSE(w.mainWindowEnabled);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Create new circuit"));
    EXPECT_EQ(create->text(), QStringLiteral("Creat&e"));
    EXPECT_EQ(dlg->SizeClass(), 2);
    EXPECT_EQ(width->text(), QStringLiteral("60"));
    EXPECT_EQ(height->text(), QStringLiteral("35"));
    EXPECT_FALSE(width->isEnabled());
    EXPECT_TRUE(create->hasFocus());
}

TEST_F(NewCircuitDialog, EachSizeClassCreatesItsWorksheet)
{
    const int expected[4][2] = {{40, 25}, {50, 30}, {70, 45}, {33, 21}};
    for (int option = 0; option < 4; ++option) {
        Open();
        Choose(option);
        if (option == 3) {
            Type(width, QStringLiteral("33"));
            Type(height, QStringLiteral("21"));
        }
        QTest::mouseClick(create, Qt::LeftButton);
        EXPECT_EQ(s.circuit.MaxX, expected[option][0]) << option;
        EXPECT_EQ(s.circuit.MaxY, expected[option][1]) << option;
        EXPECT_EQ(s.circuit.P.UBoundX(), s.circuit.MaxX + 1);
        EXPECT_TRUE(w.mainWindowEnabled);
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(w.caption, QStringLiteral("Unsaved circuit - Gatrel"));
    }
}

TEST_F(NewCircuitDialog, UserDefinedBoxRules)
{
    Open();
    Choose(3);
    ASSERT_TRUE(width->isEnabled());
    Type(width, QStringLiteral("150"));
    EXPECT_EQ(width->text(), QStringLiteral("100"));
    Type(height, QStringLiteral("85"));
    EXPECT_EQ(height->text(), QStringLiteral("70"));
    Type(width, QStringLiteral("5"));
    EXPECT_EQ(width->text(), QStringLiteral("5"));
    QTest::mouseClick(height, Qt::LeftButton);
    EXPECT_EQ(width->text(), QStringLiteral("10"));
}

TEST_F(NewCircuitDialog, CancelChangesNothing)
{
    Open();
    Choose(0);
    QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_EQ(s.circuit.MaxX, 50);
    EXPECT_TRUE(w.mainWindowEnabled);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(w.caption.isEmpty());
}

} // namespace
