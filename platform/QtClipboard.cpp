#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}
