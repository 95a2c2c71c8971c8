#pragma once
// The window caption and the recent-file items of the File menu.
#include <QString>

class FilePort {
public:
    virtual ~FilePort() = default;
    virtual void SetCaption(const QString& caption) = 0;
    // mUsedFiles(index), hidden when the caption is empty.
    virtual void SetUsedFileItem(int index, const QString& caption) = 0;
    virtual void ShowUsedFilesSeparator() = 0; // Trennstrich3
};
