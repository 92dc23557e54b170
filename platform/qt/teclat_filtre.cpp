#include "platform/qt/teclat_filtre.h"

#include "platform/local/teclat_joystick.h"

#include <QEvent>
#include <QKeyEvent>

#include <utility>

namespace quorvel {

std::optional<int> entrada_de_tecla(int tecla_qt) {
    constexpr int boto_1 = 5; // input of button 1
    switch (tecla_qt) {
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Left:
        return 2;
    case Qt::Key_Down:
        return 3;
    case Qt::Key_Up:
        return 4;
    case Qt::Key_Space:
        return boto_1;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return boto_1 + 1;
    case Qt::Key_0:
        return boto_1 + 11;
    default:
        break;
    }
    if (tecla_qt >= Qt::Key_1 && tecla_qt <= Qt::Key_9) {
        return boto_1 + 2 + (tecla_qt - Qt::Key_1);
    }
    const int lletres = joystick_amb_teclat::botons_teclat - 12;
    if (tecla_qt >= Qt::Key_A && tecla_qt < Qt::Key_A + lletres) {
        return boto_1 + 12 + (tecla_qt - Qt::Key_A);
    }
    return std::nullopt;
}

filtre_teclat::filtre_teclat(joystick_amb_teclat& pad, std::function<bool()> reservat)
    : pad_(pad), reservat_(std::move(reservat)) {}

bool filtre_teclat::eventFilter(QObject* objecte, QEvent* event) {
    switch (event->type()) {
    case QEvent::ApplicationDeactivate:
        // The key releases will go to another program.
        pad_.deixar_anar_tot();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        const std::optional<int> entrada = entrada_de_tecla(tecla->key());
        if (!entrada) {
            break;
        }
        if (!tecla->isAutoRepeat()) {
            pad_.tecla(*entrada, event->type() == QEvent::KeyPress);
        }
        if (reservat_ && reservat_()) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(objecte, event);
}

} // namespace quorvel
