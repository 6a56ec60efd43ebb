// velmar: the channel editor. `--open FILE` runs the Open command on FILE
// once the window is up (a plain file name on the command line is not
// loaded); `--screenshot PNG` then saves a picture of the window and quits.
// `--quit-after-first-paint` writes a line to the standard output when the
// TV list first paints rows and quits, so start-up can be timed from outside.
#include "app/MainFrame.h"
#include "platform/QtUiSeam.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {
QString Option(const QStringList& args, const char* name) {
    const auto at = args.indexOf(name);
    return at > 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

// Reports the first paint of a list that shows rows, then quits.
class FirstPaintReporter final : public QObject {
public:
    explicit FirstPaintReporter(QAbstractItemView* list) : QObject(list), m_pList(list) {
        list->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_bReported && m_pList->model()->rowCount() > 0) {
            m_bReported = true;
            std::puts("first paint");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    QAbstractItemView* m_pList;
    bool m_bReported = false;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmar");
    CQtUiSeam ui;
    CMainFrame frame(ui);
    const QStringList args = QApplication::arguments();
    if (args.contains("--quit-after-first-paint"))
        if (auto* list = frame.findChild<QAbstractItemView*>("TVGrid"))
            new FirstPaintReporter(list); // owned by the list
    frame.show();
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
