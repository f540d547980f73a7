#include "app/mStartup.h"

#include "app/fMain.h"
#include "app/Artwork.h"
#include "platform/DisplayLoss.h"
#include "platform/TerminationSignals.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace mStartup {


void Main()
{
    // The accessibility bridge connects to the session bus as the first
    // control is made, and without a bus address libdbus forks a helper to
    // find one. Connected here, before the pictures' thread runs: a child
    // forked while another thread holds the allocator's lock may hang on it,
    // and this thread with it.
    QAccessible::isActive();
    // The window is made on the primary screen.
    Artwork::DrawAhead(QGuiApplication::primaryScreen()->devicePixelRatio());
    auto* window = new fMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    // When the display goes away, Qt ends the process from inside its event
    // handling: the colours chosen are saved on the way out.
    DisplayLoss::WhenLost([window] { window->SaveAtDisplayLoss(); });
    QObject::connect(window, &QObject::destroyed, [] { DisplayLoss::Forget(); });
#ifdef __GLIBC__
    // Start-up frees much scratch memory (the font configuration's parse,
    // the pictures' drawing on other threads); hand it back to the system
    // once the window is up, rather than keep it for the program's lifetime.
    QTimer::singleShot(500, [] { malloc_trim(0); });
#endif

    // Logout, kill and Ctrl+C close the window as its close button does, so
    // the one save at unload happens; the session manager's request to save
    // before a logout saves the same way.
    auto* termination = new TerminationSignals(window);
    QObject::connect(termination, &TerminationSignals::Received, window, [window] { window->close(); });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, window, [window](QSessionManager&) { window->SaveSettings(); });
}

} // namespace mStartup
