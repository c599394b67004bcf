#include "shell.h"

#include "forms/about.h"
#include "forms/form1.h"

#include <QApplication>

namespace {
Shell *s_current = nullptr;
}

Shell::Shell()
{
    Q_ASSERT(!s_current);
    s_current = this;
}

Shell::~Shell()
{
    s_current = nullptr;
    delete m_about;
    delete m_form1;
    // Windows the user closed are deleted later; do it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Shell &Shell::current()
{
    Q_ASSERT(s_current);
    return *s_current;
}

Form1 &Shell::form1()
{
    return instance(m_form1);
}

About &Shell::about()
{
    return instance(m_about);
}

template<typename Window>
Window &Shell::instance(QPointer<Window> &slot)
{
    if (!slot || !slot->isLoaded()) {
        slot = new Window;
        if constexpr (requires(Window & window) { window.Form_Load(); })
            slot->Form_Load();
    }
    return *slot;
}

void Shell::endProgram()
{
    m_ending = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

bool Shell::isEnding()
{
    return s_current && s_current->m_ending;
}
