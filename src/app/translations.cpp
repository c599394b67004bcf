#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

Translations::Translations()
{
    // The user's languages, most wanted first; the first that the program
    // speaks wins, and English, that of the sources, needs no translation.
    for (QString language : QLocale().uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == u"C" || language == u"en" || language.startsWith(u"en_"))
            return;
        // Loading falls back from tinct_de_AT to tinct_de, and so on.
        if (m_program.load(u":/i18n/tinct_"_s + language)) {
            // Qt's texts come split by module; a few languages have only the
            // older catalogue of all of them (Debian 12's Swedish).
            const QString qtTexts = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            if (!m_qt.load(u"qtbase_"_s + language, qtTexts))
                (void)m_qt.load(u"qt_"_s + language, qtTexts);
            // What that lacks of the colour dialog, where the program has it.
            (void)m_qtSupplement.load(u":/i18n/qtbase_"_s + language);
            return;
        }
    }
}

void Translations::install()
{
    // The last installed is asked first: Qt's own texts come before the
    // program's supplement of them.
    for (QTranslator *translator : {&m_qtSupplement, &m_qt, &m_program}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}

QString Translations::translate(const char *context, const char *text) const
{
    const QString translated = m_program.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}
