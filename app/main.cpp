// velmar: the channel editor. `--open FILE` runs the Open command on FILE
// once the window is up (a plain file name on the command line is not
// loaded); `--screenshot PNG` then saves a picture of the window and quits.
#include "app/MainFrame.h"
#include "platform/QtUiSeam.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

namespace {
QString Option(const QStringList& args, const char* name) {
    const auto at = args.indexOf(name);
    return at > 0 && at + 1 < args.size() ? args[at + 1] : QString();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmar");
    CQtUiSeam ui;
    CMainFrame frame(ui);
    frame.show();
    const QStringList args = QApplication::arguments();
    const QString open = Option(args, "--open");
    const QString shot = Option(args, "--screenshot");
    QTimer::singleShot(0, &frame, [&frame, open, shot] {
        if (!open.isEmpty())
            frame.OpenPath(open);
        if (!shot.isEmpty())
            QTimer::singleShot(800, &frame, [&frame, shot] {
                frame.grab().save(shot);
                QApplication::quit();
            });
    });
    return QApplication::exec();
}
