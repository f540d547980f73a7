// The floor for start-up: a bare Qt window of the main window's size and
// grey, centred as the program centres its own, and nothing else; with
// "text", one line of text in it as well, which is what reading the fonts
// costs before any control.
#include <QApplication>
#include <QLabel>
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
    if (argc > 1 && QByteArray(argv[1]) == "text")
        (new QLabel(QStringLiteral("Foreground Color"), &window))->move(10, 10);
    window.move(QGuiApplication::primaryScreen()->geometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
