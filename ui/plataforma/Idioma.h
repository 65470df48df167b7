// The player's language: the game's own translation (compiled into the program from
// translations/*.ts) and Qt's for the standard buttons of message boxes and prompts. With
// none installed, every text is the game's English source text.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages the program carries a translation for ("de", "es", "fr", ...).
QStringList IdiomasDisponibles();

// The first of the player's preferred languages (most preferred first, as
// QLocale::uiLanguages() lists them) that is English or has a translation: its code, or
// empty for English. English or the C locale ahead of a translated language keeps English.
QString ElegirIdioma(const QStringList &preferidos, const QStringList &disponibles);

// Installs the translation of `codigo` (replacing any other); false, and English, when the
// program has none for it.
bool InstalarIdioma(const QString &codigo);
void QuitarIdioma();  // back to English
bool TraduccionActiva();
// The code of the translation installed ("de", ...), empty in English.
QString IdiomaInstalado();

// Numbers as the player's language writes them: the C locale's plain digits and point in
// English, the language's decimal comma in a translation.
QLocale LocaleJuego();
// `texto`, a number written with a point ("3.26"), with the language's decimal separator.
QString ConSeparadorDecimal(QString texto);

// At start-up: the language the system's locale asks for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, as the desktop sets them).
void CargarIdiomaDelSistema();
// The code of that language, empty for English; known before the application object exists.
QString IdiomaDelSistema();
