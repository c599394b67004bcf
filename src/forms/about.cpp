#include "about.h"

#include "form1.h"
#include "platform/handlerguard.h"
#include "platform/layout.h"
#include "platform/surface.h"

About::About()
    : Form(twips(4680, 1635))
{
    setWindowTitle(tr("About"));
    surface().setAccessibleName(tr("Instructions"));
    connect(this, &Form::activated, this, guard([this] { Form_Activate(); }));
}

void About::Form_Activate()
{
    setWindowTitle(tr("About"));
    surface().setAutoRedraw(true);

    // Printed again at each activation, under the last block; what falls
    // below the bottom edge is not shown.
    surface().print(tr("Use the sliders to change the window color, "));
    surface().print(tr("or click on the window to use a color picker."));
    surface().print(QString());
    surface().print(tr("The text will change to the window's complementary color."));
    surface().print(QString());
    surface().print(tr("Click on the text to manually change it."));

    WindowRegistry::get<Form1>().show();
}
