// What the user does on the window's widgets, sent to the model as its
// events: clicks, a mouse button held on a cell box, focus losses, the close.
#include "platform/qt/vista_finestra.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace quorvel {

namespace {

// Only a move of the keyboard focus to another widget of the window is a
// focus loss. A menu or message box that opens, or another window taking
// over, lends the focus and gives it back: the element keeps its state (a
// selected cell stays selected for the menu item chosen meanwhile).
bool es_perdua_focus(Qt::FocusReason motiu) {
    switch (motiu) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace

void vista_finestra::closeEvent(QCloseEvent* event) {
    if (opcions_.en_tancar) {
        enviar(opcions_.en_tancar);
    }
    event->accept();
}

bool vista_finestra::eventFilter(QObject* objecte, QEvent* event) {
    if (objecte == llenc_ && fons_ != nullptr && event->type() == QEvent::Resize) {
        fons_->setGeometry(llenc_->rect());
    }
    if (objecte == llenc_ && event->type() == QEvent::MouseButtonPress) {
        enviar([&] { f_.fons(); });
    }
    const auto it = elements_widget_.find(objecte);
    if (it == elements_widget_.end()) {
        return QMainWindow::eventFilter(objecte, event);
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        enviar([&] { f_.fons(); });
    }
    // Named copies, not structured bindings: lambdas cannot capture those in
    // every compiler the project builds with.
    const std::string nom = it->second.first;
    const std::optional<int> index = it->second.second;
    // The mouse holds a box while its button is down on it; the hold ends
    // with the button, when the pointer leaves the box, or with the focus.
    const auto deixar_anar = [&] {
        if (ratoli_avall_ == objecte) {
            ratoli_avall_ = nullptr;
            enviar([&] { f_.ratoli_amunt(nom, index); });
        }
    };
    const bool quadre = qobject_cast<QLineEdit*>(objecte) != nullptr;
    const auto* ratoli = dynamic_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::FocusOut) {
        deixar_anar();
        if (es_perdua_focus(static_cast<QFocusEvent*>(event)->reason())) {
            enviar([&] { f_.perdua_focus(nom, index); });
        }
    } else if (quadre && event->type() == QEvent::MouseButtonPress &&
               ratoli->button() == Qt::LeftButton) {
        ratoli_avall_ = objecte;
        enviar([&] { f_.ratoli_avall(nom, index); });
    } else if (quadre && event->type() == QEvent::MouseMove && ratoli_avall_ == objecte &&
               !static_cast<QWidget*>(objecte)->rect().contains(ratoli->position().toPoint())) {
        deixar_anar();
    } else if (event->type() == QEvent::Leave) {
        deixar_anar();
    } else if (quadre && event->type() == QEvent::MouseButtonRelease &&
               ratoli->button() == Qt::LeftButton) {
        deixar_anar();
        enviar([&] { f_.clic(nom, index); });
    }
    return QMainWindow::eventFilter(objecte, event);
}

} // namespace quorvel
