#include "app/mStartup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintaro"));
    QApplication::setOrganizationName(QStringLiteral("Tolvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tintaro"));
    mStartup::Main();
    return QApplication::exec();
}
