#include "app/CommandLine.h"

#include "contracts/ReceiverProfiles.h"

#include <QCommandLineParser>

namespace {

constexpr const char* kPrintPdfHelp =
    "Write the channel lists of the --open FILE (TV, radio and favourite lists, as Print "
    "lays them out) to PDF, without a window, and quit.";
constexpr const char* kPrintPdfNeedsOpen = "--print-pdf needs --open FILE\n";

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

EditorArguments ParseEditorArguments(const QStringList& args) {
    EditorArguments out;
    QCommandLineParser parser;
    parser.setApplicationDescription("Velmar: the channel editor for digital-TV receivers.");
    // Qt's own options are single-dash words (-platform, -stylesheet): read
    // as one name each, not as a run of letters that could spell -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Show this help and quit.");
    const QCommandLineOption version("version", "Show the version and quit.");
    const QCommandLineOption open("open", "Open FILE once the window is up.", "FILE");
    const QCommandLineOption receiver(
        "receiver",
        "Set the editor up for receiver profile NAME (velmar-cli receivers lists them).", "NAME");
    const QCommandLineOption screenshot(
        "screenshot", "After start-up (and --open), save a picture of the window to PNG and quit.",
        "PNG");
    const QCommandLineOption printPdf("print-pdf", kPrintPdfHelp, "PDF");
    QCommandLineOption firstPaint("quit-after-first-paint",
                                  "Print a line when the TV list first paints rows, and quit.");
    firstPaint.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, open, receiver, screenshot, printPdf, firstPaint});
    if (!parser.parse(args)) {
        // Unknown options are Qt's or nobody's; a value missing is an error.
        const bool missingValue =
            parser.unknownOptionNames().isEmpty() ||
            (!args.isEmpty() && QStringList({"--open", "--receiver", "--screenshot", "--print-pdf",
                                             "-open", "-receiver", "-screenshot", "-print-pdf"})
                                    .contains(args.last()));
        if (missingValue) {
            out.error = parser.errorText() + "\n";
            return out;
        }
    }
    out.help = parser.isSet(help);
    out.version = parser.isSet(version);
    // Without an application object Qt cannot name the program itself.
    const QString text = parser.helpText();
    out.helpText = "Usage: velmar [options]" + text.mid(text.indexOf('\n'));
    out.open = parser.value(open);
    out.screenshot = parser.value(screenshot);
    out.printPdf = parser.value(printPdf);
    if (!out.printPdf.isEmpty() && out.open.isEmpty() && !out.help && !out.version)
        out.error = kPrintPdfNeedsOpen;
    out.quitAfterFirstPaint = parser.isSet(firstPaint);
    if (parser.isSet(receiver)) {
        const QString name = parser.value(receiver);
        out.profile = FindReceiverProfile(name.toStdString());
        if (!out.profile)
            out.error = QString("unknown receiver \"%1\"; one of:\n").arg(name) + ReceiverChoices();
    }
    return out;
}

QString ReceiverChoices() {
    QString text;
    for (const ReceiverProfile& p : ReceiverProfiles())
        text += QString("  %1 %2\n").arg(Text(p.name), -24).arg(Text(p.description));
    return text;
}
