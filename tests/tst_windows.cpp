#include "support.h"

#include "app/translations.h"

#include <QAccessible>
#include <QBackingStore>
#include <QDir>
#include <QMenuBar>
#include <QPainter>
#include <QPointingDevice>
#include <QScopeGuard>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

using namespace Qt::StringLiterals;

namespace {

const QPoint BareBackground(300, 190);

// How wide a text can be in a text box: its contents less the margin of
// two pixels on either side that QLineEdit keeps.
int room(const QLineEdit &box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    return box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).width() - 4;
}

void activate(std::initializer_list<QWidget *> windows)
{
    for (QWidget *window : windows) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
}

// A press of a multi-click's rest: ms after the last, px right, px seen away first.
struct Press
{
    enum How { Click, Drag, Tap, Behind }; // Behind: on the main window, which the dialog blocks
    int after, offset, away;
    Qt::MouseButton button = Qt::LeftButton;
    How how = Click;
};

// Input as the platform reports it, in its pixels (offscreen: Qt's scale alone).
void platformMouse(QWindow *window, quint64 time, QPointF at, QEvent::Type type,
                   Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons held = {},
                   bool now = false)
{
    const qreal ratio = window->devicePixelRatio();
    const QPointF global = window->mapToGlobal(at) * ratio;
    if (now)
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
                window, time, at * ratio, global, held, button, type);
    else
        QWindowSystemInterface::handleMouseEvent(window, time, at * ratio, global, held, button,
                                                 type);
    if (!now)
        QCoreApplication::processEvents();
}

// A click, or a drag with the button held when released elsewhere.
void platformClick(QWindow *window, quint64 time, QPoint at, Qt::MouseButton button,
                   QPoint releaseAt, bool now = false)
{
    platformMouse(window, time, at, QEvent::MouseButtonPress, button, button, now);
    if (releaseAt != at)
        platformMouse(window, time, releaseAt, QEvent::MouseMove, Qt::NoButton, button);
    platformMouse(window, time, releaseAt, QEvent::MouseButtonRelease, button, {}, now);
}

void platformTap(QWindow *window, quint64 time, QPoint at)
{
    static const QPointingDevice *const touchScreen = QTest::createTouchDevice();
    QWindowSystemInterface::TouchPoint point;
    point.area = QRectF(window->mapToGlobal(QPointF(at)) * window->devicePixelRatio(), QSizeF());
    for (const auto state : {QEventPoint::State::Pressed, QEventPoint::State::Released}) {
        point.state = state;
        QWindowSystemInterface::handleTouchEvent(window, time, touchScreen, {point});
        QCoreApplication::processEvents();
    }
}

} // namespace

Q_DECLARE_METATYPE(Press)

// Each test starts a fresh program with its main window shown and active.
class tst_Windows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpRuntime(); }
    void init()
    {
        m_windows = std::make_unique<WindowRegistry>();
        m_form = &WindowRegistry::get<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void cleanup() { m_windows.reset(); }

    void layout()
    {
        Form1 &f = *m_form;
        const std::pair<QWidget *, QRect> controls[]
                = {{&f.Label2(), {192, 24, 241, 25}},  {&f.Text1(), {192, 48, 161, 73}},
                   {&f.Text2(), {368, 168, 41, 33}},   {&f.HScroll1(0), {0, 88, 81, 17}},
                   {&f.HScroll1(1), {0, 120, 81, 17}}, {&f.HScroll1(2), {0, 152, 81, 17}},
                   {&f.Label1(0), {88, 88, 41, 17}},   {&f.Label1(1), {88, 120, 41, 17}},
                   {&f.Label1(2), {88, 152, 41, 17}}};
        QCOMPARE(f.surface().size(), QSize(464, 213));
        const Qt::WindowFlags flags = f.windowFlags(); // it keeps its size
        QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint))
                && flags & Qt::WindowMinimizeButtonHint && flags & Qt::WindowCloseButtonHint);
        for (qint16 i = 0; i <= 2; ++i) // what a screen reader names each slider by
            QCOMPARE(f.HScroll1(i).accessibleName(),
                     (QStringList{u"Red"_s, u"Green"_s, u"Blue"_s}[i]));
        QCOMPARE(f.surface().geometry().top(), f.menuBar()->geometry().bottom() + 1);
        for (const auto &[control, geometry] : controls) {
            QCOMPARE(control->geometry(), geometry);
            QVERIFY(control->parentWidget() == &f.surface() && control->isVisible());
        }
        // The first slider has the keys; Tab walks the three sliders and the
        // two text boxes, and the slider it comes back to shows the focus.
        QCOMPARE(QApplication::focusWidget(), &f.HScroll1(0));
        const std::initializer_list<QWidget *> tabOrder
                = {&f.HScroll1(1), &f.HScroll1(2), &f.Text1(), &f.Text2(), &f.HScroll1(0)};
        for (QWidget *next : tabOrder) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // The sliders are drawn as scroll bars of their range and value, the one
        // with the keys in a focus frame.
        QScrollBar plain(Qt::Horizontal, &f.surface());
        plain.setGeometry(f.HScroll1(1).geometry());
        plain.setPageStep(50);
        plain.setRange(0, 255);
        plain.setValue(200);
        const QImage unframed = plain.grab().toImage();
        QCOMPARE(f.HScroll1(1).grab().toImage(), unframed);
        QVERIFY(f.HScroll1(0).grab().toImage() != unframed);
    }
    void darkDesktop()
    {
        // Under a dark desktop palette, the controls in the program's own colours
        // are painted as under a light one; the menu bar follows the desktop.
        Form1 &f = *m_form;
        const QImage light = f.grab().toImage();
        QApplication::setPalette(QPalette(QColor(48, 48, 48)));
        settle();
        const QImage dark = f.grab().toImage();
        const qreal r = dark.devicePixelRatio();
        QCOMPARE(dark.pixelColor(QPoint(f.width() - 2, 2) * r), QColor(48, 48, 48));
        QWidget *const own[] = {&f.Label2(), &f.Text2(), &f.Label1(0), &f.Label1(1), &f.Label1(2)};
        const ColorValue colours[] = {0xC8C8C8, 0xC8C8C8, 0xFF, 0xFF00, 0xFF8080};
        for (int i = 0; i < 5; ++i) {
            const QRect inside(own[i]->mapTo(&f, QPoint(3, 3)) * r,
                               (own[i]->size() - QSize(6, 6)) * r);
            QCOMPARE(dark.copy(inside), light.copy(inside));
            QCOMPARE(dark.pixelColor(inside.topRight()), toQColor(colours[i]));
        }
        QApplication::setPalette(QPalette()); // the desktop's again
    }
    void load()
    {
        // A window being loaded passes through one colour a slider, hidden.
        Form1 form;
        QStringList seen;
        for (qint16 i = 0; i <= 2; ++i) {
            // Connected after the handler, so this sees what the handler left.
            connect(&form.HScroll1(i), &QScrollBar::valueChanged, this, [&] {
                seen.append(u"%1 %2,%3,%4"_s.arg(form.backColor())
                                    .arg(form.Label1(0).text(), form.Label1(1).text(),
                                         form.Label1(2).text()));
            });
        }
        form.Form_Load();
        QCOMPARE(seen,
                 (QStringList{u"200 200,,"_s, u"51400 200,200,"_s, u"13158600 200,200,200"_s}));
    }
    void pickedColour_data()
    {
        QTest::addColumn<bool>("inDialog");
        QTest::addColumn<QByteArray>("session"); // XDG_SESSION_TYPE; the platform offscreen
        QTest::newRow("picked in the dialog") << true << QByteArray();
        QTest::newRow("picked under XWayland, no bus") << true << QByteArray("wayland");
        QTest::newRow("given on the command line") << false << QByteArray();
    }
    void pickedColour()
    {
        QFETCH(bool, inDialog);
        QFETCH(QByteArray, session);
        qputenv("XDG_SESSION_TYPE", session);

        // The sliders follow a colour taken for the window one by one, red
        // first, the window passing through mixed colours.
        QList<ColorValue> seen;
        for (qint16 i = 0; i <= 2; ++i) {
            connect(&m_form->HScroll1(i), &QScrollBar::valueChanged, this,
                    [&] { seen.append(m_form->backColor()); });
        }
        // tst_windows.settings keeps a custom colour in the QtProject.conf that
        // every Qt program shares: the dialog must not read it, nor write there
        // (the file is compared once this program has ended) one a user adds.
        QVERIFY(QColorDialog::customColor(0) != QColor(0x12, 0x34, 0x56));
        QColorDialog::setCustomColor(0, Qt::red);
        DialogAnswerer answerer(DialogAnswer::OkButton, QColor(10, 20, 30));
        if (inDialog)
            QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);
        else
            m_form->takeWindowColor(0x001E140A);

        QCOMPARE(answerer.openings.size(), inDialog ? 1 : 0);
        // In a Wayland session, picking only through a desktop portal, so none
        // with no session bus, as here; elsewhere
        // Qt's own offer, which Qt 6.4's dialog must still make as tinct knows
        // it, but for the small screens (here at twice the pixels) it spares.
        QColorDialog plain;
        plain.setOption(QColorDialog::DontUseNativeDialog);
        const QSize screen = QGuiApplication::primaryScreen()->virtualGeometry().size();
        QVERIFY(QT_VERSION >= QT_VERSION_CHECK(6, 6, 0) || screen.width() < 480
                || screen.height() < 350 || offersScreenPicking(plain));
        QCOMPARE(answerer.openings.value(0).screenPicking,
                 inDialog && session.isEmpty() && offersScreenPicking(plain));
        QCOMPARE(seen,
                 (QList<ColorValue>{Compose(10, 200, 200), Compose(10, 20, 200), 0x001E140A}));
        verifyColours(*m_form);
    }
    void clickOpensDialogOnRelease()
    {
        // Only a press and a release on the bare background or the sample word
        // click them, and the dialog waits for the release: opened on the press,
        // it would leave the text box mid-selection. As on screen, the release
        // goes to the widget pressed, wherever it is.
        const QPoint label(250, 30), word(197, 53);
        const std::tuple<QPoint, QPoint, int> clicks[] = {{BareBackground, BareBackground, 1},
                                                          {BareBackground, label, 0},
                                                          {label, BareBackground, 0},
                                                          {word, word, 1}};
        for (const auto &[press, release, opens] : clicks) {
            Surface &surface = m_form->surface();
            QWidget *target = surface.childAt(press) ? surface.childAt(press) : &surface;
            DialogAnswerer answerer(DialogAnswer::CancelButton, Qt::black);
            QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(&surface, press));
            QVERIFY(answerer.openings.isEmpty());
            QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(&surface, release));
            QCOMPARE(answerer.openings.size(), opens);
        }
        QVERIFY(!m_form->Text1().hasSelectedText());
        QTest::keyClicks(&m_form->Text1(), u"!"_s);
        QCOMPARE(m_form->Text1().text().remove(u'!'), u"Text");
    }
    void restOfMultiClickPicksNothing_data()
    {
        QTest::addColumn<bool>("positionsKnown"); // as on X11; else as on Wayland
        QTest::addColumn<QList<Press>>("rest"); // in the dialog, after the click that opens it
        QTest::addColumn<bool>("picks");
        const QStyleHints &hints = *QGuiApplication::styleHints();
        const int in = hints.mouseDoubleClickInterval() - 1;
        const int near = hints.mouseDoubleClickDistance();
        const auto row = [](const char *name, QList<Press> rest, bool picks) {
            QTest::newRow(name) << !strstr(name, "Wayland") << rest << picks;
        };
        row("double-click", {{in, near, 0}}, false);
        row("triple-click", {{in, 0, 0}, {in, 0, 0}}, false);
        row("a fourth click", {{10, 0, 0}, {10, 0, 0}, {10, 0, 0}}, true);
        row("a click at the interval", {{in + 1, 0, 0}}, true);
        row("a click elsewhere on the screen", {{10, near + 1, 0}}, true);
        row("another button", {{10, 0, 0, Qt::RightButton}}, true);
        row("a press the dialog blocks, then one in it",
            {{in / 2, 0, 0, Qt::LeftButton, Press::Behind}, {in / 2 + 2, 0, 0}}, false);
        row("a drag with the button held ends it",
            {{10, 0, 0, Qt::LeftButton, Press::Drag}, {10, 0, 0}}, true);
        row("a touch tap, further than a click's distance",
            {{10, near + 1, 0, Qt::LeftButton, Press::Tap}}, false);
        row("double-click, Wayland", {{in, near, 0}}, false); // from where the pointer came in
        row("a click elsewhere, Wayland", {{10, near + 1, 0}}, true);
        row("the pointer away and back, Wayland", {{10, 0, 3 * near}}, true);
    }
    void restOfMultiClickPicksNothing()
    {
        QFETCH(bool, positionsKnown);
        QFETCH(QList<Press>, rest);
        QFETCH(bool, picks);
        ClickSequenceGuard::setWindowPositionsKnown(positionsKnown);
        const auto restore = qScopeGuard([] { ClickSequenceGuard::setWindowPositionsKnown({}); });
        // The rest lands in the colour square of the dialog the first click
        // opens, where it was on the screen; the checks come after it closes.
        QWindow *main = m_form->windowHandle();
        const QPoint opening = m_form->surface().mapTo(m_form, BareBackground);
        quint64 time = 1000;
        QColor picked; // invalid unless the rest landed in the square
        const QObject dialogOpen;
        QTimer::singleShot(0, &dialogOpen, [&] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            QWidget *square = nullptr;
            for (QWidget *child : dialog ? dialog->findChildren<QWidget *>() : QList<QWidget *>())
                square = QByteArray(child->metaObject()->className()).endsWith("QColorPicker")
                        ? child
                        : square;
            if (square) {
                QWindow *window = dialog->windowHandle();
                const QPoint cameIn = square->mapTo(dialog, QPoint(5, 5));
                window->setPosition(window->position() + main->mapToGlobal(opening)
                                    - window->mapToGlobal(cameIn));
                if (!positionsKnown) // as it comes into the dialog; on X11 it need not be seen
                    platformMouse(window, time, cameIn, QEvent::MouseMove);
                for (const Press &press : std::as_const(rest)) {
                    time += press.after;
                    if (press.away != 0) {
                        platformMouse(window, time, cameIn + QPoint(press.away, 0),
                                      QEvent::MouseMove);
                        platformMouse(window, time, cameIn, QEvent::MouseMove);
                    }
                    const QPoint at = cameIn + QPoint(press.offset, 0);
                    if (press.how == Press::Tap)
                        platformTap(window, time, at);
                    else if (press.how == Press::Behind)
                        platformClick(main, time, main->mapFromGlobal(window->mapToGlobal(at)),
                                      press.button, main->mapFromGlobal(window->mapToGlobal(at)));
                    else
                        platformClick(window, time, at, press.button,
                                      press.how == Press::Drag
                                              ? square->mapTo(dialog, QPoint(120, 90))
                                              : at);
                }
                picked = dialog->currentColor();
            }
            if (dialog)
                dialog->reject();
        });
        platformClick(main, time, opening, Qt::LeftButton, opening, true);
        QVERIFY(picked.isValid());
        QCOMPARE(picked != toQColor(m_form->backColor()), picks);
    }
    void aboutPrintsAtEachActivation()
    {
        // Each activation from the main window prints the block again, under
        // the last; the position only moves down, and a line below the bottom
        // edge is neither drawn nor read out: nothing scrolls.
        About &about = openAbout();
        QCOMPARE(about.surface().size(), QSize(312, 109));
        QVERIFY(!about.isModal() && !about.parentWidget() && m_form->isVisible());
        const int block = 6 * QFontMetrics(about.surface().font()).height();
        QList<qsizetype> shown;
        for (int blocks = 1; blocks <= 3; ++blocks) {
            if (blocks > 1)
                activate({m_form, &about});
            QCOMPARE(about.surface().currentY(), blocks * block);
            shown << verifyPrinted(about.surface());
        }
        const int room = (109 + block / 6 - 1) / (block / 6); // lines starting above the bottom
        QCOMPARE(shown, (QList<qsizetype>{6, room, room}));
    }
    void followsScreen_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::newRow("moved to a screen of another DPI or pixel ratio") << true;
        QTest::newRow("its screen at another DPI") << false;
    }
    void followsScreen()
    {
        // Each window is laid out again from its twips, every edge at its
        // nearest pixel, whole at its pixel ratio, and printed on at it; the
        // rest stays. Run unscaled (a new DPI) and scaled (a new pixel ratio).
        QFETCH(bool, moved);
        QScreen *second = QGuiApplication::screens().value(1);
        if (!second)
            QSKIP("needs the two screens of screens.json");
        if (!moved && second->devicePixelRatio() != 1)
            QSKIP("Qt's scale for a screen follows no DPI it is told");
        About &about = openAbout();
        m_form->HScroll1(2).setFocus();
        const QList<QWidget *> placed = m_form->surface().findChildren<QWidget *>();
        QList<QRect> before;
        for (QWidget *widget : placed)
            before << widget->geometry();
        const QSize clientAreas[] = {m_form->surface().size(), about.surface().size()};
        const qreal dpi = m_form->logicalDpiX(), ratio = m_form->devicePixelRatioF();
        if (moved) { // by the window manager, at their pixel size, as xcb tells it
            for (Form *window : std::initializer_list<Form *>{m_form, &about}) {
                QPlatformWindow &native = *window->windowHandle()->handle();
                QWindowSystemInterface::handleWindowScreenChanged(window->windowHandle(), second);
                native.setGeometry(
                        QRect(second->handle()->geometry().topLeft(), native.geometry().size()));
            }
        } else { // a desktop's new font DPI, as xcb reports it
            QWindowSystemInterface::handleScreenLogicalDotsPerInchChange(m_form->screen(), 110,
                                                                         110);
        }
        settle();
        const qreal scale = m_form->logicalDpiX() / dpi;
        QCOMPARE_LT(qAbs(scale * m_form->devicePixelRatioF() / ratio - 110 / 96.), 1e-4);
        for (qsizetype i = 0; i < placed.size(); ++i)
            QCOMPARE(placed[i]->geometry(),
                     QRect(before[i].topLeft() * scale,
                           (before[i].bottomRight() + QPoint(1, 1)) * scale - QPoint(1, 1)));
        for (Form *window : std::initializer_list<Form *>{m_form, &about}) {
            const QSize grown = window->surface().size() - clientAreas[window == &about] * scale;
            QVERIFY(QRect(0, 0, 2, 2).contains(grown.width(), grown.height())); // to paint whole
            verifyWhole(*window);
        }
        QCOMPARE(m_form->focusWidget(), &m_form->HScroll1(2));
        verifyColours(*m_form);
        activate({m_form, &about});
        verifyPrinted(about.surface());
    }
    void closedMainWindowComesBackFresh()
    {
        // A closed main window comes back freshly loaded once About is active.
        openAbout();
        m_form->HScroll1(0).setValue(5);
        activate({m_form});
        QPointer<Form1> old = m_form;
        QVERIFY(m_form->close() && !WindowRegistry::isEnding());
        WindowRegistry::get<About>().activateWindow();
        QTRY_VERIFY(shown<Form1>() && old.isNull());
        QCOMPARE(&WindowRegistry::get<Form1>(), shown<Form1>());
        QCOMPARE(shown<Form1>()->backColor(), 0x00C8C8C8);
        verifyColours(*shown<Form1>());
    }
    // Every language the program speaks, in its real fonts: each text is
    // translated, and fits its control, as the layout is fixed.
    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << u"en"_s; // the texts of the sources
        for (const QString &file : QDir(u":/i18n"_s).entryList({u"tinct_*.qm"_s})) {
            const QString language = file.sliced(6).chopped(3);
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void textsFit()
    {
        QFETCH(QString, language);
        // A program started again, in that language.
        m_windows.reset();
        QLocale::setDefault(QLocale(language));
        Translations translations;
        translations.install();
        m_windows = std::make_unique<WindowRegistry>();
        Form1 &form = *(m_form = &WindowRegistry::get<Form1>()); // the one About opens from
        form.show();
        const Surface &about = openAbout().surface();

        // Translated: nothing is left in English but words the same in both.
        static QStringList english; // the first row's
        QStringList texts
                = {form.windowTitle(),     form.help().text(),           form.help().statusTip(),
                   form.Label2().text(),   form.Text1().text(),          form.Text2().text(),
                   about.accessibleName(), about.accessibleDescription()};
        for (const QWidget *control : std::initializer_list<const QWidget *>{
                     &form.HScroll1(0), &form.HScroll1(1), &form.HScroll1(2), &form.Text1(),
                     &form.Text2(), &form.surface()})
            texts << control->accessibleName() << control->accessibleDescription();
        for (qint16 i = 0; i <= 2; ++i)
            texts << form.Label1(i).accessibleDescription();
        QColorDialog dialog; // Qt's texts: its title, labels and buttons
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        QString labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labels += label->text();
        texts << dialog.windowTitle() << labels;
        for (const QPushButton *button : dialog.findChildren<QPushButton *>())
            texts << button->text();
        if (language == u"en")
            english = texts;
        for (qsizetype i = 0; i < texts.size(); ++i)
            QVERIFY2(!texts[i].isEmpty()
                             && (language == u"en" || texts[i] != english.value(i)
                                 || texts[i] == u"Text" || texts[i] == u"&Help"
                                 || texts[i] == u"OK"),
                     qPrintable(u"text %1: \"%2\""_s.arg(i).arg(texts[i])));

        // What does not fit, with how wide it is.
        QStringList tooWide;
        const auto fit = [&](const QString &text, const QFont &font, int width) {
            if (const int wide = QFontMetrics(font).horizontalAdvance(text); wide > width)
                tooWide << u"\"%1\": %2 px in %3"_s.arg(text).arg(wide).arg(width);
        };
        fit(form.Label2().text(), form.Label2().font(), form.Label2().width());
        for (const TextBox *box : {&form.Text1(), &form.Text2()})
            fit(box->text(), box->font(), room(*box));
        fit(u"255"_s, form.Label1(0).font(), form.Label1(0).contentsRect().width());
        // The six lines, in About's client area.
        const QStringList lines = about.accessibleDescription().split(u'\n');
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[2].isEmpty() && lines[4].isEmpty());
        for (const QString &line : lines)
            fit(line, about.font(), about.width());
        QCOMPARE(tooWide, QStringList());
        QVERIFY(about.currentY() <= about.height());
        for (const QWidget *window : {form.window(), about.window()})
            verifyWhole(*window);
    }

private: // NOLINT(readability-redundant-access-specifiers): Q_SLOTS is above
    // Checks that a window shows whole at any scale: the window system holds
    // it at its size, and it is painted to its last pixel, as to its first.
    static void verifyWhole(const QWidget &window)
    {
        QCOMPARE(window.windowHandle()->handle()->geometry().size(),
                 window.size() * window.screen()->devicePixelRatio());
        const auto *store = static_cast<const QImage *>(window.backingStore()->paintDevice());
        const int bottom = store->height() - 1;
        QCOMPARE(store->pixelColor(store->width() - 1, bottom), store->pixelColor(0, bottom));
    }
    // Checks that a surface shows the lines it reads out, each where it
    // starts, drawn in its font at its DPI and pixel ratio, not enlarged;
    // returns how many.
    static qsizetype verifyPrinted(Surface &surface)
    {
        const QImage printed = surface.grab().toImage();
        QImage expected(printed.size(), printed.format());
        expected.setDevicePixelRatio(printed.devicePixelRatio());
        expected.setDotsPerMeterX(qRound(surface.logicalDpiX() / 0.0254));
        expected.setDotsPerMeterY(qRound(surface.logicalDpiY() / 0.0254));
        expected.fill(toQColor(surface.backColor()));
        QPainter painter(&expected);
        painter.setFont(surface.font());
        painter.setPen(surface.palette().color(QPalette::WindowText));
        const QFontMetrics metrics(surface.font(), &surface);
        const QStringList lines = surface.accessibleDescription().split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QPointF(0, i * metrics.height() + metrics.ascent()), lines[i]);
        painter.end();
        [&] { QCOMPARE(printed, expected); }();
        return lines.size();
    }
    About &openAbout()
    {
        m_form->help().trigger();
        auto &about = WindowRegistry::get<About>();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&about)); }();
        return about;
    }

    std::unique_ptr<WindowRegistry> m_windows;
    Form1 *m_form = nullptr;
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
