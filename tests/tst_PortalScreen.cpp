// The desktop portal route against a fake portal registered on a private
// session bus (a dbus-daemon of the test's own): what is asked, and what
// each kind of answer gives.
#include "platform/PortalScreen.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QtTest>
#include <QProcess>
#include <cstdio>

namespace {

// One answer per method: a response code (0 done, 1 cancelled, 2 refused),
// -1 never answers, -2 the method is missing.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    int screenshotAnswer = 0, pickAnswer = 0;
    QString uri;
    QImage shot; // saved at uri when asked, as a desktop saves its screenshots
    QStringList calls;
    QVariantMap lastOptions;
    QDBusConnection bus{QStringLiteral("unset")};

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        if (!shot.isNull())
            shot.save(QUrl(uri).toLocalFile());
        return answer(QStringLiteral("Screenshot"), screenshotAnswer, options, message, {{QStringLiteral("uri"), uri}});
    }
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        QDBusArgument color;
        color.beginStructure();
        color << 0.2 << 0.4 << 0.6;
        color.endStructure();
        return answer(QStringLiteral("PickColor"), pickAnswer, options, message, {{QStringLiteral("color"), QVariant::fromValue(color)}});
    }

private:
    QDBusObjectPath answer(const QString& method, int code, const QVariantMap& options, const QDBusMessage& message,
                           const QVariantMap& results)
    {
        calls << method;
        lastOptions = options;
        if (code == -2) {
            message.setDelayedReply(true);
            bus.send(message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such interface")));
            return {};
        }
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, options.value(QStringLiteral("handle_token")).toString());
        if (code >= 0) {
            // Sent before the call returns: a caller that subscribes only
            // after its call would miss it.
            QDBusMessage response = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            response << uint(code) << (code == 0 ? results : QVariantMap());
            bus.send(response);
        }
        return QDBusObjectPath(path);
    }
};

} // namespace

class TestPortalScreen : public QObject {
    Q_OBJECT
    FakePortal m_portal;
private slots:
    void initTestCase()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("fakeportal"));
        m_portal.bus = bus;
        QVERIFY(bus.isConnected() && bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &m_portal, QDBusConnection::ExportAllSlots));
    }

    void answers()
    {
        // Where a desktop keeps pictures (not a temporary folder): the file
        // the portal saves for the request, one older than the request, and
        // a link to that one.
        QDir folder(QDir::currentPath() + QStringLiteral("/portal-pictures"));
        folder.removeRecursively();
        QDir().mkpath(folder.path());
        const QString made = folder.filePath("Screenshot.png"), old = folder.filePath("Holiday.png"), link = folder.filePath("Link.png");
        QVERIFY(knownShot().save(old));
        QTest::qWait(1200);
        QVERIFY(QFile::link(old, link));
        // Screenshot's and PickColor's answers, the file the answer names, the calls made, and the outcome.
        const std::tuple<int, int, QString, QStringList, QString> rows[] = {
            {0, 0, made, {"Screenshot"}, "photo"},
            {0, 0, old, {"Screenshot"}, "photo"},
            {0, 0, link, {"Screenshot"}, "photo"},
            {1, 0, made, {"Screenshot"}, "The screenshot was cancelled."},
            {2, 0, made, {"Screenshot", "PickColor"}, "picked"},  // refused: the portal's picker instead
            {-2, 0, made, {"Screenshot", "PickColor"}, "picked"}, // no Screenshot: the same
            {2, 2, made, {"Screenshot", "PickColor"}, "The desktop portal could not read the screen: the desktop refused the screenshot."},
            {-1, 0, made, {"Screenshot"}, "The desktop did not answer the request for a screenshot."}};
        for (const auto& [screenshot, pick, file, calls, outcome] : rows) {
            QFile::remove(made);
            m_portal.uri = QUrl::fromLocalFile(file).toString();
            m_portal.shot = file == made ? knownShot() : QImage();
            m_portal.screenshotAnswer = screenshot;
            m_portal.pickAnswer = pick;
            m_portal.calls.clear();
            PortalScreen portal;
            portal.setTimeoutMs(500);
            std::optional<Screen::Reading> got;
            bool returned = false;
            portal.Read([&](const Screen::Reading& r) { got = returned ? r : Screen::Reading{}; }); // never before Read returns
            returned = true;
            QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), 5000);
            QCOMPARE(m_portal.calls, calls);
            if (calls.size() == 1) // no dialog of the portal's own, tied to the program's window
                QVERIFY(!m_portal.lastOptions.value("interactive").toBool() && m_portal.lastOptions.value("modal").toBool());
            QCOMPARE(describe(*got), outcome);
            // Only the photograph saved for the request is removed, wherever it lies.
            QCOMPARE(QFileInfo::exists(file), file != made || outcome != "photo");
            QVERIFY(QFileInfo::exists(old) && QFileInfo(link).isSymLink());
        }
    }

private:
    static QImage knownShot()
    {
        QImage shot(40, 30, QImage::Format_RGB32);
        shot.fill(qRgb(10, 20, 30));
        shot.setPixel(39, 29, qRgb(200, 100, 50));
        return shot;
    }
    static QString describe(const Screen::Reading& got)
    {
        return !got.photograph.isNull() ? (got.photograph.pixel(39, 29) == qRgb(200, 100, 50) ? "photo" : "wrong photo")
               : got.picked             ? (*got.picked == RGB(51, 102, 153) ? "picked" : "wrong pick")
                                        : got.failure;
    }
};

int main(int argc, char** argv)
{
    // A private bus: nothing of the machine's own session takes part.
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!daemon.waitForReadyRead(10000))
        return std::fprintf(stderr, "cannot start a private dbus-daemon\n"), 1;
    qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
    QGuiApplication app(argc, argv);
    TestPortalScreen test;
    const int result = QTest::qExec(&test, argc, argv);
    daemon.terminate(), daemon.waitForFinished();
    return result;
}

#include "tst_PortalScreen.moc"
