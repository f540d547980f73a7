#pragma once

#include "platform/Screen.h"

#include <QDateTime>
#include <QObject>
#include <QVariantMap>

class QDBusMessage;
class QTimer;

// The Wayland way: the desktop portal (org.freedesktop.portal.Screenshot)
// on the session bus takes the photograph; where it refuses, its PickColor
// lets the user choose one pixel instead. Also used for X11 programs inside
// a Wayland session, whose own grabs cannot see Wayland windows.
class PortalScreen : public QObject, public Screen {
    Q_OBJECT
public:
    explicit PortalScreen(QObject* parent = nullptr);

    QRect primaryGeometry() const override;
    QRect desktopGeometry() const override;
    bool clientPlacesWindows() const override;
    void Read(std::function<void(const Reading&)> done) override;

    // How long the portal may take to answer (the user may be asked).
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // True in a Wayland session, whatever the platform plugin.
    static bool InWaylandSession();

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    enum class Step { Idle, Screenshot, PickColor };
    void call(Step step);
    void callFailed(const QString& why);
    void finish(const Reading& reading);
    void unsubscribe();

    Step m_step = Step::Idle;
    QString m_requestPath;
    std::function<void(const Reading&)> m_done;
    QTimer* m_timeout;
    int m_timeoutMs = 60000;
    int m_token = 0;
    QDateTime m_asked; // when the current request began
};
