#pragma once

#include <QPointer>

class About;
class Form1;

// Keeps the one instance of each window class. A window is created and
// loaded the first time it is referred to, and again after the user has
// closed it. Ends the program on request.
class Shell
{
public:
    Shell();
    ~Shell();
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    static Shell &current();

    Form1 &form1();
    About &about();

    // Closes every window and leaves the event loop with status 0. No
    // handler runs after this.
    void endProgram();
    static bool isEnding();

private:
    template<typename Window>
    Window &instance(QPointer<Window> &slot);

    QPointer<Form1> m_form1;
    QPointer<About> m_about;
    bool m_ending = false;
};
