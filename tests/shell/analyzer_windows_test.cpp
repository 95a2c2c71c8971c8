// The logic analyzer's windows in the main window: rows follow the sensors,
// samples reach the value list and the traces, and closing a window keeps
// the View menu's check mark right.
#include <QImage>
#include <QLabel>
#include <QTreeWidget>

#include "placement/document/new_file.h"
#include "placement/clsUndo.h"
#include "placement/placement_frame.h"
#include "render/sheet_builder.h"
#include "simulation/analyzer_windows.h"
#include "window_rig.h"

namespace {

using namespace analyzer;

class AnalyzerWindow : public WindowRig {
protected:
    AnalyzerWindows& analyzer() { return window.logicAnalyzer(); }
    frmAnalyse2& graph() { return analyzer().graph(); }
    QAction* ViewItem() { return window.MenuItem(QStringLiteral("mAnsichtItem"), 2); }
    // Sensors on input lines from open ends at x = 1, in rows 3, 5, 7, ...
    void Sensors(int count)
    {
        for (int i = 0; i < count; ++i) {
            sheet::Wire(s, 1, 3 + 2 * i, 12, 3 + 2 * i);
            Sensor(SetAnalysepunkt, 4, 3 + 2 * i);
        }
    }
    void Sensor(void (*routine)(PlacementContext&), int x, int y)
    {
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        routine(window.placement());
    }
    QStringList Labels()
    {
        QStringList texts;
        for (int i = 0; i < graph().GraphCount(); ++i)
            texts << graph().lblGraph(i)->text();
        return texts;
    }
    QStringList Headers()
    {
        QStringList texts;
        QTreeWidget* list = analyzer().valueList()->lvwAnalyse();
        for (int j = 0; j < list->columnCount(); ++j)
            texts << list->headerItem()->text(j);
        return texts;
    }
    // Whether row `row`'s picture is white (a trace) at a point given in twips.
    bool Traced(int row, int xTwips, int yTwips)
    {
        const QImage image = graph().picGraph(row)->grab().toImage();
        const QRgb c = image.pixel(TwipsToPixels(xTwips), TwipsToPixels(yTwips)) & 0xffffff;
        EXPECT_TRUE(c == 0xffffff || c == 0x000080) << std::hex << c;
        return c == 0xffffff;
    }
};

TEST_F(AnalyzerWindow, RowsComeAndGoWithTheirSensors)
{
    const int oneRow = graph().height();
    Sensors(3);
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Headers(), (QStringList{"1", "2", "3"}));
    EXPECT_NEAR(graph().picGraph(2)->y() - graph().picGraph(1)->y(), 475 / 15.0, 1.0) << "375 high, 100 apart";
    EXPECT_TRUE(ViewItem()->isEnabled());

    Sensor(RemoveAnalysepunkt, 4, 5); // a lower channel: its row stays, its column goes
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Headers(), (QStringList{"1", "3"}));
    Sensor(RemoveAnalysepunkt, 4, 7); // the highest: its row goes
    EXPECT_EQ(Labels(), (QStringList{"1", "2"}));
    window.objUndo().Undo(window.placement()); // the sensor of channel 3 comes back
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));

    NewFile(s, false);
    EXPECT_EQ(Labels(), QStringList{"1"});
    EXPECT_EQ(graph().height(), oneRow);
    EXPECT_TRUE(Headers().isEmpty());
    window.AddAnalyserChannel(3); // as a file with channel 3 before the others loads it
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
}

TEST_F(AnalyzerWindow, SamplesReachListAndTraces)
{
    Sensors(2);
    ViewItem()->trigger();
    ASSERT_TRUE(graph().isVisible());
    PowerOn();
    ClickCell(1, 3);
    ClickCell(1, 5);
    ClickCell(1, 3);
    QTreeWidget* list = analyzer().valueList()->lvwAnalyse();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(0) + list->topLevelItem(1)->text(1), QStringLiteral("11"));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2)) << "the newest line is chosen";

    // Channel 1 ran High, High, Low; channel 2 Low, High, High.
    EXPECT_TRUE(Traced(0, 100, kHighY) && Traced(0, 300, kHighY) && Traced(0, 500, kLowY));
    EXPECT_TRUE(Traced(0, 400, 150)) << "the falling edge";
    EXPECT_FALSE(Traced(0, 100, kLowY) || Traced(0, 700, kLowY) || Traced(0, 700, kHighY));
    EXPECT_TRUE(Traced(1, 100, kLowY) && Traced(1, 500, kHighY));

    // Hidden and shown again from the menu, the graph shows the traces so far.
    ViewItem()->trigger();
    EXPECT_FALSE(graph().isVisible());
    ClickCell(1, 5);
    ViewItem()->trigger();
    EXPECT_TRUE(Traced(0, 100, kHighY) && Traced(1, 700, kLowY));

    // The clear button empties list and traces; a sample starts again at the left.
    QTest::mouseClick(analyzer().valueList()->cmdLoeschen(), Qt::LeftButton);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_FALSE(Traced(0, 100, kHighY));
    ClickCell(1, 5);
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_TRUE(Traced(1, 100, kHighY) && Traced(0, 100, kLowY));
}

TEST_F(AnalyzerWindow, CheckMarkGoesWhenNeitherWindowIsLeftOpen)
{
    Sensors(1);
    for (bool graphFirst : {true, false}) {
        ViewItem()->trigger();
        ASSERT_TRUE(ViewItem()->isChecked() && graph().isVisible() && analyzer().valueList()->isVisible());
        QWidget* list = analyzer().valueList();
        (graphFirst ? static_cast<QWidget*>(&graph()) : list)->close();
        EXPECT_TRUE(ViewItem()->isChecked()) << "the other window is still open";
        (graphFirst ? list : static_cast<QWidget*>(&graph()))->close();
        EXPECT_FALSE(ViewItem()->isChecked()) << graphFirst;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // With the list hidden, closing the graph takes the mark at once.
    ViewItem()->trigger();
    analyzer().valueList()->hide();
    graph().close();
    EXPECT_FALSE(graph().isVisible());
    EXPECT_FALSE(ViewItem()->isChecked());
}

} // namespace
