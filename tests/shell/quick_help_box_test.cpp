#include <gtest/gtest.h>

#include "shell/quick_help_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QTest>

#include <cmath>

namespace {

// The box on a shown window of 1000 x 700 pixels.
struct Fixture {
    QWidget window;
    QuickHelpBox* box;
    Fixture() : box(new QuickHelpBox(&window))
    {
        window.resize(1000, 700);
        window.show();
    }
};

int Px(double twips)
{
    return static_cast<int>(std::lround(twips / 15));
}

QuickHelpGeometry WindowOf(const QWidget& w)
{
    QuickHelpGeometry g;
    g.toolbarLeft = 0;
    g.toolbarTop = 0;
    g.toolbarHeight = 450;
    g.windowWidth = w.width() * 15;
    g.windowHeight = w.height() * 15;
    return g;
}

} // namespace

TEST(QuickHelpBox, StartsHiddenWithItsLabels)
{
    Fixture f;
    EXPECT_EQ(f.box->objectName(), QStringLiteral("picQuickHelp"));
    EXPECT_FALSE(f.box->isVisible());
    EXPECT_EQ(f.box->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(f.box->lblHeadline()->objectName(), QStringLiteral("lblHeadline"));
    EXPECT_EQ(f.box->lblQText()->objectName(), QStringLiteral("lblQText"));
    EXPECT_EQ(f.box->lblHeadline()->pos(), QPoint(8, 8));
    EXPECT_EQ(f.box->lblQText()->pos(), QPoint(8, 32));
    EXPECT_TRUE(f.box->lblHeadline()->font().bold());
    EXPECT_FALSE(f.box->lblQText()->font().bold());
}

TEST(QuickHelpBox, SizedToItsCaptions)
{
    Fixture f;
    QLabel* head = f.box->lblHeadline();
    QLabel* text = f.box->lblQText();

    // Headline longer than the text: the width follows the headline.
    f.box->SetCaptions(QStringLiteral("A rather long headline for a short text"), QStringLiteral("x"));
    ASSERT_GT(head->width(), text->width());
    EXPECT_EQ(f.box->width(), Px((8 + head->width()) * 15 + 170));
    EXPECT_EQ(f.box->height(), Px((32 + text->height()) * 15 + 100));

    // A longer text of two lines widens and heightens the box.
    const int oneLine = text->height();
    const QString line(head->text().size() * 3, QLatin1Char('m'));
    f.box->SetCaptions(QStringLiteral("H"), line + QStringLiteral("\r\n") + line);
    EXPECT_GT(text->width(), head->width());
    EXPECT_GT(text->height(), oneLine);
    EXPECT_FALSE(text->text().contains(QLatin1Char('\r')));
    EXPECT_EQ(f.box->width(), Px((8 + text->width()) * 15 + 170));
    EXPECT_EQ(f.box->height(), Px((32 + text->height()) * 15 + 100));
}

TEST(QuickHelpBox, ClickOnBoxOrLabelHidesIt)
{
    for (int target = 0; target < 3; ++target) {
        Fixture f;
        f.box->SetCaptions(QStringLiteral("Headline"), QStringLiteral("Body text"));
        f.box->ShowAt(QPoint(100, 100));
        ASSERT_TRUE(f.box->isVisible());
        QWidget* w = target == 0 ? static_cast<QWidget*>(f.box)
                   : target == 1 ? static_cast<QWidget*>(f.box->lblHeadline())
                                 : static_cast<QWidget*>(f.box->lblQText());
        // A corner of the box away from both labels.
        const QPoint at = target == 0 ? QPoint(2, f.box->height() - 3) : QPoint(2, 2);
        QTest::mouseClick(w, Qt::RightButton, {}, at);
        EXPECT_TRUE(f.box->isVisible()) << target << ": only the left button clicks";
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
        EXPECT_FALSE(f.box->isVisible()) << target;
    }
}

TEST(QuickHelpBox, LosingTheFocusHidesIt)
{
    Fixture f;
    f.box->ShowAt(QPoint(10, 10));
    QFocusEvent toOtherProgram(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(f.box, &toOtherProgram);
    EXPECT_TRUE(f.box->isVisible());
    QFocusEvent toOtherControl(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(f.box, &toOtherControl);
    EXPECT_FALSE(f.box->isVisible());
}

TEST(QuickHelpBox, PlaceFillsPlacesAndShows)
{
    Fixture f;
    QuickHelpGeometry g = WindowOf(f.window);
    g.buttonLeft = 3000;
    const QuickHelpText t = QuickHelpFor(QStringLiteral("cmdSave"));
    f.box->PlaceQuickHelp(t.headline, t.body, QStringLiteral("cmdSave"), 0, g);
    EXPECT_TRUE(f.box->isVisible());
    EXPECT_EQ(f.box->lblHeadline()->text(), t.headline);
    EXPECT_EQ(f.box->pos(), QPoint(200, 30));

    // An unknown key shows the default text where the box stood.
    const QuickHelpText d = QuickHelpFor(QStringLiteral("picPanel3"));
    f.box->PlaceQuickHelp(d.headline, d.body, QStringLiteral("picPanel3"), 0, g);
    EXPECT_TRUE(f.box->isVisible());
    EXPECT_EQ(f.box->lblHeadline()->text(), d.headline);
    EXPECT_EQ(f.box->pos(), QPoint(200, 30));

    // A button near the right edge: the box, at its new size, ends 200 twips inside.
    g.buttonLeft = 14500;
    f.box->PlaceQuickHelp(t.headline, t.body, QStringLiteral("cmdSave"), 0, g);
    EXPECT_EQ(f.box->x() + f.box->width(), 1000 - Px(200));
    EXPECT_EQ(f.box->y(), 30);
}
