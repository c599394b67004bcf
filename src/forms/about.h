#pragma once

#include "platform/form.h"

// The instructions window, opened from the main window's Help item.
class About : public Form
{
    Q_OBJECT

public:
    About();

    // Event handler.
    void Form_Activate();
};
