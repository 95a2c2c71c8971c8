#pragma once
// The printer as printing uses it: the devices to choose from, the settings
// that stay with it for the run, and a document of pages drawn on a surface.
#include <QString>
#include <QStringList>

class Surface;

class Printer {
public:
    virtual ~Printer() = default;

    // Every device the user can print on, in the system's order; a device
    // that writes a file (a PDF file) comes last.
    virtual QStringList DeviceNames() const = 0;
    virtual QString DeviceName() const = 0;
    // Makes the device of that name the current one; an unknown name changes nothing.
    virtual void SelectDevice(const QString& name) = 0;
    // The current device writes a file, whose name must be set before a document starts.
    virtual bool WritesFile() const = 0;
    virtual void SetOutputFile(const QString& path) = 0;

    // -1 draft, -2 low, -3 medium, -4 high.
    virtual void SetPrintQuality(int quality) = 0;
    virtual int PrintQuality() const = 0;
    // 1 monochrome, 2 colour.
    virtual void SetColorMode(int mode) = 0;
    virtual int ColorMode() const = 0;
    virtual void SetCopies(int copies) = 0;
    virtual int Copies() const = 0;

    // Starts a document: the surface of its first page, of kind Printer, valid
    // until EndDoc or KillDoc; null when the device cannot start one.
    virtual Surface* StartDoc() = 0;
    // Goes on to the next page of the same surface; false on a failure.
    virtual bool NewPage() = 0;
    // Sends the document; false when it did not reach the device or its file.
    virtual bool EndDoc() = 0;
    // Abandons the document after a failure; nothing is sent or written.
    virtual void KillDoc() = 0;
};
