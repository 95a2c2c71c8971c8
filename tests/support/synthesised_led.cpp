#include "support/synthesised_led.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/pin_lists.h"
#include "support/term_oracle.h"

std::map<QChar, PinPos> SynthesisedSwitches(const ProgramState& s)
{
    std::map<QChar, PinPos> out;
    for (int16_t n = 1; n <= s.circuit.ElementCount(); ++n) {
        const ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
        if (e.Type != ElementType::TextLabel)
            continue;
        const PinPos at = InputPinsOf(s, n, 0).pin[0];
        const GridCell& below = s.circuit.P(at.X, at.Y + 1);
        if (e.Label.size() == 1 && below.Type == ElementType::Switch)
            out[e.Label[0]] = PinPos{at.X, static_cast<int16_t>(at.Y + 1)};
    }
    return out;
}

PinPos SynthesisedLed(const ProgramState& s)
{
    for (int16_t n = 1; n <= s.circuit.ElementCount(); ++n)
        if (s.circuit.Elements[static_cast<size_t>(n)].Type == ElementType::LED)
            return InputPinsOf(s, n, 0).pin[0];
    ADD_FAILURE() << "no LED";
    return {};
}

int WrongLedCombinations(const ProgramState& s, const QString& term, const std::function<void(int, int)>& click)
{
    const std::map<QChar, PinPos> switches = SynthesisedSwitches(s);
    const unsigned mask = oracle::Variables(term);
    EXPECT_EQ(switches.size(), static_cast<size_t>(__builtin_popcount(mask))) << "one switch per variable";
    EXPECT_EQ(s.engine.PowerFlag, kTrue);
    std::vector<QChar> vars;
    for (const auto& [name, at] : switches)
        vars.push_back(name);
    const PinPos led = SynthesisedLed(s);
    unsigned set = 0; // bit i: switch vars[i] is on
    int wrong = 0;
    const unsigned combinations = 1u << vars.size();
    for (unsigned step = 0; step < combinations; ++step) {
        const unsigned gray = step ^ (step >> 1);
        for (size_t i = 0; i < vars.size(); ++i) {
            if (((gray ^ set) >> i) & 1u)
                click(switches.at(vars[i]).X, switches.at(vars[i]).Y);
        }
        set = gray;
        unsigned values = 0;
        for (size_t i = 0; i < vars.size(); ++i)
            if ((set >> i) & 1u)
                values |= 1u << (vars[i].unicode() - u'A');
        const bool lit = s.circuit.Levels.at(0).Field.at(led.X, led.Y).Value != 0;
        const std::optional<bool> want = oracle::Evaluate(term, values);
        if (!want || lit != *want) {
            ++wrong;
            ADD_FAILURE() << term.toStdString() << " values " << values << " LED " << lit;
        }
    }
    return wrong;
}
