#include "app/mSetup.h"
#include "app/mStartup.h"
#include "fakes/FakeDesktop.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

using namespace mSetup;

namespace {

QByteArray le32s(std::initializer_list<std::int32_t> values)
{
    QByteArray out;
    for (std::int32_t v : values) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
    return out;
}

QByteArray recordBytes(std::int32_t fore, std::int32_t back)
{
    QByteArray out = le32s({fore, back});
    out.resize(SetupData::FileSize, '\0');
    return out;
}

QByteArray randomBytes(QRandomGenerator& rng, int size)
{
    QByteArray out(size, '\0');
    for (char& c : out)
        c = static_cast<char>(rng.bounded(256));
    return out;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readThenWriteKeepsTheFileRules_data();
    void readThenWriteKeepsTheFileRules();
    void emptyFileIsReportedOnceAndReplacedByDefaults();
    void unchangedRunWritesBackWhatItRead();
    void changedRecordLandsAtItsOffsets();
    void directoryInPlaceOfTheFileGivesDefaultsAndIsLeftAlone();
    void unreadableFileGivesDefaults();
    void failedWriteLeavesTheOldFileWhole();
    void readOnlyInstallKeepsTheFileInTheConfigDirectory();
    void locationFollowsHowTheProgramIsInstalled_data();
    void locationFollowsHowTheProgramIsInstalled();
    void mainReportsCorruptionBeforeAnyWindowAndSavesOnClose();

private:
    std::unique_ptr<FakeDesktop> m_desk;
    QString path() const { return m_desk->settingsFile(); }
};

void TestSettingsFile::init()
{
    m_desk = std::make_unique<FakeDesktop>();
}

void TestSettingsFile::cleanup()
{
    m_desk.reset();
}

void TestSettingsFile::readThenWriteKeepsTheFileRules_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("fore");
    QTest::addColumn<int>("back");
    QTest::addColumn<QByteArray>("after");

    QRandomGenerator rng(1234);
    const QByteArray full = randomBytes(rng, 112);
    const QByteArray tail = randomBytes(rng, 88);
    const SetupData fullRecord = [&] { SetupData d; d.overlayBytes(full); return d; }();

    QTest::newRow("first run: defaults red on black")
        << false << QByteArray() << 255 << 0 << recordBytes(255, 0);
    QTest::newRow("8 bytes: both colours, no defaults")
        << true << le32s({0x123456, 0x654321}) << 0x123456 << 0x654321 << recordBytes(0x123456, 0x654321);
    QTest::newRow("5 bytes: a partly covered field keeps its other bytes zero")
        << true << le32s({0x11223344}) + QByteArray(1, '\x7F') << 0x11223344 << 0x7F << recordBytes(0x11223344, 0x7F);
    QTest::newRow("short file of zeros: black on black, no red default")
        << true << QByteArray(4, '\0') << 0 << 0 << recordBytes(0, 0);
    QTest::newRow("112 bytes of anything are taken as they are")
        << true << full << int(fullRecord.ForePickerColor) << int(fullRecord.BackPickerColor) << full;
    QTest::newRow("200 bytes: bytes past 111 survive")
        << true << full + tail << int(fullRecord.ForePickerColor) << int(fullRecord.BackPickerColor) << full + tail;
}

void TestSettingsFile::readThenWriteKeepsTheFileRules()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, before);
    QFETCH(int, fore);
    QFETCH(int, back);
    QFETCH(QByteArray, after);
    if (present)
        writeFile(path(), before);

    ReadSetup();
    QCOMPARE(Setup().ForePickerColor, fore);
    QCOMPARE(Setup().BackPickerColor, back);
    QVERIFY(m_desk->messages.shown.isEmpty());
    QVERIFY(QFileInfo(path()).isFile()); // left on disk (empty when new) until the save
    if (!present)
        QCOMPARE(QFileInfo(path()).size(), 0);

    WriteSetup();
    QCOMPARE(fileBytes(path()), after);
}

void TestSettingsFile::emptyFileIsReportedOnceAndReplacedByDefaults()
{
    writeFile(path(), QByteArray());
    Setup().ForeFavorites[3] = 77; // left over from an earlier read

    ReadSetup();
    QCOMPARE(m_desk->messages.shown.size(), 1);
    QCOMPARE(m_desk->messages.shown[0].kind, QStringLiteral("exclamation"));
    QCOMPARE(m_desk->messages.shown[0].title, QStringLiteral("Tintaro"));
    QCOMPARE(m_desk->messages.shown[0].text, QStringLiteral("Configuration data file is corrupt\r\nDefault values will be used"));
    QCOMPARE(Setup(), [] { SetupData d; d.ForePickerColor = 255; return d; }());

    WriteSetup();
    QCOMPARE(fileBytes(path()), recordBytes(255, 0));
    ReadSetup();
    QCOMPARE(m_desk->messages.shown.size(), 1); // a saved file is no longer reported
}

void TestSettingsFile::unchangedRunWritesBackWhatItRead()
{
    QRandomGenerator rng(99);
    for (int run = 0; run < 50; ++run) {
        const QByteArray bytes = randomBytes(rng, 112);
        writeFile(path(), bytes);
        ReadSetup();
        QCOMPARE(Setup().toBytes(), bytes);
        WriteSetup();
        QCOMPARE(fileBytes(path()), bytes);
    }
}

void TestSettingsFile::changedRecordLandsAtItsOffsets()
{
    QByteArray bytes = recordBytes(0, 0);
    qToLittleEndian<std::int32_t>(-559038737, bytes.data() + 56);  // spare of the foreground favourites
    qToLittleEndian<std::int32_t>(0x0BADF00D, bytes.data() + 108); // spare of the background favourites
    writeFile(path(), bytes);

    ReadSetup();
    SetupData& d = Setup();
    d.ForePickerColor = 0x010203;
    d.BackPickerColor = 0x040506;
    for (int n = 1; n <= 12; ++n) {
        d.ForeFavorites[n - 1] = 1000 + n;
        d.BackFavorites[n - 1] = 2000 + n;
    }
    WriteSetup();

    const QByteArray out = fileBytes(path());
    QCOMPARE(out.size(), 112);
    const auto at = [&](int offset) { return qFromLittleEndian<std::int32_t>(out.constData() + offset); };
    QCOMPARE(at(0), 0x010203);
    QCOMPARE(at(4), 0x040506);
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(at(8 + 4 * (n - 1)), 1000 + n);
        QCOMPARE(at(60 + 4 * (n - 1)), 2000 + n);
    }
    QCOMPARE(at(56), -559038737);
    QCOMPARE(at(108), 0x0BADF00D);
}

void TestSettingsFile::directoryInPlaceOfTheFileGivesDefaultsAndIsLeftAlone()
{
    QVERIFY(QDir().mkpath(path()));
    ReadSetup();
    QCOMPARE(Setup().ForePickerColor, 255);
    QCOMPARE(Setup().BackPickerColor, 0);
    QVERIFY(m_desk->messages.shown.isEmpty());
    WriteSetup();
    QVERIFY(QFileInfo(path()).isDir());
}

void TestSettingsFile::unreadableFileGivesDefaults()
{
    writeFile(path(), le32s({0x111111, 0x222222}));
    m_desk->files.readsFail = true;
    ReadSetup();
    QCOMPARE(Setup().ForePickerColor, 255);
    QCOMPARE(Setup().BackPickerColor, 0);
    QVERIFY(m_desk->messages.shown.isEmpty());
    // The save cannot keep bytes it could not read, so it does not write.
    WriteSetup();
    m_desk->files.readsFail = false;
    QCOMPARE(fileBytes(path()), le32s({0x111111, 0x222222}));
}

void TestSettingsFile::failedWriteLeavesTheOldFileWhole()
{
    const QByteArray old = recordBytes(0x00AA00, 0x0000BB) + QByteArray("tail");
    writeFile(path(), old);
    ReadSetup();
    Setup().ForePickerColor = 0x123456;
    m_desk->files.writesFail = true;
    WriteSetup();
    QCOMPARE(m_desk->files.writeCount, 1);
    QCOMPARE(fileBytes(path()), old);
    QVERIFY(m_desk->messages.shown.isEmpty());
}

void TestSettingsFile::readOnlyInstallKeepsTheFileInTheConfigDirectory()
{
    m_desk->files.exeDirWritable = false;
    const QString cfgFile = m_desk->files.cfgDir.filePath(QStringLiteral("pvsetup.dat"));
    writeFile(cfgFile, le32s({0x0000FF00, 0x00FF0000}));

    ReadSetup();
    QCOMPARE(Setup().ForePickerColor, 0x0000FF00);
    Setup().BackPickerColor = 0x00ABCDEF;
    WriteSetup();

    QCOMPARE(fileBytes(cfgFile), recordBytes(0x0000FF00, 0x00ABCDEF));
    QVERIFY(!QFileInfo::exists(path()));
}

void TestSettingsFile::locationFollowsHowTheProgramIsInstalled_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("fileBeside");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<bool>("expectBeside");
    QTest::newRow("installed, a portable file beside it: that file") << true << true << false << true;
    QTest::newRow("installed: the configuration folder") << true << false << false << false;
    QTest::newRow("a build folder: beside the executable") << false << false << false << true;
    QTest::newRow("a read-only folder: the configuration folder") << false << false << true << false;
}

void TestSettingsFile::locationFollowsHowTheProgramIsInstalled()
{
    QFETCH(bool, installed);
    QFETCH(bool, fileBeside);
    QFETCH(bool, readOnlyFolder);
    QFETCH(bool, expectBeside);
    TempDirFileSystem& files = m_desk->files;
    if (installed)
        files.installedAt = files.exeDir.path();
    if (fileBeside)
        writeFile(path(), le32s({0x00010203, 0x00040506}));
    QFile folder(files.exeDir.path());
    const QFileDevice::Permissions before = folder.permissions();
    if (readOnlyFolder) {
        // The real permission, as a user has it; root may write anywhere.
        if (::geteuid() == 0)
            QSKIP("running as root, who may write into a read-only folder; run the tests as a user to check this row");
        QVERIFY(folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const auto restore = qScopeGuard([&] { folder.setPermissions(before); });
    const QString cfgFile = files.cfgDir.filePath(QStringLiteral("pvsetup.dat"));
    QCOMPARE(SetupPath(), expectBeside ? path() : cfgFile);
    ReadSetup();
    Setup().BackPickerColor = 0x00ABCDEF;
    QVERIFY(WriteSetup());
    QCOMPARE(fileBytes(expectBeside ? path() : cfgFile).mid(4, 4), le32s({0x00ABCDEF}));
    if (!expectBeside && !readOnlyFolder)
        QVERIFY(!QFileInfo::exists(path())); // nothing left beside an installed program
}

void TestSettingsFile::mainReportsCorruptionBeforeAnyWindowAndSavesOnClose()
{
    writeFile(path(), QByteArray());
    mStartup::Main();

    QCOMPARE(m_desk->messages.shown.size(), 1);
    QVERIFY(!m_desk->messages.shown[0].windowVisible);
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            window = w;
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tintaro by Tolvex"));
    QCOMPARE(QFileInfo(path()).size(), 0); // empty while the program runs

    QPointer<QWidget> guard(window);
    QVERIFY(window->close());
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(fileBytes(path()), recordBytes(255, 0));
    QCOMPARE(m_desk->shell.quits, 1); // closing the window ends the program
}

QTEST_MAIN(TestSettingsFile)
#include "tst_mSetup.moc"
