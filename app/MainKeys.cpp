#include "app/MainKeys.h"

#include "widgets/FocusIndicator.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace MainKeys {

void Install(QWidget* window, const std::array<QWidget*, 3>& titleButtons, std::function<void()> showHelp)
{
    for (QWidget* button : titleButtons)
        FocusIndicator::Enable(button);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(help, &QShortcut::activated, window, std::move(showHelp));
    for (const char* keys : {"Ctrl+Q", "Ctrl+W"}) {
        auto* close = new QShortcut(QKeySequence(QLatin1String(keys)), window);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    }
}

bool FocusStep(const QList<QWidget*>& order, bool next)
{
    const qsizetype at = order.indexOf(QApplication::focusWidget());
    if (at < 0)
        return false;
    for (qsizetype step = 1; step <= order.size(); ++step) {
        QWidget* candidate = order[(at + (next ? step : order.size() - step)) % order.size()];
        if (candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace MainKeys
