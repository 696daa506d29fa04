// The working folder's files through POSIX's own calls: the file's kind
// checked on the open descriptor itself, a FIFO opened without waiting.
#include "sound/cuefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileSignature signatureOf(const struct stat &s)
{
    return {qint64(s.st_size), qint64(s.st_mtim.tv_sec) * 1'000'000'000 + s.st_mtim.tv_nsec,
            quint64(s.st_ino)};
}

} // namespace

std::optional<FileSignature> regularFileSignature(const QString &path)
{
    struct stat s {};
    if (::stat(QFile::encodeName(path).constData(), &s) != 0 || !S_ISREG(s.st_mode))
        return std::nullopt;
    return signatureOf(s);
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes,
                                          FileSignature *signature)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    struct stat s {};
    if (::fstat(fd, &s) == 0 && S_ISREG(s.st_mode) && s.st_size <= maxBytes) {
        QByteArray bytes(qsizetype(s.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        if (done == bytes.size()) {
            result = std::move(bytes);
            if (signature)
                *signature = signatureOf(s);
        }
    }
    ::close(fd);
    return result;
}
