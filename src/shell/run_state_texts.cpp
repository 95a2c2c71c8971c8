#include "shell/run_state_texts.h"

#include "platform/string_table.h"

QString RunStateText(RunState state)
{
    switch (state) {
    case RunState::SwitchingOn: return LoadResString(2570);
    case RunState::Off:
    case RunState::Ready: return LoadResString(2572);
    case RunState::Running: return LoadResString(2555);
    case RunState::Paused: return LoadResString(2571);
    case RunState::Aborted: return LoadResString(2575);
    case RunState::SwitchingOff: break;
    }
    return {};
}

QString PauseCaptionFor(RunState state)
{
    return LoadResString(state == RunState::Paused ? 2573 : 2574);
}
