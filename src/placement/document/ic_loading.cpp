#include "placement/document/ic_loading.h"

#include "model/ports/status_port.h"
#include "model/state.h"
#include "model/status_texts.h"
#include "placement/document/tool_selection.h"

namespace {

constexpr int kArrowHourglassPointer = 13;
// From this line on a load counts as long: the pointer shows it.
constexpr int kLongLoadLine = 300;

ICLoad LoadInto(ProgramState& s)
{
    auto progress = [&s](int lineNo, const QString& name) {
        if (s.ports.status && lineNo < 1000)
            s.ports.status->SetProgress(lineNo / 10);
        SetStatusText(s.ports, QStringLiteral("Loading IC '%1'..").arg(name));
        if (lineNo == kLongLoadLine) {
            s.LongLoad = kTrue;
            SetWorksheetMousePointer(s, kArrowHourglassPointer);
        }
    };
    return {s.circuit, s.Verzeichnisse[1], s.CurrentLevel, s.ICLoadDepth, progress};
}

// The slot and the count go back to the program state however the load ends.
template <typename Load>
bool LoadWith(ProgramState& s, Load&& load)
{
    ICLoad l = LoadInto(s);
    struct GiveBack {
        ProgramState& s;
        ICLoad& l;
        ~GiveBack()
        {
            s.CurrentLevel = l.level;
            s.ICLoadDepth = l.nestedLoaded;
        }
    } giveBack{s, l};
    return load(l);
}

} // namespace

bool LoadIC(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth)
{
    return LoadWith(s, [&](ICLoad& l) { return LoadIC(l, dialogs, name, depth); });
}

bool LoadICStrict(ProgramState& s, UserDialogs* dialogs, const QString& name, uint8_t depth)
{
    return LoadWith(s, [&](ICLoad& l) { return LoadICStrict(l, dialogs, name, depth); });
}
