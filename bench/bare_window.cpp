// The floor for start-up: a bare Qt window of the main window's size and
// grey, centred as the program centres its own, and nothing else.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.setPalette(QPalette(QColor(0xC0, 0xC0, 0xC0)));
    window.setAutoFillBackground(true);
    window.resize(536, 474);
    window.move(QGuiApplication::primaryScreen()->geometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
