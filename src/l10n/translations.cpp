#include "l10n/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <optional>

namespace {

// Where the build puts the program's translations, in its resources.
const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("shootalot_");

} // namespace

Translations::Translations(const QLocale &locale)
{
    // The first of the desktop's languages that the program speaks, up to
    // English (its own), with Qt's words in it too.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    std::optional<QLocale> first; // the first wanted, for Qt's words where the program has none
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        if (!first)
            first = language;
        if (!program_.load(language, QStringLiteral("shootalot"), QStringLiteral("_"), Folder))
            continue;
        language_ = QFileInfo(program_.filePath()).completeBaseName().mid(Prefix.size());
        QCoreApplication::installTranslator(&program_);
        first = language;
        break;
    }
    // Qt's own words (and, for Arabic or Hebrew, its right-to-left layout)
    // even where the program speaks English.
    if (first && qt_.load(*first, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

QStringList Translations::languages()
{
    QStringList names;
    for (const QString &file : QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        names << QFileInfo(file).completeBaseName().mid(Prefix.size());
    return names;
}
