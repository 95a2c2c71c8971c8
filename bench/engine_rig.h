#pragma once
// What the engine benchmarks share: the drawing they run with, and
// component evaluations counted by routing the dispatch table through one
// counting entry per type.
#include <array>
#include <memory>
#include <utility>

#include "platform/null_surface.h"
#include "platform/painter_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_view.h"
#include "simulation/engine.h"
#include "simulation/evaluators.h"

enum class Drawing { None, NullSurface, Picture };

// The worksheet surface, drawing object and view of a benchmark run; with
// Drawing::None no view watches and nothing is drawn.
struct BenchDrawing {
    void Attach(ProgramState& s, EngineContext& e, Drawing drawing)
    {
        const int w = (s.circuit.MaxX + 2) * 14;
        const int h = (s.circuit.MaxY + 2) * 14;
        if (drawing == Drawing::Picture)
            surface = std::make_unique<PainterSurface>(w, h);
        else
            surface = std::make_unique<NullSurface>(w, h);
        grafik = std::make_unique<clsGrafik>(s, surface.get());
        if (drawing != Drawing::None)
            view = std::make_unique<SheetView>(s, *grafik, surface.get());
        e.evaluators = StandardEvaluators();
    }

    std::unique_ptr<Surface> surface;
    std::unique_ptr<clsGrafik> grafik;
    std::unique_ptr<SheetView> view;
};

inline EvaluatorTable g_inner{};
inline long long g_evaluations = 0;
// The same evaluations by element type.
inline std::array<long long, 256> g_evaluationsByType{};

template <int T>
void Counted(const Engine& en, int x, int y, Direction dir, int value, int level)
{
    ++g_evaluations;
    ++g_evaluationsByType[T];
    g_inner[T](en, x, y, dir, value, level);
}

template <int... T>
void InstallCounters(EvaluatorTable& table, std::integer_sequence<int, T...>)
{
    ((table[T] = g_inner[T] ? &Counted<T> : nullptr), ...);
}
