#pragma once

#include "colorvalue.h"

#include <QObject>

class QWidget;

// The colour-picker dialog component: set it up, show it modally, read the
// colour back. The dialog itself is built only while it is shown, so a
// window that never picks a colour never pays for it.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    // Flags: start the dialog with Color selected.
    static constexpr qint32 RgbInit = 0x1;

    explicit CommonDialog(QWidget *owner);

    // When set, cancelling the dialog raises an error instead of returning.
    void setCancelError(bool on) { m_cancelError = on; }
    void setFlags(qint32 flags) { m_flags = flags; }
    void setColor(ColorValue color);
    ColorValue color() const { return m_color; }

    // Shows the dialog and returns when the user closes it. Confirming
    // stores the chosen colour; cancelling leaves the colour as it was.
    void ShowColor();

private:
    QWidget *m_owner;
    bool m_cancelError = false;
    qint32 m_flags = 0;
    ColorValue m_color = 0;
};
