// What the players do at the stage: Esc, Alt+F4 and the close ask to leave it,
// F11 switches between the whole screen and a window, a click on an image is
// the model's click.
#include "platform/qt/vista_escenari.h"

#include "core/noms_elements.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <optional>

namespace quorvel {

void vista_escenari::alternar_pantalla_completa() {
    pantalla_completa_ = !pantalla_completa_;
    if (opcions_.en_pantalla_completa) {
        opcions_.en_pantalla_completa(pantalla_completa_);
    }
    if (f_.visible()) {
        mostrar();
    }
}

void vista_escenari::demanar_sortida() {
    if (opcions_.en_sortida) {
        opcions_.en_sortida();
    }
}

void vista_escenari::keyPressEvent(QKeyEvent* event) {
    const bool alt_f4 = event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier;
    if (event->key() == Qt::Key_Escape || alt_f4) {
        demanar_sortida();
    } else if (event->key() == Qt::Key_F11) {
        alternar_pantalla_completa();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// A click on an image is the model's click on it (for a cell, a press of
// the cell): the topmost image under the pointer.
void vista_escenari::mousePressEvent(QMouseEvent* event) {
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    if (!lligada_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint punt = transformacio_.inverted().map(event->position()).toPoint();
    std::optional<int> tocada;
    for (const element* e : f_.tots()) {
        if (e->tipus == tipus_element::imatge && e->index.value_or(0) > 0 && e->visible &&
            rectangle(*e).contains(punt)) {
            tocada = e->index;
        }
    }
    if (tocada) {
        // The handler may stop the exercise: the model is gone when it
        // returns, and this view is detached from it.
        f_.clic(elements::imatge, tocada);
    }
}

std::vector<std::pair<int, QRect>> vista_escenari::llocs_imatges() const {
    std::vector<std::pair<int, QRect>> llocs;
    if (!lligada_) {
        return llocs;
    }
    for (const element* e : f_.tots()) {
        if (e->tipus == tipus_element::imatge && e->index.value_or(0) > 0 && e->visible) {
            llocs.emplace_back(*e->index, transformacio_.mapRect(rectangle(*e)));
        }
    }
    return llocs;
}

void vista_escenari::closeEvent(QCloseEvent* event) {
    if (lligada_ && f_.visible()) {
        event->ignore();
        demanar_sortida();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace quorvel
