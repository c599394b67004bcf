#pragma once

#include "platform/checkedarray.h"
#include "platform/colorvalue.h"
#include "platform/form.h"

class CommonDialog;
class HScrollBar;
class QAction;
class QLabel;
class TextBox;

// The main window: three channel sliders set the window colour, a large
// sample text shows its complement, and clicks open the colour picker.
class Form1 : public Form
{
    Q_OBJECT

public:
    Form1();

    // The controls. Sliders and value labels are indexed 0 red, 1 green,
    // 2 blue; any other index is an error.
    // The channel sliders, which set the window colour.
    HScrollBar &HScroll1(qint16 index) const { return *m_HScroll1(index); }
    // The value of each slider, in a box of the channel's colour beside it.
    QLabel &Label1(qint16 index) const { return *m_Label1(index); }
    // The instruction above the sample word.
    QLabel &Label2() const { return *m_Label2; }
    // The sample word, in the complement of the window colour; a click on it
    // picks its colour by hand.
    TextBox &Text1() const { return *m_Text1; }
    // The Quit box: a click on it ends the program.
    TextBox &Text2() const { return *m_Text2; }
    // The colour dialog, for the window colour and the sample word's.
    CommonDialog &CommonDialog1() const { return *m_CommonDialog1; }
    // Help in the menu bar: shows About, the instructions.
    QAction &help() const { return *m_help; }

    // Event handlers.
    void Form_Load();
    void HScroll1_Change(qint16 Index);
    void Form_Click();
    void Text1_Click();
    void Text2_Click();
    void help_Click();

    // Takes a colour for the window as one picked from the dialog: the
    // sliders move to it one by one, red first.
    void takeWindowColor(ColorValue color);

    // Splits a colour into its red, green and blue bytes, reducing L to 0.
    static void LongToRGB(ColorValue &L, CheckedArray<quint8> &anRGB);

private:
    void layOutControls();
    void describeControls();
    void connectHandlers();
    ColorValue pickColor(ColorValue start);

    CheckedArray<HScrollBar *> m_HScroll1{0, 2};
    CheckedArray<QLabel *> m_Label1{0, 2};
    QLabel *m_Label2;
    TextBox *m_Text1;
    TextBox *m_Text2;
    CommonDialog *m_CommonDialog1;
    QAction *m_help;
};
