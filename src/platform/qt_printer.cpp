#include "platform/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include "platform/painter_surface.h"
#include "platform/replace_file.h"
#include "platform/string_table.h"

namespace {

constexpr int kStrPdfFileDevice = 1814;

QString PdfDeviceName()
{
    return LoadResString(kStrPdfFileDevice);
}

// A PDF that ends without its trailer was cut short while it was written.
bool CompletePdf(const QByteArray& bytes)
{
    return bytes.startsWith("%PDF") && bytes.right(64).contains("%%EOF");
}

} // namespace

int QualityResolution(int quality)
{
    switch (quality) {
    case -1: return 75;
    case -2: return 150;
    case -3: return 300;
    default: return 600;
    }
}

QtPrinter::QtPrinter()
{
    device_ = QPrinterInfo::defaultPrinterName();
    if (device_.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(device_))
        device_ = PdfDeviceName();
}

QtPrinter::~QtPrinter()
{
    Release();
}

QStringList QtPrinter::DeviceNames() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(PdfDeviceName());
    return names;
}

void QtPrinter::SelectDevice(const QString& name)
{
    if (DeviceNames().contains(name))
        device_ = name;
}

bool QtPrinter::WritesFile() const
{
    return device_ == PdfDeviceName();
}

Surface* QtPrinter::StartDoc()
{
    Release();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (WritesFile()) {
        if (outputFile_.isEmpty())
            return nullptr;
        scratch_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/gatrel-XXXXXX.pdf"));
        if (!scratch_->open()) {
            Release();
            return nullptr;
        }
        scratch_->close();
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(scratch_->fileName());
    } else {
        printer_->setPrinterName(device_);
    }
    printer_->setResolution(QualityResolution(quality_));
    printer_->setColorMode(colorMode_ == 1 ? QPrinter::GrayScale : QPrinter::Color);
    printer_->setCopyCount(copies_);
    printer_->setDocName(QStringLiteral("Gatrel"));
    page_ = std::make_unique<PainterSurface>(printer_.get(), SurfaceKind::Printer);
    if (!page_->IsActive()) {
        Release();
        return nullptr;
    }
    return page_.get();
}

bool QtPrinter::NewPage()
{
    return printer_ && page_ && page_->IsActive() && printer_->newPage();
}

bool QtPrinter::EndDoc()
{
    if (!printer_ || !page_)
        return false;
    page_->Finish();
    bool ok = printer_->printerState() != QPrinter::Error;
    if (ok && scratch_) {
        QFile written(scratch_->fileName());
        const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
        ok = CompletePdf(bytes) && ReplaceFileContents(outputFile_, bytes);
    }
    Release();
    return ok;
}

void QtPrinter::KillDoc()
{
    if (printer_ && page_ && page_->IsActive())
        printer_->abort();
    Release();
}

void QtPrinter::Release()
{
    page_.reset();
    printer_.reset();
    scratch_.reset();
}
