// The window view follows its model: the window's own properties, and the
// elements created since the last pass, read again from the event loop.
#include "platform/qt/vista_finestra.h"

#include "core/text.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/etiqueta_estat.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace quorvel {

vista_finestra::vista_finestra(finestra& f, opcions o, QWidget* pare)
    : QMainWindow(pare), f_(f), opcions_(std::move(o)) {
    const mida_pantalla pantalla = pantalla_qt();
    twips_x_ = pantalla.twips_per_pixel_x;
    twips_y_ = pantalla.twips_per_pixel_y;

    desplacament_ = new QScrollArea(this);
    desplacament_->setFrameShape(QFrame::NoFrame);
    desplacament_->setWidgetResizable(true);
    llenc_ = new QWidget;
    llenc_->setObjectName(QStringLiteral("llenc"));
    llenc_->setAutoFillBackground(true);
    llenc_->installEventFilter(this);
    desplacament_->setWidget(llenc_);
    setCentralWidget(desplacament_);
    fons_ = new QLabel(llenc_);
    fons_->setScaledContents(true);
    fons_->lower();
    if (!opcions_.linia_estat.empty()) {
        barra_estat_ = new etiqueta_estat;
        barra_estat_->setObjectName(QStringLiteral("linia_estat"));
        barra_estat_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        statusBar()->addWidget(barra_estat_, 1);
        statusBar()->setSizeGripEnabled(false);
    }

    canvi_finestra(propietat::caption);
    canvi_finestra(propietat::color_fons);
    canvi_finestra(propietat::imatge);
    for (const element* e : f_.tots()) {
        if (e->tipus != tipus_element::menu) {
            crear_widget(*e);
        }
    }
    reconstruir_menus();
    ajustar_mida();
    observador_ = f_.observar([this](const element& e, propietat p) { canvi_model(e, p); });

    // The window opens at the size of its contents, within the room it has.
    const QSize necessaria = mida_necessaria();
    const QRect lloc = disponible();
    resize(std::min(necessaria.width(), lloc.width()),
           std::min(necessaria.height(), lloc.height()));
    canvi_finestra(propietat::visible);
}

vista_finestra::~vista_finestra() {
    f_.deixar_observar(observador_);
}

vista_finestra::clau vista_finestra::clau_de(std::string_view nom, std::optional<int> index) {
    return {minuscules(nom), index.value_or(-1)};
}

int vista_finestra::pixels_x(long twips) const {
    return a_pixels(static_cast<double>(twips), twips_x_);
}

int vista_finestra::pixels_y(long twips) const {
    return a_pixels(static_cast<double>(twips), twips_y_);
}

QWidget* vista_finestra::widget(std::string_view nom, std::optional<int> index) const {
    const auto it = widgets_.find(clau_de(nom, index));
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* vista_finestra::accio(std::string_view nom, std::optional<int> index) const {
    const auto it = accions_.find(clau_de(nom, index));
    return it == accions_.end() ? nullptr : it->second;
}

void vista_finestra::enviar(const std::function<void()>& accio) const {
    try {
        accio();
    } catch (const std::exception& error) {
        qCritical("%s: %s", f_.nom().c_str(), error.what());
    }
}

void vista_finestra::canvi_model(const element& e, propietat p) {
    if (e.nom.empty()) {
        canvi_finestra(p);
        return;
    }
    if (e.tipus == tipus_element::temporitzador) {
        return;
    }
    if (e.tipus == tipus_element::menu) {
        if (p == propietat::creat || p == propietat::destruit) {
            reconstruir_menus();
            if (p == propietat::creat) {
                pendents_.insert({e.nom, e.index});
                programar_refresc();
            }
        } else if (QAction* a = accio(e.nom, e.index)) {
            aplicar_menu(a, e);
        }
        return;
    }
    switch (p) {
    case propietat::creat:
        crear_widget(e);
        pendents_.insert({e.nom, e.index});
        programar_refresc();
        break;
    case propietat::destruit:
        destruir_widget(e.nom, e.index);
        break;
    default:
        if (QWidget* w = widget(e.nom, e.index)) {
            aplicar(w, e, p);
        }
        break;
    }
}

// Window-level changes arrive as an element without a name.
void vista_finestra::canvi_finestra(propietat p) {
    switch (p) {
    case propietat::caption:
        setWindowTitle(qtext(f_.caption()));
        break;
    case propietat::visible:
        setVisible(f_.visible());
        break;
    case propietat::color_fons: {
        QPalette paleta;
        if (f_.color_fons()) {
            paleta.setColor(QPalette::Window, qcolor(*f_.color_fons()));
        }
        llenc_->setPalette(paleta);
        break;
    }
    case propietat::imatge: {
        const std::string local =
            f_.imatge_fons().empty() ? "" : fitxers_disc::cami_local(f_.imatge_fons());
        fons_->setPixmap(local.empty() ? QPixmap() : QPixmap(QString::fromStdString(local)));
        fons_->setVisible(!fons_->pixmap().isNull());
        break;
    }
    default:
        break;
    }
}

void vista_finestra::programar_refresc() {
    if (refresc_programat_) {
        return;
    }
    refresc_programat_ = true;
    QTimer::singleShot(0, this, [this] { refrescar(); });
}

void vista_finestra::refrescar() {
    refresc_programat_ = false;
    bool menus = false;
    const auto pendents = std::move(pendents_);
    pendents_.clear();
    for (const auto& [nom, index] : pendents) {
        if (!f_.existeix(nom, index)) {
            continue;
        }
        const element& e = f_.obtenir(nom, index);
        if (e.tipus == tipus_element::menu) {
            menus = true;
        } else if (QWidget* w = widget(nom, index)) {
            aplicar_tot(w, e);
        }
    }
    if (menus) {
        reconstruir_menus();
    }
}

} // namespace quorvel
