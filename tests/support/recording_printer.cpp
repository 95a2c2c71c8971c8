#include "support/recording_printer.h"

#include <QRegularExpression>

namespace {

// An A4 page at 600 dots per inch.
constexpr int kPageWidth = 4961;
constexpr int kPageHeight = 7016;

} // namespace

RecordingPrinter::RecordingPrinter(QStringList devices_, bool fileDevice_)
    : devices(std::move(devices_)), fileDevice(fileDevice_), device(devices.isEmpty() ? QString() : devices.first())
{
}

void RecordingPrinter::SelectDevice(const QString& name)
{
    if (devices.contains(name))
        device = name;
}

bool RecordingPrinter::WritesFile() const
{
    return fileDevice && !devices.isEmpty() && device == devices.last();
}

Surface* RecordingPrinter::StartDoc()
{
    ++started;
    pages.clear();
    if (failure == Failure::StartDoc)
        return nullptr;
    surface = std::make_unique<RecordingSurface>(SurfaceKind::Printer, kPageWidth, kPageHeight);
    surface->OnDrawn = [this] {
        if (onDrawn)
            onDrawn(static_cast<int>(pages.size()));
    };
    return surface.get();
}

void RecordingPrinter::ClosePage()
{
    pages.push_back(surface->Log());
    surface->ClearLog();
}

bool RecordingPrinter::NewPage()
{
    if (failure == Failure::NewPage)
        return false;
    ClosePage();
    return true;
}

bool RecordingPrinter::EndDoc()
{
    ClosePage();
    if (failure == Failure::EndDoc)
        return false;
    ++sent;
    copiesSent = copies;
    return true;
}

void RecordingPrinter::KillDoc()
{
    ClosePage();
    ++killed;
}

QStringList RecordingPrinter::Texts(size_t k) const
{
    static const QRegularExpression text(QStringLiteral("^Print [^ ]+ \"(.*)\" font="));
    QStringList texts;
    if (k >= pages.size())
        return texts;
    for (const QString& line : pages[k])
        if (const QRegularExpressionMatch m = text.match(line); m.hasMatch())
            texts.append(m.captured(1));
    return texts;
}
