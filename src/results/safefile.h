#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTemporaryFile>

// A file written whole or not at all: into a temporary file beside it,
// under a short name of its own (so that a file whose name is as long as
// the disk allows can still be replaced), renamed over the old one once
// everything is on the disk. Until then, and whatever fails, the old file
// is left as it was; an unfinished temporary file is removed.
class SafeFile
{
    Q_DECLARE_TR_FUNCTIONS(SafeFile)

public:
    explicit SafeFile(const QString &path);
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    bool open();
    // Where to write, once open.
    QIODevice &device() { return temp_; }
    // To be told at once when a write to device() failed: keeps the
    // system's reason for failure().
    void writeFailed();
    // Puts the file in place of the old one.
    bool commit();

    // Why it failed, in words a learner understands ("the disk is full").
    QString failure() const;

    // bytes written whole to path: empty when done, else why not.
    static QString writeWhole(const QString &path, const QByteArray &bytes);

private:
    bool fail();

    QString path_;
    QTemporaryFile temp_;
    int error_ = 0; // the system's error number, when it gave one
    QString qtError_;
};
