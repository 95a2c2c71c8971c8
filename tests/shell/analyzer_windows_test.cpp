// The logic analyzer's windows in the main window: rows follow the sensors,
// samples reach the value list and the traces, and closing a window keeps
// the View menu's check mark right.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "model/new_file.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
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
    // Input lines from open ends at x = 1, in rows 3, 5, 7, ...
    void Lines(int count)
    {
        for (int i = 0; i < count; ++i)
            sheet::Wire(s, 1, 3 + 2 * i, 12, 3 + 2 * i);
    }
    void PlaceSensor(int x, int y)
    {
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        SetAnalysepunkt(window.placement());
    }
    void RemoveSensor(int x, int y)
    {
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        RemoveAnalysepunkt(window.placement());
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
    // The colour of row `row`'s picture at a point given in twips.
    QRgb TracePixel(int row, int xTwips, int yTwips)
    {
        const QImage image = graph().picGraph(row)->grab().toImage();
        return image.pixel(TwipsToPixels(xTwips), TwipsToPixels(yTwips)) & 0xffffff;
    }
};

TEST_F(AnalyzerWindow, RowsComeAndGoWithTheirSensors)
{
    Lines(3);
    EXPECT_EQ(graph().GraphCount(), 1);
    const int oneRow = graph().height();
    PlaceSensor(4, 3);
    PlaceSensor(4, 5);
    PlaceSensor(4, 7);
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Headers(), (QStringList{"1", "2", "3"}));
    EXPECT_NEAR(graph().picGraph(2)->y() - graph().picGraph(1)->y(), 475 / 15.0, 1.0) << "375 high, 100 apart";
    EXPECT_GT(graph().height(), oneRow);
    EXPECT_TRUE(ViewItem()->isEnabled());

    RemoveSensor(4, 5); // a lower channel: its row stays, its column goes
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Headers(), (QStringList{"1", "3"}));
    RemoveSensor(4, 7); // the highest: its row goes and the window shrinks
    EXPECT_EQ(Labels(), (QStringList{"1", "2"}));
    window.objUndo().Undo(window.placement()); // the sensor of channel 3 comes back
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Headers(), (QStringList{"1", "3"}));

    NewFile(s, false);
    EXPECT_EQ(Labels(), QStringList{"1"});
    EXPECT_EQ(graph().height(), oneRow);
    EXPECT_TRUE(Headers().isEmpty());
}

TEST_F(AnalyzerWindow, ALoadedChannelBringsTheRowsAboveIt)
{
    Lines(1);
    sheet::Sensor(s, 4, 3, QStringLiteral("3"));
    window.AddAnalyserChannel(3);
    EXPECT_EQ(Labels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Headers(), QStringList{"3"});
}

TEST_F(AnalyzerWindow, SamplesReachListAndTraces)
{
    Lines(2);
    PlaceSensor(4, 3);
    PlaceSensor(4, 5);
    ViewItem()->trigger();
    ASSERT_TRUE(graph().isVisible());
    PowerOn();
    ClickCell(1, 3);
    ClickCell(1, 5);
    ClickCell(1, 3);
    QTreeWidget* list = analyzer().valueList()->lvwAnalyse();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("1"));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("1"));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2)) << "the newest line is chosen";

    // Channel 1 ran High, High, Low: white on the lines it ran, dark blue beside them.
    const QRgb white = 0xffffff, blue = 0x000080;
    EXPECT_EQ(TracePixel(0, 100, kHighY), white);
    EXPECT_EQ(TracePixel(0, 300, kHighY), white);
    EXPECT_EQ(TracePixel(0, 400, 150), white) << "the falling edge";
    EXPECT_EQ(TracePixel(0, 500, kLowY), white);
    EXPECT_EQ(TracePixel(0, 100, kLowY), blue);
    EXPECT_EQ(TracePixel(0, 700, kLowY), blue) << "nothing beyond the last sample";
    EXPECT_EQ(TracePixel(1, 100, kLowY), white);

    // The clear button empties list and traces; a sample starts again at the left.
    QTest::mouseClick(analyzer().valueList()->cmdLoeschen(), Qt::LeftButton);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(TracePixel(0, 100, kHighY), blue);
    ClickCell(1, 5);
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(TracePixel(1, 100, kLowY), white);
    EXPECT_EQ(TracePixel(0, 100, kLowY), white);
}

// Which window closes first, and whether the View item keeps its check mark after each close.
struct CloseCase {
    const char* name;
    bool graphFirst;
    bool checkedAfterFirst;
};

TEST_F(AnalyzerWindow, CheckMarkFollowsTheWindowsThatStayOpen)
{
    Lines(1);
    PlaceSensor(4, 3);
    for (const CloseCase& c : {CloseCase{"graph first", true, true}, CloseCase{"list first", false, true}}) {
        ViewItem()->trigger();
        ASSERT_TRUE(ViewItem()->isChecked()) << c.name;
        ASSERT_TRUE(graph().isVisible() && analyzer().valueList()->isVisible()) << c.name;
        QWidget* first = c.graphFirst ? static_cast<QWidget*>(&graph()) : analyzer().valueList();
        first->close();
        EXPECT_EQ(ViewItem()->isChecked(), c.checkedAfterFirst) << c.name;
        QWidget* second = c.graphFirst ? static_cast<QWidget*>(analyzer().valueList()) : &graph();
        second->close();
        EXPECT_FALSE(ViewItem()->isChecked()) << c.name;
        EXPECT_FALSE(graph().isVisible()) << c.name;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // With the list hidden, closing the graph takes the mark at once.
    ViewItem()->trigger();
    analyzer().valueList()->hide();
    graph().close();
    EXPECT_FALSE(ViewItem()->isChecked());
}

TEST_F(AnalyzerWindow, ReopenedGraphShowsTheTracesSoFar)
{
    Lines(1);
    PlaceSensor(4, 3);
    ViewItem()->trigger();
    PowerOn();
    ClickCell(1, 3);
    ViewItem()->trigger(); // hidden from the menu
    EXPECT_FALSE(graph().isVisible());
    EXPECT_FALSE(ViewItem()->isChecked());
    ClickCell(1, 3);
    ViewItem()->trigger();
    EXPECT_TRUE(graph().isVisible());
    EXPECT_EQ(TracePixel(0, 100, kHighY), 0xffffffu);
    EXPECT_EQ(TracePixel(0, 300, kLowY), 0xffffffu);
}

} // namespace
