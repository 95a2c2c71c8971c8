// Writes the worksheet picture after each step of runs of the given circuits
// at several zooms, as PNG files named <circuit>_z<zoom>_<step>.png, so that
// the pictures of two builds can be compared file by file (cmp). With --waits
// the runs have a delay instead, and <circuit>_z<zoom>_waits.txt lists a
// checksum of the picture the user sees at every wait of every run.
//   picture_runs [--waits] <out dir> <circuit.gtr>...
// ICs are looked up in the folder "ic" beside a circuit.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "model/state.h"
#include "editing/engine_binding.h"
#include "render/redraw.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"
#include "support/fake_main_window.h"

namespace {

// The window's redraw and picture sizing, on the driver's surface.
class DrawingWindow : public FakeMainWindow {
public:
    DrawingWindow(CircuitDriver& d) : d_(d) {}
    void RedrawAllElements() override
    {
        FakeMainWindow::RedrawAllElements();
        ::RedrawAllElements(d_.s, d_.grafik, 0);
    }
    void SetWorksheetPictureSize(int width, int height) override
    {
        FakeMainWindow::SetWorksheetPictureSize(width, height);
        d_.surface.Resize(width, height);
    }

private:
    CircuitDriver& d_;
};

void Save(CircuitDriver& d, const QString& stem, const QString& step)
{
    const QString file = stem + QLatin1Char('_') + step + QStringLiteral(".png");
    if (!d.surface.Image().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

QByteArray Checksum(const QImage& image)
{
    return QCryptographicHash::hash(
               QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
               QCryptographicHash::Sha1)
        .toHex();
}

void Run(const QString& out, const QString& circuit, float zoom, bool waits)
{
    CircuitDriver d;
    DrawingWindow window(d);
    window.Attach(d.s);
    d.s.Verzeichnisse[1] = QFileInfo(circuit).absolutePath() + QStringLiteral("/ic/");
    if (!d.Load(circuit)) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(circuit));
        return;
    }
    d.s.GridMode = zoom;
    const QString stem = QDir(out).filePath(QFileInfo(circuit).completeBaseName()
                                            + QStringLiteral("_z%1").arg(static_cast<int>(zoom * 10)));
    window.RedrawAllElements();
    QByteArray seen; // with --waits: the checksums, one line per wait
    QString step = QStringLiteral("0_loaded");
    auto shown = [&](const QString& name) {
        step = name;
        if (!waits)
            Save(d, stem, name);
    };
    if (waits) {
        d.s.engine.DelaySetting = 1;
        d.onPump = [&](int n) {
            seen += step.toLatin1() + ' ' + QByteArray::number(n) + ' ' + Checksum(d.surface.Image()) + '\n';
        };
    }
    shown(QStringLiteral("0_loaded"));
    d.PowerOn();
    shown(QStringLiteral("1_on"));
    // Inputs: the switches and the open conductor ends.
    std::vector<std::pair<int, int>> inputs;
    for (int x = 0; x <= d.s.circuit.MaxX; ++x) {
        for (int y = 0; y <= d.s.circuit.MaxY; ++y) {
            const GridCell& c = d.s.circuit.P(x, y);
            const int links = (c.ConLeft != 0) + (c.ConRight != 0) + (c.ConUp != 0) + (c.ConDown != 0);
            if (c.Type == ElementType::Switch || (c.Type == ElementType::Conductor && links == 1))
                inputs.emplace_back(x, y);
        }
    }
    if (inputs.size() > 6)
        inputs.resize(6);
    int clicks = 0;
    for (int round = 0; round < 2; ++round) {
        for (auto [x, y] : inputs) {
            d.Click(x, y);
            shown(QStringLiteral("2_click%1").arg(++clicks, 2, 10, QLatin1Char('0')));
        }
    }
    if (waits) {
        // Every cell of the flip-flops, shift registers and clock generators
        // clicked (a state flipped, a stage toggled, a generator selected),
        // and every generator running.
        int cells = 0;
        for (int x = 0; x <= d.s.circuit.MaxX; ++x) {
            for (int y = 0; y <= d.s.circuit.MaxY; ++y) {
                const uint8_t type = d.s.circuit.P(x, y).Type;
                if (type != ElementType::FlipFlop && type != ElementType::ShiftRegister
                    && type != ElementType::ClockGenerator)
                    continue;
                d.Click(x, y);
                shown(QStringLiteral("2_cell%1").arg(++cells, 3, 10, QLatin1Char('0')));
            }
        }
        for (size_t i = 0; i < d.s.circuit.Clocks.size() && i < d.timer2.size(); ++i) {
            d.s.SelectedClock = static_cast<int16_t>(i);
            Toolbar3_ButtonClick(EngineOf(d.s, d.e), QStringLiteral("cmdDauertakt"));
        }
    }
    for (int k = 0; k < 3; ++k) {
        d.Advance(700);
        shown(QStringLiteral("3_clock%1").arg(k));
    }
    d.PowerOff();
    shown(QStringLiteral("4_off"));
    d.s.ports = Ports{};
    if (waits) {
        QFile file(stem + QStringLiteral("_waits.txt"));
        if (!file.open(QIODevice::WriteOnly) || file.write(seen) != seen.size() || !file.flush())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool waits = argc > 1 && qstrcmp(argv[1], "--waits") == 0;
    const int first = waits ? 2 : 1;
    if (argc < first + 2) {
        std::fprintf(stderr, "picture_runs [--waits] <out dir> <circuit.gtr>...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[first]);
    QDir().mkpath(out);
    for (int i = first + 1; i < argc; ++i)
        for (float zoom : {1.0f, 0.6f, 1.6f, 2.0f, 4.0f})
            Run(out, QString::fromLocal8Bit(argv[i]), zoom, waits);
    return 0;
}
