// A term typed in the command line's formula mode becomes the circuit on
// the worksheet; a term it cannot draw leaves the circuit alone.
#include <QComboBox>
#include <QToolButton>

#include "placement/clsUndo.h"
#include "support/keystrokes.h"
#include "window_rig.h"

namespace {

class FormulaLine : public WindowRig {
protected:
    FormulaLine()
    {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }
    void Run(const QString& keys)
    {
        auto* line = Find<QComboBox>("cmbFormel");
        line->clearEditText();
        keystrokes::Type(line, keys);
        keystrokes::Press(line, Qt::Key_Return);
    }
    int Count(uint8_t type) const
    {
        int n = 0;
        for (int16_t e = 1; e <= s.ElementCount; ++e)
            n += s.Elements[static_cast<size_t>(e)].Type == type ? 1 : 0;
        return n;
    }
};

TEST_F(FormulaLine, TypedTermsAreDrawnWithTheirBlanksDroppedAndKeptAsTyped)
{
    ClickAction("Toolbar", "cmdPanel5");
    QTest::mouseClick(Find<QToolButton>("cmdFormel"), Qt::LeftButton);
    auto* cmbFormel = Find<QComboBox>("cmbFormel");

    Run(QStringLiteral("a 6 8b v c9"));
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'/').toStdString();
    EXPECT_EQ(Count(ElementType::Switch), 3);
    EXPECT_EQ(Count(ElementType::AND), 1);
    EXPECT_EQ(Count(ElementType::OR), 1);
    EXPECT_EQ(Count(ElementType::LED), 1);
    EXPECT_GE(cmbFormel->findText(QStringLiteral("A & (B v C)")), 0) << "the history keeps the text as typed";
    EXPECT_TRUE(window.objUndo().NoUndoData());
    EXPECT_EQ(s.FileSaved, kFalse);

    // An invalid term asks nothing about saving and keeps the circuit.
    const int16_t elements = s.ElementCount;
    Run(QStringLiteral("a66b"));
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("Invalid use of operators.")});
    EXPECT_EQ(s.ElementCount, elements);
    EXPECT_EQ(Count(ElementType::OR), 1);
}

} // namespace
