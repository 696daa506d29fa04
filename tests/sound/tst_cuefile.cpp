// The working folder's files as the cues read them, through POSIX's calls
// and through Qt's: the same answer for every kind of thing a folder holds.
#include "sound/cuefile.h"

#include <QtTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using Make = std::function<QString(const QDir &)>;
Q_DECLARE_METATYPE(Make)

class TestCueFile : public QObject
{
    Q_OBJECT

private slots:
    void whatIsRead_data();
    void whatIsRead();
    void aChangeChangesTheSignature_data();
    void aChangeChangesTheSignature();

private:
    QTemporaryDir folder_;
};

namespace {

QString writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

} // namespace

void TestCueFile::whatIsRead_data()
{
    QTest::addColumn<bool>("portable");
    QTest::addColumn<Make>("make");
    QTest::addColumn<bool>("read");
    QTest::addColumn<qint64>("size");
    for (const bool portable : {false, true}) {
        const char *reader = portable ? "Qt" : "POSIX";
        auto row = [&](const char *what, Make make, bool read, qint64 size) {
            QTest::addRow("%s: %s", reader, what) << portable << make << read << size;
        };
        row("a small file", [](const QDir &d) { return writeFile(d, "small.wav", QByteArray(1000, 'a')); },
            true, 1000);
        row("an empty file", [](const QDir &d) { return writeFile(d, "empty.wav", {}); }, true, 0);
        row("a file of the most a cue may be",
            [](const QDir &d) { return writeFile(d, "most.wav", QByteArray(4096, 'b')); }, true, 4096);
        row("a file a byte over", [](const QDir &d) { return writeFile(d, "over.wav", QByteArray(4097, 'c')); },
            false, 0);
        row("nothing there", [](const QDir &d) { return d.filePath("missing.wav"); }, false, 0);
        row("a folder", [](const QDir &d) { d.mkdir("folder.wav"); return d.filePath("folder.wav"); }, false, 0);
#ifdef Q_OS_UNIX
        row("a FIFO", [](const QDir &d) {
                const QString path = d.filePath("fifo.wav");
                return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
            }, false, 0);
#endif
        row("a symbolic link to a device", [](const QDir &d) {
                const QString path = d.filePath("zero.wav");
                return QFile::link(QStringLiteral("/dev/zero"), path) ? path : QString();
            }, false, 0);
        row("a symbolic link to a small file", [](const QDir &d) {
                const QString target = writeFile(d, "target.wav", QByteArray(10, 'd'));
                const QString path = d.filePath("link.wav");
                return QFile::link(target, path) ? path : QString();
            }, true, 10);
    }
}

void TestCueFile::whatIsRead()
{
    QFETCH(bool, portable);
    QFETCH(Make, make);
    QFETCH(bool, read);
    QFETCH(qint64, size);
    QVERIFY(folder_.isValid());
    QDir dir(folder_.path());
    const QString sub = QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z]+"), "-");
    QVERIFY(dir.mkpath(sub) && dir.cd(sub));
    const QString path = make(dir);
    QVERIFY2(!path.isEmpty(), "could not make it here");

    FileSignature signature;
    const std::optional<QByteArray> bytes =
        portable ? readPortableFile(path, 4096, &signature) : readRegularFile(path, 4096, &signature);
    const std::optional<FileSignature> known = portable ? portableFileSignature(path) : regularFileSignature(path);
    QCOMPARE(bytes.has_value(), read);
    if (read) {
        QCOMPARE(bytes->size(), size);
        QCOMPARE(signature.size, size);
        QVERIFY(known.has_value());
        QCOMPARE(*known, signature);
    }
}

void TestCueFile::aChangeChangesTheSignature_data()
{
    QTest::addColumn<bool>("portable");
    QTest::newRow("POSIX") << false;
    QTest::newRow("Qt") << true;
}

void TestCueFile::aChangeChangesTheSignature()
{
    QFETCH(bool, portable);
    auto signatureOf = [portable](const QString &path) {
        return portable ? portableFileSignature(path) : regularFileSignature(path);
    };
    const QDir dir(folder_.path());
    const QString path = writeFile(dir, QStringLiteral("changing-%1.wav").arg(portable), "one");
    const std::optional<FileSignature> before = signatureOf(path);
    QVERIFY(before.has_value());
    QCOMPARE(signatureOf(path), before); // unchanged, the same
    // A new length, and a modification time a second later whatever the
    // file system's resolution.
    QVERIFY(!writeFile(dir, QFileInfo(path).fileName(), "three").isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(1), QFileDevice::FileModificationTime));
    file.close();
    const std::optional<FileSignature> after = signatureOf(path);
    QVERIFY(after.has_value());
    QVERIFY(!(*after == *before));
    QCOMPARE(after->size, qint64(5));
}

QTEST_MAIN(TestCueFile)
#include "tst_cuefile.moc"
