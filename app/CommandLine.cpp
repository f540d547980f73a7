#include "app/CommandLine.h"

#include "app/Version.h"

#include <QCommandLineParser>
#include <cstdio>

namespace CommandLine {

std::optional<int> Handle(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tintaro, a colour editor: a foreground and a background colour, "
                                                    "their contrast, and colours taken from the screen."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const auto out = [](FILE* to, const QString& text) {
        std::fputs(text.toLocal8Bit().constData(), to);
        std::fflush(to);
    };
    if (!parser.parse(arguments)) {
        out(stderr, QStringLiteral("tintaro: %1\nTry 'tintaro --help'.\n").arg(parser.errorText()));
        return 2;
    }
    if (parser.isSet(version)) {
        out(stdout, QStringLiteral("Tintaro %1\n").arg(VersionNumber()));
        return 0;
    }
    if (parser.isSet(help)) {
        out(stdout, QStringLiteral("Usage: tintaro [--help] [--version]\n\n%1\n\nOptions:\n"
                                   "  -h, --help     Show this help and exit.\n"
                                   "  -v, --version  Show the version and exit.\n\n"
                                   "Colours and favourites are kept in pvsetup.dat (see man tintaro).\n")
                        .arg(parser.applicationDescription()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        out(stderr, QStringLiteral("tintaro: unexpected argument '%1'\nTry 'tintaro --help'.\n").arg(parser.positionalArguments().first()));
        return 2;
    }
    return std::nullopt;
}

} // namespace CommandLine
