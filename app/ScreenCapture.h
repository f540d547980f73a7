#pragma once

#include "app/fScreen.h"
#include "colour/OleColor.h"
#include "platform/Screen.h"

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <memory>

class Quor_Colorpicker;
class QWidget;

// One "From Screen" from start to end: the program's window leaves the
// screen, the desktop is read, and the capture window shows the photograph
// (or the desktop's own picker chooses a pixel). Runs beside a main window
// or, for a pick from the command line, with none.
class ScreenCapture : public QObject {
    Q_OBJECT
public:
    // window: the program's window to take off the screen meanwhile; none
    // when there is no window.
    explicit ScreenCapture(QWidget* window = nullptr);
    ~ScreenCapture() override;

    // Starts a capture for target (none: only finished reports the colour),
    // with cursor over the photograph. While the desktop is read a second
    // start does nothing; while the capture window is up it cancels.
    void Start(Quor_Colorpicker* target, const QCursor& cursor);
    fScreen* captureWindow() const { return m_screen.get(); }

signals:
    // The capture has ended: taken with the colour taken, or cancelled with
    // the target's colour as it was; failure, a sentence for the user, says
    // why the screen could not be read, and is empty otherwise.
    void finished(bool taken, OLE_COLOR colour, const QString& failure);

private:
    // The capture window, made on first use; anew: for this capture's target
    // and cursor.
    fScreen* windowFor(bool anew);
    void read(const Screen::Reading& reading);

    QPointer<QWidget> m_window;
    Quor_Colorpicker* m_target = nullptr;
    QCursor m_cursor;
    std::unique_ptr<fScreen> m_screen;
    bool m_reading = false; // the desktop is being read
};
