#include "translations.h"

#include "gui/settings/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

const QString Group = QStringLiteral("i18n");
const QString Key = QStringLiteral("lang");

bool installOne(const QString &fileName, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(fileName, directory)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

const QStringList &catalogues()
{
    static const QStringList prefixes{QStringLiteral("norvik-"),   QStringLiteral("taldor-"),
                                      QStringLiteral("libmodel-"), QStringLiteral("libcommon-"),
                                      QStringLiteral("libclient-"), QStringLiteral("libgui-")};
    return prefixes;
}

QString chooseLanguage(const QString &systemLocaleName)
{
    const QString stored = Gui::Settings::value(Group, Key).toString();
    if (!stored.isEmpty())
        return stored;
    QString language = systemLocaleName.section(QLatin1Char('_'), 0, 0);
    // The "C" (POSIX) locale names no language: its texts are the English ones.
    if (language == QLatin1String("C") || language == QLatin1String("POSIX"))
        language = QStringLiteral("en");
    Gui::Settings::setValue(Group, Key, language);
    return language;
}

QStringList install(const QString &language)
{
    // Numbers follow the language of the texts: the system's locale where it speaks that
    // language, else the language's own.
    const QLocale system = QLocale::system();
    const QLocale spoken(language);
    QLocale::setDefault(system.language() == spoken.language() ? system : spoken);
    QStringList installed;
    const QString qt = QStringLiteral("qt_") + language;
    if (installOne(qt, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        installed.append(qt);
    for (const QString &prefix : catalogues()) {
        if (installOne(prefix + language, QStringLiteral(":/i18n/")))
            installed.append(prefix + language);
    }
    return installed;
}

} // namespace Translations
