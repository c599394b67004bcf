// Every language the program speaks, through the fonts it is shown in: each
// text must be translated, and fit the control it stands in, as the layout
// is fixed.

#include "support.h"

#include "app/translations.h"

#include <QAccessible>
#include <QDir>
#include <QStyleOptionFrame>

using namespace Qt::StringLiterals;

namespace {

// How wide a text can be in a text box: its contents less the margin of
// two pixels on either side that QLineEdit keeps.
int room(const QLineEdit &box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    return box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).width() - 4;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QLocale::setDefault(QLocale(language));
        Translations translations;
        translations.install();
        WindowRegistry windows;
        Form1 &form = WindowRegistry::get<Form1>();
        form.show();
        form.help().trigger();
        QVERIFY(QTest::qWaitForWindowActive(&WindowRegistry::get<About>()));
        const Surface &about = WindowRegistry::get<About>().surface();

        // Translated: nothing is left in English but words the same in both.
        static QStringList english; // the first row's
        const QStringList texts
                = {form.windowTitle(),  form.help().text(),  form.Label2().text(),
                   form.Text1().text(), form.Text2().text(), about.accessibleDescription()};
        if (language == u"en")
            english = texts;
        for (qsizetype i = 0; i < texts.size(); ++i)
            QVERIFY2(language == u"en" || texts[i] != english.value(i) || texts[i] == u"Text",
                     qPrintable(texts[i]));

        const auto fits = [](const QString &text, const QFont &font, int width, int height) {
            const QFontMetrics metrics(font);
            return metrics.horizontalAdvance(text) <= width && metrics.height() <= height
                    ? QString()
                    : u"\"%1\" is %2 px wide in %3"_s.arg(text)
                              .arg(metrics.horizontalAdvance(text))
                              .arg(width);
        };
        QCOMPARE(fits(form.Label2().text(), form.Label2().font(), form.Label2().width(),
                      form.Label2().height()),
                 QString());
        for (const TextBox *box : {&form.Text1(), &form.Text2()})
            QCOMPARE(fits(box->text(), box->font(), room(*box), box->height()), QString());
        QCOMPARE(fits(u"255"_s, form.Label1(0).font(), form.Label1(0).contentsRect().width(),
                      form.Label1(0).height()),
                 QString());
        // The six lines, in About's client area.
        const QStringList lines = about.accessibleDescription().split(u'\n');
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[2].isEmpty() && lines[4].isEmpty());
        for (const QString &line : lines)
            QCOMPARE(fits(line, about.font(), about.width(), about.height()), QString());
        QVERIFY(about.currentY() <= about.height());
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
