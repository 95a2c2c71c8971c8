#pragma once
// The printer on Qt: the installed printers, and a PDF file as the last
// device, so that printing works where no printer is installed.
#include <QString>
#include <memory>

#include "platform/printer.h"

class PainterSurface;
class QPrinter;
class QTemporaryFile;

// Device resolution in dots per inch for a print quality (-1 draft .. -4 high).
int QualityResolution(int quality);

class QtPrinter : public Printer {
public:
    // The system's default printer is the current one, else the PDF file.
    QtPrinter();
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    QStringList DeviceNames() const override;
    QString DeviceName() const override { return device_; }
    void SelectDevice(const QString& name) override;
    bool WritesFile() const override;
    void SetOutputFile(const QString& path) override { outputFile_ = path; }

    void SetPrintQuality(int quality) override { quality_ = quality; }
    int PrintQuality() const override { return quality_; }
    void SetColorMode(int mode) override { colorMode_ = mode; }
    int ColorMode() const override { return colorMode_; }
    void SetCopies(int copies) override { copies_ = copies; }
    int Copies() const override { return copies_; }

    Surface* StartDoc() override;
    bool NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;

private:
    void Release();

    QString device_;
    QString outputFile_;
    int quality_ = -4;
    int colorMode_ = 2;
    int copies_ = 1;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PainterSurface> page_;
    // A PDF is written here first and replaces the chosen file only when complete.
    std::unique_ptr<QTemporaryFile> scratch_;
};
