// What the windows show of their content as a user first meets them: the
// worksheet after a fit command, the IC manager at its first start, and the
// properties panel's texts.
#include <QLabel>
#include <QScrollBar>

#include "window_rig.h"

namespace {

class WindowContent : public WindowRig {
protected:
    bool Shown(const char* bar) const { return Find<QScrollBar>(bar)->isVisible(); }
};

// A fitted worksheet is seen whole: the layout wants no scroll bar on the
// fitted axis, whatever the shapes of the window and the worksheet.
TEST_F(WindowContent, FitCommandsLeaveNoScrollBarOnTheFittedAxes)
{
    struct Case {
        int width, height, maxX, maxY;
    } const cases[] = {{1100, 900, 50, 30}, {800, 1000, 50, 30}, {1300, 650, 30, 50}, {1100, 900, 60, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", sheet " << c.maxX << " x " << c.maxY);
        window.resize(c.width, c.height);
        QTest::qWait(0);
        s.MaxX = static_cast<int16_t>(c.maxX);
        s.MaxY = static_cast<int16_t>(c.maxY);
        s.P.Redim(s.MaxX + 1, s.MaxY + 1);
        window.MenuItem(QStringLiteral("mZoom"), 1)->trigger(); // Fit to worksheet
        EXPECT_FALSE(Shown("HScroll"));
        EXPECT_FALSE(Shown("VScroll"));
        window.MenuItem(QStringLiteral("mZoom"), 2)->trigger(); // Fit to height
        EXPECT_FALSE(Shown("VScroll"));
        window.MenuItem(QStringLiteral("mZoom"), 3)->trigger(); // Fit to width
        EXPECT_FALSE(Shown("HScroll"));
        EXPECT_GT(s.GridMode, 0.6f);
    }
}

} // namespace
