#pragma once

#include <QString>
#include <QStringList>

// The language of the program's texts and the translators of Qt's and the program's catalogues.
namespace Translations {

// The prefixes of the program's catalogues under ":/i18n/", in the order they are installed.
const QStringList &catalogues();

// The stored "i18n"/"lang"; when none is stored, the language part of systemLocaleName ("ru" of
// "ru_RU"), which is then stored; "en" for the "C" or "POSIX" locale.
QString chooseLanguage(const QString &systemLocaleName);

// Makes the locale of language the default one (QML's Qt.locale() included), so that numbers are
// written as the texts' language writes them; then loads Qt's own catalogue and the program's for
// language and installs each that loads, parented to the application; of two catalogues holding a
// text, the later one wins. A missing catalogue is skipped: its texts stay in English. Returns the
// names of the installed files.
QStringList install(const QString &language);

} // namespace Translations
