#include "activationrepair.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

// Qt 6.7 renamed the call that tells Qt which window has the focus.
template<typename System = QWindowSystemInterface>
void makeActive(QWindow *window)
{
    if constexpr (requires { System::handleFocusWindowChanged(window); })
        System::handleFocusWindowChanged(window);
    else
        System::handleWindowActivated(window);
}

} // namespace

void keepActivationInStep()
{
    // Works around Qt's Wayland client (seen with 6.4; its source in 6.8 and
    // later reads the same). It applies a change of keyboard focus once a
    // display sync ends, comparing with the window Qt holds active at that
    // moment, not with a change it has queued and yet to apply. When two
    // syncs end in one go, as when a window closes the moment it took the
    // focus and the compositor hands it back, Qt is left with no active
    // window while one of ours has the keyboard: its shortcuts (Alt+H) are
    // lost until the user clicks it. Qt having no active window, the one
    // the platform still holds active is made Qt's again.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow *focus) {
        if (focus != nullptr)
            return;
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (window->isVisible() && window->handle() != nullptr
                && window->handle()->isActive()) {
                makeActive(window);
                return;
            }
        }
    });
}
