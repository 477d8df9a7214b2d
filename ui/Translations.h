#pragma once

#include <QStringList>

namespace tollix {

// The desktop's languages, most wished first, as the environment names them:
// LANGUAGE (a list, honoured only when a locale is set), then LC_ALL,
// LC_MESSAGES or LANG. Empty under the C locale: the written texts.
QStringList desktopLanguages();

// Installs the program's texts and Qt's own (its dialogs' buttons) for the
// first of `languages` that has a translation; returns the one installed,
// empty when none was. Needs the application object; installing again
// replaces the earlier language.
QString installTranslations(const QStringList& languages);

}  // namespace tollix
