// The main window's redraw goes through the drawing object onto the worksheet picture.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include "model/ports/ic_view_port.h"
#include "model/state.h"
#include "platform/timers.h"
#include "platform/numeric.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"
#include "render/sheet_builder.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "support/scripted_user_dialogs.h"

namespace {

class MainWindowRedraw : public ::testing::Test {
protected:
    MainWindowRedraw()
    {
        sheet::NewSheet(s, 20, 10);
        sheet::Wire(s, 1, 1, 6, 1);
        sheet::LED(s, 7, 1, 0xFF0000);
        s.circuit.P(6, 1).ConRight = kTrue;
        s.circuit.P(7, 1).ConLeft = kTrue;
        label = sheet::Place(s, ElementType::TextLabel, Orientation::Right, {sheet::At(2, 5)}, {},
                             sheet::Cells(2, 5, 2, 5), QStringLiteral("Hello"));
        window = std::make_unique<frmGatrel>(s, dialogs, timers);
        window->show();
    }

    QRgb Pixel(int x, int y) const { return window->picGrid()->surface().Image().pixel(x, y) & 0xFFFFFF; }

    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    int16_t label = 0;
    std::unique_ptr<frmGatrel> window;
};

TEST_F(MainWindowRedraw, TheLoadedCircuitIsDrawnWhenTheWindowOpens)
{
    EXPECT_EQ(window->objGrafik().Device, &window->picGrid()->surface());
    const QImage& picture = window->picGrid()->surface().Image();
    EXPECT_EQ(picture.width(), 21 * 14);
    EXPECT_EQ(picture.height(), 11 * 14);
    EXPECT_EQ(Pixel(30, 21), 0x808080u) << "the conductor";
    EXPECT_EQ(Pixel(105, 21), 0xE0E0E0u) << "the unlit LED";
    EXPECT_EQ(Pixel(7, 7), 0x808080u) << "a grid dot";
    EXPECT_EQ(s.circuit.P(4, 5).Type, ElementType::TextLabel) << "the label claims the cells under its text";
    bool inked = false;
    for (int x = 35; x < 70; ++x)
        for (int y = 60; y < 90; ++y)
            inked = inked || Pixel(x, y) == 0;
    EXPECT_TRUE(inked) << "the label's text";
    EXPECT_FALSE(window->Menu(QStringLiteral("mDelete"))->isEnabled());
}

TEST_F(MainWindowRedraw, ZoomCommandsResizeAndRedrawThePicture)
{
    window->objGrafik().Zoom100();
    s.GridMode = 2.0f;
    window->RedrawAllElements();
    EXPECT_EQ(window->picGrid()->surface().Image().width(), 21 * 28);
    EXPECT_EQ(Pixel(42, 42), 0x808080u) << "the conductor at zoom 2";
    window->objGrafik().Zoom100();
    EXPECT_EQ(s.GridMode, 1.0f);
    EXPECT_EQ(window->picGrid()->surface().Image().width(), 21 * 14);

    window->resize(900, 700);
    QTest::qWait(0);
    window->objGrafik().ZoomWidth();
    const QSize inner = window->WorksheetContainerInnerSize();
    EXPECT_FLOAT_EQ(s.GridMode, std::max(0.6f, static_cast<float>(inner.width() - 1) / (24 * 14)));
    EXPECT_EQ(window->picGrid()->surface().Image().width(),
              static_cast<int>(RoundHalfEven(21 * 14 * static_cast<double>(s.GridMode))));
}

TEST_F(MainWindowRedraw, TheTimeOfAnAreaRedrawShowsInItsLabel)
{
    int16_t x1 = 0, y1 = 0, x2 = 3, y2 = 3;
    RedrawArea(s, window->objGrafik(), x1, y1, x2, y2, false);
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("lblTime"))->text().isEmpty());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("StatusBarPanel2"))->text(),
              QStringLiteral("Leitungen werden gezeichnet ..."));
}

TEST_F(MainWindowRedraw, ConnectorLabelsOfAnICBeingDefinedSitBesideTheirConductorEnds)
{
    sheet::Wire(s, 3, 8, 6, 8); // leaves (3, 8) to the right
    s.circuit.P(3, 8).ICConnector = 1;
    sheet::Wire(s, 10, 6, 10, 8); // leaves (10, 6) downwards
    s.circuit.P(10, 6).ICConnector = 2;
    s.ports.icView->AddICConnectorLabel(1, QStringLiteral("A"), QString());
    s.ports.icView->AddICConnectorLabel(2, QStringLiteral("Clock"), QString());
    window->RedrawAllElements();
    auto* a = window->findChild<QLabel*>(QString::fromUtf8("lblICAnschluß1"));
    auto* clock = window->findChild<QLabel*>(QString::fromUtf8("lblICAnschluß2"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->pos(), QPoint(49 - a->width() - 5, 119 - 6)) << "it ends five pixels left of the cell centre";
    EXPECT_EQ(clock->pos(), QPoint(static_cast<int>(RoundHalfEven(147 - clock->width() / 2.0)), 91 - 18))
        << "centred above the cell";
    EXPECT_EQ(Pixel(49, 119), 0x0000FFu) << "the connector mark";
}

} // namespace
