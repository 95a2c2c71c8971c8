#include "support/failing_writes.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>

FailingWrites::FailingWrites()
{
    // Without this the process would be ended by the signal instead of the write failing.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &old_), 0);
    rlimit none = old_;
    none.rlim_cur = 0;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
}

FailingWrites::~FailingWrites()
{
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

QString FailingWrites::Reason()
{
    return QString::fromLocal8Bit(std::strerror(EFBIG));
}
