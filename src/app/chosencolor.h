#pragma once

#include "platform/colorvalue.h"

#include <QObject>

class WindowRegistry;

// The colour of the main window as it was last closed: the one the user
// chose, told when the program ends. Follows every main window the registry
// loads, as one may be closed and loaded again while the program runs.
class ChosenColor : public QObject
{
    Q_OBJECT

public:
    explicit ChosenColor(WindowRegistry &windows);

    // "#rrggbb", in lower case.
    QString name() const;

private:
    ColorValue m_color = 0;
};
