// Measures how much memory one run of a circuit takes: loads the circuit,
// draws it as the window does, switches the power on and clicks the given
// cell, and prints the growth of the process's peak resident size over the
// click (and over power-on and click) in MB, with the run's end.
//   run_memory <circuit.gtr> <x> <y>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "render/redraw.h"
#include "support/circuit_driver.h"
#include "support/fake_main_window.h"

namespace {

// A field of /proc/self/status in kB (VmHWM: the peak, VmRSS: now).
long StatusKB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').front().toLong();
    return -1;
}

// Forgets the peak so far, so that VmHWM counts from now.
void ResetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

class DrawingWindow : public FakeMainWindow {
public:
    explicit DrawingWindow(CircuitDriver& d) : d_(d) {}
    void RedrawAllElements() override
    {
        FakeMainWindow::RedrawAllElements();
        ::RedrawAllElements(d_.s, d_.grafik, 0);
    }

private:
    CircuitDriver& d_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "run_memory <circuit.gtr> <x> <y>\n");
        return 2;
    }
    CircuitDriver d;
    DrawingWindow window(d);
    window.Attach(d.s);
    const QString circuit = QString::fromLocal8Bit(argv[1]);
    d.s.Verzeichnisse[1] = QFileInfo(circuit).absolutePath() + QStringLiteral("/ic/");
    if (!d.Load(circuit)) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    ResetPeak();
    const long beforeOn = StatusKB("VmRSS");
    d.PowerOn();
    const long peakOn = StatusKB("VmHWM");
    ResetPeak();
    const long beforeClick = StatusKB("VmRSS");
    d.Click(std::atoi(argv[2]), std::atoi(argv[3]));
    const long peakClick = StatusKB("VmHWM");
    std::printf("event limit %zu, aborted %s\n", d.s.engine.EventLimit, d.s.engine.AbortFlag != 0 ? "yes" : "no");
    std::printf("peak growth over the click: %.1f MB; over power-on and click: %.1f MB\n",
                (peakClick - beforeClick) / 1024.0, (std::max(peakOn, peakClick) - beforeOn) / 1024.0);
    return 0;
}
