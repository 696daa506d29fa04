#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's words, and Qt's own (the buttons of its dialogs, the file
// dialog), in the learner's language: the first of the desktop's languages
// (LANGUAGE=de:ja, then LANG) that the program speaks. Where English comes
// first, or the program speaks none of them, its words are English, and
// Qt's are in the first language Qt has (Arabic and Hebrew lay the windows
// out right to left). Installed for as long as this lives.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language whose words were installed, as "ja" or "zh_CN"; empty
    // for English.
    QString language() const { return language_; }

    // The languages the program speaks besides English, as their files are
    // named.
    static QStringList languages();

private:
    QTranslator program_;
    QTranslator qt_;
    QString language_;
};
