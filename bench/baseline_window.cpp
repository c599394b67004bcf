// Windows built from plain Qt widgets, none of tinct's code, to measure
// tinct's start-up and memory against.
//
//   baseline_window           an application object and a main window with
//                             a fixed 464x213 client area like tinct's,
//                             empty: the cost of Qt itself
//   baseline_window --text    the same with one line of text on it: the
//                             cost of drawing any text (fonts, shaping)
//   baseline_window --shape   a window of tinct's shape, as its layout has
//                             it: a menu bar with one item, three scroll
//                             bars, three framed value labels, the
//                             instruction, the two text boxes, in the same
//                             fonts, sizes, texts and colours

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWidget>

#include <cstring>

namespace {

// A client area that paints its own colour, leaving the palette its
// controls inherit alone.
class Background : public QWidget
{
public:
    QColor color = palette().color(QPalette::Window);

protected:
    void paintEvent(QPaintEvent *event) override { QPainter(this).fillRect(event->rect(), color); }
};

QFont sans(qreal pointSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void fill(QWidget &widget, QPalette::ColorRole role, QColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

void paint(QWidget &widget, QColor background)
{
    widget.setAutoFillBackground(true);
    fill(widget, widget.backgroundRole(), background);
}

// tinct's window as it first appears: every slider at 200, so the window
// is grey and the sample text its complement.
void buildShape(QMainWindow &window, Background &client)
{
    // Where the classic Windows sans face is missing, as tinct does.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    window.setWindowTitle(QStringLiteral("Use sliders or click window to choose window color."));
    window.menuBar()->addAction(QStringLiteral("&Help"));

    const QColor grey(200, 200, 200);
    client.setFont(sans(8, QFont::Normal));
    client.setAttribute(Qt::WA_OpaquePaintEvent);
    client.color = grey;

    auto *instruction = new QLabel(QStringLiteral("Click textbox to change its color."), &client);
    instruction->setTextFormat(Qt::PlainText);
    instruction->setFont(sans(12, QFont::Normal));
    paint(*instruction, grey);
    instruction->setGeometry(192, 24, 241, 25);

    auto *sample = new QLineEdit(QStringLiteral("Text"), &client);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setPointSize(48);
    serif.setWeight(QFont::Bold);
    serif.setStyleHint(QFont::Serif);
    sample->setFont(serif);
    sample->setFrame(false);
    paint(*sample, grey);
    fill(*sample, sample->foregroundRole(), QColor(55, 55, 55));
    sample->setGeometry(192, 48, 161, 73);

    const QColor valueColors[] = {Qt::red, Qt::green, QColor(128, 128, 255)};
    for (int i = 0; i < 3; ++i) {
        auto *slider = new QScrollBar(Qt::Horizontal, &client);
        slider->setRange(0, 255);
        slider->setSingleStep(5);
        slider->setPageStep(50);
        slider->setValue(200);
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setGeometry(0, 88 + 32 * i, 81, 17);

        auto *value = new QLabel(QStringLiteral("200"), &client);
        value->setTextFormat(Qt::PlainText);
        value->setFrameStyle(QFrame::Box | QFrame::Plain);
        value->setFont(sans(9.75, QFont::Bold));
        paint(*value, valueColors[i]);
        value->setGeometry(88, 88 + 32 * i, 41, 17);
        if (i == 0)
            slider->setFocus();
    }

    auto *quit = new QLineEdit(QStringLiteral("Quit"), &client);
    quit->setReadOnly(true);
    quit->setFont(sans(12, QFont::Normal));
    paint(*quit, grey);
    quit->setGeometry(368, 168, 41, 33);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const char *mode = argc > 1 ? argv[1] : "";
    QMainWindow window;
    QWidget *client = nullptr;
    if (std::strcmp(mode, "--shape") == 0) {
        auto *background = new Background;
        buildShape(window, *background);
        client = background;
    } else {
        client = new QWidget;
        if (std::strcmp(mode, "--text") == 0)
            new QLabel(QStringLiteral("Click textbox to change its color."), client);
    }
    client->setFixedSize(464, 213);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
