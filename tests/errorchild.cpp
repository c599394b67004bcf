// Raises one error inside an event handler, as named on the command line, and
// reports what the error report showed. The test that starts it checks that
// the report was shown, that nothing ran after the error, and the exit status.

#include "app/errorreport.h"
#include "forms/form1.h"
#include "platform/checkedarray.h"
#include "platform/handlerguard.h"
#include "platform/hscrollbar.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

void run(Form1 &form, const QString &error)
{
    if (error == u"overflow") {
        ColorValue tooLarge = 16777216;
        CheckedArray<quint8> anRGB(0, 2);
        Form1::LongToRGB(tooLarge, anRGB);
    } else if (error == u"subscript") {
        form.HScroll1_Change(3);
    } else if (error == u"property") {
        form.setBackColor(-1);
    } else if (error == u"nested") {
        // The inner handler fails; the outer one must not go on.
        QObject::connect(&form.HScroll1(1), &QScrollBar::valueChanged, &form,
                         guard([&form] { form.HScroll1_Change(-1); }));
        form.HScroll1(1).setValue(10);
        std::puts("outer handler went on");
    }
    std::puts("handler went on");
}

// Reads and dismisses the report, as a user would.
void answerReport()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        std::printf("report: %s\n", qUtf8Printable(box->text().replace(u'\n', u' ')));
        std::fflush(stdout);
        box->accept();
        return;
    }
    QTimer::singleShot(10, answerReport);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QString error = QApplication::arguments().value(1);
    setHandlerErrorReport(ErrorReport::show);
    WindowRegistry shell;
    Form1 &form = WindowRegistry::get<Form1>();
    form.show();

    QTimer::singleShot(0, &form, guard([&form, error] { run(form, error); }));
    QTimer::singleShot(0, answerReport);
    QTimer::singleShot(2000, [] {
        std::puts("another handler ran");
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
