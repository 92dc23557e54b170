// The window's size: the canvas as large as the elements it shows, and the
// window grown to show it within the room it may take.
#include "platform/qt/vista_finestra.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace quorvel {

namespace {

constexpr int marge_llenc = 8; // pixels right of and below the last element

} // namespace

void vista_finestra::programar_mida() {
    if (mida_programada_) {
        return;
    }
    mida_programada_ = true;
    QTimer::singleShot(0, this, [this] { ajustar_mida(); });
}

void vista_finestra::ajustar_mida() {
    mida_programada_ = false;
    int amplada = 0;
    int alcada = 0;
    for (const auto& [k, w] : widgets_) {
        if (w != barra_estat_ && w->isVisibleTo(llenc_)) {
            amplada = std::max(amplada, w->geometry().right() + 1);
            alcada = std::max(alcada, w->geometry().bottom() + 1);
        }
    }
    llenc_->setMinimumSize(amplada + marge_llenc, alcada + marge_llenc);
    creixer();
}

QRect vista_finestra::disponible() const {
    if (opcions_.area_disponible) {
        return opcions_.area_disponible();
    }
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        return s->availableGeometry();
    }
    return {0, 0, 1280, 960};
}

QSize vista_finestra::mida_necessaria() const {
    int alcada = llenc_->minimumHeight() + menuBar()->sizeHint().height();
    if (barra_estat_ != nullptr) {
        alcada += statusBar()->sizeHint().height();
    }
    return {llenc_->minimumWidth(), alcada};
}

void vista_finestra::creixer() {
    // Only growing: a window the operator made larger stays as it is. The
    // frame the window system adds is known once the window is shown.
    const QSize marc = isVisible() ? frameGeometry().size() - geometry().size() : QSize();
    const QRect lloc = disponible();
    const QSize maxim = lloc.size() - marc;
    const QSize necessaria = mida_necessaria();
    const QSize nova(std::max(width(), std::min(necessaria.width(), maxim.width())),
                     std::max(height(), std::min(necessaria.height(), maxim.height())));
    if (nova == size()) {
        return;
    }
    resize(nova);
    // A window grown past the edge of its room moves back into it.
    const int x =
        std::max(lloc.left(), std::min(pos().x(), lloc.right() + 1 - nova.width() - marc.width()));
    const int y = std::max(lloc.top(),
                           std::min(pos().y(), lloc.bottom() + 1 - nova.height() - marc.height()));
    if (x != pos().x() || y != pos().y()) {
        move(x, y);
    }
}

} // namespace quorvel
