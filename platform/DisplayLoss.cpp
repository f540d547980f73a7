#include "platform/DisplayLoss.h"

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace DisplayLoss {

namespace {

std::mutex saving;
std::function<void()> pending; // the save still to run, under `saving`
QtMessageHandler previous = nullptr;

void runOnce()
{
    const std::lock_guard<std::mutex> lock(saving);
    if (const std::function<void()> save = std::exchange(pending, nullptr))
        save();
}

bool saysConnectionBroke(const QString& message)
{
    return message.startsWith(QLatin1String("The X11 connection broke"))
        || message.startsWith(QLatin1String("The Wayland connection broke"))
        || message.startsWith(QLatin1String("The Wayland connection experienced a fatal error"));
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && saysConnectionBroke(message))
        runOnce();
    if (previous)
        previous(type, context, message);
}

} // namespace

void WhenLost(std::function<void()> save)
{
    {
        const std::lock_guard<std::mutex> lock(saving);
        pending = std::move(save);
    }
    static const bool installed = [] {
        previous = qInstallMessageHandler(handler);
        return std::atexit(runOnce) == 0;
    }();
    Q_UNUSED(installed);
}

void Forget()
{
    const std::lock_guard<std::mutex> lock(saving);
    pending = nullptr;
}

} // namespace DisplayLoss
