#pragma once

// Modal windows answered from their own event loop, for the form and dialog tests.

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace ZelFormsTest {

// Calls answer with the next modal widget once it is active and has focus, from
// its event loop; closes it after three seconds so a failed answer cannot hang.
inline void answerModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        QWidget *modal = QApplication::activeModalWidget();
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

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

} // namespace ZelFormsTest
