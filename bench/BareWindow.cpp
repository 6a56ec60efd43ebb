// The floor under the editor's start-up: a bare Qt window holding one table
// filled with as many rows as the full start-up image's TV list, and nothing
// else. Like `velmar --quit-after-first-paint` it writes "first paint" when
// the table first paints rows and quits, so scripts/bench.sh times both the
// same way. `velmar_bare_window [ROWS]` (default 4608).
#include "qtkit/FirstPaintReporter.h"

#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>

#include <cstdlib>

namespace {

constexpr int kColumns = 6;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 4608;
    QStandardItemModel model(rows, kColumns);
    model.setHorizontalHeaderLabels({"CH#", "Name", "Satellite", "Frequency", "Provider", "Flags"});
    for (int row = 0; row < rows; ++row) {
        model.setItem(row, 0, new QStandardItem(QString::number(row + 1)));
        model.setItem(row, 1, new QStandardItem(QString("Channel %1").arg(row + 1)));
        model.setItem(row, 2, new QStandardItem("19.2E Astra"));
        model.setItem(row, 3, new QStandardItem("11,778 MHz HOR"));
        model.setItem(row, 4, new QStandardItem("Provider"));
        model.setItem(row, 5, new QStandardItem(""));
    }
    QMainWindow window;
    auto* table = new QTableView(&window);
    table->setModel(&model);
    table->verticalHeader()->hide();
    window.setCentralWidget(table);
    new CFirstPaintReporter(table); // owned by the table
    window.resize(1024, 768);
    window.show();
    return QApplication::exec();
}
