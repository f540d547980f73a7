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
        platform().screen->Read([guard](const Screen::Reading& reading) {
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

void ScreenCapture::read(const Screen::Reading& reading)
{
    m_reading = false;
    QApplication::restoreOverrideCursor();
    if (!reading.photograph.isNull()) {
        if (!m_screen) {
            m_screen = std::make_unique<fScreen>();
            connect(m_screen.get(), &fScreen::finished, this,
                    [this](bool taken, OLE_COLOR colour) { emit finished(taken, colour, QString()); });
        }
        m_screen->setTarget(m_target);
        m_screen->setCursor(m_cursor);
        m_screen->setPicture(reading.photograph, reading.area);
        m_screen->ShowOver(reading.area);
        return;
    }
    if (reading.picked) { // the desktop's own picker chose the pixel
        if (m_target)
            m_target->setColor(*reading.picked);
        emit finished(true, *reading.picked, QString());
        return;
    }
    emit finished(false, m_target ? m_target->Color() : 0, QStringLiteral("The screen could not be read. ") + reading.failure);
}
