// The least a Qt Widgets program does to show a window like tinct's: an
// application object and one main window with a fixed 464x213 client area.
// Start-up time and memory of tinct are compared against this.
//
//   baseline_window          the empty window
//   baseline_window --text   the same with one line of text on it, to tell
//                            how much of a difference is the cost of
//                            drawing any text at all (fonts, shaping)

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QWidget>

#include <cstring>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto *client = new QWidget(&window);
    client->setFixedSize(464, 213);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Click textbox to change its color."), client);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
