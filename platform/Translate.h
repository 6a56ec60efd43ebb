// Marks a text that the editor shows in the desktop's language. The core
// keeps its English: the macro is the text itself. Qt's lupdate collects the
// marked texts (it takes the macro as QT_TRANSLATE_NOOP), and the editor
// looks each one up under its context when it shows it (qtkit/Translation.h).
#pragma once

#define VELMAR_TRANSLATE_NOOP(context, text) text
// A text whose words follow a count: the catalogues hold one translation per
// plural form of the language (lupdate takes it as QT_TRANSLATE_N_NOOP).
#define VELMAR_TRANSLATE_N_NOOP(context, text) text
