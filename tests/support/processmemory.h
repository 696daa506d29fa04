#pragma once

#include <QtGlobal>

// The process's memory as Linux reports it in /proc/self/status, in KiB;
// 0 where it cannot be read.
qint64 residentKiB();     // now (VmRSS)
qint64 peakResidentKiB(); // the highest so far (VmHWM)
