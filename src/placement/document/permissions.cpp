#include "placement/document/permissions.h"

#include <QRandomGenerator>
#include <QTime>

#include "model/state.h"
#include "platform/numeric.h"
#include "platform/registry.h"
#include "platform/string_table.h"
#include "placement/document/settings_store.h"

namespace {

constexpr char16_t kTerminator = 255;
constexpr int kFlagCount = 21;
constexpr int kBlockLength = 20;

char16_t ScrambleKey(int k)
{
    return static_cast<char16_t>(2 * k + 6);
}

char16_t RandomCode(const std::function<double()>& random, float scale, float offset)
{
    const float r = static_cast<float>(random());
    return static_cast<char16_t>(RoundHalfEven(static_cast<double>(r * scale + offset)));
}

QString WithLineBreaks(QString text)
{
    return text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
}

} // namespace

bool FlagCharacterOn(char16_t c)
{
    return c >= 13 && c <= 34;
}

bool PasswordStorable(const QString& password)
{
    if (password.size() > kBlockLength)
        return false;
    for (int i = 0; i < password.size(); ++i) {
        const char16_t c = password.at(i).unicode();
        const char16_t stored = c ^ ScrambleKey(i + 1);
        if (c > 255 || c == kTerminator || stored == 0 || stored == kTerminator)
            return false;
    }
    return true;
}

std::optional<QString> EncodePermissions(const Permissions& p, const std::function<double()>& random)
{
    if (!PasswordStorable(p.OptionsPassword))
        return std::nullopt;
    QString out;
    auto flag = [&](int16_t on) {
        out += QChar(on != 0 ? RandomCode(random, 21.0f, 13.0f) : RandomCode(random, 22.0f, 35.0f));
    };
    for (int16_t f : p.FeatureEnable)
        flag(f);
    for (int16_t e : p.ElementEnable)
        flag(e);

    QString t = p.OptionsPassword + QChar(kTerminator);
    while (t.size() < kBlockLength)
        t += QChar(RandomCode(random, 200.0f, 0.0f));
    for (int k = 1; k <= t.size(); ++k) {
        const char16_t c = t.at(k - 1).unicode();
        out += QChar(c == kTerminator ? c : static_cast<char16_t>(c ^ ScrambleKey(k)));
    }
    return out;
}

std::optional<Permissions> DecodePermissions(const QString& stored)
{
    const int end = stored.indexOf(QChar(kTerminator), kFlagCount);
    if (stored.size() <= kFlagCount || end < 0)
        return std::nullopt;
    Permissions p;
    for (int i = 0; i < 7; ++i)
        p.FeatureEnable[i] = VbBool(FlagCharacterOn(stored.at(i).unicode()));
    for (int i = 0; i < 14; ++i)
        p.ElementEnable[i] = VbBool(FlagCharacterOn(stored.at(7 + i).unicode()));
    QString w;
    for (int k = 1; kFlagCount + k - 1 <= end; ++k)
        w += QChar(static_cast<char16_t>(stored.at(kFlagCount + k - 1).unicode() ^ ScrambleKey(k)));
    w.chop(1);
    p.OptionsPassword = w;
    return p;
}

PermissionsStatus LoadPermissions(ProgramState& s)
{
    Settings& st = s.settings;
    const QString stored =
        RegGetValue(st.registryFiles, st.RegRoot, QString::fromLatin1(kSettingsKey),
                    QString::fromLatin1(kPermissionsValue))
            .toText();
    if (stored.isEmpty())
        return PermissionsStatus::Missing;
    const auto p = DecodePermissions(stored);
    if (!p)
        return PermissionsStatus::Broken;
    st.FeatureEnable = p->FeatureEnable;
    st.ElementEnable = p->ElementEnable;
    st.OptionsPassword = p->OptionsPassword;
    return PermissionsStatus::Loaded;
}

bool SavePermissions(const RegistryLocations& where, RegistryRoot root, const Permissions& p, QString* error)
{
    QRandomGenerator random(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    const auto text = EncodePermissions(p, [&random] { return random.generateDouble(); });
    if (!text)
        return false;
    return RegSetValue(where, root, QString::fromLatin1(kSettingsKey), QString::fromLatin1(kPermissionsValue),
                       RegValue::Text(*text), error);
}

bool SavePermissions(ProgramState& s, QString* error)
{
    Settings& st = s.settings;
    if (!UseOwnSettings(st, error))
        return false;
    return SavePermissions(st.registryFiles, RegistryRoot::CurrentUser,
                           Permissions{st.FeatureEnable, st.ElementEnable, st.OptionsPassword}, error);
}

QString MissingPermissionsMessage()
{
    return WithLineBreaks(LoadResString(4617));
}

QString BrokenPermissionsMessage()
{
    return WithLineBreaks(LoadResString(4618));
}
