#include "platform/PortalScreen.h"

#include "platform/PortalResponse.h"
#include "platform/ScreenAreas.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString Path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

} // namespace

PortalScreen::PortalScreen(QObject* parent)
    : QObject(parent)
    , m_timeout(new QTimer(this))
{
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        unsubscribe();
        finish({QImage(), QRect(), std::nullopt, QStringLiteral("The desktop did not answer the request for a screenshot.")});
    });
}

bool PortalScreen::InWaylandSession()
{
    return QGuiApplication::platformName() == QLatin1String("wayland") || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QRect PortalScreen::primaryGeometry() const
{
    return ScreenAreas::Primary();
}

QRect PortalScreen::desktopGeometry() const
{
    return ScreenAreas::Desktop();
}

bool PortalScreen::clientPlacesWindows() const
{
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

void PortalScreen::Read(std::function<void(const Reading&)> done)
{
    if (m_step != Step::Idle) {
        QTimer::singleShot(0, this, [done = std::move(done)] {
            done({QImage(), QRect(), std::nullopt, QStringLiteral("A screenshot is already being taken.")});
        });
        return;
    }
    m_done = std::move(done);
    m_asked = QDateTime::currentDateTimeUtc();
    m_timeout->start(m_timeoutMs);
    call(Step::Screenshot);
}

void PortalScreen::call(Step step)
{
    m_step = step;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, this, [this] { callFailed(QStringLiteral("There is no session bus to reach the desktop portal.")); });
        return;
    }
    // The request's object path follows from our unique name and the token;
    // subscribe to its Response before calling, so the answer cannot be missed.
    const QString token = QStringLiteral("tintaro%1").arg(++m_token);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    unsubscribe();
    m_requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(Service, m_requestPath, RequestInterface, QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));

    QVariantMap options{{QStringLiteral("handle_token"), token}};
    if (step == Step::Screenshot) {
        options.insert(QStringLiteral("interactive"), false);
        options.insert(QStringLiteral("modal"), true);
    }
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, ScreenshotInterface,
                                                          step == Step::Screenshot ? QStringLiteral("Screenshot") : QStringLiteral("PickColor"));
    message << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, call = m_token] {
        watcher->deleteLater();
        if (m_step == Step::Idle || call != m_token)
            return; // the request has ended, or moved on to the next call
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            callFailed(reply.error().message());
            return;
        }
        // Older portals answer on a path of their own choosing.
        const QString path = reply.value().path();
        if (!path.isEmpty() && path != m_requestPath) {
            unsubscribe();
            m_requestPath = path;
            QDBusConnection::sessionBus().connect(Service, m_requestPath, RequestInterface, QStringLiteral("Response"), this,
                                                  SLOT(onResponse(uint, QVariantMap)));
        }
    });
}

void PortalScreen::callFailed(const QString& why)
{
    if (m_step == Step::Screenshot) {
        call(Step::PickColor); // refused or absent: the portal's own picker may still work
        return;
    }
    unsubscribe();
    finish({QImage(), QRect(), std::nullopt, QStringLiteral("The desktop portal could not read the screen: %1").arg(why)});
}

void PortalScreen::onResponse(uint response, const QVariantMap& results)
{
    if (m_step == Step::Idle)
        return;
    unsubscribe();
    if (response == 1) {
        finish({QImage(), QRect(), std::nullopt, QStringLiteral("The screenshot was cancelled.")});
        return;
    }
    if (response != 0) {
        callFailed(QStringLiteral("the desktop refused the screenshot."));
        return;
    }
    if (m_step == Step::PickColor) {
        if (const std::optional<OLE_COLOR> picked = PortalResponse::PickedColour(results))
            finish({QImage(), QRect(), picked, QString()});
        else
            finish({QImage(), QRect(), std::nullopt, QStringLiteral("The desktop's colour picker gave no colour.")});
        return;
    }
    const QString file = PortalResponse::PhotographFile(results);
    QImage photo(file);
    // Desktops save the photograph where the user keeps pictures; this one
    // was taken for us alone and must not pile up there.
    if (PortalResponse::MadeSince(file, m_asked))
        QFile::remove(file);
    if (photo.isNull()) {
        callFailed(QStringLiteral("the desktop gave no readable screenshot."));
        return;
    }
    // The picture spans the whole desktop; its size against the desktop's
    // logical size gives the device pixel ratio.
    const QRect area = desktopGeometry();
    photo = photo.convertToFormat(QImage::Format_RGB32);
    if (area.width() > 0)
        photo.setDevicePixelRatio(qreal(photo.width()) / area.width());
    finish({photo, area, std::nullopt, QString()});
}

void PortalScreen::unsubscribe()
{
    if (m_requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(Service, m_requestPath, RequestInterface, QStringLiteral("Response"), this,
                                             SLOT(onResponse(uint, QVariantMap)));
    m_requestPath.clear();
}

void PortalScreen::finish(const Reading& reading)
{
    m_timeout->stop();
    m_step = Step::Idle;
    if (auto done = std::exchange(m_done, nullptr))
        done(reading);
}
