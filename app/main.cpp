#include "app/CommandLine.h"
#include "app/PickCommand.h"
#include "app/mStartup.h"
#include "platform/DisplayProbe.h"
#include "platform/FontConfigWarmUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Answered before any window system is reached: works without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Request request = CommandLine::Handle(arguments);
    if (request.kind == CommandLine::Request::Done)
        return request.exitCode;
    if (request.kind == CommandLine::Request::Pick) {
        if (const QString missing = DisplayProbe::Missing(); !missing.isEmpty()) {
            CommandLine::Write(stderr, QStringLiteral("tintaro: pick needs a display, and there is %1\n").arg(missing));
            return 2;
        }
    }

    // On X11 Qt would hand each painted frame over in shared memory and
    // then wait for the server to be done with it before painting the next,
    // a blocking round trip every frame; the window's frames are small
    // enough to send over the socket without waiting. A user's own setting
    // stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    std::optional<FontConfigWarmUp> fonts(std::in_place);
    QApplication app(argc, argv);
    fonts.reset(); // before the first text is measured
    QApplication::setApplicationName(QStringLiteral("tintaro"));
    QApplication::setOrganizationName(QStringLiteral("Tolvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.tolvex.Tintaro"));
    if (request.kind == CommandLine::Request::Pick)
        return PickCommand::Run(request.form);
    mStartup::Main();
    return QApplication::exec();
}
