// The editor in the desktop's language: the catalogues of translations/
// (velmar_<language>.qm) and Qt's own, and the lookup of the core's texts.
// Without a catalogue every text stays the English of the core and the
// views. velmar-cli loads none of this and speaks English.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

class QCoreApplication;
struct Phrase;
class QLocale;

// The context under which the core marks its texts
// (VELMAR_TRANSLATE_NOOP(kTextContext, ...)).
inline constexpr char kTextContext[] = "Velmar";

// A core text in the installed language; `english` must be the marked text
// itself, not something built from it.
QString Text(const char* english);
QString Text(std::string_view english);
// A phrase of the core in the installed language: each pattern looked up
// (a numerus text with the phrase's count), then filled as English() fills it.
QString Text(const Phrase& phrase);

// Installs the editor's catalogue for `locale` from the first folder of
// `folders` that holds one, and Qt's own from Qt's translations folder. The
// translators belong to `app`. False when no editor catalogue matched (the
// editor then shows English).
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

// Where the editor looks for its catalogues: the build's folder (a program
// run from the build tree) and the installed one (share/velmar/translations
// beside the program's bin folder).
QStringList TranslationFolders();
