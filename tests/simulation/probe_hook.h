#pragma once
// Listens to the engine's sensor events in place of the analyzer's windows.
#include <functional>

#include "model/ports/probe_port.h"
#include "model/state.h"

struct ProbeHook : ProbePort {
    ProbeHook(ProgramState& s, std::function<void(const ProbeSample&)> f) : s_(s), onSample(std::move(f))
    {
        s_.ports.probes = this;
    }
    ~ProbeHook() override { s_.ports.probes = nullptr; }
    ProbeHook(const ProbeHook&) = delete;
    ProbeHook& operator=(const ProbeHook&) = delete;
    void AnalyserProbeEvent(const ProbeSample& sample) override
    {
        if (onSample)
            onSample(sample);
    }
    void ClearAnalyserTraces() override { ++clears; }

    ProgramState& s_;
    std::function<void(const ProbeSample&)> onSample;
    int clears = 0;
};
