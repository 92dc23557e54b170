// The stage view service on Qt: one view per open stage model.
#include "platform/qt/vista_escenari.h"

namespace quorvel {

escenari_qt::escenari_qt(vista_escenari::opcions o)
    : opcions_(std::move(o)), pantalla_completa_(opcions_.pantalla_completa) {}

// Views whose deletion is still pending go with the service.
escenari_qt::~escenari_qt() {
    for (const QPointer<vista_escenari>& v : descartades_) {
        delete v.data();
    }
}

mida_pantalla escenari_qt::pantalla() {
    return pantalla_escenari();
}

void escenari_qt::obrir(finestra& escenari) {
    vista_escenari::opcions o = opcions_;
    o.en_sortida = [this] { QTimer::singleShot(0, &context_, [this] { sortir(); }); };
    o.pantalla_completa = pantalla_completa_;
    o.en_pantalla_completa = [this](bool completa) { pantalla_completa_ = completa; };
    auto nova = std::make_unique<vista_escenari>(escenari, std::move(o));
    if (const auto it = vistes_.find(&escenari); it != vistes_.end()) {
        descartar(std::move(it->second));
    }
    vistes_[&escenari] = std::move(nova);
}

// The model may be closed from inside an event of its own view (a click that
// ends the exercise): the view lets go of the model at once and goes when
// that event is over.
void escenari_qt::descartar(std::unique_ptr<vista_escenari> vista) {
    vista->deslligar();
    std::erase_if(descartades_, [](const QPointer<vista_escenari>& v) { return v.isNull(); });
    descartades_.emplace_back(vista.get());
    vista.release()->deleteLater();
}

void escenari_qt::senyal(finestra& escenari, senyal_escenari s) {
    if (vista_escenari* v = vista(escenari)) {
        v->senyal(s);
    }
}

void escenari_qt::posar_consigna(finestra& escenari, const std::string& text) {
    if (vista_escenari* v = vista(escenari)) {
        v->posar_consigna(text);
    }
}

void escenari_qt::numerar_caselles(finestra& escenari, int n) {
    if (vista_escenari* v = vista(escenari)) {
        v->numerar_caselles(n);
    }
}

void escenari_qt::en_sortida(std::function<void()> gestor) {
    sortida_ = std::move(gestor);
}

void escenari_qt::posar_consola(QWidget* consola) {
    consola_ = consola;
}

void escenari_qt::sortir() {
    if (sortida_) {
        sortida_();
    }
    if (consola_) {
        if (consola_->isMinimized()) {
            consola_->showNormal();
        }
        consola_->raise();
        consola_->activateWindow();
    }
}

void escenari_qt::tancar(finestra& escenari) {
    if (const auto it = vistes_.find(&escenari); it != vistes_.end()) {
        descartar(std::move(it->second));
        vistes_.erase(it);
    }
}

vista_escenari* escenari_qt::vista_visible() const {
    for (const auto& [model, v] : vistes_) {
        if (v->isVisible()) {
            return v.get();
        }
    }
    return nullptr;
}

vista_escenari* escenari_qt::vista(const finestra& escenari) const {
    const auto it = vistes_.find(&escenari);
    return it == vistes_.end() ? nullptr : it->second.get();
}

} // namespace quorvel
