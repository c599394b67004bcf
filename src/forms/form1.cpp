#include "form1.h"

#include "about.h"
#include "platform/commondialog.h"
#include "platform/controlcolors.h"
#include "platform/handlerguard.h"
#include "platform/hscrollbar.h"
#include "platform/layout.h"
#include "platform/surface.h"
#include "platform/textbox.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue ChannelLabelColors[] = {0x000000FF, 0x0000FF00, 0x00FF8080};

} // namespace

Form1::Form1()
    : Form(twips(6960, 3195))
    , m_Label2(new QLabel(&surface()))
    , m_Text1(new TextBox(&surface()))
    , m_Text2(new TextBox(&surface()))
    , m_CommonDialog1(new CommonDialog(this))
    , m_help(menuBar()->addAction(tr("&Help")))
{
    setWindowTitle(tr("Use sliders or click window to choose window color."));
    m_help->setObjectName(u"help"_s);
    for (qint16 i = 0; i <= 2; ++i) {
        m_HScroll1(i) = new HScrollBar(&surface());
        m_Label1(i) = new QLabel(&surface());
    }

    layOutControls();
    describeControls();
    connectHandlers();
}

void Form1::layOutControls()
{
    const QFont label = fontOf(u"MS Sans Serif"_s, 12, QFont::Normal, QFont::SansSerif);
    const QFont value = fontOf(u"MS Sans Serif"_s, 9.75, QFont::Bold, QFont::SansSerif);

    //: One line, at most 241 pixels wide in 12-point Liberation Sans.
    Label2().setText(tr("Click textbox to change its color."));
    Label2().setTextFormat(Qt::PlainText);
    Label2().setFont(label);
    place(Label2(), 2880, 360, 3615, 375);

    //: The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.
    Text1().setText(tr("Text"));
    Text1().setFont(fontOf(u"Times New Roman"_s, 48, QFont::Bold, QFont::Serif));
    Text1().setFrame(false);
    place(Text1(), 2880, 720, 2415, 1095);

    for (qint16 i = 0; i <= 2; ++i) {
        place(HScroll1(i), 0, 1320 + 480 * i, 1215, 255);

        Label1(i).setTextFormat(Qt::PlainText);
        Label1(i).setFrameStyle(QFrame::Box | QFrame::Plain);
        Label1(i).setFont(value);
        setControlBackColor(Label1(i), ChannelLabelColors[i]);
        place(Label1(i), 1320, 1320 + 480 * i, 615, 255);
    }

    //: The box that ends the program: a short word, at most 35 pixels wide in
    //: 12-point Liberation Sans. Screen readers have their own text for it.
    Text2().setText(tr("Quit"));
    Text2().setReadOnly(true);
    Text2().setFont(label);
    place(Text2(), 5520, 2520, 615, 495);

    setTabOrder(&HScroll1(0), &HScroll1(1));
    setTabOrder(&HScroll1(1), &HScroll1(2));
    setTabOrder(&HScroll1(2), &Text1());
    setTabOrder(&Text1(), &Text2());
    HScroll1(0).setFocus();
}

void Form1::describeControls()
{
    // Screen readers read the sliders' values, and the labels by their
    // captions, as these change.
    const QString channels[][3]
            = {{tr("Red"), tr("Red channel of the window color, 0 to 255"), tr("Red value")},
               {tr("Green"), tr("Green channel of the window color, 0 to 255"), tr("Green value")},
               {tr("Blue"), tr("Blue channel of the window color, 0 to 255"), tr("Blue value")}};
    for (qint16 i = 0; i <= 2; ++i) {
        HScroll1(i).setAccessibleName(channels[i][0]);
        HScroll1(i).setAccessibleDescription(channels[i][1]);
        Label1(i).setAccessibleDescription(channels[i][2]);
    }
    surface().setAccessibleName(tr("Window color"));
    surface().setAccessibleDescription(tr("Click the background to choose the window color"));
    Text1().setAccessibleName(tr("Sample text"));
    Text1().setAccessibleDescription(
            tr("Drawn in the complement of the window color; click it to choose its color"));
    Text2().setAccessibleName(tr("Quit", "accessible name of the Quit box"));
    Text2().setAccessibleDescription(tr("Click to end the program"));
    help().setStatusTip(tr("Show how to use this window"));
}

void Form1::connectHandlers()
{
    for (qint16 i = 0; i <= 2; ++i)
        connect(&HScroll1(i), &QScrollBar::valueChanged, this,
                guard([this, i] { HScroll1_Change(i); }));
    connect(&surface(), &Surface::clicked, this, guard([this] { Form_Click(); }));
    connect(&Text1(), &TextBox::clicked, this, guard([this] { Text1_Click(); }));
    connect(&Text2(), &TextBox::clicked, this, guard([this] { Text2_Click(); }));
    connect(&help(), &QAction::triggered, this, guard([this] { help_Click(); }));
}

void Form1::Form_Load()
{
    surface().setAutoRedraw(true);
    for (qint16 i = 0; i <= 2; ++i) {
        HScrollBar &slider = HScroll1(i);
        slider.setMaximum(255);
        slider.setMinimum(0);
        slider.setSingleStep(5);
        slider.setPageStep(50);
        Label1(i).setText(QString::number(slider.value()));
        slider.setValue(200);
    }
}

void Form1::HScroll1_Change(qint16 Index)
{
    Label1(Index).setText(QString::number(HScroll1(Index).value()));
    setBackColor(Compose(ChannelValue(HScroll1(0).value()), ChannelValue(HScroll1(1).value()),
                         ChannelValue(HScroll1(2).value())));
    setControlBackColor(Text1(), backColor());
    setControlBackColor(Label2(), backColor());
    setControlBackColor(Text2(), backColor());
    setControlForeColor(Text1(), Complement(backColor()));
}

void Form1::Form_Click()
{
    takeWindowColor(pickColor(backColor()));
}

void Form1::Text1_Click()
{
    setControlForeColor(Text1(), pickColor(controlForeColor(Text1())));
}

void Form1::Text2_Click()
{
    WindowRegistry::current().endProgram();
}

void Form1::help_Click()
{
    WindowRegistry::get<About>().bringToFront();
}

void Form1::takeWindowColor(ColorValue color)
{
    setBackColor(color);

    // LongToRGB reduces what it is given to 0: hand it a copy.
    ColorValue window = backColor();
    CheckedArray<quint8> anRGB(0, 2);
    LongToRGB(window, anRGB);
    for (qint16 i = 0; i <= 2; ++i)
        HScroll1(i).setValue(anRGB(i));
}

void Form1::LongToRGB(ColorValue &L, CheckedArray<quint8> &anRGB)
{
    for (qint16 i = 2; i >= 0; --i) {
        const auto d = qint32(std::pow(256.0, i));
        quint8 &channel = anRGB(i);
        const qint32 q = L / d;
        channel = toByte(q);
        L = L % d;
    }
}

ColorValue Form1::pickColor(ColorValue start)
{
    CommonDialog &dialog = CommonDialog1();
    dialog.setCancelError(false);
    dialog.setFlags(CommonDialog::RgbInit);
    dialog.setColor(start);
    dialog.ShowColor();
    return dialog.color();
}
