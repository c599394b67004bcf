#include "windowregistry.h"

#include "form.h"

#include <QApplication>

namespace {
WindowRegistry *s_current = nullptr;
}

WindowRegistry::WindowRegistry()
{
    Q_ASSERT(!s_current);
    s_current = this;
}

WindowRegistry::~WindowRegistry()
{
    m_ending = true; // no handler runs while the windows go
    for (auto &[windowClass, window] : m_slots)
        delete window;
    // Windows the user closed are deleted later; do it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s_current = nullptr;
}

WindowRegistry &WindowRegistry::current()
{
    Q_ASSERT(s_current);
    return *s_current;
}

Form *WindowRegistry::loadedInstance(const QMetaObject &windowClass) const
{
    const auto slot = m_slots.find(&windowClass);
    if (slot == m_slots.end() || !slot->second || !slot->second->isLoaded())
        return nullptr;
    return slot->second;
}

void WindowRegistry::keep(const QMetaObject &windowClass, Form &window)
{
    m_slots[&windowClass] = &window;
}

void WindowRegistry::endProgram()
{
    m_ending = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

bool WindowRegistry::becameActive(Form &window)
{
    if (m_lastActive == &window)
        return false;
    m_lastActive = &window;
    return true;
}

bool WindowRegistry::isEnding()
{
    return s_current && s_current->m_ending;
}
