#pragma once

// Shared by the form and dialog tests: modal windows answered from their own
// event loop, and signal logs.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace ZelFormsTest {

// Calls answer with the next modal widget once it is active, from the event
// loop it runs. A modal left open after three seconds is closed, so that a
// failed answer does not hang the test.
inline void answerModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        // Keys need the window active and its focus set.
        if (!modal || !modal->isVisible() || !modal->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
        QTimer::singleShot(3000, [guard = QPointer<QWidget>(modal)] {
            if (guard)
                guard->close();
        });
    });
    timer->start(0);
}

} // namespace ZelFormsTest
