// What the stage view draws over the model: the cells' numbers, the
// instruction band, and right, wrong and final feedback.
#include "platform/qt/vista_escenari.h"

#include "core/noms_elements.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quorvel {

namespace {

QColor color_senyal(senyal_escenari s) {
    switch (s) {
    case senyal_escenari::be:
        return {0, 190, 0};
    case senyal_escenari::mal:
        return {220, 30, 30};
    default:
        return {255, 190, 0};
    }
}

} // namespace

// A number in a dark disc at the cell's top left corner: readable on any
// picture, and clear of the middle where a picture has its own content.
void vista_escenari::pintar_numeros(QPainter& p, const QRect& pintar) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [j, r] : caselles_) {
        if (!f_.existeix(elements::imatge, j) || !r.intersects(pintar)) {
            continue;
        }
        const element& e = f_.obtenir(elements::imatge, j);
        if (!e.visible || rectangle(e) != r) {
            continue;
        }
        const double d = std::clamp(std::min(r.width(), r.height()) * 0.36, 16.0, 200.0);
        const double marge = d * 0.12;
        const QRectF disc(r.left() + marge, r.top() + marge, d, d);
        p.setPen(QPen(Qt::white, std::max(1.0, d / 18)));
        p.setBrush(QColor(0, 0, 0, 200));
        p.drawEllipse(disc);
        QFont l = font();
        l.setBold(true);
        l.setPixelSize(std::max(8, static_cast<int>(d * (j >= 100 ? 0.38 : 0.5))));
        p.setFont(l);
        p.drawText(disc, Qt::AlignCenter, QString::number(j));
    }
    p.restore();
}

void vista_escenari::pintar_consigna(QPainter& p) const {
    const int banda = alcada_banda();
    if (banda == 0) {
        return;
    }
    const QRect r(0, height() - banda, width(), banda);
    p.fillRect(r, QColor(24, 24, 24));
    QFont l = font();
    l.setBold(true);
    l.setPixelSize(std::max(10, banda / 2));
    p.setFont(l);
    p.setPen(Qt::white);
    const int marge = banda / 2;
    const QString text =
        QFontMetrics(l).elidedText(consigna_, Qt::ElideRight, std::max(0, width() - 2 * marge));
    p.drawText(r.adjusted(marge, 0, -marge, 0), Qt::AlignCenter, text);
}

// A frame round the whole view in the feedback's colour, and a mark in the
// middle: a tick for right, a cross for wrong, a larger tick for the end.
void vista_escenari::pintar_senyal(QPainter& p) const {
    if (!senyal_) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = color_senyal(*senyal_);
    const QRectF r = rect();
    const double costat = std::min(r.width(), r.height());
    const double gruix = std::max(6.0, costat * 0.03);
    QPen marc(c, gruix);
    marc.setJoinStyle(Qt::MiterJoin);
    p.setPen(marc);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(gruix / 2, gruix / 2, -gruix / 2, -gruix / 2));

    const double mida = costat * (*senyal_ == senyal_escenari::final ? 0.6 : 0.3);
    const QRectF disc(r.center().x() - mida / 2, r.center().y() - mida / 2, mida, mida);
    p.setPen(QPen(Qt::white, std::max(2.0, mida * 0.04)));
    p.setBrush(c);
    p.drawEllipse(disc);
    const auto punt = [&](double x, double y) {
        return QPointF(disc.left() + x * mida, disc.top() + y * mida);
    };
    QPen traca(Qt::white, mida * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(traca);
    QPainterPath signe;
    if (*senyal_ == senyal_escenari::mal) {
        signe.moveTo(punt(0.32, 0.32));
        signe.lineTo(punt(0.68, 0.68));
        signe.moveTo(punt(0.68, 0.32));
        signe.lineTo(punt(0.32, 0.68));
    } else {
        signe.moveTo(punt(0.28, 0.52));
        signe.lineTo(punt(0.44, 0.68));
        signe.lineTo(punt(0.74, 0.36));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(signe);
    p.restore();
}

} // namespace quorvel
