#include "results/safefile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The file a path names, through any symbolic links: a link is written
// through, not replaced by a file.
QString finalPath(const QString &path)
{
    QFileInfo info(path);
    for (int links = 0; info.isSymLink() && links < 40; ++links)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

} // namespace

SafeFile::SafeFile(const QString &path)
    : path_(finalPath(path)),
      temp_(QFileInfo(path_).dir().filePath(QStringLiteral(".shootalot-XXXXXX.part")))
{
}

SafeFile::~SafeFile() = default; // the temporary file removes itself unless committed

bool SafeFile::open()
{
    errno = 0;
    if (QFileInfo(path_).isDir()) {
        error_ = EISDIR;
        return false;
    }
    if (!temp_.open())
        return fail();
    return true;
}

void SafeFile::writeFailed()
{
    fail();
}

bool SafeFile::fail()
{
    if (error_ == 0)
        error_ = errno;
    if (qtError_.isEmpty())
        qtError_ = temp_.errorString();
    return false;
}

bool SafeFile::commit()
{
    errno = 0;
    if (!temp_.flush())
        return fail();
#ifdef Q_OS_UNIX
    // On the disk before it takes the old file's place, so that a crash
    // leaves the one or the other, never an empty file.
    if (::fsync(temp_.handle()) != 0)
        return fail();
#endif
    // A file replaced keeps who may read it; a new one is readable by all,
    // as files saved by desktop programs are.
    const QFileInfo old(path_);
    temp_.setPermissions(old.exists() ? old.permissions()
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString written = temp_.fileName();
    temp_.close();
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(written.toStdU16String()),
                            std::filesystem::path(path_.toStdU16String()), error);
    if (error) {
        error_ = error.value();
        return false;
    }
    temp_.setAutoRemove(false); // it is the file now
    return true;
}

QString SafeFile::failure() const
{
    switch (error_) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return tr("the disk is full");
    case EFBIG:
        return tr("the file is larger than this disk or account allows");
    case ENAMETOOLONG:
        return tr("the name is too long");
    case EACCES:
    case EPERM:
        return tr("you may not write there");
    case EROFS:
        return tr("the disk can only be read");
    case ENOENT:
    case ENOTDIR:
        return tr("the folder does not exist");
    case EISDIR:
        return tr("a folder has that name");
    case EIO:
        return tr("the disk could not be written");
    default:
        break;
    }
    if (error_ != 0)
        return QString::fromStdString(std::generic_category().message(error_));
    return qtError_.isEmpty() ? tr("the file could not be written") : qtError_;
}

QString SafeFile::writeWhole(const QString &path, const QByteArray &bytes)
{
    SafeFile file(path);
    if (!file.open())
        return file.failure();
    if (file.device().write(bytes) != bytes.size()) {
        file.writeFailed();
        return file.failure();
    }
    return file.commit() ? QString() : file.failure();
}
