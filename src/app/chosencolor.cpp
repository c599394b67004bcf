#include "chosencolor.h"

#include "forms/form1.h"
#include "platform/windowregistry.h"

#include <QColor>

ChosenColor::ChosenColor(WindowRegistry &windows)
{
    connect(&windows, &WindowRegistry::loaded, this, [this](Form *window) {
        if (auto *main = qobject_cast<Form1 *>(window)) {
            connect(main, &Form::unloaded, this, [this, main] { m_color = main->backColor(); });
        }
    });
}

QString ChosenColor::name() const
{
    return toQColor(m_color).name();
}
