#pragma once
// Component evaluations are counted by routing the dispatch table through
// one counting entry per type.
#include <utility>

#include "simulation/engine.h"

inline EvaluatorTable g_inner{};
inline long long g_evaluations = 0;

template <int T>
void Counted(ProgramState& s, EngineContext& e, int x, int y, int dir, int value, int level)
{
    ++g_evaluations;
    g_inner[T](s, e, x, y, dir, value, level);
}

template <int... T>
void InstallCounters(EvaluatorTable& table, std::integer_sequence<int, T...>)
{
    ((table[T] = g_inner[T] ? &Counted<T> : nullptr), ...);
}
