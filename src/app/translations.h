#pragma once

#include <QTranslator>

// The program's texts, and Qt's own, in the user's language where the
// program speaks it; in English, the language of its sources, otherwise.
// The language follows the locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
class Translations
{
public:
    Translations();

    // Into the application object there is now: both the one that reads
    // the command line and the one that opens the windows take them.
    void install();

    // A text of the program's, where no application object has them yet.
    QString translate(const char *context, const char *text) const;

private:
    QTranslator m_program;
    QTranslator m_qt;
    QTranslator m_qtSupplement; // Qt's texts that older Qt catalogues lack
};
