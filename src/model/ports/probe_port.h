#pragma once
// The engine's analysis-sensor events, for the logic analyzer. Each event
// hands over the levels of every channel at that moment, so a listener may
// record the sample at once and draw it whenever it likes.
#include <array>
#include <cstdint>

// The sensors' levels at one sensor event, by channel 1..9 (index channel - 1).
struct ProbeSample {
    static constexpr int8_t kNoSensor = -1;
    // kNoSensor where the sampled level has no sensor of that channel, else 0 Low or 1 High.
    std::array<int8_t, 9> levels{kNoSensor, kNoSensor, kNoSensor, kNoSensor, kNoSensor,
                                 kNoSensor, kNoSensor, kNoSensor, kNoSensor};
};

class ProbePort {
public:
    virtual ~ProbePort() = default;
    // A sensor has just taken an event; its element's State holds the new level.
    virtual void AnalyserProbeEvent(const ProbeSample& sample) = 0;
    // The power went on: every trace starts again at the left edge.
    virtual void ClearAnalyserTraces() = 0;
};
