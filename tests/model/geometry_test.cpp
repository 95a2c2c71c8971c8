#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "model/field_list.h"
#include "model/file_names.h"
#include "model/geometry.h"
#include "placement/element_bounds.h"
#include "model/pin_lists.h"
#include "model/state.h"
#include "model/status_texts.h"
#include "platform/numeric.h"

namespace {

TEST(GridPixel, ZoomOneAndHalf)
{
    ProgramState s;
    EXPECT_EQ(GridToPixel(s, 0), 7);
    EXPECT_EQ(GridToPixel(s, 3), 49);
    EXPECT_EQ(PixelToGrid(s, 7), 0);
    EXPECT_EQ(PixelToGrid(s, 49), 3);
    EXPECT_EQ(PixelToGrid(s, 0), 0);
    EXPECT_EQ(PixelToGrid(s, 20), 1);
    EXPECT_EQ(PixelToGrid(s, -30), 0);
    // Rounding halves to even makes the cells alternately 15 and 13 pixels wide.
    int16_t p = 0;
    for (int16_t cell = 0; cell < 6; ++cell) {
        int width = 0;
        for (; PixelToGrid(s, p) == cell; ++p)
            ++width;
        EXPECT_EQ(width, cell % 2 == 0 ? 15 : 13) << "cell " << cell;
    }
    s.GridMode = 0.5f;
    EXPECT_EQ(GridToPixel(s, 0), 4);
    EXPECT_EQ(GridToPixel(s, 1), 10);
}

TEST(GridPixel, LargeSheetsReachBeyondSixteenBitsAtHighZoom)
{
    ProgramState s;
    s.GridMode = 4.0f;
    EXPECT_EQ(GridToPixel(s, 999), 55972);
    EXPECT_EQ(GridToPixel(s, 585), 32788);
    // And back: the mouse reaches every cell of a 1000-cell sheet at any zoom.
    for (const float zoom : {1.0f, 2.4f, 4.0f}) {
        s.GridMode = zoom;
        for (int16_t cell : {0, 585, 999})
            EXPECT_EQ(PixelToGrid(s, GridToPixel(s, cell)), cell) << "zoom " << zoom;
    }
}

class GridFixture : public ::testing::Test {
protected:
    // Element n covers x0..x1, y0..y1; its first input pin is (px, py).
    void Place(int16_t n, int x0, int y0, int x1, int y1, int16_t px, int16_t py)
    {
        s.circuit.Elements.resize(std::max<size_t>(s.circuit.Elements.size(), static_cast<size_t>(n) + 1));
        ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
        e.Type = ElementType::AND;
        e.Orientation = Orientation::Right;
        e.InPinList = PinListText({{px, py}});
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                s.circuit.P(x, y).ElementNr = n;
    }
    ProgramState s;
};

TEST_F(GridFixture, ElementBounds)
{
    Place(1, 10, 5, 12, 8, 10, 6);
    EXPECT_EQ(GetElementLeft(s, 1), 10);
    EXPECT_EQ(GetElementRight(s, 1), 12);
    EXPECT_EQ(GetElementTop(s, 1), 5);
    EXPECT_EQ(GetElementBottom(s, 1), 8);
    // At the border: the spare column and row beyond MaxX/MaxY are not walked.
    Place(2, s.circuit.MaxX - 2, s.circuit.MaxY - 1, s.circuit.MaxX + 1, s.circuit.MaxY + 1, s.circuit.MaxX, s.circuit.MaxY);
    EXPECT_EQ(GetElementRight(s, 2), s.circuit.MaxX);
    EXPECT_EQ(GetElementBottom(s, 2), s.circuit.MaxY);
    Place(3, 0, 0, 3, 2, 2, 1);
    EXPECT_EQ(GetElementLeft(s, 3), 0);
    EXPECT_EQ(GetElementTop(s, 3), 0);
    s.CursorX = 17;
    s.CursorY = 4;
    EXPECT_EQ(GetElementRight(s, 0), 17);
    EXPECT_EQ(GetElementTop(s, 0), 4);
}

TEST_F(GridFixture, PinPositionAndConnections)
{
    Place(1, 10, 5, 12, 7, 10, 5);
    s.circuit.Elements[1].InPinList = QStringLiteral("X10Y5:X10Y7:");
    s.circuit.Elements[1].OutPinList = QStringLiteral("X12Y6:");
    EXPECT_TRUE(IsPinPosition(s, 10, 7));
    EXPECT_TRUE(IsPinPosition(s, 12, 6));
    EXPECT_FALSE(IsPinPosition(s, 11, 6));
    EXPECT_FALSE(IsPinPosition(s, 30, 20));

    GridCell& c = s.circuit.P(4, 4);
    c.ConLeft = c.ConUp = c.ConRight = c.ConDown = kTrue;
    EXPECT_EQ(CountConnections(s.circuit, s.engine, 4, 4), 4);
    s.engine.PowerFlag = kTrue;
    s.circuit.Levels[0].Width = s.circuit.Levels[0].Height = 10;
    s.circuit.Levels[0].Field.Redim(11, 11);
    s.circuit.Levels[0].Field(4, 4).ConUp = kTrue;
    EXPECT_EQ(CountConnections(s.circuit, s.engine, 4, 4), 1);
    EXPECT_EQ(CountConnections(s.circuit, s.engine, 11, 4), 0);
    EXPECT_EQ(CountConnections(s.circuit, s.engine, 4, 11), 0);
}

TEST_F(GridFixture, ClearFeldKeepsDefinitionConnector)
{
    GridCell& c = s.circuit.P(3, 3);
    c.Type = 1;
    c.ConRight = c.Marker = -1;
    c.ICConnector = 4;
    c.Value = kTrue;
    ClearFeld(s.circuit, 3, 3);
    GridCell expected;
    expected.ICConnector = 4;
    expected.Value = kTrue;
    EXPECT_EQ(c, expected);

    GridCell& pin = s.circuit.P(6, 6);
    pin.Type = 20;
    pin.ElementNr = 2;
    pin.ICConnector = 3;
    pin.ICLink = 1;
    ClearFeld(s.circuit, 6, 6);
    EXPECT_EQ(pin, GridCell{});
}

TEST_F(GridFixture, SelectionMarkerRectangles)
{
    Place(1, 10, 5, 12, 7, 10, 5); // AND, outputs right
    SelLabelRect r = PositionSelLabel(s, 1, 2);
    EXPECT_EQ(r.Left, 147);           // G(10)
    EXPECT_EQ(r.Top, 74);             // G(5) - 3.5, half to even
    EXPECT_DOUBLE_EQ(r.Width, 28.0);  // G(2) - 7
    EXPECT_DOUBLE_EQ(r.Height, 35.0); // G(2)
    ASSERT_EQ(s.SelLabelPos.size(), 3u);
    EXPECT_EQ(s.SelLabelPos[2].Top, 74);

    s.circuit.Elements[1].Type = ElementType::Multiplexer;
    s.circuit.Elements[1].Orientation = Orientation::Up;
    r = PositionSelLabel(s, 1, 0);
    EXPECT_EQ(r.Left, 142);
    EXPECT_DOUBLE_EQ(r.Width, 35.0);
    EXPECT_DOUBLE_EQ(r.Height, 28.0);

    s.circuit.Elements[1].Type = ElementType::Inverter;
    s.circuit.Elements[1].Orientation = Orientation::Left;
    r = PositionSelLabel(s, 1, 0);
    EXPECT_EQ(r.Top, 72);
    EXPECT_DOUBLE_EQ(r.Height, 21.0 - 14.0 / 1.5);
}

TEST(TextHelpers, FieldsAndNumbers)
{
    EXPECT_EQ(GetField(QStringLiteral("1;2;3;"), 3), QStringLiteral("3"));
    EXPECT_EQ(GetField(QStringLiteral("1;2;3"), 3), QString());
    EXPECT_EQ(GetField(QStringLiteral(";x;"), 1), QString());
    EXPECT_EQ(GetField(QStringLiteral(";x;"), 2), QStringLiteral("x"));
    EXPECT_EQ(GetField(QStringLiteral("a;b;"), 5), QString());
    EXPECT_EQ(NumToStr(2.5), QStringLiteral("2"));
    EXPECT_EQ(NumToStr(3.5), QStringLiteral("4"));
    EXPECT_EQ(NumToStr(-7.2), QStringLiteral("-7"));
}

TEST(TextHelpers, FilesAndNames)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.gtr"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_TRUE(DirExists(dir.path() + QStringLiteral("/")));
    EXPECT_FALSE(DirExists(file));
    EXPECT_EQ(GetFileName(QStringLiteral("/home/u/adder.gtr")), QStringLiteral("adder.gtr"));
    EXPECT_EQ(GetFileName(QStringLiteral("C:\\Gatrel\\ICs\\mux.icd")), QStringLiteral("mux.icd"));
    EXPECT_EQ(GetFileName(QStringLiteral("plain.gtr")), QStringLiteral("plain.gtr"));
}

TEST(TextHelpers, ErrorBoxTexts)
{
    const QString crlf = QStringLiteral("\r\n");
    EXPECT_EQ(ErrorBoxText(53), QStringLiteral("Error 53:") + crlf + QStringLiteral("File not found."));
    EXPECT_EQ(ErrorBoxText(101), QStringLiteral("Error # 101") + crlf + QStringLiteral("Could not open file."));
    EXPECT_EQ(ErrorBoxText(32757), QStringLiteral("Error # 32757") + crlf + QStringLiteral("Memory error."));
    EXPECT_EQ(ErrorBoxText(11), QStringLiteral("Error # 11") + crlf);
    EXPECT_FALSE(ErrorBoxText(10));
    EXPECT_FALSE(ErrorBoxText(-32768)); // explained, but below 11
}

} // namespace
