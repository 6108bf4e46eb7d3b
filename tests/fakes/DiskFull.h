// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

namespace rovanta::testing {

// Lowers the process's file-size limit while it lives: writes past it fail
// with EFBIG, which no privilege bypasses, so to the writer the disk is full.
class DiskFull {
public:
    explicit DiskFull(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~DiskFull() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit m_saved{};
};

} // namespace rovanta::testing
