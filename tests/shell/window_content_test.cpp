// What the windows show of their content as a user first meets them: the
// worksheet after a fit command, the IC manager at its first start, and the
// properties panel's texts.
#include <QAbstractItemView>
#include <QLabel>
#include <QScrollBar>

#include "ic/frmICAuswahl.h"
#include "ic/ic_list_view.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "window_rig.h"

namespace {

class WindowContent : public WindowRig {
protected:
    bool Shown(const char* bar) const { return Find<QScrollBar>(bar)->isVisible(); }
};

// The label shows its whole text inside its parent: on one line, or wrapped
// onto as many as it needs.
bool ShowsWholeText(const QLabel& l)
{
    const bool wide = l.wordWrap() || l.width() >= l.sizeHint().width();
    const bool high = l.height() >= (l.wordWrap() ? l.heightForWidth(l.width()) : l.sizeHint().height());
    return wide && high && l.parentWidget()->rect().contains(l.geometry());
}

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
        s.circuit.MaxX = static_cast<int16_t>(c.maxX);
        s.circuit.MaxY = static_cast<int16_t>(c.maxY);
        s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
        window.MenuItem(QStringLiteral("mZoom"), 1)->trigger(); // Fit to worksheet
        EXPECT_FALSE(Shown("HScroll"));
        EXPECT_FALSE(Shown("VScroll"));
        window.MenuItem(QStringLiteral("mZoom"), 2)->trigger(); // Fit to height
        EXPECT_FALSE(Shown("VScroll"));
        window.MenuItem(QStringLiteral("mZoom"), 3)->trigger(); // Fit to width
        EXPECT_FALSE(Shown("HScroll"));
        EXPECT_GT(s.GridMode, 0.6f);
        // The worksheet is drawn at the fitted zoom, and again at full size.
        EXPECT_EQ(window.picGrid()->surface().Image().width(), CInt((c.maxX + 1) * 14 * s.GridMode));
        window.MenuItem(QStringLiteral("mZoom"), 0)->trigger(); // Full size
        EXPECT_EQ(s.GridMode, 1.0f);
        EXPECT_EQ(window.picGrid()->surface().Image().width(), (c.maxX + 1) * 14);
    }
}

// At its first start the IC manager shows the chosen IC's path in its status
// bar and the status beside "Status:" in its panel, neither cut off.
TEST_F(WindowContent, TheICManagerFirstOpensWideEnoughForItsTexts)
{
    const QString ics = CopyTestICs(icDir.filePath(QStringLiteral("circuits of the lab/integrated circuits/")));
    s.Verzeichnisse[1] = ics;
    window.ShowICNames();
    window.Menu(QStringLiteral("mICAuswahl"))->trigger();
    auto* manager = window.findChild<frmICAuswahl*>();
    ASSERT_TRUE(manager && manager->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(manager));
    auto* list = static_cast<QAbstractItemView*>(manager->lvwICs->currentView());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(manager->lvwICs->Find(QStringLiteral("HALF")), 0)).center());
    QTest::qWait(20);

    auto* path = manager->findChild<QLabel*>(QStringLiteral("StatusText"));
    ASSERT_EQ(path->text(), ics + QStringLiteral("HALF.icd"));
    EXPECT_GE(path->width(), path->sizeHint().width());
    QLabel* status = manager->lblStatus;
    EXPECT_TRUE(manager->picICVorschau->contentsRect().contains(status->geometry()));
    EXPECT_TRUE(manager->picICVorschau->contentsRect().contains(manager->lblAllgemein->geometry()));
    for (const QString& text : {QStringLiteral("OK"), LoadResString(2121)})
        EXPECT_GE(status->width(), status->fontMetrics().horizontalAdvance(text)) << text.toStdString();
    EXPECT_GE(manager->lblAllgemein->width(), manager->lblAllgemein->sizeHint().width());
}

// Whatever tool the palette selects, the properties panel shows its texts
// whole ("High-level components:" was cut off).
TEST_F(WindowContent, ThePropertiesPanelShowsItsTextsWholeForEveryTool)
{
    auto* panel = Find<QWidget>("SSPanel2");
    ASSERT_NE(panel, nullptr);
    QToolBar* palette = window.Toolbar(QStringLiteral("Toolbar2"));
    int tools = 0;
    for (QAction* tool : palette->actions()) {
        QWidget* button = palette->widgetForAction(tool);
        if (!button || !button->isVisible() || !tool->isEnabled())
            continue;
        ++tools;
        QTest::mouseClick(button, Qt::LeftButton);
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty()) {
                EXPECT_TRUE(ShowsWholeText(*label))
                    << tool->objectName().toStdString() << ": " << label->text().toStdString();
            }
        }
    }
    EXPECT_GE(tools, 15);
}

} // namespace
