#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QMenu;
class QTranslator;
class QWidget;

namespace parsella::language {

// A language the program carries a catalogue for: its code as in the catalogue's file name
// ("de", "pt_BR") and its name as its own speakers write it.
struct Language
{
    QString code;
    QString name;
};

// English, the language the program is written in, then every catalogue carried inside the
// program, by code.
QList<Language> available();
// The name of a language in that language; the code itself for one the program does not know.
QString nativeName(const QString &code);

// Which of `offered` codes serves a reader of `uiLanguages` (a locale's names in order of
// preference, as QLocale::uiLanguages() gives them): the first preference the program has a
// catalogue for, by language and, where it tells them apart, by script. English, C or a
// preference for nothing offered before it gives "", English.
QString match(const QStringList &uiLanguages, const QStringList &offered);

// The language a run starts in: `override` (from --lang) if given, else the learner's choice
// kept in the settings, else the system's. "" is English.
QString startLanguage(const QString &override = {});

// Puts the program, and Qt's own dialogs, into the language `code` ("" English), at once:
// open windows are told through QEvent::LanguageChange, and the texts they were built with
// are put into the new language here. False, with English in place, for a code the program
// carries no catalogue for.
bool apply(const QString &code);
// As apply(), with a catalogue of the caller's instead of one carried (a pseudo-language that
// tries the windows with longer texts, say); `code` is what current() then tells.
void applyCatalogue(const QString &code, std::unique_ptr<QTranslator> catalogue);
// The language in place: "" for English.
QString current();

// The learner's choice as kept in the settings: a code, "" for English, or a null string for
// the system's language.
QString preference();
// Keeps the learner's choice and applies it; a null code follows the system again.
void setPreference(const QString &code);

// Makes `menu` offer "System default" and every language in its own name, the one chosen
// checked; choosing one applies it and keeps it. The menu, named "languageMenu", fills itself
// when first opened and keeps itself up to date.
void fillLanguageMenu(QMenu *menu);

} // namespace parsella::language
