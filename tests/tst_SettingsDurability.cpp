// The settings file against what happens to real files and processes: a full
// disk, kill -9 in the middle of a save, two copies saving one file, and a
// long random session over the whole window.
#include "app/fMain.h"
#include "app/fScreen.h"
#include "app/mSetup.h"
#include "fakes/FakeDesktop.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/QtFileSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

using namespace mSetup;

namespace {

// Real files in a folder of the test's choosing, standing for the
// executable's folder.
class FolderFileSystem : public QtFileSystem {
public:
    explicit FolderFileSystem(QString dir)
        : m_dir(std::move(dir))
    {
    }
    QString executableDir() const override { return m_dir; }
    QString configDir() const override { return m_dir + QStringLiteral("/config"); }
    QString installBinDir() const override { return QStringLiteral("/nonexistent/bin"); }

private:
    QString m_dir;
};

// Installs FolderFileSystem for dir, the other services as they are.
struct FilesIn {
    FolderFileSystem files;
    Platform previous;
    explicit FilesIn(const QString& dir)
        : files(dir)
    {
        Platform p = platform();
        p.files = &files;
        previous = setPlatform(p);
    }
    ~FilesIn() { setPlatform(previous); }
};

QByteArray record(std::int32_t fill)
{
    QByteArray out;
    for (int i = 0; i < SetupData::FileSize / 4; ++i) {
        char b[4];
        qToLittleEndian<std::int32_t>(fill + i, b);
        out.append(b, 4);
    }
    return out;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Helper modes of this same program, run as separate processes.
int saveLoop(const QString& dir)
{
    FilesIn in(dir);
    ReadSetup();
    for (int i = 0;; ++i) {
        Setup().overlayBytes(record(i % 2 ? 0x0B0000 : 0x0A0000));
        WriteSetup();
    }
}

int storeOne(const QString& dir, int field, std::int32_t value)
{
    FilesIn in(dir);
    ReadSetup();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    char line[8];
    if (!std::fgets(line, sizeof line, stdin))
        return 3;
    Setup().ForeFavorites[field] = value;
    return WriteSetup() ? 0 : 1;
}

} // namespace

class TestSettingsDurability : public QObject {
    Q_OBJECT
private slots:
    void fullDiskKeepsTheOldFileAndTellsTheUser_data();
    void fullDiskKeepsTheOldFileAndTellsTheUser();
    void killDuringASaveLeavesOldOrNew();
    void twoCopiesKeepWhatEachStored();
    void longTailIsCopiedNotHeld();
    void randomSessionEndsWithAValidFile();
};

void TestSettingsDurability::fullDiskKeepsTheOldFileAndTellsTheUser_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("a record with a tail") << record(0x00123456) + QByteArray(300, 'T');
    QTest::newRow("first run: no file") << QByteArray();
}

void TestSettingsDurability::fullDiskKeepsTheOldFileAndTellsTheUser()
{
    QFETCH(QByteArray, before);
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root; run the tests as root to check a full disk");
    QTemporaryDir mountPoint;
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tintaro-test", where.constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("this machine does not allow mounting a tmpfs here");
    const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
    const QString file = mountPoint.filePath(QStringLiteral("pvsetup.dat"));
    if (!before.isEmpty())
        QVERIFY(writeFile(file, before));
    {
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

    FakeDesktop desk;
    FilesIn in(mountPoint.path());
    fMain window;
    window.Form_Load();
    window.cpFore()->setsColor(3, 0x00ABCDEF);
    window.close();
    QCOMPARE(desk.messages.shown.size(), 1);
    QCOMPARE(desk.messages.shown[0].title, QStringLiteral("Tintaro"));
    QVERIFY(desk.messages.shown[0].text.contains(file));
    if (before.isEmpty()) // nothing was there: nothing is left to raise a false alarm
        QVERIFY(!QFileInfo::exists(file));
    else
        QCOMPARE(fileBytes(file), before);
}

void TestSettingsDurability::killDuringASaveLeavesOldOrNew()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pvsetup.dat"));
    // A long tail makes each save long enough to be cut in the middle.
    const QByteArray tail(256 * 1024, 't');
    QVERIFY(writeFile(file, record(0x0A0000) + tail));
    QRandomGenerator rng(12345);
    for (int round = 0; round < 200; ++round) {
        QProcess saver;
        saver.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop"), dir.path()});
        QVERIFY(saver.waitForStarted());
        QThread::msleep(rng.bounded(5, 60));
        saver.kill();
        QVERIFY(saver.waitForFinished());
        const QByteArray now = fileBytes(file);
        QVERIFY2(now == record(0x0A0000) + tail || now == record(0x0B0000) + tail,
                 qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
    }
}

void TestSettingsDurability::twoCopiesKeepWhatEachStored()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pvsetup.dat"));
    QVERIFY(writeFile(file, record(0x010000)));
    QProcess first, second;
    const auto start = [&](QProcess& p, int field, int value) {
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--store"), dir.path(), QString::number(field), QString::number(value)});
        QVERIFY(p.waitForReadyRead(20000));
        QCOMPARE(p.readLine(), QByteArray("ready\n"));
    };
    start(first, 0, 0x00111111);  // both have read the file ...
    start(second, 5, 0x00222222);
    first.write("go\n");          // ... then each stores its own favourite
    QVERIFY(first.waitForFinished(20000));
    second.write("go\n");
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    SetupData expected;
    expected.overlayBytes(record(0x010000));
    expected.ForeFavorites[0] = 0x00111111;
    expected.ForeFavorites[5] = 0x00222222;
    QCOMPARE(fileBytes(file), expected.toBytes());
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".lock")));
}

void TestSettingsDurability::longTailIsCopiedNotHeld()
{
    // 64 MiB past the record: kept byte for byte, without being read whole.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pvsetup.dat"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(record(0x050000)) == SetupData::FileSize);
        QByteArray block(1 << 20, '\0');
        for (int i = 0; i < 64; ++i) {
            block.fill(char('a' + i % 26));
            QVERIFY(f.write(block) == block.size());
        }
    }
    FilesIn in(dir.path());
    ReadSetup();
    Setup().BackPickerColor = 0x00FEDCBA;
    QVERIFY(WriteSetup());
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.size(), qint64(SetupData::FileSize) + (qint64(64) << 20));
    QCOMPARE(qFromLittleEndian<std::int32_t>(f.read(8).constData() + 4), 0x00FEDCBA);
    for (int i = 0; i < 64; ++i) {
        QVERIFY(f.seek(SetupData::FileSize + (qint64(i) << 20) + 1000));
        QCOMPARE(f.read(1), QByteArray(1, char('a' + i % 26)));
    }
}

void TestSettingsDurability::randomSessionEndsWithAValidFile()
{
    FakeDesktop desk;
    auto* window = new fMain;
    window->Form_Load();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWindow* handle = window->windowHandle();
    QRandomGenerator rng(20261207);
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    struct Key {
        Qt::Key key;
        const char* text;
    };
    // Keys with the texts X11 sends for them.
    const Key keys[] = {{Qt::Key_0, "0"}, {Qt::Key_5, "5"}, {Qt::Key_9, "9"}, {Qt::Key_A, "a"}, {Qt::Key_Delete, "\x7f"},
                        {Qt::Key_Backspace, "\b"}, {Qt::Key_Tab, "\t"}, {Qt::Key_Up, ""}, {Qt::Key_PageDown, ""},
                        {Qt::Key_Return, "\r"}, {Qt::Key_Space, " "}, {Qt::Key_Escape, "\x1b"}};
    const QSize size = window->size();
    for (int i = 0; i < 10000; ++i) {
        const QPoint at(rng.bounded(size.width()), rng.bounded(size.height()));
        // The close button ends the session; it comes last.
        if (QRect(495, 3, 27, 27).contains(at))
            continue;
        const int what = rng.bounded(10);
        if (what < 4) {
            QTest::mouseMove(handle, at);
        } else if (what < 8) {
            const Qt::MouseButton b = buttons[rng.bounded(3)];
            QTest::mousePress(handle, b, Qt::NoModifier, at);
            const QPoint to = at + QPoint(rng.bounded(-20, 20), rng.bounded(-20, 20));
            QTest::mouseMove(handle, QPoint(qBound(0, to.x(), size.width() - 1), qBound(0, to.y(), size.height() - 1)));
            QTest::mouseRelease(handle, b, Qt::NoModifier, at);
            window->move(0, 0); // a drag is not what is being tried here
        } else {
            const Key& k = keys[rng.bounded(int(std::size(keys)))];
            QTest::sendKeyEvent(QTest::Click, handle, k.key, QString::fromLatin1(k.text), Qt::NoModifier);
        }
        if (window->captureWindow() && window->captureWindow()->isVisible())
            QTest::mouseClick(window->captureWindow()->windowHandle(), Qt::LeftButton, {}, QPoint(3, 3));
    }
    const OLE_COLOR fore = window->cpFore()->Color();
    const OLE_COLOR fav = window->cpBack()->sColor(7);
    window->close();
    delete window;
    const QByteArray saved = fileBytes(desk.settingsFile());
    QCOMPARE(saved.size(), SetupData::FileSize);
    QCOMPARE(qFromLittleEndian<std::int32_t>(saved.constData()), fore);
    QCOMPARE(qFromLittleEndian<std::int32_t>(saved.constData() + 60 + 4 * 6), fav);
}

int main(int argc, char** argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() >= 3 && args[1] == QLatin1String("--save-loop")) {
        QCoreApplication app(argc, argv);
        return saveLoop(args[2]);
    }
    if (args.size() >= 5 && args[1] == QLatin1String("--store")) {
        QCoreApplication app(argc, argv);
        return storeOne(args[2], args[3].toInt(), args[4].toInt());
    }
    QApplication app(argc, argv);
    TestSettingsDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SettingsDurability.moc"
