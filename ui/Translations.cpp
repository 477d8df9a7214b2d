#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace tollix {

QStringList desktopLanguages() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    // de_DE.UTF-8@euro: the language and country only.
    locale = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    QStringList languages =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    languages << locale;
    return languages;
}

QString installTranslations(const QStringList& languages) {
    // Kept for the program's life; replaced when another language is installed.
    static std::unique_ptr<QTranslator> own, qt;
    for (const auto& old : {own.get(), qt.get()})
        if (old)
            QCoreApplication::removeTranslator(old);
    own.reset();
    qt.reset();
    for (const QString& language : languages) {
        auto texts = std::make_unique<QTranslator>();
        // de_AT falls back to de; zh_CN stays itself.
        if (!texts->load(QStringLiteral("tollix_") + language, QStringLiteral(":/i18n")))
            continue;
        auto qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTexts.get());
            qt = std::move(qtTexts);
        }
        QCoreApplication::installTranslator(texts.get());
        own = std::move(texts);
        return own->language();
    }
    return {};
}

}  // namespace tollix
