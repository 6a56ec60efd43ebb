// `--quit-after-first-paint`: writes "first paint" to the standard output
// when a list first paints rows, then quits, so that start-up can be timed
// from outside. Header-only, so that the bare Qt window the benchmarks set
// beside the editor reports the same way without linking any of it.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

class CFirstPaintReporter final : public QObject {
public:
    // Owned by the list.
    explicit CFirstPaintReporter(QAbstractItemView* list) : QObject(list), m_pList(list) {
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
