#pragma once

#include <QObject>
#include <QPointer>

#include <map>

class Form;

// Keeps the one instance of each window class. Code refers to a window by
// its class alone: the first reference creates and loads it, and so does the
// first one after the user closed it. Also ends the program.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    WindowRegistry();
    ~WindowRegistry() override;

    static WindowRegistry &current();

    // The loaded instance of Window. Loading runs its Form_Load, if it has one.
    template<typename Window>
    static Window &get();

    // Closes every window and leaves the event loop with status 0. No
    // handler runs after this.
    void endProgram();
    static bool isEnding();

    // Notes that a window became the program's active one. True unless it
    // was the one active last: coming back to it from another application
    // is no activation of the program's.
    bool becameActive(Form &window);

Q_SIGNALS:
    // A window was created and its Form_Load has run.
    void loaded(Form *window);

private:
    Form *loadedInstance(const QMetaObject &windowClass) const;
    void keep(const QMetaObject &windowClass, Form &window);

    std::map<const QMetaObject *, QPointer<Form>> m_slots;
    QPointer<Form> m_lastActive;
    bool m_ending = false;
};

template<typename Window>
Window &WindowRegistry::get()
{
    WindowRegistry &registry = current();
    if (Form *window = registry.loadedInstance(Window::staticMetaObject))
        return static_cast<Window &>(*window);
    auto *window = new Window;
    registry.keep(Window::staticMetaObject, *window);
    if constexpr (requires { window->Form_Load(); })
        window->Form_Load();
    Q_EMIT registry.loaded(window);
    return *window;
}
