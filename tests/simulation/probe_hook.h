#pragma once
// Listens to the engine's sensor events in place of the analyzer's windows.
#include <functional>

#include "model/ports/probe_port.h"
#include "model/state.h"

struct ProbeHook : ProbePort {
    ProbeHook(ProgramState& s, std::function<void(const ProbeSample&)> sample, std::function<void()> clear = {})
        : s_(s), onSample(std::move(sample)), onClear(std::move(clear))
    {
        s_.ports.probes = this;
    }
    ~ProbeHook() override { s_.ports.probes = nullptr; }
    ProbeHook(const ProbeHook&) = delete;
    ProbeHook& operator=(const ProbeHook&) = delete;
    void AnalyserProbeEvent(const ProbeSample& sample) override { onSample(sample); }
    void ClearAnalyserTraces() override
    {
        if (onClear)
            onClear();
    }

    ProgramState& s_;
    std::function<void(const ProbeSample&)> onSample;
    std::function<void()> onClear;
};
