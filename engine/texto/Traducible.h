// Marks a text that lives in a table for the translation tools (lupdate reads the macro's
// name in the source) while the rules stay plain C++: the compiler sees only the text, as
// with Qt's own definition. The screen translates it where it shows it.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(contexto, texto) texto
#endif
