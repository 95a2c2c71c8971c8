#pragma once
// A disk that takes no more bytes, for tests of failed saves that need no
// rights and no mount: while a FailingWrites lives, every write that would
// make a file larger fails, as it does on a full disk.
#include <QString>
#include <sys/resource.h>

class FailingWrites {
public:
    FailingWrites();
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;

    // The reason the system gives for such a write.
    static QString Reason();

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
