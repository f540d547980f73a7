#include "app/ScreenCapture.h"

#include "picker/Quor_Colorpicker.h"
#include "platform/Platform.h"
#include "widgets/WindowGone.h"

#include <QApplication>
#include <QWidget>

ScreenCapture::ScreenCapture(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

ScreenCapture::~ScreenCapture() = default;

void ScreenCapture::Start(Quor_Colorpicker* target, const QCursor& cursor)
{
    if (m_screen && m_screen->isVisible()) {
        m_screen->close();
        return;
    }
    if (m_reading)
        return; // the desktop is still being read
    m_reading = true;
    m_target = target;
    m_cursor = cursor;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto readScreen = [guard = QPointer<ScreenCapture>(this)] {
        // Where the screen shows through it, the capture window is up at once,
        // the screen unchanged in it, and the photograph is taken behind it.
        Screen& screen = *platform().screen;
        if (guard && screen.showsThrough())
            guard->windowFor(true)->ShowOver(screen.desktopGeometry());
        screen.Read([guard](const Screen::Reading& reading) {
            if (guard)
                guard->read(reading);
        });
    };
    if (!m_window) {
        readScreen();
        return;
    }
    // Off the screen first, so the photograph never shows the window. It is
    // unmapped rather than minimised: every window manager honours that, while
    // tiling ones and a bare X server ignore a request to minimise, and a
    // minimised window cannot be brought back by its program on Wayland.
    WindowGone::Leave(m_window, readScreen);
}

fScreen* ScreenCapture::windowFor(bool anew)
{
    if (!m_screen) {
        m_screen = std::make_unique<fScreen>();
        connect(m_screen.get(), &fScreen::finished, this,
                [this](bool taken, OLE_COLOR colour) { emit finished(taken, colour, QString()); });
    }
    if (anew) {
        m_screen->setTarget(m_target);
        m_screen->setCursor(m_cursor);
    }
    return m_screen.get();
}

void ScreenCapture::read(const Screen::Reading& reading)
{
    m_reading = false;
    QApplication::restoreOverrideCursor();
    const bool up = m_screen && m_screen->isVisible();
    if (!reading.photograph.isNull()) {
        fScreen* screen = windowFor(!up);
        screen->setPicture(reading.photograph, reading.area, reading.backdrop);
        if (!up)
            screen->ShowOver(reading.area);
        return;
    }
    if (up) { // nothing to show: ends without a word of its own
        m_screen->releaseKeyboard();
        m_screen->hide();
    }
    if (reading.picked) { // the desktop's own picker chose the pixel
        if (m_target)
            m_target->setColor(*reading.picked);
        emit finished(true, *reading.picked, QString());
        return;
    }
    emit finished(false, m_target ? m_target->Color() : 0, QStringLiteral("The screen could not be read. ") + reading.failure);
}
