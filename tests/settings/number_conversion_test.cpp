#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <array>
#include <random>
#include <vector>

#include "settings/basNumberConversion.h"
#include "settings/frmNumberConversion.h"
#include "support/keystrokes.h"

namespace {

// Each base against Qt's own digits, at the edges and at random values, and
// every box's text read back gives all four again.
TEST(NumberConversion, EveryBaseGivesItsDigitsAndReadsThemBack)
{
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> any(0, 16777215);
    std::vector<int> values = {0, 1, 5, 255, 256, 16777215};
    for (int i = 0; i < 2000; ++i)
        values.push_back(any(gen));
    for (const int v : values) {
        const std::array<QString, 4> all = {QString::number(v), QString::number(v, 16).toUpper(),
                                            QString::number(v, 2), QString::number(v, 8)};
        ASSERT_EQ(DecToHex(all[0]), all[1]) << v;
        ASSERT_EQ(DecToBin(all[0]), all[2]) << v;
        ASSERT_EQ(DecToOct(all[0]), all[3]) << v;
        ASSERT_EQ(HexToDec(all[1]), all[0]) << v;
        ASSERT_EQ(BinToDec(all[2]), all[0]) << v;
        ASSERT_EQ(OctToDec(all[3]), all[0]) << v;
        for (NumberBox box : {NumberBox::Dec, NumberBox::Hex, NumberBox::Bin, NumberBox::Oct})
            ASSERT_EQ(ConvertFrom(box, all[static_cast<size_t>(box)]), all) << v;
    }
    EXPECT_EQ(HexToDec(QStringLiteral("ff")), QStringLiteral("255"));
    EXPECT_EQ(HexToDec(QStringLiteral("1G")), QStringLiteral("16")) << "a non-digit counts as 0";
    EXPECT_EQ(HexToDec(QString()), QStringLiteral("0"));
    EXPECT_EQ(DecToHex(QStringLiteral("abc")), QStringLiteral("0")) << "the numeric prefix of the text";
}

TEST(NumberConversion, KeyFilterJudgesTheTextWithTheKeyAppended)
{
    struct Case {
        NumberBox box;
        const char* text;
        char16_t key;
        char16_t inserted; // 0: refused
    };
    const Case cases[] = {
        {NumberBox::Dec, "1677721", '5', '5'}, {NumberBox::Dec, "1677721", '6', 0},
        {NumberBox::Dec, "16777215", '0', 0},  {NumberBox::Dec, "", 'a', 0},
        {NumberBox::Dec, "12", '-', 0},        {NumberBox::Dec, "16777215", 8, 8},
        {NumberBox::Hex, "FFFFF", 'f', 'F'},   {NumberBox::Hex, "FFFFFF", '0', 0},
        {NumberBox::Hex, "", 'g', 0},          {NumberBox::Hex, "A", 'c', 'C'},
        {NumberBox::Bin, "11111111111111111111111", '1', '1'},
        {NumberBox::Bin, "111111111111111111111111", '0', 0},
        {NumberBox::Bin, "1", '2', 0},         {NumberBox::Oct, "7777777", '7', '7'},
        {NumberBox::Oct, "77777777", '0', 0},  {NumberBox::Oct, "1", '8', 0},
    };
    for (const Case& c : cases) {
        const auto got = FilterKey(c.box, QString::fromLatin1(c.text), QChar(c.key));
        if (c.inserted == 0) {
            EXPECT_FALSE(got.has_value()) << c.text << " + " << char(c.key);
        } else {
            EXPECT_EQ(got.value_or(QChar()), QChar(c.inserted)) << c.text << " + " << char(c.key);
        }
    }
}

TEST(NumberConversion, PastedTextKeepsTheBoxDigitsWithinTheLimit)
{
    struct Case {
        NumberBox box;
        const char* pasted;
        const char* kept; // nullptr: refused
    };
    const Case cases[] = {
        {NumberBox::Dec, "-12", "12"},          {NumberBox::Dec, "1,234 ", "1234"},
        {NumberBox::Dec, "99999999", nullptr},  {NumberBox::Dec, "abc", ""},
        {NumberBox::Hex, "0xff", "0FF"},        {NumberBox::Hex, "1000000", nullptr},
        {NumberBox::Bin, "1012", "101"},        {NumberBox::Oct, "789", "7"},
        {NumberBox::Dec, "1e300", "1300"},
    };
    for (const Case& c : cases) {
        const auto got = FilterText(c.box, QString::fromLatin1(c.pasted));
        if (!c.kept) {
            EXPECT_FALSE(got.has_value()) << c.pasted;
        } else {
            EXPECT_EQ(got.value_or(QStringLiteral("<refused>")), QLatin1String(c.kept)) << c.pasted;
        }
    }
}

class NumberWindow : public ::testing::Test {
protected:
    NumberWindow() : window(new frmNumberConversion)
    {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        Box(NumberBox::Dec)->setFocus();
    }
    ~NumberWindow() override { delete window.data(); }

    QLineEdit* Box(NumberBox b) const { return window->Box(b); }
    QStringList Texts() const
    {
        QStringList out;
        for (NumberBox b : {NumberBox::Dec, NumberBox::Hex, NumberBox::Bin, NumberBox::Oct})
            out << Box(b)->text();
        return out;
    }
    void Type(NumberBox b, const char* keys) { keystrokes::Type(Box(b), QString::fromLatin1(keys)); }
    void Press(NumberBox b, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        keystrokes::Press(Box(b), key, modifiers);
    }
    void Paste(NumberBox b, const char* text)
    {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        keystrokes::Focus(Box(b));
        QTest::keySequence(Box(b), QKeySequence::Paste);
    }

    QPointer<frmNumberConversion> window;
};

TEST_F(NumberWindow, TypedValuesFollowInTheOtherBoxes)
{
    Type(NumberBox::Hex, "ff");
    EXPECT_EQ(Texts(), QStringList({"255", "FF", "11111111", "377"}));
    Press(NumberBox::Hex, Qt::Key_Backspace);
    Press(NumberBox::Hex, Qt::Key_Backspace);
    EXPECT_EQ(Texts(), QStringList({"", "", "", ""})) << "emptying a box empties all four";

    Type(NumberBox::Bin, "0101");
    EXPECT_EQ(Texts(), QStringList({"5", "5", "0101", "5"})) << "the binary box keeps its own text";
    Type(NumberBox::Dec, "0");
    EXPECT_EQ(Texts(), QStringList({"50", "32", "110010", "62"}));
    Type(NumberBox::Oct, "9x");
    EXPECT_EQ(Texts(), QStringList({"50", "32", "110010", "62"}));
}

TEST_F(NumberWindow, TheLimitStopsTypingInEveryBox)
{
    Type(NumberBox::Dec, "167772155");
    EXPECT_EQ(Box(NumberBox::Dec)->text(), QStringLiteral("16777215"));
    EXPECT_EQ(Box(NumberBox::Hex)->text(), QStringLiteral("FFFFFF"));
    Type(NumberBox::Hex, "0");
    EXPECT_EQ(Box(NumberBox::Hex)->text(), QStringLiteral("FFFFFF"));
    Box(NumberBox::Bin)->clear();
    Type(NumberBox::Bin, QByteArray(25, '1').constData());
    EXPECT_EQ(Box(NumberBox::Bin)->text(), QString(24, u'1'));
    // A digit put in front of others is judged as if appended; the value
    // that would result still may not pass the limit.
    Box(NumberBox::Dec)->setText(QString());
    Type(NumberBox::Dec, "1000000");
    Box(NumberBox::Dec)->setCursorPosition(0);
    Type(NumberBox::Dec, "9");
    EXPECT_EQ(Box(NumberBox::Dec)->text(), QStringLiteral("1000000"));
    EXPECT_EQ(Box(NumberBox::Hex)->text(), QStringLiteral("F4240"));
}

TEST_F(NumberWindow, ARefusedKeyLocksDeleteUntilAnAcceptedKey)
{
    Type(NumberBox::Dec, "123");
    Box(NumberBox::Dec)->setCursorPosition(0);
    Press(NumberBox::Dec, Qt::Key_X);
    Press(NumberBox::Dec, Qt::Key_Delete);
    EXPECT_EQ(Box(NumberBox::Dec)->text(), QStringLiteral("123"));
    Box(NumberBox::Dec)->end(false);
    Type(NumberBox::Dec, "4");
    Box(NumberBox::Dec)->setCursorPosition(0);
    Press(NumberBox::Dec, Qt::Key_Delete);
    EXPECT_EQ(Texts(), QStringList({"234", "EA", "11101010", "352"}));
}

TEST_F(NumberWindow, PastedTextIsFilteredAndRefusedAboveTheLimit)
{
    Paste(NumberBox::Dec, "-4 2");
    EXPECT_EQ(Texts(), QStringList({"42", "2A", "101010", "52"}));
    Paste(NumberBox::Dec, "99999999");
    EXPECT_EQ(Texts(), QStringList({"42", "2A", "101010", "52"}));
    Box(NumberBox::Hex)->selectAll();
    Paste(NumberBox::Hex, "beef");
    EXPECT_EQ(Texts(), QStringList({"48879", "BEEF", "1011111011101111", "137357"}));
}

TEST_F(NumberWindow, ArrowKeysCycleAndCtrlKCloses)
{
    const NumberBox order[] = {NumberBox::Dec, NumberBox::Hex, NumberBox::Bin, NumberBox::Oct};
    for (int i = 0; i < 4; ++i) {
        Press(order[i], Qt::Key_Down);
        EXPECT_TRUE(Box(order[(i + 1) % 4])->hasFocus()) << i;
    }
    for (int i = 0; i < 4; ++i) {
        Press(order[(4 - i) % 4], Qt::Key_Up);
        EXPECT_TRUE(Box(order[(7 - i) % 4])->hasFocus()) << i;
    }
    Type(NumberBox::Oct, "17");
    Press(NumberBox::Oct, Qt::Key_K, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "the window closes and is released";
}

} // namespace
