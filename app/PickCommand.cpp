#include "app/PickCommand.h"

#include "app/Artwork.h"
#include "app/CommandLine.h"
#include "app/ScreenCapture.h"
#include "colour/ColourForms.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace PickCommand {

int Run(const QString& form)
{
    // The capture window closing is not the end: the colour is printed first.
    QApplication::setQuitOnLastWindowClosed(false);
    ScreenCapture capture;
    QObject::connect(&capture, &ScreenCapture::finished, [&form](bool taken, OLE_COLOR colour, const QString& failure) {
        if (taken)
            CommandLine::Write(stdout, ColourForms::Format(form, colour) + QLatin1Char('\n'));
        else if (!failure.isEmpty())
            CommandLine::Write(stderr, QStringLiteral("tintaro: %1\n").arg(failure));
        QCoreApplication::exit(taken ? 0 : 1);
    });
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QCursor cursor = Artwork::CaptureCursor(screen ? screen->devicePixelRatio() : 1.0);
    QTimer::singleShot(0, &capture, [&capture, cursor] { capture.Start(nullptr, cursor); });
    return QApplication::exec();
}

} // namespace PickCommand
