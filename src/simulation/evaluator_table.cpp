#include "simulation/evaluators.h"

EvaluatorTable StandardEvaluators()
{
    return ColumnOf<Evaluator>({
        {ElementType::LED, EvalLED},
        {ElementType::Switch, EvalSwitch},
        {ElementType::AND, EvalAND},
        {ElementType::OR, EvalOR},
        {ElementType::XOR, EvalXOR},
        {ElementType::Inverter, EvalInverter},
        {ElementType::HalfAdder, EvalHA},
        {ElementType::FullAdder, EvalVA},
        {ElementType::TriState, EvalTriState},
        {ElementType::Multiplexer, EvalMultiplexer},
        {ElementType::Decoder, EvalDecoder},
        {ElementType::FlipFlop, EvalFlipFlop},
        {ElementType::ShiftRegister, EvalSRegister},
    });
}
