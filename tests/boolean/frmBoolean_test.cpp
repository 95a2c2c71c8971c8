// The Boolean tools window driven like a user: tabs and feature switches,
// the term box's keys, truth-table clicks, Generate with a recording
// synthesis, and the cancel and refusal rules while commands run.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "boolean/frmBoolean.h"
#include "placement/document/file_commands.h"
#include "placement/document/new_file.h"
#include "model/records.h"
#include "model/state.h"
#include "platform/string_table.h"
#include "support/fake_main_window.h"
#include "support/keystrokes.h"
#include "support/scripted_user_dialogs.h"

namespace {

constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kGrey = 0xC0C0C0;

class BooleanWindow : public ::testing::Test {
protected:
    BooleanWindow()
    {
        w.Attach(s);
        s.circuit.MaxX = 30;
        s.circuit.MaxY = 20;
        InitArbeitsfeld(s);
    }

    frmBoolean& Open(int tab = 0)
    {
        win = std::make_unique<frmBoolean>(s.settings, s.ToolMode, dialogs);
        win->MayReplaceCircuit = [this] { return ConfirmReplace(s, dialogs); };
        win->CreateGroups = [this](clsGroups& g) {
            synthesised << g.Term;
            layout = {g.StartX, g.StartY, g.AbstandVariablen, g.AbstandSchaltungY,
                      g.AbstandSchaltungX, g.AbstandBreite, g.AbstandHoehe};
            if (duringSynthesis)
                duringSynthesis();
        };
        win->WriteSettings = [this] { ++settingsWritten; };
        win->ShowTab(tab);
        return *win;
    }
    template <class W>
    W* Find(const QString& name) const
    {
        W* found = win->findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QComboBox* Formula() const { return Find<QComboBox>(QStringLiteral("cmbFormel")); }
    void Type(const QString& keys) { keystrokes::Type(Formula(), keys); }
    void Click(const QString& name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    // A check box is clicked on its box, wherever the layout stretched it.
    void Check(const QString& name) { Find<QAbstractButton>(name)->click(); }
    QString Cell(const QString& name) const { return Find<QLabel>(name)->text(); }

    ProgramState s;
    FakeMainWindow w;
    ScriptedUserDialogs dialogs;
    std::unique_ptr<frmBoolean> win;
    QStringList synthesised;
    std::vector<int> layout;
    std::function<void()> duringSynthesis;
    int settingsWritten = 0;
};

TEST_F(BooleanWindow, TabsFollowTheFeatureSwitchesAndTheICView)
{
    struct Case {
        int feature; // switched off, -1 none
        ToolCode toolMode;
        std::array<bool, 3> tabs;
        bool simplify;
        bool termSynthesis;
    };
    const Case cases[] = {
        {-1, ToolCode::Conductor, {true, true, true}, true, true},
        {0, ToolCode::Conductor, {false, true, true}, true, false},
        {1, ToolCode::Conductor, {true, false, true}, true, true},
        {2, ToolCode::Conductor, {true, true, false}, true, true},
        {3, ToolCode::Conductor, {true, true, true}, false, true},
        {-1, ToolCode::ICDefinitionView, {false, true, true}, true, true},
    };
    for (const Case& c : cases) {
        s.settings.FeatureEnable.fill(-1);
        if (c.feature >= 0)
            s.settings.FeatureEnable[static_cast<std::size_t>(c.feature)] = 0;
        s.ToolMode = c.toolMode;
        Open(1);
        auto* tabs = Find<QTabWidget>(QStringLiteral("SSTab1"));
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(tabs->isTabEnabled(t), c.tabs[static_cast<std::size_t>(t)]) << c.feature << " tab " << t;
        // Their own switch, whatever their tab's is.
        QWidget* simplify = Find<QCheckBox>(QStringLiteral("chkVereinfachen"));
        QWidget* termSynthesis = Find<QPushButton>(QStringLiteral("cmdTermsynthese"));
        EXPECT_EQ(simplify->isEnabledTo(simplify->parentWidget()), c.simplify);
        EXPECT_EQ(termSynthesis->isEnabledTo(termSynthesis->parentWidget()), c.termSynthesis);
        if (c.tabs[1]) {
            EXPECT_EQ(win->windowTitle(), QStringLiteral("Truth table"));
            EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdTabelle"))->isDefault());
        }
    }
    // The IC view opened later leaves a loaded window's synthesis tab alone.
    s.ToolMode = ToolCode::Conductor;
    Open(0);
    s.ToolMode = ToolCode::ICDefinitionView;
    win->ShowTab(2);
    EXPECT_TRUE(Find<QTabWidget>(QStringLiteral("SSTab1"))->isTabEnabled(0));
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Term synthesis"));
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdTerm"))->isDefault());
    win->ShowTab(0);
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Circuit synthesis"));
    // Each tab's own command is the default button, and only it.
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdErstellen"))->isDefault());
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("cmdTerm"))->isDefault());
}

TEST_F(BooleanWindow, TermBoxFiltersKeysAndEnablesTheCommands)
{
    Open();
    auto* generate = Find<QPushButton>(QStringLiteral("cmdErstellen"));
    EXPECT_FALSE(generate->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("cmdTabelle"))->isEnabled());
    Type(QStringLiteral("a 6^|"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("a6&"));
    EXPECT_TRUE(generate->isEnabled());
    Formula()->setEditText(QString());
    EXPECT_FALSE(generate->isEnabled());
    Click(QStringLiteral("cmdFormel"));
    Type(QStringLiteral("8a|vb9 6<c>"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(AvB)&<C>"));
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdTabelle"))->isEnabled());

    // The spacing buddies step within the boxes' limits; leaving a box clamps it.
    for (int i = 0; i < 10; ++i)
        Click(QStringLiteral("updOption1Up"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtOption1"))->text(), QStringLiteral("7"));
    Click(QStringLiteral("updOption1Down"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtOption1"))->text(), QStringLiteral("6"));
    for (int i = 0; i < 10; ++i)
        Click(QStringLiteral("updOption2Down"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtOption2"))->text(), QStringLiteral("2"));
    auto* box = Find<QLineEdit>(QStringLiteral("txtOption0"));
    box->setText(QStringLiteral("x"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
    EXPECT_EQ(box->text(), QStringLiteral("3"));
}

TEST_F(BooleanWindow, EnterCalculatesTheTableWhichStaysUntilTheTermChanges)
{
    Open(1);
    Type(QStringLiteral("AvB"));
    keystrokes::Press(Formula(), Qt::Key_Return);
    const QAbstractItemModel* table = Find<QTableView>(QStringLiteral("lvwTabelle"))->model();
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->headerData(2, Qt::Horizontal).toString(), QStringLiteral(" ="));
    EXPECT_EQ(table->index(1, 2).data().toString(), QStringLiteral(" 1"));
    EXPECT_EQ(Formula()->itemText(0), QStringLiteral("AvB"));
    // Leaving the box is no pick from the history.
    Find<QWidget>(QStringLiteral("chkSorted"))->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(table->rowCount(), 4);
    Type(QStringLiteral("vC"));
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(table->columnCount(), 0);
}

TEST_F(BooleanWindow, TruthTableClicksEditTheTableAndQuickModeRewritesTheTerm)
{
    Open(2);
    // Starts with A, B, C and three rows of zeros.
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtAnzZeilen"))->text(), QStringLiteral("3"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtAnzVars"))->text(), QStringLiteral("3"));
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("lblSpalte3"))->isEnabled());
    Click(QStringLiteral("UpDown2Down"));
    Click(QStringLiteral("UpDown2Down")); // stays at two
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtAnzVars"))->text(), QStringLiteral("2"));
    Click(QStringLiteral("UpDown1Up"));
    Click(QStringLiteral("cmdSort"));
    EXPECT_EQ(Cell(QStringLiteral("lblLine30")) + Cell(QStringLiteral("lblLine31")), QStringLiteral("11"));
    EXPECT_EQ(Cell(QStringLiteral("lblLine10")) + Cell(QStringLiteral("lblLine11")), QStringLiteral("01"));

    Check(QStringLiteral("chkSchnell"));
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("cmdTerm"))->isEnabled());
    Click(QStringLiteral("lblResult1"));
    EXPECT_EQ(Cell(QStringLiteral("lblResult1")), QStringLiteral("1"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(<A>&B)"));
    Click(QStringLiteral("lblResult2"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(<A>&B)v(A&<B>)"));
    // A column inversion does not refresh; the next edit does.
    Click(QStringLiteral("lblSpalte0"));
    EXPECT_EQ(Cell(QStringLiteral("lblLine0")), QStringLiteral("1"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(<A>&B)v(A&<B>)"));
    Click(QStringLiteral("lblSpalte0"));
    Click(QStringLiteral("lblErgebnis0"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(<A>&<B>)v(A&B)"));
    // Two quick clicks on a cell leave it as it was.
    QTest::mouseDClick(Find<QWidget>(QStringLiteral("lblLine21")), Qt::LeftButton);
    EXPECT_EQ(Cell(QStringLiteral("lblLine21")), QStringLiteral("0"));

    // Making rows 0 and 2 equal with different results empties the term.
    Click(QStringLiteral("lblLine20"));
    EXPECT_EQ(Formula()->currentText(), QString());
    EXPECT_EQ(win->StatusColour(2), kYellow);
    Click(QStringLiteral("lblLine20"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(<A>&<B>)v(A&B)"));
    EXPECT_EQ(win->StatusColour(2), kGrey);

    // Deleting clears the table but keeps the term.
    Click(QStringLiteral("cmdDelete"));
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(Cell(QStringLiteral("lblResult%1").arg(r)), QStringLiteral("0"));
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("(<A>&<B>)v(A&B)"));
    for (int i = 0; i < 20; ++i)
        Click(QStringLiteral("UpDown1Up"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtAnzZeilen"))->text(), QStringLiteral("16"));
    EXPECT_EQ(win->Grid().Rows(), 16);
}

TEST_F(BooleanWindow, GenerateAsksThenSimplifiesAndHandsTheLayoutOver)
{
    Open();
    Type(QStringLiteral("A&BvA&<B>"));
    Find<QLineEdit>(QStringLiteral("txtOption0"))->setText(QStringLiteral("12"));
    Find<QLineEdit>(QStringLiteral("txtOption2"))->setText(QStringLiteral("4"));
    // The unsaved circuit is asked about after the overwrite question.
    s.FileSaved = 0;
    dialogs.QueueMessageAnswer(MessageResult::Yes);
    dialogs.QueueMessageAnswer(MessageResult::Cancel);
    Click(QStringLiteral("cmdErstellen"));
    EXPECT_TRUE(synthesised.isEmpty());
    EXPECT_EQ(dialogs.Asked().size(), 2u);
    s.FileSaved = -1;

    Check(QStringLiteral("chkVereinfachen"));
    Check(QStringLiteral("chkSave"));
    Click(QStringLiteral("cmdErstellen"));
    EXPECT_TRUE(dialogs.AllAnswersUsed());
    ASSERT_EQ(synthesised.size(), 1);
    EXPECT_EQ(synthesised[0], QStringLiteral("(A)"));
    EXPECT_EQ(layout, (std::vector<int>{3, 3, 4, 3, 3, 9, 3}));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtOption0"))->text(), QStringLiteral("9"));
    EXPECT_EQ(win->StatusColour(0), kYellow);
    EXPECT_EQ(Formula()->currentText(), QStringLiteral("A&BvA&<B>"));
    EXPECT_EQ(Formula()->itemText(0), QStringLiteral("A&BvA&<B>"));
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("lblError"))->isVisible());
    EXPECT_GT(Find<QTableView>(QStringLiteral("lvwTabelle"))->model()->rowCount(), 0);
}

// Generate checks the term before it asks to overwrite the circuit; the
// preview then shows the term as checked, and each command lights "[ Error ]"
// for its own outcome only.
TEST_F(BooleanWindow, GenerateChecksBeforeItAsksAndEachCommandShowsItsOwnOutcome)
{
    const QString overwrite = LoadResString(1527);
    struct Step {
        const char* typed;
        const char* button;
        std::vector<MessageResult> answers;
        QStringList asked;   // the messages shown, in order
        const char* preview; // the term the preview strip shows
        int32_t error;       // "[ Error ]"
        const char* drawn;   // the term handed to the synthesis; "" for none
        const char* newest;  // the history's newest term
    };
    const Step steps[] = {
        {"AB<C", "cmdErstellen", {}, {QStringLiteral("Invalid negation.")}, "A&B&<C", kYellow, "", "AB<C"},
        {"AvB", "cmdTabelle", {}, {}, "AvB", kGrey, "", "AvB"},
        {"AB<C", "cmdErstellen", {}, {QStringLiteral("Invalid negation.")}, "A&B&<C", kYellow, "", "AB<C"},
        // No leaves the history and the labels as they were.
        {"A&B", "cmdErstellen", {MessageResult::No}, {overwrite}, "A&B", kYellow, "", "AB<C"},
        {"A&B", "cmdErstellen", {MessageResult::Yes}, {overwrite}, "A&B", kGrey, "A&B", "A&B"},
    };
    Open();
    const auto typeOver = [this](const QString& text) {
        keystrokes::Press(Formula(), Qt::Key_A, Qt::ControlModifier);
        Type(text);
    };
    auto* preview = Find<QLabel>(QStringLiteral("picVorschau"));
    QTabBar* tabs = Find<QTabWidget>(QStringLiteral("SSTab1"))->tabBar();
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.typed) + " " + step.button);
        const int tab = QLatin1String(step.button) == QLatin1String("cmdTabelle") ? 1 : 0;
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(tab).center());
        typeOver(QString::fromLatin1(step.preview));
        const QImage expected = preview->pixmap().toImage();
        typeOver(QString::fromLatin1(step.typed));
        dialogs = ScriptedUserDialogs{};
        for (MessageResult a : step.answers)
            dialogs.QueueMessageAnswer(a);
        synthesised.clear();
        Click(QString::fromLatin1(step.button));
        EXPECT_EQ(dialogs.MessageTexts(), step.asked);
        EXPECT_TRUE(preview->pixmap().toImage() == expected) << "the preview shows " << step.preview;
        EXPECT_EQ(win->StatusColour(2), step.error);
        EXPECT_EQ(synthesised, *step.drawn ? QStringList{QString::fromLatin1(step.drawn)} : QStringList{});
        EXPECT_EQ(Formula()->itemText(0), QString::fromLatin1(step.newest));
    }
}

TEST_F(BooleanWindow, WhileGeneratingTheWindowStaysAndGenerateDoesNotRestart)
{
    Open();
    Check(QStringLiteral("chkSave"));
    Type(QStringLiteral("AvB"));
    bool closedWhileRunning = true;
    duringSynthesis = [&] {
        EXPECT_TRUE(win->Generating());
        Click(QStringLiteral("cmdErstellen"));
        win->close();
        closedWhileRunning = !win->isVisible();
        Click(QStringLiteral("cmdSchliessen"));
        closedWhileRunning = closedWhileRunning || !win->isVisible();
    };
    Click(QStringLiteral("cmdErstellen"));
    EXPECT_EQ(synthesised, QStringList{QStringLiteral("AvB")});
    EXPECT_FALSE(closedWhileRunning);
    EXPECT_FALSE(win->Generating());
    // Every close request saved the options; a free window closes.
    EXPECT_EQ(settingsWritten, 2);
    duringSynthesis = nullptr;
    Click(QStringLiteral("cmdSchliessen"));
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(s.settings.BoolTerme, QStringLiteral("AvB"));
    EXPECT_EQ(s.settings.BoolSave, 1);
}

TEST_F(BooleanWindow, ASecondTableClickCancelsTheSimplifyingCalculation)
{
    Open();
    Check(QStringLiteral("chkSave"));
    Check(QStringLiteral("chkVereinfachen"));
    Type(QStringLiteral("AvBvCvDvEvFvGvHvIvJvK"));
    // Waits for the calculation to run, then refuses a close and clicks again.
    bool cancelled = false;
    std::function<void()> poke = [&] {
        if (!win->Running()) {
            QTimer::singleShot(0, win.get(), poke);
            return;
        }
        win->close();
        EXPECT_TRUE(win->isVisible());
        Click(QStringLiteral("cmdTabelle"));
        cancelled = true;
    };
    QTimer::singleShot(0, win.get(), poke);
    Click(QStringLiteral("cmdErstellen"));
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(win->Running());
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{LoadResString(6202)});
    // The cancelled minimiser gives no term: nothing is drawn and nothing more said.
    EXPECT_TRUE(synthesised.isEmpty());
}

TEST_F(BooleanWindow, ALargeMinimisationLetsEventsRunAndItsCancelLeavesTheWorksheet)
{
    s.circuit.P(4, 4).Type = ElementType::Conductor;
    const Circuit before = s.circuit;
    Open();
    Check(QStringLiteral("chkSave"));
    Check(QStringLiteral("chkVereinfachen"));
    // Fourteen variables: the largest implicant lists the window allows.
    Type(QStringLiteral("AvBvCvDvEvFvGvHvIvJvKvLvMvN"));
    auto* progress = Find<QProgressBar>(QStringLiteral("prgProgress"));
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        // Until the cancel, while the minimiser works.
        if (!win->Minimising() || ticks == 3)
            return;
        EXPECT_TRUE(progress->isVisible());
        EXPECT_EQ(progress->maximum(), 15); // a pass per variable and the last one
        if (++ticks == 3)
            Click(QStringLiteral("cmdCancel"));
    });
    timer.start();
    Click(QStringLiteral("cmdErstellen"));
    // The timer ran while the minimiser worked, and its cancel stopped it.
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(win->Generating());
    EXPECT_TRUE(synthesised.isEmpty());
    EXPECT_TRUE(s.circuit.P == before.P && s.circuit.ElementCount() == before.ElementCount());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("lblError"))->isVisible());
    EXPECT_TRUE(dialogs.Asked().empty());

    // The next Generate runs to its end.
    timer.stop();
    Formula()->setEditText(QStringLiteral("A&BvA&<B>"));
    Click(QStringLiteral("cmdErstellen"));
    EXPECT_EQ(synthesised, QStringList{QStringLiteral("(A)")});
}

TEST_F(BooleanWindow, ClickingCalculateTwiceCancelsAndTheWindowClosesAfterwards)
{
    Open(1);
    Type(QStringLiteral("AvBvCvDvEvFvGvHvIvJvK"));
    QTimer::singleShot(0, win.get(), [&] {
        EXPECT_TRUE(win->Running());
        Click(QStringLiteral("cmdTabelle"));
    });
    Click(QStringLiteral("cmdTabelle"));
    EXPECT_FALSE(win->Running());
    EXPECT_EQ(dialogs.MessageTexts(), QStringList{LoadResString(6202)});
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("lblError"))->isVisible());
    Click(QStringLiteral("cmdSchliessen"));
    EXPECT_FALSE(win->isVisible());
}

TEST_F(BooleanWindow, TableToCircuitChecksForContradictionsFirst)
{
    Open(2);
    Check(QStringLiteral("chkSave"));
    Click(QStringLiteral("lblResult1")); // rows 0 and 1 are both 000
    Formula()->setEditText(QStringLiteral("AvB"));
    Click(QStringLiteral("cmdTermsynthese"));
    EXPECT_TRUE(synthesised.isEmpty());
    EXPECT_EQ(Formula()->currentText(), QString());
    EXPECT_EQ(win->StatusColour(2), kYellow);

    Click(QStringLiteral("lblLine12"));
    Click(QStringLiteral("cmdTermsynthese"));
    EXPECT_EQ(synthesised, QStringList{QStringLiteral("(<A>&<B>&C)")});
}

} // namespace
