// Whether anybody is there to answer a question at start-up. A start by a
// script (a picture, a first-paint timing, a print, test edits) or one that
// nobody can see (no display and no terminal, or a platform that shows
// nothing) must not wait for an answer: what it would ask about is left for
// a later interactive start.
#pragma once

#include <QString>
#include <QStringList>

struct StartSetting {
    QStringList arguments; // the command line, Qt's own options taken out
    QString platform;      // the Qt platform plugin's name
    bool terminal = false; // standard input is a terminal
    bool display = false;  // a display server is named in the environment
};

bool NobodyToAnswer(const StartSetting& start);
// The setting of this process (after the application object exists).
StartSetting ThisStart();
