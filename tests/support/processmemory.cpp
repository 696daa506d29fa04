#include "processmemory.h"

#include <QByteArray>
#include <QFile>

namespace {

qint64 statusField(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

} // namespace

qint64 residentKiB()
{
    return statusField("VmRSS:");
}

qint64 peakResidentKiB()
{
    return statusField("VmHWM:");
}
