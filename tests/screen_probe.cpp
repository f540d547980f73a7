// A small X11 helper for the end-to-end test: reads the real screen.
//   screen_probe pixel X Y      prints the colour at (X, Y) as RRGGBB
//   screen_probe save FILE      writes the whole screen as a PNG
//   screen_probe wait X Y RRGGBB MS
//                               polls (X, Y) until it shows RRGGBB; exit 0 when
//                               it does, 1 when MS milliseconds pass first
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || args.size() < 3)
        return 2;
    if (args[1] == QLatin1String("wait") && args.size() >= 6) {
        const QRgb wanted = 0xFF000000 | args[4].toUInt(nullptr, 16);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < args[5].toInt()) {
            const QImage one = screen->grabWindow(0, args[2].toInt(), args[3].toInt(), 1, 1).toImage();
            if (!one.isNull() && one.pixel(0, 0) == wanted)
                return 0;
            QThread::msleep(2);
        }
        return 1;
    }
    const QImage shot = screen->grabWindow(0).toImage();
    if (args[1] == QLatin1String("save"))
        return shot.save(args[2]) ? 0 : 1;
    if (args[1] == QLatin1String("pixel") && args.size() >= 4) {
        const QRgb c = shot.pixel(args[2].toInt(), args[3].toInt());
        std::printf("%02X%02X%02X\n", qRed(c), qGreen(c), qBlue(c));
        return 0;
    }
    return 2;
}
