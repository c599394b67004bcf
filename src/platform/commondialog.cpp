#include "commondialog.h"

#include "runtimeerror.h"
#include "screenpicker.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Only the X server of an X11 session lets Qt read the screen: an X client of
// a Wayland session (XWayland) reads black there, and Wayland clients nothing.
bool screenReadable()
{
    const bool waylandSession = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
            || qgetenv("XDG_SESSION_TYPE") == "wayland";
    return !waylandSession && !QGuiApplication::platformName().startsWith(u"wayland");
}

// Qt's texts for its colour dialog, in the user's language.
QString qtText(const char *text)
{
    return QCoreApplication::translate("QColorDialog", text);
}

// One of the dialog's widgets, known by its text: Qt names them no other way.
template<typename Widget>
Widget *withText(const QColorDialog &dialog, const QString &text)
{
    const QList<Widget *> widgets = dialog.findChildren<Widget *>();
    const auto found = std::find_if(widgets.cbegin(), widgets.cend(),
                                    [&](const Widget *widget) { return widget->text() == text; });
    return found == widgets.cend() ? nullptr : *found;
}

// The box layout, at any depth of this one, that holds the widget.
QBoxLayout *boxHolding(QLayout *layout, QWidget *widget)
{
    for (int i = 0; layout != nullptr && i < layout->count(); ++i) {
        if (layout->itemAt(i)->widget() == widget)
            return qobject_cast<QBoxLayout *>(layout);
        if (QBoxLayout *box = boxHolding(layout->itemAt(i)->layout(), widget))
            return box;
    }
    return nullptr;
}

// Qt's "Pick Screen Color" button. Where Qt cannot read the screen itself
// (Qt 6.4 on Wayland), it makes none: one is made as Qt makes it, in its
// place under the basic colours.
QPushButton *screenPickButton(QColorDialog &dialog)
{
    if (auto *button = withText<QPushButton>(dialog, qtText("&Pick Screen Color")))
        return button;
    auto *basicColors = withText<QLabel>(dialog, qtText("&Basic colors"));
    QBoxLayout *column = basicColors ? boxHolding(dialog.layout(), basicColors) : nullptr;
    if (column == nullptr)
        return nullptr;
    auto *button = new QPushButton(qtText("&Pick Screen Color"), &dialog);
    column->insertWidget(column->indexOf(basicColors) + 2, button);
    return button;
}

// Qt's button, in its place, picks through the desktop portal instead; it is
// offered once the portal says it picks, which it may say late or never.
void pickThroughPortal(QColorDialog &dialog)
{
    QPushButton *button = screenPickButton(dialog);
    if (button == nullptr)
        return;
    button->hide();
    button->setEnabled(false); // nor by its shortcut
    auto *status = new QLabel(&dialog);
    status->setWordWrap(true);
    status->hide();
    if (QBoxLayout *box = boxHolding(dialog.layout(), button))
        box->insertWidget(box->indexOf(button) + 1, status);
    auto *picker = new ScreenPicker(&dialog);
    QObject::connect(picker, &ScreenPicker::offered, button, [button] {
        button->show();
        button->setEnabled(true);
    });
    // Qt's own picker, where it has one, would set black when the portal fails.
    QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(button, &QAbstractButton::clicked, picker, [&dialog, picker, status] {
        status->hide();
        // The portal may place its picker over the dialog's X window.
        picker->pick(QGuiApplication::platformName() == u"xcb"
                             ? u"x11:"_s + QString::number(dialog.winId(), 16)
                             : QString());
    });
    QObject::connect(picker, &ScreenPicker::picked, &dialog, &QColorDialog::setCurrentColor);
    // Either keeps the colour, and says why nothing changed.
    QObject::connect(picker, &ScreenPicker::cancelled, status, [status] {
        status->setText(CommonDialog::tr("Picking canceled."));
        status->show();
    });
    QObject::connect(picker, &ScreenPicker::failed, status, [status] {
        status->setText(CommonDialog::tr("Could not pick a color from the screen."));
        status->show();
    });
    picker->probe();
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
        pickThroughPortal(dialog);
    dialog.setCurrentColor(toQColor((m_flags & RgbInit) ? m_color : 0));
    if (dialog.exec() == QDialog::Accepted)
        m_color = toColorValue(dialog.selectedColor());
    else if (m_cancelError)
        throw RuntimeError(RuntimeError::Kind::CancelSelected);
}
