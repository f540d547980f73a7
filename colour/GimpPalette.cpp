#include "colour/GimpPalette.h"

#include "colour/mCPUtils.h"

#include <QRegularExpression>
#include <QStringList>

namespace GimpPalette {

QByteArray Write(const QString& name, const QList<Entry>& entries, const QDateTime& when)
{
    QString text = QStringLiteral("GIMP Palette\nName: %1\nColumns: 12\n# Written by Tintaro on %2\n")
                       .arg(name, when.toString(Qt::ISODate));
    for (const Entry& e : entries)
        text += QStringLiteral("%1 %2 %3\t%4\n")
                    .arg(RedOf(e.colour), 3)
                    .arg(GreenOf(e.colour), 3)
                    .arg(BlueOf(e.colour), 3)
                    .arg(e.name);
    return text.toUtf8();
}

QByteArray WriteCss(const QList<Entry>& entries)
{
    QString text = QStringLiteral(":root {\n");
    for (const Entry& e : entries)
        text += QStringLiteral("  --%1: %2;\n").arg(e.name.toLower().replace(QLatin1Char(' '), QLatin1Char('-')),
                                                   mCPUtils::ToHtmlText(e.colour));
    return (text + QStringLiteral("}\n")).toUtf8();
}

namespace {

// A row's whole number 0..255, or -1.
int channel(QStringView word)
{
    bool ok = false;
    const int v = word.toInt(&ok);
    return ok && v >= 0 && v <= 255 && !word.startsWith(QLatin1Char('+')) ? v : -1;
}

} // namespace

Reading Read(const QByteArray& bytes)
{
    Reading r;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    const auto fail = [&](int line, const QString& problem) {
        r.entries.clear();
        r.badLine = line;
        r.problem = problem;
        return r;
    };
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String("GIMP Palette"))
        return fail(1, QStringLiteral("it does not start with \"GIMP Palette\""));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1String("Name:"))
            || line.startsWith(QLatin1String("Columns:")))
            continue;
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QStringList words = line.split(blanks);
        if (words.size() < 3)
            return fail(int(i + 1), QStringLiteral("a colour needs three numbers 0 to 255"));
        int rgb[3];
        for (int k = 0; k < 3; ++k)
            if ((rgb[k] = channel(words[k])) < 0)
                return fail(int(i + 1), QStringLiteral("\"%1\" is not a number 0 to 255").arg(words[k]));
        const QString name = line.section(blanks, 3).trimmed();
        r.entries.append({RGB(rgb[0], rgb[1], rgb[2]), name});
    }
    return r;
}

} // namespace GimpPalette
