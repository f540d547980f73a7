#include "app/CommandLine.h"
#include "app/mStartup.h"
#include "platform/FontConfigWarmUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Answered before any window system is reached: works without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> exitCode = CommandLine::Handle(arguments))
        return *exitCode;

    std::optional<FontConfigWarmUp> fonts(std::in_place);
    QApplication app(argc, argv);
    fonts.reset(); // before the first text is measured
    QApplication::setApplicationName(QStringLiteral("tintaro"));
    QApplication::setOrganizationName(QStringLiteral("Tolvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.tolvex.Tintaro"));
    mStartup::Main();
    return QApplication::exec();
}
