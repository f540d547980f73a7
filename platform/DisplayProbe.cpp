#include "platform/DisplayProbe.h"

#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace DisplayProbe {

namespace {

bool waylandAnswers(const QString& display)
{
    const QString path = QDir::isAbsolutePath(display) ? display : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + display;
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    if (bytes.isEmpty() || bytes.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

bool x11Answers(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool answers = connection && !xcb_connection_has_error(connection);
    if (connection)
        xcb_disconnect(connection);
    return answers;
}

} // namespace

QString Missing()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    if (!platform.isEmpty() && platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return QString();
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY"), x11 = qEnvironmentVariable("DISPLAY");
    const bool waylandWanted = platform.isEmpty() || platform.startsWith(QLatin1String("wayland"));
    const bool x11Wanted = platform.isEmpty() || platform == QLatin1String("xcb");
    if (waylandWanted && !wayland.isEmpty() && waylandAnswers(wayland))
        return QString();
    if (x11Wanted && !x11.isEmpty() && x11Answers(x11))
        return QString();
    if (wayland.isEmpty() && x11.isEmpty())
        return QStringLiteral("none: neither WAYLAND_DISPLAY nor DISPLAY is set.");
    QStringList tried;
    if (!wayland.isEmpty())
        tried << QStringLiteral("the Wayland compositor '%1'").arg(wayland);
    if (!x11.isEmpty())
        tried << QStringLiteral("the X server '%1'").arg(x11);
    return QStringLiteral("none: %1 does not answer.").arg(tried.join(QStringLiteral(" nor ")));
}

} // namespace DisplayProbe
