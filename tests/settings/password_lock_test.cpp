#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "placement/document/permissions.h"
#include "settings/password_lock.h"

namespace {

TEST(PasswordLock, ChecksRunInOrderAndTheFirstFailureSpeaks)
{
    const QString tooLong = QString(21, u'a');
    const QString bad(QChar(255));
    struct Case {
        const char* why;
        QString current, old, fresh, confirm;
        int expected;
    };
    const Case cases[] = {
        {"wrong old password before everything", "abc", "abd", tooLong, "x", 3906},
        {"old password compares case and blanks", "abc", "ABC", "n", "n", 3906},
        {"a trailing blank is a character", "abc", "abc ", "n", "n", 3906},
        {"length before characters", "abc", "abc", tooLong + bad, "x", 3907},
        {"twenty characters pass the length", "", "", QString(20, u'a'), QString(20, u'a'), 0},
        {"characters before confirmation", "", "", bad, "x", 3908},
        {"confirmation last", "", "", "new", "New", 3909},
        {"no password yet: the empty old one matches", "", "", "new", "new", 0},
        {"an empty new password removes the lock", "abc", "abc", "", "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PasswordChangeRefusal(c.current, c.old, c.fresh, c.confirm), c.expected) << c.why;
}

TEST(PasswordLock, RefusesEveryCharacterTheStoredFormCannotKeep)
{
    // Position k scrambles with 2k + 6: what gives 255 would end the stored
    // text early, what gives 0 would cut it, and 255 itself is the terminator;
    // nothing beyond one byte can be kept.
    std::vector<int> codes = {0x263A, 0xFFFD};
    for (int code = 1; code <= 300; ++code)
        codes.push_back(code);
    for (int k = 1; k <= 20; ++k) {
        for (const int code : codes) {
            const QString password = QString(k - 1, u'a') + QChar(static_cast<char16_t>(code));
            const int scrambled = code ^ (2 * k + 6);
            const bool storable = code <= 255 && code != 255 && scrambled != 0 && scrambled != 255;
            const int refusal = PasswordChangeRefusal(QString(), QString(), password, password);
            ASSERT_EQ(refusal, storable ? 0 : 3908) << "position " << k << " code " << code;
            if (!storable)
                continue;
            // Whatever the lock lets through comes back whole from the stored form.
            Permissions p;
            p.OptionsPassword = password;
            const auto text = EncodePermissions(p, [] { return 0.5; });
            ASSERT_TRUE(text.has_value());
            const auto back = DecodePermissions(*text);
            ASSERT_TRUE(back.has_value());
            ASSERT_EQ(back->OptionsPassword, password) << "position " << k << " code " << code;
        }
    }
}

} // namespace
