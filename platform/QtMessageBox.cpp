#include "platform/QtMessageBox.h"

#include <QMessageBox>

namespace {

void show(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon, title, shown, QMessageBox::Ok);
    box.exec();
}

} // namespace

void QtMessageBox::exclamation(const QString& title, const QString& text)
{
    show(QMessageBox::Warning, title, text);
}

void QtMessageBox::plain(const QString& title, const QString& text)
{
    show(QMessageBox::NoIcon, title, text);
}
