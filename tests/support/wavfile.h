#pragma once

// WAV files made by the tests: 16-bit PCM, one channel.

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// samples at rate as a WAV file; dataBytes, when given, is what its header
// claims the data to be, formatTag what it claims the encoding is.
inline QByteArray pcmWav(const std::vector<qint16> &samples, int rate, qint64 dataBytes = -1, quint16 formatTag = 1)
{
    const auto bytes = quint32(samples.size() * sizeof(qint16));
    const quint32 data = dataBytes < 0 ? bytes : quint32(dataBytes);
    QByteArray out;
    const auto put32 = [&](quint32 v) { out.append(reinterpret_cast<const char *>(&v), 4); };
    const auto put16 = [&](quint16 v) { out.append(reinterpret_cast<const char *>(&v), 2); };
    out += "RIFF";
    put32(36 + data);
    out += "WAVEfmt ";
    put32(16);
    put16(formatTag);
    put16(1);
    put32(quint32(rate));
    put32(quint32(rate) * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(data);
    out.append(reinterpret_cast<const char *>(samples.data()), qsizetype(bytes));
    return out;
}
