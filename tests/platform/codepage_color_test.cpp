#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/color.h"

TEST(Codepage, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    // The undefined bytes keep their number as a control character.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text.at(b).unicode(), b);
}

TEST(Codepage, SectionNamesAndSpecialCharacters)
{
    EXPECT_EQ(ToCp1252(QStringLiteral("[Anschlüsse]")), QByteArray("[Anschl\xFC" "sse]"));
    EXPECT_EQ(ToCp1252(QStringLiteral("[Maße]")), QByteArray("[Ma\xDF" "e]"));
    EXPECT_EQ(FromCp1252(QByteArray("[Ma\xDF" "e]")), QStringLiteral("[Maße]"));
    EXPECT_EQ(ToCp1252(QStringLiteral("€")), QByteArray("\x80"));
    EXPECT_EQ(FromCp1252(QByteArray("\x80\x9F")), QStringLiteral("€Ÿ"));
}

TEST(Codepage, UnrepresentableCharactersBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(ToCp1252(QStringLiteral("a\u2265b")), QByteArray("a?b"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y")); // outside 16 bits
    EXPECT_EQ(ToCp1252(QString(QChar(0x80))), QByteArray("?")); // a control without a byte
}

TEST(Color, StoredAsBlueGreenRed)
{
    EXPECT_EQ(ColorFromBgr(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromBgr(0xC0FFFF), QColor(255, 255, 0xC0));
    EXPECT_EQ(BgrFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(BgrFromColor(ColorFromBgr(0x808080)), 0x808080);
}
