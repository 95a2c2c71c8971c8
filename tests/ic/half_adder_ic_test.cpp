// End to end in the main window: a half-adder drawn from gates becomes an IC
// with named connectors on both sides of its outline, is saved, placed twice
// in a new circuit, wired and simulated over every input combination.
#include "ic_window_rig.h"

#include <QRadioButton>

#include "placement/document/frmCreateNewFile.h"

namespace {

class HalfAdderIC : public ICWindowRig {
protected:
    // XOR above AND, their inputs fed by A and B, four open conductor ends:
    // A and B on the left, S and C on the right. Returns the ends A, B, S, C.
    std::array<PinPos, 4> DrawHalfAdder()
    {
        Tool(ElementType::XOR);
        Click(12, 6);
        Tool(ElementType::AND);
        Click(12, 14);
        EXPECT_EQ(s.circuit.ElementCount(), 2);
        const auto xin = Inputs(1), ain = Inputs(2);
        const auto xout = Outputs(1), aout = Outputs(2);
        EXPECT_EQ(xin.size(), 2u);
        EXPECT_EQ(ain.size(), 2u);
        // A: to the XOR's upper input, and down a column to the AND's lower input.
        const int ax = 4, bx = 7;
        Wire(ax - 2, xin[0].Y, xin[0].X, xin[0].Y);
        Wire(ax, xin[0].Y, ax, ain[1].Y);
        Wire(ax, ain[1].Y, ain[1].X, ain[1].Y);
        // B: from its own end into the XOR's lower input and down to the AND's upper input.
        Wire(bx, xin[1].Y, xin[1].X, xin[1].Y);
        Wire(bx, xin[1].Y, bx, ain[0].Y);
        Wire(bx, ain[0].Y, ain[0].X, ain[0].Y);
        Wire(bx - 1, xin[1].Y + 2, bx, xin[1].Y + 2);
        // S and C leave to the right.
        Wire(xout[0].X, xout[0].Y, xout[0].X + 4, xout[0].Y);
        Wire(aout[0].X, aout[0].Y, aout[0].X + 4, aout[0].Y);
        return {PinPos{static_cast<int16_t>(ax - 2), xin[0].Y}, PinPos{static_cast<int16_t>(bx - 1), static_cast<int16_t>(xin[1].Y + 2)},
                PinPos{static_cast<int16_t>(xout[0].X + 4), xout[0].Y}, PinPos{static_cast<int16_t>(aout[0].X + 4), aout[0].Y}};
    }
};

TEST_F(HalfAdderIC, DefinedSavedPlacedTwiceWiredAndSimulated)
{
    const auto ends = DrawHalfAdder();
    window.Menu(QStringLiteral("mDefIC"))->trigger();
    ASSERT_EQ(s.ToolMode, ToolCode::ICDefinitionView);
    ASSERT_TRUE(IC().isVisible());

    // Naming the first end goes on to the others, column by column.
    s.settings.SucheNaechstenAnschluss = kTrue;
    for (const char* name : {"A", "B", "S", "C"})
        Expect(Name(QString::fromLatin1(name)));
    Click(ends[0].X, ends[0].Y);
    ASSERT_EQ(s.circuit.ICPinCount, 4);
    EXPECT_EQ(mostDialogsAtOnce, 1) << "each dialog opens after the one before has closed";
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(s.circuit.P(ends[static_cast<size_t>(k)].X, ends[static_cast<size_t>(k)].Y).ICConnector, k + 1);

    // A and B on the left side of the 7 by 4 outline, S and C on the right.
    DragOver(1, {100, 80});
    DragOver(2, {100, 96});
    DragOver(3, {180, 80});
    DragOver(4, {180, 96});
    EXPECT_EQ(s.circuit.ICGraphicPins.mid(1), QStringList({"0;1;A;", "0;3;B;", "7;1;S;", "7;3;C;"}));
    IC().txtName->setText(QStringLiteral("HA"));
    QTest::mouseClick(IC().cmdSpeichern, Qt::LeftButton);
    ASSERT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("IC created successfully.")});
    ASSERT_TRUE(QFile::exists(ICPath(QStringLiteral("HA"))));
    EXPECT_FALSE(s.ICViewOpen);
    EXPECT_FALSE(IC().isVisible());
    EXPECT_EQ(s.ToolMode, ToolCode::Conductor);

    // A new circuit with two instances: HA1 adds A and B, HA2 adds HA1's sum and Cin.
    if (s.FileSaved == 0)
        dialogs.QueueMessageAnswer(MessageResult::No);
    window.Menu(QStringLiteral("mNeu"))->trigger();
    auto* create = window.findChild<frmCreateNewFile*>();
    ASSERT_NE(create, nullptr);
    QTest::mouseClick(create->findChild<QPushButton*>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    ASSERT_EQ(s.circuit.ElementCount(), 0);
    s.circuit.ICName = QStringLiteral("HA");
    Tool(ElementType::IC);
    Click(12, 8);
    Click(30, 18);
    ASSERT_EQ(s.circuit.ElementCount(), 2);
    ASSERT_EQ(s.circuit.ICCount(), 2);
    // Connector k of instance `level`: its pin cell.
    const auto pin = [this](int level, int k) {
        for (int16_t x = 0; x <= s.circuit.MaxX; ++x)
            for (int16_t y = 0; y <= s.circuit.MaxY; ++y)
                if (s.circuit.P(x, y).ICLink == level && s.circuit.P(x, y).ICConnector == k)
                    return PinPos{x, y};
        ADD_FAILURE() << "no pin " << k << " on IC " << level;
        return PinPos{};
    };
    const PinPos a1 = pin(1, 1), b1 = pin(1, 2), s1 = pin(1, 3), c1 = pin(1, 4);
    const PinPos a2 = pin(2, 1), b2 = pin(2, 2), s2 = pin(2, 3), c2 = pin(2, 4);
    Wire(a1.X, a1.Y, a1.X - 6, a1.Y); // A
    Wire(b1.X, b1.Y, b1.X - 6, b1.Y); // B
    Wire(c1.X, c1.Y, c1.X + 3, c1.Y); // C1
    Wire(s1.X, s1.Y, s1.X + 6, s1.Y); // HA1's sum down into HA2's A
    Wire(s1.X + 6, s1.Y, s1.X + 6, a2.Y);
    Wire(s1.X + 6, a2.Y, a2.X, a2.Y);
    Wire(b2.X, b2.Y, b2.X - 8, b2.Y); // Cin
    Wire(s2.X, s2.Y, s2.X + 4, s2.Y); // S2
    Wire(c2.X, c2.Y, c2.X + 4, c2.Y); // C2

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOn")), Qt::LeftButton);
    ASSERT_EQ(s.engine.PowerFlag, kTrue);
    const auto high = [this](int x, int y) { return s.circuit.Levels[0].Field(x, y).Value != 0; };
    bool in[3] = {false, false, false};
    const PinPos inputs[3] = {{static_cast<int16_t>(a1.X - 6), a1.Y}, {static_cast<int16_t>(b1.X - 6), b1.Y},
                              {static_cast<int16_t>(b2.X - 8), b2.Y}};
    // Gray code: one input changes per step, and every combination comes once.
    const int order[8] = {0, 1, 3, 2, 6, 7, 5, 4};
    for (int code : order) {
        for (int i = 0; i < 3; ++i) {
            const bool want = (code >> i) & 1;
            if (in[i] != want) {
                Click(inputs[i].X, inputs[i].Y);
                in[i] = want;
            }
        }
        const bool a = in[0], b = in[1], cin = in[2];
        SCOPED_TRACE(testing::Message() << "A " << a << " B " << b << " Cin " << cin);
        ASSERT_EQ(high(inputs[0].X, inputs[0].Y), a);
        EXPECT_EQ(high(c1.X + 3, c1.Y), a && b) << "C1";
        EXPECT_EQ(high(s2.X + 4, s2.Y), (a != b) != cin) << "S2";
        EXPECT_EQ(high(c2.X + 4, c2.Y), (a != b) && cin) << "C2";
    }
}

} // namespace
