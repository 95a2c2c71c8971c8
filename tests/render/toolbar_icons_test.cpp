#include <gtest/gtest.h>

#include "render/toolbar_icons.h"

#include <QImage>
#include <QPixmap>

#include <vector>

namespace {

struct Bar {
    const char* name;
    std::vector<const char*> keys;
};

const std::vector<Bar>& Bars()
{
    static const std::vector<Bar> bars = {
        {"Toolbar", {"cmdNew", "cmdOpen", "cmdSave", "cmdPrint", "cmdCut", "cmdCopy", "cmdPaste", "cmdUndo",
                     "cmdUndoList", "cmdSynthese", "cmdTabelle", "cmdICView", "cmdICAuswahl", "cmdEinstellungen",
                     "cmdRaster", "cmdPanel0", "cmdPanel1", "cmdPanel2", "cmdPanel3", "cmdPanel4", "cmdPanel5",
                     "cmdQuickHelp"}},
        {"Toolbar2", {"cmdSelect", "cmdText", "cmdLeitungen", "cmdDiode", "cmdSchalter", "cmdInverter",
                      "cmdVerbindungspunkt", "cmdKoppeldiode", "cmdNegationspunkt", "cmdAnalysepunkt", "cmdUND",
                      "cmdODER", "cmdXODER", "cmdHA", "cmdVA", "cmdTriState", "cmdDecoder", "cmdDecoderT",
                      "cmdKomplex", "cmdIC"}},
        {"Toolbar3", {"cmdDauertakt", "cmdEinzeltakt", "cmdStop", "cmdFullStop"}},
        {"tlbOrientation", {"cmdRechts", "cmdLinks", "cmdOben", "cmdUnten"}},
        {"tlbZoom", {"cmdZoom100", "cmdZoomFull", "cmdZoomHeight", "cmdZoomWidth"}},
        {"tlbZoomInOut", {"cmdZoomIn", "cmdZoomOut"}},
        {"frmOptions", {"imgBauteil6", "imgBauteil7", "imgBauteil10", "imgBauteil11", "imgSynthese2",
                        "imgSynthese3", "imgSynthese6"}},
    };
    return bars;
}

QImage Picture(const char* bar, const char* key, int size)
{
    const QIcon icon = ToolbarIcon(QString::fromLatin1(bar), QString::fromLatin1(key));
    return icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

int DarkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += qAlpha(c) >= 128 && qGray(c) < 100;
        }
    return n;
}

int ClearPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) == 0;
    return n;
}

// Smallest rectangle holding every clearly drawn pixel.
QRect InkedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 64)
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

// Line art in ink on a clear ground that lets the toolbar show through, the
// large picture the small one at twice the size.
TEST(ToolbarIcon, EveryButtonHasTheSameVisiblePictureInBothSizes)
{
    for (const Bar& bar : Bars()) {
        for (const char* key : bar.keys) {
            SCOPED_TRACE(std::string(bar.name) + "/" + key);
            const QIcon icon = ToolbarIcon(QString::fromLatin1(bar.name), QString::fromLatin1(key));
            ASSERT_FALSE(icon.isNull());
            const QList<QSize> sizes = icon.availableSizes();
            EXPECT_TRUE(sizes.contains(QSize(24, 24)));
            EXPECT_TRUE(sizes.contains(QSize(48, 48)));
            std::vector<QRect> inked;
            for (int size : {24, 48}) {
                const QImage image = Picture(bar.name, key, size);
                ASSERT_EQ(image.size(), QSize(size, size));
                EXPECT_GE(DarkPixels(image), size / 3);
                EXPECT_GE(ClearPixels(image), size * size / 10);
                inked.push_back(InkedArea(image));
            }
            const QRect small = inked[0], large = inked[1];
            ASSERT_FALSE(small.isEmpty());
            EXPECT_NEAR(large.left(), 2 * small.left(), 2);
            EXPECT_NEAR(large.top(), 2 * small.top(), 2);
            EXPECT_NEAR(large.right(), 2 * small.right() + 1, 2);
            EXPECT_NEAR(large.bottom(), 2 * small.bottom() + 1, 2);
        }
    }
}

TEST(ToolbarIcon, NoTwoButtonsOfABarLookAlike)
{
    for (const Bar& bar : Bars()) {
        std::vector<QImage> images;
        for (const char* key : bar.keys)
            images.push_back(Picture(bar.name, key, 24));
        for (size_t i = 0; i < images.size(); ++i)
            for (size_t j = i + 1; j < images.size(); ++j)
                EXPECT_NE(images[i], images[j]) << bar.name << ": " << bar.keys[i] << " and " << bar.keys[j];
    }
}

TEST(ToolbarIcon, UnknownButtonsHaveNoPicture)
{
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("Toolbar"), QStringLiteral("cmdNothing")).isNull());
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("Nothing"), QStringLiteral("cmdNew")).isNull());
    EXPECT_TRUE(ToolbarIcon(QString(), QString()).isNull());
    // A key belongs to its own bar only.
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("Toolbar"), QStringLiteral("cmdUND")).isNull());
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("tlbZoom"), QStringLiteral("cmdZoomIn")).isNull());
    EXPECT_FALSE(ToolbarIcon(QStringLiteral("tlbZoomInOut"), QStringLiteral("cmdZoomIn")).isNull());
}
