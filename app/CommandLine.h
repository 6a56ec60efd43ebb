// The editor's command line: `--open FILE`, `--receiver NAME`,
// `--screenshot PNG`, `--print-pdf PDF`, `--help`, `--version`; `--opt=value` works too. Qt's own
// options and anything else unknown are left to Qt or ignored; a plain file
// name is not opened. Parsed before the application exists, so that --help
// and --version need no display.
#pragma once

#include <QString>
#include <QStringList>

struct ReceiverProfile;

struct EditorArguments {
    QString open;       // run the Open command on this file
    QString screenshot; // save a picture of the window and quit
    QString printPdf;   // write the lists of `open` to this PDF, no window, and quit
    const ReceiverProfile* profile = nullptr; // null: the start-up receiver
    bool quitAfterFirstPaint = false;
    bool help = false, version = false; // print helpText or the version and quit
    QString helpText;
    QString error; // non-empty: a usage error to report
};

EditorArguments ParseEditorArguments(const QStringList& args);

// The usage error's text, with the receiver names and what each one is.
QString ReceiverChoices();
