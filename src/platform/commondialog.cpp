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
    // A new dialog each time: one kept from a cancelled pick would keep its
    // Cancel button focused, so that Enter cancelled the next pick too.
    // Qt's own dialog rather than a desktop's native one: the same dialog,
    // with its HTML field, wherever the program runs.
    QColorDialog dialog(m_owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(toQColor((m_flags & RgbInit) ? m_color : 0));
    if (dialog.exec() == QDialog::Accepted)
        m_color = toColorValue(dialog.selectedColor());
    else if (m_cancelError)
        throw RuntimeError(RuntimeError::Kind::CancelSelected);
}
