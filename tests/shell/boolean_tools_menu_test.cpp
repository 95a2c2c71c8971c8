// The Circuit menu and the toolbar open the Boolean tools window on the
// matching tab; the simplification switch reaches its "Simplify" box.
#include "window_rig.h"

#include "boolean/frmBoolean.h"
#include "placement/document/new_file.h"
#include "support/keystrokes.h"
#include "support/synthesised_led.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <map>

namespace {

using BooleanToolsMenu = WindowRig;

TEST_F(BooleanToolsMenu, MenusAndToolbarOpenTheirTab)
{
    struct Case {
        const char* menu;
        const char* toolbarKey; // "" when the toolbar has no button for it
        int tab;
        const char* title;
    };
    const Case cases[] = {
        {"mSynthese", "cmdSynthese", 0, "Circuit synthesis"},
        {"mBoolean", "cmdTabelle", 1, "Truth table"},
        {"mTermCreation", "", 2, "Term synthesis"},
    };
    for (const Case& c : cases) {
        for (const bool byToolbar : {false, true}) {
            if (byToolbar && !*c.toolbarKey)
                continue;
            SCOPED_TRACE(byToolbar ? c.toolbarKey : c.menu);
            if (byToolbar)
                ClickAction("Toolbar", c.toolbarKey);
            else
                window.Menu(QString::fromLatin1(c.menu))->trigger();
            auto* tools = window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
            ASSERT_NE(tools, nullptr);
            EXPECT_TRUE(tools->isVisible());
            EXPECT_EQ(tools->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), c.tab);
            EXPECT_EQ(tools->windowTitle(), QString::fromUtf8(c.title));
            tools->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed window is released
            EXPECT_EQ(window.findChild<QDialog*>(QStringLiteral("frmBoolean")), nullptr);
        }
    }
}

TEST_F(BooleanToolsMenu, TheSimplificationSwitchReachesTheWindow)
{
    // Nothing is loaded for it before the window is first opened.
    s.settings.FeatureEnable[3] = 0;
    window.ShowPanels();
    EXPECT_EQ(window.findChild<QDialog*>(QStringLiteral("frmBoolean")), nullptr);
    window.Menu(QStringLiteral("mSynthese"))->trigger();
    auto* tools = window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
    ASSERT_NE(tools, nullptr);
    auto* simplify = tools->findChild<QCheckBox*>(QStringLiteral("chkVereinfachen"));
    EXPECT_FALSE(simplify->isEnabled());
    for (const int16_t enable : {-1, 0}) {
        s.settings.FeatureEnable[3] = enable;
        window.ShowPanels();
        EXPECT_EQ(simplify->isEnabled(), enable != 0);
    }
}

} // namespace

namespace {

// Generate in the Boolean tools window, as a user types the term and clicks.
class GenerateOnTheWorksheet : public WindowRig {
protected:
    QDialog* Tools()
    {
        window.Menu(QStringLiteral("mSynthese"))->trigger();
        return window.findChild<QDialog*>(QStringLiteral("frmBoolean"));
    }
    template <class W>
    W* Control(const char* name)
    {
        return Tools()->findChild<W*>(QString::fromLatin1(name));
    }
    void Generate(const QString& term, bool simplify = false)
    {
        Control<QComboBox>("cmbFormel")->setEditText(term);
        Control<QCheckBox>("chkSave")->setChecked(true); // no overwrite question
        Control<QCheckBox>("chkVereinfachen")->setChecked(simplify);
        s.FileSaved = kTrue; // nor one about saving
        QTest::mouseClick(Control<QPushButton>("cmdErstellen"), Qt::LeftButton);
    }
    std::map<int, int> Kinds() const
    {
        std::map<int, int> kinds;
        for (int e = 1; e <= s.circuit.ElementCount(); ++e)
            ++kinds[s.circuit.Elements[static_cast<size_t>(e)].Type];
        return kinds;
    }
    // The circuit as its element records and grid size, and the picture shown.
    std::pair<QString, QImage> Sheet() const
    {
        QString circuit = QStringLiteral("%1x%2").arg(s.circuit.MaxX).arg(s.circuit.MaxY);
        for (int e = 1; e <= s.circuit.ElementCount(); ++e) {
            const ElementRecord& r = s.circuit.Elements[static_cast<size_t>(e)];
            circuit += QStringLiteral(" %1:%2%3").arg(r.Type).arg(r.InPinList, r.OutPinList);
        }
        return {circuit, window.picGrid()->grab().toImage()};
    }
};

// The term is checked (and minimised, with "Simplify") before anything is
// replaced; a refusal shows one message and leaves circuit and picture alone.
TEST_F(GenerateOnTheWorksheet, OnlyATermThatCanBeDrawnReplacesTheCircuit)
{
    struct Case {
        const char* term;
        bool simplify;
        const char* message; // "" for none
        int switches;        // of the new circuit; 0 when the old one stays
    };
    const Case cases[] = {
        {"A&&B", false, "Invalid use of operators.", 0},
        {"A&&B", true, "Invalid use of operators.", 0},
        // The typed term is incomplete, not a simplified one.
        {"A", true, "Incomplete term.", 0},
        {"A&<A>", true, "Term simplified to single symbol.", 0},
        {"Xv<<A&B>>", false, "", 3},
        {"A&BvA&<B>", true, "", 1}, // minimised to "(A)"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.term) + (c.simplify ? " simplified" : ""));
        Generate(QStringLiteral("XvY"));
        const auto before = Sheet();
        dialogs = ScriptedUserDialogs{};
        Generate(QString::fromLatin1(c.term), c.simplify);
        EXPECT_EQ(dialogs.MessageTexts(), *c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
        if (c.switches == 0) {
            EXPECT_EQ(Sheet().first, before.first);
            EXPECT_TRUE(Sheet().second == before.second) << "the picture shows the circuit in place";
        } else {
            EXPECT_EQ(Kinds()[ElementType::Switch], c.switches);
            EXPECT_EQ(Kinds()[ElementType::LED], 1);
        }
    }
    // "Calculate table" says what the typed term lacks, whatever Generate did before.
    dialogs = ScriptedUserDialogs{};
    Control<QComboBox>("cmbFormel")->setEditText(QStringLiteral("A"));
    QTest::mouseClick(Control<QPushButton>("cmdTabelle"), Qt::LeftButton);
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{QStringLiteral("Incomplete term.")});
}

// The program switches the power off for a new circuit even in quick help,
// which swallows only the user's clicks on the power buttons.
TEST_F(GenerateOnTheWorksheet, GenerateInQuickHelpSwitchesTheRunningCircuitOff)
{
    Generate(QStringLiteral("AvB"));
    ClickAction("Toolbar2", "cmdUND");
    PowerOn();
    ClickAction("Toolbar", "cmdQuickHelp");
    ASSERT_EQ(s.ToolMode, ToolCode::QuickHelp);
    dialogs = ScriptedUserDialogs{};
    Generate(QStringLiteral("A&B"));
    EXPECT_EQ(s.engine.PowerFlag, kFalse);
    EXPECT_TRUE(Button("cmdOff")->isChecked());
    EXPECT_EQ(Kinds()[ElementType::AND], 1);
    EXPECT_EQ(s.ToolMode, ToolCode::QuickHelp) << "quick help goes on";
    for (int k = 0; k < 3; ++k)
        SendMouse(window.picGrid(), QEvent::MouseMove, At(0, k % 2), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
    ClickAction("Toolbar", "cmdQuickHelp");
    EXPECT_EQ(s.ToolMode, ToolCode::AND) << "the editing tool comes back";
    EXPECT_TRUE(Action("Toolbar2", "cmdUND")->isChecked());
}

// Gates of five and more inputs, generated in each style the window offers
// and operated by their switches, light the LED exactly where the term is true.
TEST_F(GenerateOnTheWorksheet, WideGatesComputeTheirTermInEveryStyle)
{
    const char* const terms[] = {"A&A&<B>&A&<B&AvB&BvB>", "AvBvAvAv<AAvAvA>A", "A&(A&AvA&A)&A&<<A&AA&A>>",
                                 "AvAvBvAvA&<AvA>&A&A"};
    for (const char* typed : terms) {
        for (int style = 0; style <= 2; ++style) { // all gates, NAND only, NOR only
            SCOPED_TRACE(std::string(typed) + " style " + std::to_string(style));
            auto* styles = Control<QComboBox>("cmbBauteile");
            keystrokes::Press(styles, Qt::Key_Home);
            for (int k = 0; k < style; ++k)
                keystrokes::Press(styles, Qt::Key_Down);
            ASSERT_EQ(styles->currentIndex(), style);
            dialogs = ScriptedUserDialogs{};
            const QString term = QString::fromLatin1(typed);
            Generate(term);
            ASSERT_TRUE(dialogs.MessageTexts().isEmpty()) << dialogs.MessageTexts().join(u'|').toStdString();
            EXPECT_TRUE(style != 1 || Kinds()[ElementType::OR] == 0);
            EXPECT_TRUE(style != 2 || Kinds()[ElementType::AND] == 0);
            PowerOn();
            EXPECT_EQ(WrongLedCombinations(s, term, [&](int x, int y) { ClickCell(x, y); }), 0);
            PowerOff();
        }
    }
}

// Drawn on a worksheet of its own and put in place once done, the circuit
// is the one drawing in place makes.
TEST_F(GenerateOnTheWorksheet, TheCircuitDrawnAsideIsTheOneDrawnInPlace)
{
    const QString term = QStringLiteral("(A&B&C)v(<A>&D)v<B&<C>&<D>>");
    Generate(term);
    const Circuit generated = s.circuit;
    clsGroups inPlace = static_cast<frmBoolean*>(Tools())->Groups();
    inPlace.ProcessEvents = nullptr;
    inPlace.Progress = nullptr;
    inPlace.Placement = &window.placement();
    inPlace.Term = term;
    NewFile(s, true);
    inPlace.CreateGroups();
    EXPECT_GT(generated.ElementCount(), 5);
    EXPECT_TRUE(s.circuit.P == generated.P && s.circuit.Elements == generated.Elements && s.circuit.MaxX == generated.MaxX);
}

} // namespace
