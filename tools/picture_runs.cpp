// Writes the worksheet picture after each step of runs of the given circuits
// at several zooms, as PNG files named <circuit>_z<zoom>_<step>.png, so that
// the pictures of two builds can be compared file by file (cmp).
//   picture_runs <out dir> <circuit.gtr>...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "model/state.h"
#include "render/redraw.h"
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

void Run(const QString& out, const QString& circuit, float zoom)
{
    CircuitDriver d;
    DrawingWindow window(d);
    window.Attach(d.s);
    if (!d.Load(circuit)) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(circuit));
        return;
    }
    d.s.GridMode = zoom;
    const QString stem = QDir(out).filePath(QFileInfo(circuit).completeBaseName()
                                            + QStringLiteral("_z%1").arg(static_cast<int>(zoom * 10)));
    window.RedrawAllElements();
    Save(d, stem, QStringLiteral("0_loaded"));
    d.PowerOn();
    Save(d, stem, QStringLiteral("1_on"));
    // Inputs: the switches and the open conductor ends.
    std::vector<std::pair<int, int>> inputs;
    for (int x = 0; x <= d.s.MaxX; ++x) {
        for (int y = 0; y <= d.s.MaxY; ++y) {
            const GridCell& c = d.s.P(x, y);
            const int links = (c.ConLeft != 0) + (c.ConRight != 0) + (c.ConUp != 0) + (c.ConDown != 0);
            if (c.Type == ElementType::Switch || (c.Type == ElementType::Conductor && links == 1))
                inputs.emplace_back(x, y);
        }
    }
    if (inputs.size() > 6)
        inputs.resize(6);
    int step = 0;
    for (int round = 0; round < 2; ++round) {
        for (auto [x, y] : inputs) {
            d.Click(x, y);
            Save(d, stem, QStringLiteral("2_click%1").arg(++step, 2, 10, QLatin1Char('0')));
        }
    }
    for (int k = 0; k < 3; ++k) {
        d.Advance(700);
        Save(d, stem, QStringLiteral("3_clock%1").arg(k));
    }
    d.PowerOff();
    Save(d, stem, QStringLiteral("4_off"));
    d.s.ports = Ports{};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "picture_runs <out dir> <circuit.gtr>...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    for (int i = 2; i < argc; ++i)
        for (float zoom : {1.0f, 0.6f, 1.6f, 2.0f, 4.0f})
            Run(out, QString::fromLocal8Bit(argv[i]), zoom);
    return 0;
}
