// velmar: the channel editor. `--open FILE` runs the Open command on FILE
// once the window is up (a plain file name on the command line is not
// loaded); `--receiver NAME` sets the editor up for another receiver family
// for this run; `--screenshot PNG` then saves a picture of the window and quits.
// `--print-pdf PDF` writes the lists of the --open file to PDF without a
// window (offscreen, unless a platform is named) and quits.
// `--quit-after-first-paint` writes a line to the standard output when the
// TV list first paints rows and quits, so start-up can be timed from outside.
// `--help` and `--version` answer before the application exists: no display.
// SIGTERM, SIGHUP and a logout keep the unsaved edits for the next start,
// which offers them back unless a script or nobody at all is there to answer.
#include "app/CommandLine.h"
#include "app/EditLines.h"
#include "app/MainFrame.h"
#include "app/PrintToPdf.h"
#include "app/ScriptedStart.h"
#include "app/SignalWatch.h"
#include "contracts/ReceiverProfiles.h"
#include "qtkit/FirstPaintReporter.h"
#include "qtkit/QtUiSeam.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/VxuiSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    EditorArguments args = ParseEditorArguments(words);
    if (!args.error.isEmpty()) {
        std::fprintf(stderr, "velmar: %s", qUtf8Printable(args.error));
        return 2;
    }
    if (args.help || args.version) {
        const QString text =
            args.help ? args.helpText
                      : QString("velmar (Velmar) %1%2\n")
                            .arg(VELMAR_VERSION)
                            .arg(*VELMAR_GIT_DESCRIBE ? " (" VELMAR_GIT_DESCRIBE ")" : "");
        const QByteArray bytes = text.toLocal8Bit();
        const bool written =
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
                static_cast<std::size_t>(bytes.size()) &&
            std::fflush(stdout) == 0;
        if (!written)
            std::fprintf(stderr, "velmar: cannot write to standard output\n");
        return written ? 0 : 1;
    }
    if (!args.printPdf.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseVelmarSettingsFile();
    QApplication::setDesktopFileName("org.velmar.Velmar");
    QApplication::setWindowIcon(QIcon::fromTheme("org.velmar.Velmar"));
    InstallTranslations(app, QLocale::system(), TranslationFolders()); // the desktop's language
    // Qt has taken its own options out of the arguments by now.
    args = ParseEditorArguments(QApplication::arguments());
    // The configuration dialog's choice from an earlier run, unless the
    // command line names a receiver for this one.
    const VxuiReceiverChoice saved = LoadVxuiReceiverChoice();
    const ReceiverProfile receiver = ChooseReceiver(args.profile, saved.receiver, saved.gridColumn);
    if (!args.printPdf.isEmpty()) {
        const QString error = PrintListFileToPdf(args.open, args.printPdf, receiver);
        if (!error.isEmpty())
            std::fprintf(stderr, "velmar: %s\n", qUtf8Printable(error));
        return error.isEmpty() ? 0 : 1;
    }
    CQtUiSeam ui;
    CMainFrame frame(ui, true, &receiver);
    if (args.quitAfterFirstPaint)
        if (auto* list = frame.findChild<QAbstractItemView*>("TVGrid"))
            new CFirstPaintReporter(list); // owned by the list
    CSignalWatch watch;
    QObject::connect(&watch, &CSignalWatch::Received, &frame, &CMainFrame::EndKeepingEdits);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame,
                     &CMainFrame::EndKeepingEdits);
    frame.show();
    const bool ask = !NobodyToAnswer(ThisStart());
    QTimer::singleShot(0, &frame, [&frame, ask, open = args.open, shot = args.screenshot] {
        // A script, or a start nobody can see, has nobody to answer the question.
        if (ask)
            frame.OfferWorkingCopyRecovery();
        if (!open.isEmpty())
            frame.OpenPath(open);
        if (!shot.isEmpty())
            QTimer::singleShot(800, &frame, [&frame, shot] {
                frame.grab().save(shot);
                QApplication::quit();
            });
    });
    if (WantsEditLines(QApplication::arguments())) // after --open: timers keep their order
        QTimer::singleShot(0, &frame, [&frame] { new CEditLines(frame.Session(), &frame); });
    return QApplication::exec();
}
