#include "app/HomePage.h"

#include <QFileInfo>
#include <QUrl>

QString HomePage()
{
    const QString configured = QStringLiteral(TINTARO_HOME_PAGE);
    if (!configured.isEmpty())
        return configured;
    for (const char* candidate : {TINTARO_DOC_DIR "/user-guide.html", TINTARO_SOURCE_DIR "/docs/user-guide.html", TINTARO_SOURCE_DIR "/README.md"})
        if (QFileInfo::exists(QString::fromLocal8Bit(candidate)))
            return QUrl::fromLocalFile(QString::fromLocal8Bit(candidate)).toString();
    return QUrl::fromLocalFile(QStringLiteral(TINTARO_DOC_DIR "/README.md")).toString();
}
