#include "platform/qt/editor_tauler.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quorvel {

tauler_editor::tauler_editor(QWidget* pare) : QWidget(pare) {
    setMinimumSize(200, 160);
    setCursor(Qt::PointingHandCursor);
    situar_llocs();
}

void tauler_editor::posar_tauler(int caselles, int columnes) {
    caselles_ = std::max(caselles, 1);
    columnes_ = std::clamp(columnes, 1, caselles_);
    situar_llocs();
    update();
}

// Each cell is also an empty child widget named "editor_casella(k)", letting
// the pointer through, so that tools which find widgets by name (the list of
// places, accessibility tools) find the cells of a board that is only drawn.
void tauler_editor::situar_llocs() {
    while (static_cast<int>(llocs_.size()) < caselles_) {
        auto* lloc = new QWidget(this);
        lloc->setObjectName(QStringLiteral("editor_casella(%1)").arg(llocs_.size() + 1));
        lloc->setAttribute(Qt::WA_TransparentForMouseEvents);
        llocs_.push_back(lloc);
    }
    for (std::size_t k = 0; k < llocs_.size(); ++k) {
        const int n = static_cast<int>(k) + 1;
        llocs_[k]->setGeometry(rect_casella(n));
        llocs_[k]->setVisible(n <= caselles_);
    }
}

void tauler_editor::resizeEvent(QResizeEvent*) {
    situar_llocs();
}

void tauler_editor::posar_marques(std::vector<marca> marques) {
    marques_ = std::move(marques);
    update();
}

void tauler_editor::posar_cami(std::vector<int> cami) {
    cami_ = std::move(cami);
    update();
}

QRect tauler_editor::rect_casella(int k) const {
    const int files = (caselles_ + columnes_ - 1) / columnes_;
    const int amplada = width() / columnes_;
    const int alcada = height() / std::max(files, 1);
    const int fila = (k - 1) / columnes_;
    const int columna = (k - 1) % columnes_;
    return {columna * amplada + 2, fila * alcada + 2, amplada - 4, alcada - 4};
}

void tauler_editor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont lletra = font();
    for (int k = 1; k <= caselles_; ++k) {
        const QRect r = rect_casella(k);
        const auto i = static_cast<std::size_t>(k - 1);
        const marca m = i < marques_.size() ? marques_[i] : marca{};
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        p.setBrush(m.color.isValid() ? m.color : palette().color(QPalette::Base));
        p.drawRoundedRect(r, 6, 6);
        lletra.setBold(false);
        p.setFont(lletra);
        p.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop, QString::number(k));
        if (m.ordre > 0) {
            lletra.setBold(true);
            p.setFont(lletra);
            p.drawText(r, Qt::AlignCenter, QStringLiteral("%1").arg(m.ordre));
        }
    }
    if (cami_.size() > 1) {
        p.setPen(QPen(QColor(200, 40, 40), 3));
        for (std::size_t i = 1; i < cami_.size(); ++i) {
            p.drawLine(rect_casella(cami_[i - 1]).center(), rect_casella(cami_[i]).center());
        }
    }
}

void tauler_editor::mousePressEvent(QMouseEvent* e) {
    for (int k = 1; k <= caselles_; ++k) {
        if (rect_casella(k).contains(e->position().toPoint())) {
            emit casella_clicada(k);
            return;
        }
    }
}

} // namespace quorvel
