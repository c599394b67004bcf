#include "commondialog.h"

#include "runtimeerror.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QPushButton>

namespace {

// An X11 client of a Wayland session (XWayland) grabs only black from the
// screen: there Qt's "Pick Screen Color" would pick #000000.
bool screenReadable()
{
    const bool waylandSession = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
            || qgetenv("XDG_SESSION_TYPE") == "wayland";
    return !waylandSession || QGuiApplication::platformName().startsWith(u"wayland");
}

void offerNoScreenPicking(QColorDialog &dialog)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    dialog.setOption(QColorDialog::NoEyeDropperButton);
#else
    // No option for it before Qt 6.6: the button is known by its text.
    const char *const pick = "&Pick Screen Color";
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == QCoreApplication::translate("QColorDialog", pick)) {
            button->hide();
            button->setEnabled(false); // nor by its shortcut
        }
    }
#endif
}

} // namespace

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
    if (!screenReadable())
        offerNoScreenPicking(dialog);
    dialog.setCurrentColor(toQColor((m_flags & RgbInit) ? m_color : 0));
    if (dialog.exec() == QDialog::Accepted)
        m_color = toColorValue(dialog.selectedColor());
    else if (m_cancelError)
        throw RuntimeError(RuntimeError::Kind::CancelSelected);
}
