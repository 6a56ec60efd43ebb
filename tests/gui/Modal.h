// Acting on a modal dialog from a test: the dialog runs its own event loop
// (exec), so the test's steps run from a timer inside that loop.
#pragma once

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs `act` on the modal dialog of type T once it is up (the nested event
// loop of exec() runs the timer).
template <class T> void WhenModal(std::function<void(T&)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
            // A dialog that refused to close would hang the test: close it.
            QTimer::singleShot(3000, dialog, [dialog] {
                if (dialog->isVisible()) {
                    ADD_FAILURE() << "the dialog did not close";
                    dialog->reject();
                }
            });
        }
    });
    timer->start(10);
}
