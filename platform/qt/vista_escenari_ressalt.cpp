// The scanning highlights on the stage: a thick frame in the player's colour
// round the highlighted cell's picture, or, where no picture is a cell, a
// band at the top with the highlighted cell's number in the player's colour.
#include "platform/qt/vista_escenari.h"

#include "core/noms_elements.h"

#include <QPainter>

#include <algorithm>

namespace quorvel {

namespace {

QColor color_ressalt(const ressalt_escenari& r) {
    return {r.r, r.g, r.b};
}

} // namespace

void vista_escenari::ressaltar(int jugador, std::optional<ressalt_escenari> r) {
    if (r) {
        ressalts_[jugador] = *r;
    } else {
        ressalts_.erase(jugador);
    }
    update();
}

int vista_escenari::alcada_banda_ressalts() const {
    const bool cal = std::any_of(ressalts_.begin(), ressalts_.end(),
                                 [](const auto& r) { return !r.second.imatge; });
    return cal ? std::max(24, height() / 9) : 0;
}

void vista_escenari::pintar_ressalts(QPainter& p) const {
    for (const auto& [j, r] : ressalts_) {
        if (!r.imatge) {
            continue;
        }
        std::vector<int> caselles = r.fila;
        caselles.push_back(r.casella);
        for (const int k : caselles) {
            if (!f_.existeix(elements::imatge, k) || !f_.obtenir(elements::imatge, k).visible) {
                continue;
            }
            const QRect rect = rectangle(f_.obtenir(elements::imatge, k));
            const int gruix = std::max(4, std::min(rect.width(), rect.height()) / 10);
            QPen marc(color_ressalt(r), gruix);
            marc.setJoinStyle(Qt::MiterJoin);
            p.setPen(marc);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(rect).adjusted(gruix / 2.0, gruix / 2.0, -gruix / 2.0, -gruix / 2.0));
        }
    }
}

// One box per player, side by side, each with the cell's number.
void vista_escenari::pintar_banda_ressalts(QPainter& p) const {
    const int banda = alcada_banda_ressalts();
    if (banda == 0) {
        return;
    }
    p.fillRect(QRect(0, 0, width(), banda), QColor(24, 24, 24));
    QFont l = font();
    l.setBold(true);
    l.setPixelSize(std::max(10, banda * 2 / 3));
    p.setFont(l);
    const int n = static_cast<int>(std::count_if(ressalts_.begin(), ressalts_.end(),
                                                 [](const auto& r) { return !r.second.imatge; }));
    const int amplada = width() / std::max(1, n);
    int x = 0;
    for (const auto& [j, r] : ressalts_) {
        if (r.imatge) {
            continue;
        }
        const QRect caixa(x + banda / 8, banda / 8, amplada - banda / 4, banda - banda / 4);
        p.fillRect(caixa, color_ressalt(r));
        p.setPen(Qt::white);
        // A row shows its first and last cells.
        const QString text = r.fila.empty()
                                 ? QString::number(r.casella)
                                 : QStringLiteral("%1\u2013%2")
                                       .arg(r.casella)
                                       .arg(*std::max_element(r.fila.begin(), r.fila.end()));
        p.drawText(caixa, Qt::AlignCenter, text);
        x += amplada;
    }
}

} // namespace quorvel
