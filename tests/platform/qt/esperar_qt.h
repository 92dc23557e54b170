// Waiting on Qt in tests: events keep running while the condition is polled.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace quorvel::prova {

// Lets Qt's events run until the condition holds or `ms` milliseconds have
// passed; whether it holds at the end. Naps between polls so that a wait on
// something slow (a sound, a window manager) does not spin a core.
inline bool esperar(const std::function<bool()>& condicio, int ms = 2000) {
    QElapsedTimer rellotge;
    rellotge.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (condicio()) {
            return true;
        }
        if (rellotge.elapsed() >= ms) {
            return false;
        }
        QThread::msleep(1);
    }
}

} // namespace quorvel::prova
