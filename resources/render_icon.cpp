// Build tool: renders the program's SVG icon to PNG files at the sizes the
// icon theme asks for. usage: render_icon ICON.svg OUTDIR SIZE...
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    QSvgRenderer svg(args[1]);
    if (!svg.isValid())
        return 1;
    for (int i = 3; i < args.size(); ++i) {
        const int size = args[i].toInt();
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        QDir().mkpath(dir);
        if (!icon.save(dir + QStringLiteral("/io.tolvex.Tintaro.png")))
            return 1;
    }
    return 0;
}
