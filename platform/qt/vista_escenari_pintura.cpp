// Painting the stage model: the background, then images, lines and labels,
// then the overlays the view adds.
#include "platform/qt/vista_escenari.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvel {

namespace {

bool es_pesada(const QString& familia) {
    return familia.contains(QLatin1String("black"), Qt::CaseInsensitive) ||
           familia.contains(QLatin1String("heavy"), Qt::CaseInsensitive);
}

} // namespace

// Pictures are stretched to the whole rectangle, as the model's images are.
void vista_escenari::pintar_imatge(QPainter& p, const std::string& cami, const QRect& r) {
    if (cami.empty() || r.isEmpty()) {
        return;
    }
    if (const auto it = animacions_.find(cami); it != animacions_.end()) {
        const QImage frame = it->second->moviment.currentImage();
        if (!frame.isNull()) {
            p.drawImage(r, frame);
            return;
        }
    }
    const qreal escala = devicePixelRatioF() * transformacio_.m11();
    const QSize fisica(static_cast<int>(std::ceil(r.width() * escala)),
                       static_cast<int>(std::ceil(r.height() * escala)));
    // A rectangle much larger than the screen is drawn straight from the
    // picture: scaling it whole would need memory for parts never seen.
    const qint64 limit = std::max<qint64>(qint64{4} * width() * height(), qint64{1} << 22);
    if (qint64{fisica.width()} * fisica.height() > limit) {
        const cache_imatges::imatge_font font_cami = imatges_.original(cami);
        if (!font_cami.primer.isNull()) {
            p.drawImage(r, font_cami.primer);
        }
        return;
    }
    const QPixmap pixmap = imatges_.escalada(cami, fisica);
    if (!pixmap.isNull()) {
        p.drawPixmap(r, pixmap);
    }
}

QFont vista_escenari::lletra(const element& e) const {
    QFont l = font();
    const QString familia = qtext(e.lletra);
    const bool pesada = es_pesada(familia);
    if (!familia.isEmpty()) {
        // Machines without the named face get a heavy sans-serif one.
        QStringList families{familia};
        if (pesada) {
            families << QStringLiteral("Arial Black");
        }
        families << QStringLiteral("DejaVu Sans") << QStringLiteral("Liberation Sans")
                 << QStringLiteral("Arial");
        l.setFamilies(families);
        l.setStyleHint(QFont::SansSerif);
    }
    if (pesada) {
        l.setWeight(QFont::Black);
    } else {
        l.setWeight(e.negreta ? QFont::Bold : QFont::Normal);
    }
    if (e.mida_lletra > 0) {
        // A point is 20 twips: the text keeps its size against the layout.
        const double pixels = e.mida_lletra * 20.0 / factor_valid(mida_.twips_per_pixel_y);
        l.setPixelSize(static_cast<int>(std::clamp(std::round(pixels), 1.0, 4000.0)));
    }
    return l;
}

// A label paints its box in its back colour (the system's window colour when
// it has none) and its caption in black, wrapped at word ends.
void vista_escenari::pintar_etiqueta(QPainter& p, const element& e, const QRect& r) const {
    const QColor fons = e.color_fons ? qcolor(*e.color_fons) : palette().color(QPalette::Window);
    p.fillRect(r, fons);
    if (e.caption.empty()) {
        return;
    }
    p.setFont(lletra(e));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qtext(e.caption));
}

void vista_escenari::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The area to paint and the model's surface, both in the model's pixels.
    QRect pintar = event->rect();
    QRect superficie_model = rect();
    if (!transformacio_.isIdentity()) {
        // Beside the scaled model, and under the band, the view is dark.
        p.fillRect(event->rect(), Qt::black);
        p.setTransform(transformacio_);
        pintar = transformacio_.inverted().mapRect(pintar).adjusted(-1, -1, 1, 1);
        superficie_model = QRect(QPoint(0, 0), superficie());
        p.setClipRect(superficie_model);
    }

    bool amb_fons = false;
    if (const std::string& fons = f_.imatge_fons(); !fons.empty()) {
        if (const auto it = animacions_.find(fons); it != animacions_.end()) {
            const QImage frame = it->second->moviment.currentImage();
            if (!frame.isNull()) {
                p.drawImage(superficie_model, frame);
                amb_fons = true;
            }
        }
        if (!amb_fons) {
            const qreal escala = devicePixelRatioF() * transformacio_.m11();
            const QPixmap pixmap = imatges_.escalada(
                fons, QSize(static_cast<int>(std::ceil(superficie_model.width() * escala)),
                            static_cast<int>(std::ceil(superficie_model.height() * escala))));
            if (!pixmap.isNull()) {
                p.drawPixmap(superficie_model, pixmap);
                amb_fons = true;
            }
        }
    }
    if (!amb_fons) {
        p.fillRect(pintar & superficie_model, palette().color(QPalette::Window));
    }

    // Images lie under lines, lines under labels (the score stays readable).
    const std::vector<const element*> tots = f_.tots();
    zones_.clear();
    for (const tipus_element capa :
         {tipus_element::imatge, tipus_element::linia, tipus_element::etiqueta}) {
        for (const element* e : tots) {
            if (e->tipus != capa) {
                continue;
            }
            const QRect z = zona(*e);
            if (z.isEmpty()) {
                continue;
            }
            zones_[{e->nom, e->index.value_or(-1)}] = z;
            if (!z.intersects(pintar)) {
                continue;
            }
            const QRect r = rectangle(*e);
            switch (capa) {
            case tipus_element::imatge:
                pintar_imatge(p, e->imatge, r);
                break;
            case tipus_element::linia: {
                const QColor c = e->color_fons ? qcolor(*e->color_fons) : QColor(Qt::black);
                p.setPen(c);
                p.drawLine(r.topLeft(), r.topLeft() + QPoint(r.width(), r.height()));
                break;
            }
            default:
                pintar_etiqueta(p, *e, r);
                break;
            }
        }
        if (capa == tipus_element::imatge) {
            pintar_numeros(p, pintar);
        }
    }

    p.setClipping(false);
    p.resetTransform();
    pintar_consigna(p);
    pintar_senyal(p);
}

} // namespace quorvel
