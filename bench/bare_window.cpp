// The floor for start-up: a bare Qt window of the main window's size and
// grey, centred as the program centres its own, and nothing else. With
// "text", also one line in each of the design's fonts, which is what
// reading those fonts costs before any control is made.
#include "widgets/DesignFonts.h"

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
    if (argc > 1 && QByteArray(argv[1]) == "text") {
        const std::tuple<const char*, qreal, bool> fonts[] = {{"MS Sans Serif", 8, false}, {"MS Sans Serif", 9.75, true},
                                                              {"Verdana", 8, false},       {"Verdana", 6.75, false},
                                                              {"Verdana", 7.5, true},      {"Arial", 8, true}};
        int y = 10;
        for (const auto& [family, size, bold] : fonts) {
            QFont font = DesignFonts::Font(QLatin1String(family), size);
            font.setBold(bold);
            auto* line = new QLabel(QStringLiteral("Foreground Color 0123"), &window);
            line->setFont(font);
            line->move(10, y += 20);
        }
    }
    window.move(QGuiApplication::primaryScreen()->geometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
