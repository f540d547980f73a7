#include "platform/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialog::saveFile(const QString& title, const QString& suggested, const QString& filters)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filters);
}

QString QtFileDialog::openFile(const QString& title, const QString& filters)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filters);
}
