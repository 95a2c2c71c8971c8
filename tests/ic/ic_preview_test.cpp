// The IC preview's reader and drawing, and the manager window's geometry.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ic/ic_manager_geometry.h"
#include "ic/ic_preview.h"
#include "model/settings.h"
#include "platform/recording_surface.h"
#include "support/record_files.h"

namespace {

TEST(ICPreview, ReadsSizeConnectorsAndPlaces)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("MUX.icd");
    WriteBytes(path, CrLfLines({"[Name]", "MUX", "[Anschlüsse]", "2;0;A;", "[Maße]", "X5", "Y3",
                                "[Graphische Anschlüsse]", "0;1;", "5;2;", "[IC]", "X9;1;"}));
    const auto ic = LoadTmpGraphIC(path);
    ASSERT_TRUE(ic.has_value());
    EXPECT_EQ(ic->ICWidth, 5);
    EXPECT_EQ(ic->ICHeight, 3);
    EXPECT_EQ(ic->ICPins, QStringList{"2;0;A;0;"});
    EXPECT_EQ(ic->ICGraphicPins, (QStringList{"0;1;", "5;2;"}));
    EXPECT_FALSE(LoadTmpGraphIC(dir.filePath("none.icd")).has_value());
}

TEST(ICPreview, DrawsTheOutlineCentredAndOneStubPerSide)
{
    RecordingSurface surface;
    ICPreviewData ic;
    ic.ICWidth = 7;
    ic.ICHeight = 4;
    // left, right, top, bottom, a right corner, and one inside that draws nothing
    ic.ICGraphicPins = {"0;2;", "7;1;", "3;0;", "2;4;", "7;4;", "3;2;"};
    DrawICPreview(surface, ic);
    EXPECT_EQ(surface.Log(), (QStringList{
                                 "Cls back=0xFFFFFF",
                                 "Line 105,68-157.5,98 color=0 mode=Box fill=0xC0FFFF style=0 width=1",
                                 "Line 98,83-105,83 color=0 mode=Plain width=1",
                                 "Line 157,76-166,76 color=0 mode=Plain width=1",
                                 "Line 127,61-127,68 color=0 mode=Plain width=1",
                                 "Line 120,98-120,106 color=0 mode=Plain width=1",
                                 "Line 157,98-166,98 color=0 mode=Plain width=1",
                             }));

    // An outline larger than the field, and places far outside it, still draw.
    surface.ClearLog();
    ic.ICWidth = 32767;
    ic.ICGraphicPins = {"1e300;0;"};
    DrawICPreview(surface, ic);
    EXPECT_EQ(surface.Log().size(), 3);
}

TEST(ICPreview, ScaleShowsTheWholeFieldUnstretched)
{
    for (const QSize size : {QSize(129, 50), QSize(350, 220), QSize(40, 300), QSize(0, 0)}) {
        const QRectF r = PreviewScale(size.width(), size.height());
        EXPECT_LE(r.left(), 0.0);
        EXPECT_LE(r.top(), 0.0);
        EXPECT_GE(r.right(), kPreviewFieldWidth - 1e-9);
        EXPECT_GE(r.bottom(), kPreviewFieldHeight - 1e-9);
        EXPECT_NEAR(r.width() / r.height(), double(std::max(size.width(), 1)) / std::max(size.height(), 1), 1e-9);
        EXPECT_NEAR(r.center().x(), kPreviewFieldWidth / 2, 1e-9);
    }
}

TEST(ManagerGeometry, RestoredFrameLandsOnAScreen)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QSize designed(208, 257);
    struct Case {
        const char* what;
        ICManagerFields stored;
        QRect expected;
    } cases[] = {
        {"nothing stored", {0, 0, 0, 0, 0}, QRect(67, 67, 208, 257)},
        {"width only", {3000, 3000, 4500, 0, 0}, QRect(67, 67, 208, 257)},
        {"as stored", {1500, 3000, 4500, 6000, 0}, QRect(100, 200, 300, 400)},
        {"on the second screen", {30000, 150, 4500, 6000, 0}, QRect(2000, 10, 300, 400)},
        {"below every screen", {1500, 30000, 4500, 6000, 0}, QRect(67, 67, 300, 400)},
        {"above every screen", {1500, -3000, 4500, 6000, 0}, QRect(67, 67, 300, 400)},
        {"below the minimum", {1500, 3000, 150, 150, 0}, QRect(100, 200, 200, 224)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RestoreManagerFrame(c.stored, designed, screens), c.expected) << c.what;
    // No screen known: as stored.
    EXPECT_EQ(RestoreManagerFrame({-30000, 150, 4500, 6000, 0}, designed, {}), QRect(-2000, 10, 300, 400));
    // Larger than the screen: it fits at its top left.
    EXPECT_EQ(RestoreManagerFrame({-30000, 150, 30000, 30000, 0}, designed, {QRect(0, 0, 800, 600)}),
              QRect(0, 0, 800, 600));
}

TEST(ManagerGeometry, StoredTwipsClampInsteadOfWrapping)
{
    ICManagerFields f;
    StoreManagerFrame(f, QRect(2500, -2500, 3000, 120));
    EXPECT_EQ(f.WindowX, 32767);
    EXPECT_EQ(f.WindowY, -32768);
    EXPECT_EQ(f.WindowWidth, 32767);
    EXPECT_EQ(f.WindowHeight, 1800);
    EXPECT_EQ(ToStoredTwips(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ManagerGeometry, LayoutSharesTheClientArea)
{
    for (const QSize client : {QSize(208, 200), QSize(600, 500), QSize(200, 50)}) {
        const ManagerLayout l = LayoutManager(client, 0, 100);
        EXPECT_EQ(l.list.width(), client.width());
        EXPECT_GE(l.list.height(), 0);
        EXPECT_EQ(l.panel.top(), l.list.bottom() + 1);
        EXPECT_EQ(l.tree.top(), l.panel.top());
        EXPECT_EQ(l.panel.bottom(), client.height() - 1);
        EXPECT_EQ(l.tree.right(), client.width() - 1);
        EXPECT_GT(l.tree.left(), l.panel.right());
        EXPECT_EQ(l.panel.width(), static_cast<int>(client.width() / 2.5));
    }
    EXPECT_EQ(LayoutManager(QSize(600, 500), 0, 100).list.height(), static_cast<int>((500 - 83) * 0.9));
    EXPECT_EQ(LayoutManager(QSize(600, 500), 0, 100).notesColumnWidth, 600 - 100 - 60);
}

} // namespace
