// The settings file against what happens to real files and processes: odd
// contents, folders that cannot be written, a full disk, kill -9 in the
// middle of a save, two copies saving one file.
#include "app/fMain.h"
#include "app/mSetup.h"
#include "app/mStartup.h"
#include "fakes/FakeDesktop.h"
#include "picker/Quor_Colorpicker.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>
#include <sys/mount.h>
#include <unistd.h>

using namespace mSetup;

static QByteArray le32s(std::initializer_list<std::int32_t> values, int size = 0)
{
    QByteArray out;
    for (std::int32_t v : values)
        out.append(4, '\0'), qToLittleEndian(v, out.data() + out.size() - 4);
    return size ? out.leftJustified(size, '\0') : out;
}
// A whole record of consecutive numbers from fill.
static QByteArray record(std::int32_t fill)
{
    QByteArray out;
    for (int i = 0; i < SetupData::FileSize / 4; ++i)
        out += le32s({fill + i});
    return out;
}
static QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
static bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The settings files in a folder of the test's choosing, the rest as it is.
struct FilesIn : QtFileSystem {
    QString dir;
    Platform previous;
    explicit FilesIn(QString d) : dir(std::move(d)), previous(platform())
    {
        Platform p = previous;
        p.files = this, setPlatform(p);
    }
    ~FilesIn() override { setPlatform(previous); }
    QString executableDir() const override { return dir; }
    QString configDir() const override { return dir + QStringLiteral("/config"); }
    QString installBinDir() const override { return QStringLiteral("/nonexistent/bin"); }
};

class TestSettingsFile : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeDesktop> m_desk;
    QString path() const { return m_desk->settingsFile(); }

private slots:
    void init() { m_desk = std::make_unique<FakeDesktop>(); }
    void cleanup() { m_desk.reset(); }

    void readThenWriteKeepsTheFileRules()
    {
        const QByteArray full = record(0x7A000001), tail(88, 'T');
        // The file before (null: none, a first run) and after a read and a save.
        const std::pair<QByteArray, QByteArray> rows[] = {
            {QByteArray(), le32s({255, 0}, 112)},                            // the defaults: red on black
            {le32s({0x123456, 0x654321}), le32s({0x123456, 0x654321}, 112)}, // 8 bytes: both colours
            {le32s({0x11223344}) + '\x7F', le32s({0x11223344, 0x7F}, 112)},  // 5: a partly covered field
            {QByteArray(4, '\0'), QByteArray(112, '\0')},                    // 4 zeros: black on black, no red default
            {full, full}, {full + tail, full + tail}};                       // taken as they are; bytes past 111 kept
        for (const auto& [before, after] : rows) {
            if (!before.isNull())
                QVERIFY(writeFile(path(), before));
            ReadSetup();
            QCOMPARE(Setup().toBytes(), after.left(112));
            QCOMPARE(QFileInfo(path()).size(), before.size()); // left on disk (empty when new) until the save
            WriteSetup();
            QCOMPARE(fileBytes(path()), after);
        }
        QVERIFY(m_desk->messages.shown.isEmpty());
    }

    void aFileThatCannotBeUsedGivesDefaultsAndIsLeftAsItWas()
    {
        const QByteArray old = le32s({0x00AA00, 0x0000BB}, 112) + "tail";
        for (const QString fault : {"read", "write", "folder"}) { // unreadable: its tail cannot be kept, so no save
            QVERIFY(fault == "folder" ? QFile::remove(path()) && QDir().mkpath(path()) : writeFile(path(), old));
            m_desk->files.readsFail = fault == "read";
            ReadSetup();
            QCOMPARE(Setup().ForePickerColor, fault == "write" ? 0x00AA00 : 255);
            Setup().ForePickerColor = 0x123456;
            m_desk->files.writesFail = fault == "write";
            WriteSetup();
            m_desk->files.readsFail = m_desk->files.writesFail = false;
            QVERIFY(fault == "folder" ? QFileInfo(path()).isDir() : fileBytes(path()) == old);
        }
        QVERIFY(m_desk->messages.shown.isEmpty());
    }

    void locationFollowsHowTheProgramIsInstalled_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("fileBeside");
        QTest::addColumn<int>("readOnly"); // 1: as the service says; 2: the real permission
        QTest::addColumn<bool>("expectBeside");
        QTest::newRow("installed, a portable file beside it: that file") << true << true << 0 << true;
        QTest::newRow("installed: the configuration folder") << true << false << 0 << false;
        QTest::newRow("a build folder: beside the executable") << false << false << 0 << true;
        QTest::newRow("a read-only install: the configuration folder") << false << false << 1 << false;
        QTest::newRow("a read-only folder, for real") << false << false << 2 << false;
    }
    void locationFollowsHowTheProgramIsInstalled()
    {
        QFETCH(bool, installed);
        QFETCH(bool, fileBeside);
        QFETCH(int, readOnly);
        QFETCH(bool, expectBeside);
        TempDirFileSystem& files = m_desk->files;
        if (installed)
            files.installedAt = files.exeDir.path();
        if (fileBeside)
            QVERIFY(writeFile(path(), le32s({0x00010203, 0x00040506})));
        files.exeDirWritable = readOnly != 1;
        QFile folder(files.exeDir.path());
        const QFileDevice::Permissions before = folder.permissions();
        if (readOnly == 2) {
            if (::geteuid() == 0) // root may write anywhere; tests/as_user.sh runs this row as nobody
                QSKIP("running as root, who may write into a read-only folder");
            QVERIFY(folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const auto restore = qScopeGuard([&] { folder.setPermissions(before); });
        const QString cfgFile = files.cfgDir.filePath(QStringLiteral("pvsetup.dat"));
        QCOMPARE(SetupPath(), expectBeside ? path() : cfgFile);
        ReadSetup();
        Setup().BackPickerColor = 0x00ABCDEF;
        QVERIFY(WriteSetup());
        QCOMPARE(fileBytes(expectBeside ? path() : cfgFile).mid(4, 4), le32s({0x00ABCDEF}));
        if (!expectBeside && readOnly != 2)
            QVERIFY(!QFileInfo::exists(path())); // nothing left beside an installed program
    }

    void anEmptyFileIsReportedBeforeAnyWindowAndOnlyOnce()
    {
        QVERIFY(writeFile(path(), QByteArray()));
        Setup().ForeFavorites[3] = 77; // left over from an earlier read
        mStartup::Main();
        QCOMPARE(m_desk->messages.shown.size(), 1);
        const auto& shown = m_desk->messages.shown[0];
        QCOMPARE(shown.kind + '|' + shown.title + '|' + shown.text, "exclamation|Tintaro|Configuration data file is corrupt\r\nDefault values will be used");
        QVERIFY(!shown.windowVisible);
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            window = w->isVisible() ? w : window;
        QVERIFY(window && window->windowTitle() == "Tintaro by Tolvex");
        QCOMPARE(QFileInfo(path()).size(), 0); // empty while the program runs
        QPointer<QWidget> guard(window);
        QVERIFY(window->close());
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(fileBytes(path()), le32s({255, 0}, 112)); // the defaults: red on black
        QCOMPARE(m_desk->shell.quits, 1);                   // closing the window ends the program
        ReadSetup();
        QCOMPARE(m_desk->messages.shown.size(), 1); // a saved file is no longer reported
    }

    void fullDiskKeepsTheOldFileAndTellsTheUser()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root");
        for (const QByteArray& before : {record(0x00123456) + QByteArray(300, 'T'), QByteArray()}) {
            QTemporaryDir mountPoint;
            const QByteArray where = QFile::encodeName(mountPoint.path());
            if (::mount("tintaro-test", where.constData(), "tmpfs", 0, "size=256k") != 0)
                QSKIP("this machine does not allow mounting a tmpfs here");
            const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
            const QString file = mountPoint.filePath(QStringLiteral("pvsetup.dat"));
            QVERIFY(before.isEmpty() || writeFile(file, before));
            QFile filler(mountPoint.filePath(QStringLiteral("filler"))); // the disk filled
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) == 4096)
                ;
            m_desk->messages.shown.clear();
            FilesIn in(mountPoint.path());
            fMain window;
            window.Form_Load();
            window.cpFore()->setsColor(3, 0x00ABCDEF);
            window.close();
            QCOMPARE(m_desk->messages.shown.size(), 1);
            QVERIFY(m_desk->messages.shown[0].title == "Tintaro" && m_desk->messages.shown[0].text.contains(file));
            // Nothing was there: nothing is left to raise a false alarm at the next start.
            QCOMPARE(before.isEmpty() ? QFileInfo::exists(file) : fileBytes(file) == before, !before.isEmpty());
        }
    }

    void killDuringASaveLeavesOldOrNew()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("pvsetup.dat"));
        const QByteArray tail(256 * 1024, 't'); // four pieces of the copy: long enough to be cut in the middle
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
            QVERIFY2(now == record(0x0A0000) + tail || now == record(0x0B0000) + tail, qPrintable(QString::number(round)));
        }
    }

    void twoCopiesKeepWhatEachStored()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("pvsetup.dat"));
        QVERIFY(writeFile(file, record(0x010000)));
        QProcess first, second;
        const auto start = [&](QProcess& p, int field, int value) {
            p.start(QCoreApplication::applicationFilePath(), {"--store", dir.path(), QString::number(field), QString::number(value)});
            QVERIFY(p.waitForReadyRead(20000));
            QCOMPARE(p.readLine(), QByteArray("ready\n"));
        };
        start(first, 0, 0x00111111); // both have read the file ...
        start(second, 5, 0x00222222);
        first.write("go\n"); // ... then each stores its own favourite
        QVERIFY(first.waitForFinished(20000) && first.exitCode() == 0);
        second.write("go\n");
        QVERIFY(second.waitForFinished(20000) && second.exitCode() == 0);
        QByteArray expected = record(0x010000);
        expected.replace(8, 4, le32s({0x00111111}));
        expected.replace(28, 4, le32s({0x00222222}));
        QCOMPARE(fileBytes(file), expected);
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".lock")));
    }
};

int main(int argc, char** argv)
{
    // Helper modes of this same program, run as separate processes.
    const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == "--save-loop" || mode == "--store") {
        QCoreApplication app(argc, argv);
        FilesIn in(QString::fromLocal8Bit(argv[2]));
        ReadSetup();
        if (mode == "--save-loop")
            for (int i = 0;; ++i) {
                Setup().overlayBytes(record(i % 2 ? 0x0B0000 : 0x0A0000));
                WriteSetup();
            }
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        char line[8];
        if (argc < 5 || !std::fgets(line, sizeof line, stdin))
            return 3;
        Setup().ForeFavorites[std::atoi(argv[3])] = std::atoi(argv[4]);
        return WriteSetup() ? 0 : 1;
    }
    QApplication app(argc, argv);
    TestSettingsFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mSetup.moc"
