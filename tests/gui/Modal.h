// Acting on a modal dialog from a test: the dialog runs its own event loop
// (exec), so the test's steps run from a timer inside that loop. And the
// controls of a form, found by object name.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

// Runs `act` on the modal dialog of type T (and, when given, object name
// `name`) once it is up (the nested event loop of exec() runs the timer). A
// dialog still open `guardMs` later would hang the test: it is closed, and
// the test fails.
template <class T>
void WhenModal(std::function<void(T&)> act, const QString& name = {}, int guardMs = 3000) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, name, guardMs] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || (!name.isEmpty() && dialog->objectName() != name))
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
        QPointer<T> guarded(dialog);
        QTimer::singleShot(guardMs, [guarded] {
            if (guarded && guarded->isVisible()) {
                ADD_FAILURE() << "the dialog did not close";
                static_cast<QDialog*>(guarded.data())->done(QDialog::Rejected);
            }
        });
    });
    timer->start(10);
}

// The dialog named `name` (its class name), once it is up; a form that
// moves an image may take its time.
inline void WhenModalNamed(const QString& name, std::function<void(QDialog&)> act,
                           int guardMs = 60000) {
    WhenModal<QDialog>(std::move(act), name, guardMs);
}

// Right-clicks `viewport` at `point` and runs `act` on the popup menu while
// it is up (its own event loop runs the timer); false when none came up.
inline bool WithContextMenu(QWidget* viewport, const QPoint& point,
                            const std::function<void(QMenu&)>& act) {
    bool seen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer.stop();
        seen = true;
        act(*menu);
    });
    timer.start(10);
    QTest::mouseClick(viewport, Qt::RightButton, {}, point);
    static_cast<void>(QTest::qWaitFor([&] { return seen; }, 2000));
    timer.stop();
    return seen;
}

// A control of `parent`, by its object name.
template <class T> T& Child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    if (!found)
        throw std::runtime_error(std::string("no control named ") + name);
    return *found;
}

// Fills a link form with a TCP line to 127.0.0.1:port and presses its button.
inline void StartOverTcp(QDialog& form, std::uint16_t port) {
    Child<QRadioButton>(form, "Tcp").setChecked(true);
    Child<QLineEdit>(form, "Host").setText("127.0.0.1");
    Child<QSpinBox>(form, "TcpPort").setValue(port);
    Child<QPushButton>(form, "Start").click();
}

// The line edits of `form` by name: what they show, and the user's typing.
inline void ExpectFields(QWidget& form,
                         std::initializer_list<std::pair<const char*, QString>> expected) {
    for (const auto& [name, text] : expected)
        EXPECT_EQ(Child<QLineEdit>(form, name).text(), text) << name;
}
inline void SetFields(QWidget& form, std::initializer_list<std::pair<const char*, QString>> typed) {
    for (const auto& [name, text] : typed)
        Child<QLineEdit>(form, name).setText(text);
}
// The choices the combo boxes of `form` show, and which check boxes are ticked.
inline void ExpectCombos(QWidget& form,
                         std::initializer_list<std::pair<const char*, QString>> expected) {
    for (const auto& [name, text] : expected)
        EXPECT_EQ(Child<QComboBox>(form, name).currentText(), text) << name;
}
inline void ExpectChecks(QWidget& form,
                         std::initializer_list<std::pair<const char*, bool>> expected) {
    for (const auto& [name, checked] : expected)
        EXPECT_EQ(Child<QCheckBox>(form, name).isChecked(), checked) << name;
}

// Every byte of the record a form handed back against `expected`: the
// fields the user changed set in it, everything else carried.
template <class T> void ExpectSameBytes(const T& actual, const T& expected) {
    const auto* a = reinterpret_cast<const unsigned char*>(&actual);
    const auto* e = reinterpret_cast<const unsigned char*>(&expected);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        EXPECT_EQ(int{a[i]}, int{e[i]}) << "byte " << i;
}
