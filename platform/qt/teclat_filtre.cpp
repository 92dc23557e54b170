#include "platform/qt/teclat_filtre.h"

#include "platform/local/teclat_joystick.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <utility>

namespace quorvel {

std::optional<int> entrada_de_tecla(int tecla_qt) {
    // Input 4 + b is button b: the digits are the buttons they name, so that
    // a board whose cells follow the buttons (a simulated one, the bundled
    // map) lights the cell of the key's number.
    constexpr int boto_0 = 4;
    constexpr int digits = 10;
    constexpr int lletres = 20;
    switch (tecla_qt) {
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Left:
        return 2;
    case Qt::Key_Down:
        return 3;
    case Qt::Key_Up:
        return 4;
    case Qt::Key_0:
        return boto_0 + digits;
    case Qt::Key_Space:
        return boto_0 + digits + lletres + 1;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return boto_0 + digits + lletres + 2;
    default:
        break;
    }
    if (tecla_qt >= Qt::Key_1 && tecla_qt <= Qt::Key_9) {
        return boto_0 + 1 + (tecla_qt - Qt::Key_1);
    }
    if (tecla_qt >= Qt::Key_A && tecla_qt < Qt::Key_A + lletres) {
        return boto_0 + digits + 1 + (tecla_qt - Qt::Key_A);
    }
    return std::nullopt;
}
static_assert(joystick_amb_teclat::botons_teclat == 32, "10 digits, 20 letters, Space, Enter");

bool teclat_ocupat(const QWidget* focus) {
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return true;
    }
    if (focus == nullptr || focus->property(propietat_casella_pad).toBool()) {
        return false;
    }
    // Alt puts the menu bar in the keyboard's hands: its arrows and Enter
    // open the menus, as they do without the keyboard pad.
    if (qobject_cast<const QMenuBar*>(focus) != nullptr) {
        return true;
    }
    if (const auto* linia = qobject_cast<const QLineEdit*>(focus)) {
        return !linia->isReadOnly();
    }
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(focus)) {
        return !text->isReadOnly();
    }
    if (const auto* text = qobject_cast<const QTextEdit*>(focus)) {
        return !text->isReadOnly();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(focus)) {
        return combo->isEditable();
    }
    return qobject_cast<const QAbstractSpinBox*>(focus) != nullptr;
}

filtre_teclat::filtre_teclat(joystick_amb_teclat& pad, std::function<bool()> llegint_pads)
    : pad_(pad), llegint_pads_(std::move(llegint_pads)) {}

bool filtre_teclat::eventFilter(QObject* objecte, QEvent* event) {
    switch (event->type()) {
    case QEvent::ApplicationDeactivate:
        // The key releases will go to another program.
        pad_.deixar_anar_tot();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!pad_.obert()) {
            break;
        }
        const auto* tecla = static_cast<QKeyEvent*>(event);
        const std::optional<int> entrada = entrada_de_tecla(tecla->key());
        if (!entrada) {
            break;
        }
        // A key the pad holds is the pad's until it is let go, wherever
        // the release lands: a box that opened meanwhile must not keep it
        // held for ever, nor get half a key.
        if (pad_.premuda(*entrada)) {
            if (event->type() == QEvent::KeyRelease && !tecla->isAutoRepeat()) {
                pad_.tecla(*entrada, false);
            }
            return true;
        }
        if (event->type() == QEvent::KeyPress && !tecla->isAutoRepeat() && llegint_pads_ &&
            llegint_pads_() && !teclat_ocupat(QApplication::focusWidget())) {
            pad_.tecla(*entrada, true);
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
