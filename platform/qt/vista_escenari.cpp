// The stage view follows its model: what each change repaints, showing and
// hiding, and where the model's pixels fall in the view.
#include "platform/qt/vista_escenari.h"

#include "core/noms_elements.h"
#include "core/text.h"
#include "platform/qt/text_caixa.h"

#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

namespace quorvel {

vista_escenari::vista_escenari(finestra& f, opcions o, QWidget* pare)
    : QWidget(pare, Qt::Window | Qt::FramelessWindowHint), f_(f), opcions_(std::move(o)),
      mida_(opcions_.mida ? *opcions_.mida : pantalla_escenari()),
      pantalla_completa_(opcions_.pantalla_completa) {
    if (!pantalla_completa_) {
        setWindowFlags(Qt::Window);
    }
    // Every pixel is painted here, the background included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(qtext((f_.caption())));
    temporitzador_senyal_.setSingleShot(true);
    connect(&temporitzador_senyal_, &QTimer::timeout, this, [this] {
        senyal_.reset();
        update();
    });
    if (opcions_.geometria) {
        resize(opcions_.geometria->size());
    }
    recalcular_transformacio();
    observador_ = f_.observar([this](const element& e, propietat p) { canvi_model(e, p); });
    if (f_.visible()) {
        mostrar();
    }
}

vista_escenari::~vista_escenari() {
    deslligar();
}

void vista_escenari::deslligar() {
    if (!lligada_) {
        return;
    }
    amagar();
    f_.deixar_observar(observador_);
    lligada_ = false;
}

QRect vista_escenari::rectangle(const element& e) const {
    const double fx = factor_valid(mida_.twips_per_pixel_x);
    const double fy = factor_valid(mida_.twips_per_pixel_y);
    const double left = static_cast<double>(e.left);
    const double top = static_cast<double>(e.top);
    // Edges are rounded, not sizes, so that touching images stay touching.
    const int x0 = a_pixels(left, fx);
    const int y0 = a_pixels(top, fy);
    const int x1 = a_pixels(left + static_cast<double>(e.width), fx);
    const int y1 = a_pixels(top + static_cast<double>(e.height), fy);
    return {x0, y0, x1 - x0, y1 - y0};
}

QRect vista_escenari::zona(const element& e) const {
    if (!e.visible) {
        return {};
    }
    const QRect r = rectangle(e);
    switch (e.tipus) {
    case tipus_element::imatge:
    case tipus_element::etiqueta:
        return r.isValid() ? r : QRect();
    case tipus_element::linia:
        return QRect(r.topLeft(), r.topLeft() + QPoint(r.width(), r.height()))
            .normalized()
            .adjusted(-1, -1, 1, 1);
    default:
        return {};
    }
}

void vista_escenari::canvi_model(const element& e, propietat p) {
    if (e.nom.empty()) {
        canvi_finestra(p);
        return;
    }
    const clau k{e.nom, e.index.value_or(-1)};
    if (const auto it = zones_.find(k); it != zones_.end()) {
        actualitzar(it->second);
        zones_.erase(it);
    }
    if (p != propietat::destruit) {
        const QRect nova = zona(e);
        if (!nova.isEmpty()) {
            actualitzar(nova);
            zones_[k] = nova;
        }
    }
    if (e.tipus == tipus_element::imatge &&
        (p == propietat::imatge || p == propietat::visible || p == propietat::destruit)) {
        programar_animacions();
    }
}

// Window-level changes arrive as an element without a name.
void vista_escenari::canvi_finestra(propietat p) {
    switch (p) {
    case propietat::caption:
        setWindowTitle(qtext((f_.caption())));
        break;
    case propietat::imatge:
        update();
        programar_animacions();
        break;
    case propietat::visible:
        if (f_.visible()) {
            mostrar();
        } else {
            amagar();
        }
        break;
    default:
        break;
    }
}

void vista_escenari::mostrar() {
    // A window manager frames the stage only while it is a window.
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != pantalla_completa_) {
        setWindowFlags(pantalla_completa_ ? Qt::Window | Qt::FramelessWindowHint : Qt::Window);
    }
    if (!pantalla_completa_) {
        setGeometry(geometria_finestra());
        showNormal();
    } else if (opcions_.geometria) {
        setGeometry(*opcions_.geometria);
        show();
    } else {
        QScreen* pantalla = pantalla_escenari_qt();
        if (!opcions_.mida) {
            mida_ = mida_de_pantalla(pantalla);
        }
        if (pantalla != nullptr) {
            setScreen(pantalla);
            setGeometry(pantalla->geometry());
        }
        showFullScreen();
    }
    // Esc and F11 reach the stage only when it has the keyboard, and with no
    // window manager nothing gives it the keyboard but the program.
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    recalcular_transformacio();
    repintar_tot();
    programar_animacions();
}

QRect vista_escenari::geometria_finestra() const {
    QRect base(0, 0, 1280, 960);
    if (opcions_.geometria) {
        base = *opcions_.geometria;
    } else if (const QScreen* pantalla = pantalla_escenari_qt()) {
        base = pantalla->availableGeometry();
    }
    QRect r(QPoint(0, 0), superficie().scaled(base.size() * 2 / 3, Qt::KeepAspectRatio));
    r.moveCenter(base.center());
    return r;
}

QSize vista_escenari::superficie() const {
    const int w =
        a_pixels(static_cast<double>(mida_.amplada_twips), factor_valid(mida_.twips_per_pixel_x));
    const int h =
        a_pixels(static_cast<double>(mida_.alcada_twips), factor_valid(mida_.twips_per_pixel_y));
    return w > 0 && h > 0 ? QSize(w, h) : size();
}

int vista_escenari::alcada_banda() const {
    return consigna_.isEmpty() ? 0 : std::max(24, height() / 12);
}

// The model keeps the proportions it was laid out with: in a window, or above
// the instruction band, it is scaled down whole and centred.
void vista_escenari::recalcular_transformacio() {
    const QSize base = superficie();
    const QSize area(width(), std::max(1, height() - alcada_banda()));
    if (base == area || base.isEmpty()) {
        transformacio_.reset();
        return;
    }
    const double escala = std::min(static_cast<double>(area.width()) / base.width(),
                                   static_cast<double>(area.height()) / base.height());
    transformacio_ = QTransform(escala, 0, 0, escala, (area.width() - base.width() * escala) / 2,
                                (area.height() - base.height() * escala) / 2);
}

void vista_escenari::actualitzar(const QRect& zona_model) {
    if (transformacio_.isIdentity()) {
        update(zona_model);
    } else {
        update(transformacio_.mapRect(zona_model).adjusted(-1, -1, 1, 1));
    }
}

void vista_escenari::senyal(senyal_escenari s) {
    senyal_ = s;
    temporitzador_senyal_.start(opcions_.durada_senyal);
    update();
}

void vista_escenari::posar_consigna(const std::string& text) {
    // The band shows one line: a text of any length is cut before it is laid out.
    const QString nova = text_mostrable(qtext(text)).simplified();
    if (nova == consigna_) {
        return;
    }
    consigna_ = nova;
    recalcular_transformacio();
    repintar_tot();
}

void vista_escenari::numerar_caselles(int n) {
    caselles_.clear();
    for (int j = 1; j <= n; ++j) {
        if (f_.existeix(elements::imatge, j)) {
            caselles_[j] = rectangle(f_.obtenir(elements::imatge, j));
        }
    }
    update();
}

void vista_escenari::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recalcular_transformacio();
    zones_.clear();
}

// A closed stage lets go of its pictures: the next exercise may bring others,
// or new versions of the same files.
void vista_escenari::amagar() {
    hide();
    temporitzador_senyal_.stop();
    senyal_.reset();
    animacions_.clear();
    imatges_.buidar();
    zones_.clear();
}

void vista_escenari::repintar_tot() {
    zones_.clear();
    update();
}

} // namespace quorvel
