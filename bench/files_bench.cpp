// Loading and saving a large circuit: 200 x 200 cells, 2,000 components,
// conductors across the whole worksheet.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "placement/document/circuit_file.h"
#include "placement/document/new_file.h"
#include "model/state.h"
#include "platform/user_dialogs.h"

namespace {

class NoDialogs : public UserDialogs {
public:
    MessageResult ShowMessage(const QString&, MessageButtons, MessageIcon, const QString&) override
    {
        ++messages;
        return MessageResult::OK;
    }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString ChooseOpenFile(const FileDialogRequest&) override { return QString(); }
    QString ChooseSaveFile(const FileDialogRequest&) override { return QString(); }
    int messages = 0;
};

void Conductor(ProgramState& s, int x0, int y0, int x1, int y1)
{
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            GridCell& c = s.circuit.P(x, y);
            c.Type = ElementType::Conductor;
            if (x < x1)
                c.ConRight = kTrue;
            if (x > x0)
                c.ConLeft = kTrue;
            if (y < y1)
                c.ConDown = kTrue;
            if (y > y0)
                c.ConUp = kTrue;
        }
    }
}

// Rows of three-cell components between long horizontal and vertical conductors.
void BuildCircuit(ProgramState& s)
{
    s.circuit.MaxX = 200;
    s.circuit.MaxY = 200;
    InitArbeitsfeld(s);
    for (int k = 0; k < 50; ++k)
        Conductor(s, 0, 4 * k + 3, s.circuit.MaxX, 4 * k + 3);
    for (int j = 0; j < 40; ++j) {
        Conductor(s, 5 * j + 4, 0, 5 * j + 4, s.circuit.MaxY);
        for (int k = 0; k < 50; ++k) {
            if ((j + k) % 2 == 0)
                s.circuit.P(5 * j + 4, 4 * k + 3).Marker = kTrue; // a juncture at every other crossing
        }
    }
    const uint8_t types[] = {ElementType::LED, ElementType::Switch, ElementType::AND, ElementType::OR,
                             ElementType::XOR, ElementType::Inverter};
    for (int k = 0; k < 50; ++k) {
        for (int j = 0; j < 40; ++j) {
            const int x = 5 * j + 1;
            const int y = 4 * k + 1;
            ElementRecord e;
            e.Type = types[(j + k) % 6];
            e.Orientation = Orientation::Right;
            e.InPinList = QStringLiteral("X%1Y%2:").arg(x).arg(y);
            e.OutPinList = QStringLiteral("X%1Y%2:").arg(x + 2).arg(y);
            e.SelfIndex = static_cast<int16_t>(s.circuit.Elements.size());
            s.circuit.Elements.push_back(e);
            for (int i = 0; i < 3; ++i) {
                s.circuit.P(x + i, y).Type = e.Type;
                s.circuit.P(x + i, y).ElementNr = s.circuit.ElementCount();
            }
        }
    }
}

struct Fixture {
    Fixture()
    {
        BuildCircuit(s);
        path = dir.filePath(QStringLiteral("large.gtr"));
        s.objFile.FileName = path;
        SaveFile(s, dialogs, true);
    }
    QTemporaryDir dir;
    QString path;
    ProgramState s;
    NoDialogs dialogs;
};

Fixture& Shared()
{
    static Fixture f;
    return f;
}

void BM_LoadCircuit(benchmark::State& state)
{
    Fixture& f = Shared();
    ProgramState s;
    for (auto _ : state) {
        if (LoadFile(s, f.dialogs, f.path) != LoadResult::Loaded)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(s.circuit.ElementCount());
    }
    state.counters["elements"] = s.circuit.ElementCount();
}
BENCHMARK(BM_LoadCircuit)->Unit(benchmark::kMillisecond);

void BM_SaveCircuit(benchmark::State& state)
{
    Fixture& f = Shared();
    for (auto _ : state) {
        if (!SaveFile(f.s, f.dialogs, true))
            state.SkipWithError("save failed");
    }
    state.counters["elements"] = f.s.circuit.ElementCount();
}
BENCHMARK(BM_SaveCircuit)->Unit(benchmark::kMillisecond);

} // namespace
