#pragma once
// A printer for tests: each document is drawn on a recording surface of kind
// printer, one log per page, and the printer fails where a test asks it to.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "platform/printer.h"
#include "platform/recording_surface.h"

class RecordingPrinter : public Printer {
public:
    enum class Failure { None, StartDoc, NewPage, EndDoc };

    // The devices offered; the last one writes a file when fileDevice is set.
    explicit RecordingPrinter(QStringList devices = {QStringLiteral("Office laser"), QStringLiteral("PDF file")},
                              bool fileDevice = true);

    QStringList devices;
    bool fileDevice;
    QString device;
    QString outputFile;
    int quality = 0;
    int colorMode = 0;
    int copies = 1;

    Failure failure = Failure::None;
    // Run on every drawing call of a page, with the page's number (from 0):
    // a test reads the state while a page is drawn or throws a printer error.
    std::function<void(int page)> onDrawn;

    // The pages of the last document, each the log of its drawing calls.
    std::vector<QStringList> pages;
    // The page surface of the last document (its scale stays readable).
    std::unique_ptr<RecordingSurface> surface;
    int started = 0;
    int sent = 0;   // documents ended successfully
    int killed = 0; // documents abandoned
    int copiesSent = 0;

    QStringList DeviceNames() const override { return devices; }
    QString DeviceName() const override { return device; }
    void SelectDevice(const QString& name) override;
    bool WritesFile() const override;
    void SetOutputFile(const QString& path) override { outputFile = path; }
    void SetPrintQuality(int q) override { quality = q; }
    int PrintQuality() const override { return quality; }
    void SetColorMode(int mode) override { colorMode = mode; }
    int ColorMode() const override { return colorMode; }
    void SetCopies(int n) override { copies = n; }
    int Copies() const override { return copies; }
    Surface* StartDoc() override;
    bool NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;

    // The texts printed on page k, in order.
    QStringList Texts(size_t k) const;

private:
    void ClosePage();
};
