#include "app/MainKeys.h"

#include "app/fMain.h"
#include "picker/PickerKeys.h"
#include "picker/Quor_Colorpicker.h"
#include "widgets/FocusIndicator.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>

namespace MainKeys {

void Install(fMain* w)
{
    static const char* const names[3] = {"Menu", "Minimise", "Close"};
    for (int i = 0; i < 3; ++i) {
        FocusIndicator::Enable(w->btnForm(i));
        w->btnForm(i)->setAccessibleName(QLatin1String(names[i]));
    }

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), w);
    QObject::connect(help, &QShortcut::activated, w, &fMain::ShowQuickHelp);
    for (const char* keys : {"Ctrl+Q", "Ctrl+W"}) {
        auto* close = new QShortcut(QKeySequence(QLatin1String(keys)), w);
        QObject::connect(close, &QShortcut::activated, w, &QWidget::close);
    }
}

QList<QWidget*> TabOrder(fMain* w)
{
    return w->cpFore()->keys()->order() + QList<QWidget*>{w->cmdScreen(0)} + w->cpBack()->keys()->order()
        + QList<QWidget*>{w->cmdScreen(1), w->btnForm(0), w->btnForm(1), w->btnForm(2)};
}

bool FocusStep(fMain* w, bool next)
{
    // The window's own walk: Qt's chain of children follows the order in
    // which they were made, which is not the order they are read in.
    const QList<QWidget*> order = TabOrder(w);
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
