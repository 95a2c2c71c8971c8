#include "simulation/evaluators.h"

EvaluatorTable StandardEvaluators()
{
    EvaluatorTable t{};
    t[ElementType::LED] = EvalLED;
    t[ElementType::Switch] = EvalSwitch;
    t[ElementType::AND] = EvalAND;
    t[ElementType::OR] = EvalOR;
    t[ElementType::XOR] = EvalXOR;
    t[ElementType::Inverter] = EvalInverter;
    t[ElementType::HalfAdder] = EvalHA;
    t[ElementType::FullAdder] = EvalVA;
    t[ElementType::TriState] = EvalTriState;
    t[ElementType::Multiplexer] = EvalMultiplexer;
    t[ElementType::Decoder] = EvalDecoder;
    t[ElementType::FlipFlop] = EvalFlipFlop;
    t[ElementType::ShiftRegister] = EvalSRegister;
    return t;
}
