#include "widgets/FocusIndicator.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPointer>
#include <QWidget>

namespace FocusIndicator {

namespace {

const char* const Marked = "tintaroFocusFrame";

// One frame for the whole program, moved to whichever marked control has
// the focus.
void follow(QWidget* now)
{
    static QPointer<QFocusFrame> frame;
    if (!now || !now->property(Marked).toBool()) {
        if (frame)
            frame->setWidget(nullptr);
        return;
    }
    if (!frame || frame->window() != now->window()) {
        delete frame;
        frame = new QFocusFrame(now->window());
    }
    frame->setWidget(now);
    frame->show();
}

} // namespace

void Enable(QWidget* control)
{
    static const bool watching = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) { follow(now); });
        return true;
    }();
    Q_UNUSED(watching);
    control->setProperty(Marked, true);
    // By Tab only: a click keeps doing what it always did.
    control->setFocusPolicy(Qt::TabFocus);
}

} // namespace FocusIndicator
