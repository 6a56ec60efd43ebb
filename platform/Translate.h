// Marks a text that the editor shows in the desktop's language. The core
// keeps its English: the macro is the text itself. Qt's lupdate collects the
// marked texts (it takes the macro as QT_TRANSLATE_NOOP), and the editor
// looks each one up under its context when it shows it (qtkit/Translation.h).
#pragma once

#define VELMAR_TRANSLATE_NOOP(context, text) text
