#include "app/PaletteTransfer.h"

#include "colour/GimpPalette.h"
#include "picker/Quor_Colorpicker.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace PaletteTransfer {

namespace {

const QString Title = QStringLiteral("Tintaro");

void tell(const QString& text)
{
    platform().messages->exclamation(Title, text);
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void Export(const Quor_Colorpicker* fore, const Quor_Colorpicker* back)
{
    QString path = platform().fileDialog->saveFile(QStringLiteral("Export Palette"),
                                                   QDir::home().filePath(QStringLiteral("Tintaro favourites.gpl")),
                                                   QStringLiteral("GIMP palette (*.gpl);;CSS custom properties (*.css)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".gpl");
    QList<GimpPalette::Entry> entries;
    for (const auto& [picker, name] : {std::pair{fore, "Foreground"}, std::pair{back, "Background"}})
        for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n)
            entries.append({picker->sColor(n), QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(n)});
    const bool css = path.endsWith(QLatin1String(".css"), Qt::CaseInsensitive);
    const QByteArray bytes = css ? GimpPalette::WriteCss(entries)
                                 : GimpPalette::Write(QStringLiteral("Tintaro favourites"), entries, QDateTime::currentDateTime());
    if (!platform().files->replaceWith(path, bytes))
        tell(QStringLiteral("The palette could not be saved in\r\n%1\r\nAny file there was left as it was.").arg(shown(path)));
}

void Import(Quor_Colorpicker* fore, Quor_Colorpicker* back)
{
    const QString path = platform().fileDialog->openFile(QStringLiteral("Import Palette"),
                                                         QStringLiteral("GIMP palette (*.gpl);;All files (*)"));
    if (path.isEmpty())
        return;
    FileSystem& files = *platform().files;
    const qint64 size = files.fileSize(path);
    if (size > GimpPalette::MostBytes) {
        tell(QStringLiteral("%1\r\nis larger than 1 MiB: not a palette. Your favourites were left as they were.").arg(shown(path)));
        return;
    }
    const std::optional<QByteArray> bytes = size < 0 ? std::nullopt : files.readAt(path, 0, size);
    if (!bytes) {
        tell(QStringLiteral("%1\r\ncould not be read. Your favourites were left as they were.").arg(shown(path)));
        return;
    }
    const GimpPalette::Reading palette = GimpPalette::Read(*bytes);
    if (palette.badLine > 0) {
        tell(QStringLiteral("%1\r\nis not a GIMP palette: line %2: %3. Your favourites were left as they were.")
                 .arg(shown(path))
                 .arg(palette.badLine)
                 .arg(palette.problem));
        return;
    }
    const int count = Quor_Colorpicker::FavoriteCount;
    for (qsizetype i = 0; i < palette.entries.size() && i < 2 * count; ++i)
        (i < count ? fore : back)->setsColor(int(i % count) + 1, palette.entries[i].colour);
    if (const qsizetype extra = palette.entries.size() - 2 * count; extra > 0)
        platform().messages->plain(Title, QStringLiteral("The favourites were taken from\r\n%1\r\n%2 colours past the 24 favourites were left out.")
                                              .arg(shown(path))
                                              .arg(extra));
}

} // namespace PaletteTransfer
