// A worksheet whose picture would be too large is kept only around the part in
// view: the memory stays bounded, what is kept has the pixels of the whole
// picture wherever the view moves, and Save as Bitmap still writes it whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include "placement/document/circuit_file.h"
#include "model/state.h"
#include "platform/timers.h"
#include "render/clsGrafik.h"
#include "render/sheet_builder.h"
#include "render/whole_sheet.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "support/scripted_user_dialogs.h"
#include "window_rig.h"

namespace {

// 220 x 220 cells: 3080 x 3080 pixels at zoom 1, beyond what is kept whole.
QString SaveLargeSheet(const QTemporaryDir& dir)
{
    ProgramState s;
    ScriptedUserDialogs dialogs;
    sheet::NewSheet(s, 219, 219);
    for (int ty = 0; ty + 20 <= 220; ty += 20) {
        for (int tx = 0; tx + 20 <= 220; tx += 20) {
            sheet::Gate(s, ElementType::AND, Orientation::Right, tx + 3, ty + 4, 3);
            sheet::Inverter(s, Orientation::Right, tx + 9, ty + 4);
            sheet::LED(s, tx + 15, ty + 4);
            sheet::Wire(s, tx + 5, ty + 4, tx + 9, ty + 4);
            sheet::Wire(s, tx + 10, ty + 4, tx + 15, ty + 4);
            sheet::Wire(s, tx + 12, ty + 4, tx + 12, ty + 17);
            sheet::Wire(s, tx + 1, ty + 17, tx + 18, ty + 17);
        }
    }
    s.objFile.FileName = dir.filePath(QStringLiteral("large.gtr"));
    EXPECT_TRUE(SaveFile(s, dialogs, true));
    return s.objFile.FileName;
}

class LargeWorksheet : public WindowRig {
protected:
    LargeWorksheet() : WindowRig(NotStarted{})
    {
        window.resize(1000, 700);
        window.show();
        const QString file = SaveLargeSheet(dir);
        EXPECT_EQ(LoadFile(s, dialogs, file), LoadResult::Loaded);
        window.RedrawAllElements();
    }

    // The whole picture as the full redraw would draw it.
    QImage Whole()
    {
        clsGrafik g(s, nullptr);
        return WholeSheetPicture(s, g);
    }

    void ExpectHeldAsWhole(const QImage& whole, const char* where)
    {
        PainterSurface& surface = window.picGrid()->surface();
        const QRect held = surface.HeldRect();
        EXPECT_TRUE(surface.Image() == whole.copy(held)) << where;
    }

    void SetUp() override {}

    QTemporaryDir dir;
};

TEST_F(LargeWorksheet, KeepsABoundedPartWithThePixelsOfTheWholePicture)
{
    WorksheetPicture* picture = window.picGrid();
    ASSERT_EQ(picture->width(), 220 * 14);
    EXPECT_FALSE(picture->HoldsWholePicture());
    const QRect held = picture->surface().HeldRect();
    EXPECT_LE(held.width(), WorksheetPicture::kHeldMaxSide);
    EXPECT_LE(held.height(), WorksheetPicture::kHeldMaxSide);
    EXPECT_LT(static_cast<qint64>(held.width()) * held.height(), WorksheetPicture::kWholePicturePixels);
    EXPECT_TRUE(held.contains(QRect(0, 0, 300, 200))) << "the part in view is kept";
    const QImage whole = Whole();
    ExpectHeldAsWhole(whole, "at the start");

    // The view moves far: the part now in view is drawn from the circuit.
    picture->move(-2200, -2300);
    picture->repaint();
    QApplication::processEvents();
    EXPECT_TRUE(picture->surface().HeldRect().contains(QRect(2200, 2300, 200, 200)));
    EXPECT_FALSE(picture->surface().HeldRect().contains(QRect(0, 0, 10, 10)));
    ExpectHeldAsWhole(whole, "after moving the view");

    // A zoom redraws the picture around the part in view.
    s.GridMode = 1.6f;
    window.RedrawAllElements();
    picture->repaint();
    QApplication::processEvents();
    ExpectHeldAsWhole(Whole(), "at zoom 1.6");
    EXPECT_LE(picture->surface().Image().width(), WorksheetPicture::kHeldMaxSide);
}

TEST_F(LargeWorksheet, SaveAsBitmapWritesTheWholePicture)
{
    const QString file = dir.filePath(QStringLiteral("sheet.bmp"));
    dialogs.QueueSaveFile(file);
    window.mSaveBitmap_Click();
    const QImage saved(file);
    ASSERT_FALSE(saved.isNull());
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == Whole().convertToFormat(QImage::Format_RGB32));
}

TEST(HeldPartFor, CoversTheViewWithAMarginWithinTheBound)
{
    const QSize whole(14000, 14000);
    struct Case {
        QRect visible;
        QRect held;
    } cases[] = {
        {QRect(0, 0, 1200, 800), QRect(0, 0, 1456, 1056)},
        {QRect(5000, 7000, 1200, 800), QRect(4744, 6744, 1712, 1312)},
        {QRect(13500, 13600, 1200, 800), QRect(13244, 13344, 756, 656)},
        {QRect(0, 0, 9000, 9000), QRect(0, 0, 4096, 4096)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WorksheetPicture::HeldPartFor(whole, c.visible), c.held)
            << c.visible.x() << "," << c.visible.y();
}

} // namespace
