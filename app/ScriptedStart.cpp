#include "app/ScriptedStart.h"

#include "app/EditLines.h"

#include <QGuiApplication>

#include <unistd.h>

namespace {

// Options whose start is run by a script, in both spellings.
const char* const kScriptOptions[] = {"quit-after-first-paint", "screenshot", "print-pdf",
                                      kEditLinesOption + 2};

bool NamesOption(const QString& word, const char* name) {
    for (const QString& dashes : {QStringLiteral("--"), QStringLiteral("-")}) {
        const QString option = dashes + name;
        if (word == option || word.startsWith(option + "="))
            return true;
    }
    return false;
}

} // namespace

bool NobodyToAnswer(const StartSetting& start) {
    for (const QString& word : start.arguments.mid(1))
        for (const char* name : kScriptOptions)
            if (NamesOption(word, name))
                return true;
    if (start.platform == "offscreen" || start.platform == "minimal")
        return true; // a question there is seen by nobody
    return !start.terminal && !start.display;
}

StartSetting ThisStart() {
    StartSetting start;
    start.arguments = QGuiApplication::arguments();
    start.platform = QGuiApplication::platformName();
    start.terminal = ::isatty(STDIN_FILENO) == 1;
    start.display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return start;
}
