#include "app/CommandLine.h"

#include "app/Version.h"
#include "colour/ColourForms.h"
#include "colour/ColourText.h"
#include "colour/Contrast.h"
#include "colour/VisionSimulation.h"

#include <optional>

namespace CommandLine {

namespace {

constexpr int BadUsage = 2;

const char* const HelpText =
    "Usage: tintaro [--help] [--version]\n"
    "       tintaro pick [--to FORM]\n"
    "       tintaro convert COLOUR... [--to FORM]\n"
    "       tintaro contrast FOREGROUND BACKGROUND [--simulate KIND]\n"
    "\n"
    "Tintaro, a colour editor: a foreground and a background colour, their\n"
    "contrast, and colours taken from the screen. Without arguments it opens\n"
    "its window.\n"
    "\n"
    "Commands:\n"
    "  pick       Take a colour from the screen, as \"From Screen\" does, and print\n"
    "             it in FORM (html unless --to says otherwise). Exit status 1\n"
    "             when cancelled. Needs a display; uses no settings file.\n"
    "  convert    Print each COLOUR in FORM, or without --to in every form as\n"
    "             \"form: text\" lines. COLOUR is any form Tintaro reads: #RRGGBB,\n"
    "             rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), a CSS name,\n"
    "             hsv(), cmyk(), three numbers 0 to 1, &HBBGGRR, a decimal.\n"
    "  contrast   Print the WCAG 2 contrast ratio of FOREGROUND on BACKGROUND,\n"
    "             cut to two decimals, then every grade with pass or fail.\n"
    "\n"
    "Options:\n"
    "  --to FORM          one of: %1\n"
    "  --simulate KIND    protanopia, deuteranopia, tritanopia or achromatopsia:\n"
    "                     both colours as that vision sees them\n"
    "  -h, --help         Show this help and exit.\n"
    "  -v, --version      Show the version and exit.\n"
    "\n"
    "Exit status: 0 done, 1 cancelled, 2 bad usage or input.\n"
    "Colours and favourites are kept in pvsetup.dat (see man tintaro).\n";

Request done(int exitCode)
{
    return {Request::Done, exitCode, QString()};
}

Request usageError(const QString& message)
{
    Write(stderr, QStringLiteral("tintaro: %1\nTry 'tintaro --help'.\n").arg(message));
    return done(BadUsage);
}

// A sub-command's words: its values, and the options it allows, each with
// one value ("--to FORM" or "--to=FORM"); "--" ends the options.
struct Words {
    QStringList values;
    QString to, simulate;
    QString error;
};

Words read(const QStringList& words, bool allowSimulate)
{
    Words out;
    bool options = true;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (options && w == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (!options || !w.startsWith(QLatin1String("--"))) {
            out.values.append(w);
            continue;
        }
        const QString name = w.section(QLatin1Char('='), 0, 0);
        QString* into = name == QLatin1String("--to") ? &out.to
            : name == QLatin1String("--simulate") && allowSimulate ? &out.simulate : nullptr;
        if (!into) {
            out.error = QStringLiteral("unknown option '%1'").arg(w);
            return out;
        }
        if (w.contains(QLatin1Char('=')))
            *into = w.section(QLatin1Char('='), 1);
        else if (i + 1 < words.size())
            *into = words[++i];
        else
            out.error = QStringLiteral("%1 needs a value").arg(name);
    }
    return out;
}

std::optional<QString> formOf(const Words& w, Request& failed)
{
    const QString form = w.to.isEmpty() ? QStringLiteral("html") : w.to.toLower();
    if (ColourForms::Known(form))
        return form;
    failed = usageError(QStringLiteral("unknown form '%1'; the forms are: %2").arg(w.to, ColourForms::Ids()));
    return std::nullopt;
}

Request convert(const Words& w)
{
    Request failed;
    if (w.values.isEmpty())
        return usageError(QStringLiteral("convert needs at least one colour"));
    std::optional<QString> form;
    if (!w.to.isEmpty() && !(form = formOf(w, failed)))
        return failed;
    int exitCode = 0;
    bool first = true;
    for (const QString& text : w.values) {
        const auto colour = ColourText::Parse(text);
        if (!colour) {
            Write(stderr, QStringLiteral("tintaro: not a colour: '%1'\n").arg(text));
            exitCode = BadUsage;
            continue;
        }
        if (form) {
            Write(stdout, ColourForms::Format(*form, *colour) + QLatin1Char('\n'));
            continue;
        }
        QString block = first ? QString() : QStringLiteral("\n");
        for (const ColourForms::Form& f : ColourForms::All())
            block += f.id + QStringLiteral(": ") + ColourForms::Format(f.id, *colour) + QLatin1Char('\n');
        Write(stdout, block);
        first = false;
    }
    return done(exitCode);
}

Request contrast(const Words& w)
{
    if (w.values.size() != 2)
        return usageError(QStringLiteral("contrast needs a foreground and a background colour"));
    VisionSimulation::Kind kind = VisionSimulation::Normal;
    if (!w.simulate.isEmpty()) {
        for (int k = VisionSimulation::Protanopia; k < VisionSimulation::KindCount; ++k)
            if (VisionSimulation::Name(VisionSimulation::Kind(k)).compare(w.simulate, Qt::CaseInsensitive) == 0)
                kind = VisionSimulation::Kind(k);
        if (kind == VisionSimulation::Normal)
            return usageError(QStringLiteral("unknown simulation '%1'; the simulations are: protanopia, deuteranopia, "
                                             "tritanopia, achromatopsia").arg(w.simulate));
    }
    OLE_COLOR colours[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const auto colour = ColourText::Parse(w.values[i]);
        if (!colour) {
            Write(stderr, QStringLiteral("tintaro: not a colour: '%1'\n").arg(w.values[i]));
            return done(BadUsage);
        }
        colours[i] = VisionSimulation::Simulate(*colour, kind);
    }
    const double ratio = Contrast::Ratio(colours[0], colours[1]);
    QString first = Contrast::FormatRatio(ratio);
    if (kind != VisionSimulation::Normal)
        first += QStringLiteral(" as seen with ") + VisionSimulation::Name(kind).toLower();
    Write(stdout, first + QLatin1Char('\n') + Contrast::GradeLines(ratio) + QLatin1Char('\n'));
    return done(0);
}

} // namespace

void Write(FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

Request Handle(const QStringList& arguments)
{
    const QStringList words = arguments.mid(1);
    if (words.isEmpty())
        return {};
    const QString& first = words.first();
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        Write(stdout, QStringLiteral("Tintaro %1\n").arg(VersionNumber()));
        return done(0);
    }
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        Write(stdout, QString::fromLatin1(HelpText).arg(ColourForms::Ids()));
        return done(0);
    }
    const Words rest = read(words.mid(1), first == QLatin1String("contrast"));
    if (first == QLatin1String("pick") || first == QLatin1String("convert") || first == QLatin1String("contrast")) {
        if (!rest.error.isEmpty())
            return usageError(rest.error);
    }
    if (first == QLatin1String("convert"))
        return convert(rest);
    if (first == QLatin1String("contrast"))
        return contrast(rest);
    if (first == QLatin1String("pick")) {
        if (!rest.values.isEmpty())
            return usageError(QStringLiteral("pick takes no colour: '%1'").arg(rest.values.first()));
        Request failed;
        const auto form = formOf(rest, failed);
        return form ? Request{Request::Pick, 0, *form} : failed;
    }
    if (first.startsWith(QLatin1Char('-')))
        return usageError(QStringLiteral("unknown option '%1'").arg(first));
    return usageError(QStringLiteral("unknown command '%1'").arg(first));
}

} // namespace CommandLine
