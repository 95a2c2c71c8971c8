// A handler of the window that fails is reported in a message box; the
// window, its circuit and the simulation go on.
#include "window_rig.h"


#include "platform/numeric.h"

namespace {

class HandlerErrors : public WindowRig {
protected:
    // Exactly one message since `before`, naming what went wrong.
    void ExpectOneReport(size_t before, const char* what)
    {
        ASSERT_EQ(dialogs.Asked().size(), before + 1) << dialogs.MessageTexts().join(u'|').toStdString();
        const auto& q = dialogs.Asked().back();
        EXPECT_EQ(q.title, QStringLiteral("Internal error"));
        EXPECT_EQ(q.icon, MessageIcon::Critical);
        EXPECT_TRUE(q.text.contains(QString::fromLatin1(what))) << q.text.toStdString();
    }
};

TEST_F(HandlerErrors, AFailingClickOnTheWorksheetIsReportedAndTheSimulationGoesOn)
{
    Open(QStringLiteral(GATREL_TEST_DATA "/sim/clock_and_led.gtr"));
    // What the loader now refuses, put straight into the model: a shift-register
    // cell naming a conductor's record whose third input is at (0, 0), so that the
    // register is drawn from there, and that cell names an element the table
    // does not hold.
    ElementRecord conductor;
    conductor.Type = ElementType::Conductor;
    conductor.Orientation = Orientation::Right;
    conductor.InPinList = QStringLiteral("::0:");
    conductor.OutPinList = QStringLiteral("9:X18Y11:");
    s.circuit.Elements.push_back(conductor);
    const int16_t n = s.circuit.ElementCount();
    s.circuit.P(11, 11).Type = ElementType::ShiftRegister;
    s.circuit.P(11, 11).ElementNr = n;
    s.circuit.P(0, 0).ElementNr = 999;
    PowerOn();
    const size_t before = dialogs.Asked().size();

    ClickCell(11, 11); // stage 1 of the second register, seven cells back from its output
    ExpectOneReport(before, "Subscript out of range");
    EXPECT_TRUE(dialogs.Asked().back().text.contains(QStringLiteral("worksheet")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(s.engine.PowerFlag, kTrue);

    // The window still answers: the power goes off, the circuit as it was.
    PowerOff();
    EXPECT_EQ(s.circuit.ElementCount(), n);
    EXPECT_EQ(s.circuit.Elements[1].Type, ElementType::ClockGenerator);
    EXPECT_EQ(dialogs.Asked().size(), before + 1);
}

TEST_F(HandlerErrors, AFailingPowerOnIsReportedAndCanBeRepeated)
{
    Open(QStringLiteral(GATREL_TEST_DATA "/sim/clock_and_led.gtr"));
    // Letting the window events run fails while the power comes on.
    WaitHooks& hooks = window.engineContext().waitHooks;
    const WaitHooks real = hooks;
    hooks.pumpEvents = [] { throw RuntimeError(kErrSubscript, "Subscript out of range"); };
    const size_t before = dialogs.Asked().size();
    QTest::mouseClick(Button("cmdOn"), Qt::LeftButton);
    ExpectOneReport(before, "Subscript out of range");
    EXPECT_TRUE(dialogs.Asked().back().text.contains(QStringLiteral("cmdOn")));
    EXPECT_TRUE(window.isVisible());

    // Switched off and mended, the circuit runs.
    QTest::mouseClick(Button("cmdOff"), Qt::LeftButton);
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    hooks = real;
    PowerOn();
    EXPECT_EQ(s.ToolMode, ToolCode::SimulationRunning);
    PowerOff();
    EXPECT_EQ(dialogs.Asked().size(), before + 1);
}

TEST_F(HandlerErrors, FailingMenuAndToolbarCommandsAreReported)
{
    dialogs.QueueFileDialogFailure("no file dialog");
    size_t before = dialogs.Asked().size();
    window.Menu(QStringLiteral("mOpen"))->trigger();
    ExpectOneReport(before, "no file dialog");
    EXPECT_TRUE(dialogs.Asked().back().text.contains(QStringLiteral("mOpen")));

    // A circuit never saved asks for its name.
    dialogs.QueueFileDialogFailure("no file dialog");
    before = dialogs.Asked().size();
    ClickAction("Toolbar", "cmdSave");
    ExpectOneReport(before, "no file dialog");
    EXPECT_TRUE(window.isVisible());
}

// A handler that fails at every mouse move shows its error once; once it
// runs through again, its next failure is shown again.
TEST_F(HandlerErrors, AHandlerFailingAtEveryMouseMoveIsReportedOnce)
{
    bool failing = true;
    QObject::connect(window.picGrid(), &WorksheetPicture::MouseMove, &window, [&failing] {
        if (failing)
            throw RuntimeError(kErrSubscript, "Subscript out of range");
    });
    auto moves = [this](int count) {
        for (int k = 0; k < count; ++k)
            SendMouse(window.picGrid(), QEvent::MouseMove, At(k % 2, 0), Qt::NoButton, Qt::NoButton);
    };
    const size_t before = dialogs.Asked().size();
    moves(5);
    ExpectOneReport(before, "Subscript out of range");
    EXPECT_TRUE(dialogs.Asked().back().text.contains(QStringLiteral("mouse moved")));
    failing = false;
    moves(1);
    failing = true;
    moves(3);
    ExpectOneReport(before + 1, "Subscript out of range");
}

} // namespace
