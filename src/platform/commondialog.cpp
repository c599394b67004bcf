#include "commondialog.h"

#include "runtimeerror.h"

#include <QColorDialog>

CommonDialog::CommonDialog(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{ }

void CommonDialog::setColor(ColorValue color)
{
    toQColor(color); // only colours are accepted
    m_color = color;
}

void CommonDialog::ShowColor()
{
    if (!m_dialog) {
        // Qt's own dialog rather than a desktop's native one: the same
        // dialog, with its HTML field, wherever the program runs.
        m_dialog = new QColorDialog(m_owner);
        m_dialog->setOption(QColorDialog::DontUseNativeDialog);
    }

    m_dialog->setCurrentColor(toQColor((m_flags & RgbInit) ? m_color : 0));
    if (m_dialog->exec() == QDialog::Accepted)
        m_color = toColorValue(m_dialog->selectedColor());
    else if (m_cancelError)
        throw RuntimeError(RuntimeError::Kind::CancelSelected);
}
