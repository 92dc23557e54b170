// The window's events: the handlers per element name, the events that run
// them (a click, a focus loss, the mouse, a timer, an edit), and the observers.
#include "core/finestra.h"

#include <utility>

namespace quorvel {

void finestra::en_canvi(std::string_view nom, gestor g) {
    en_canvi_[std::string(nom)] = std::move(g);
}
void finestra::en_clic(std::string_view nom, gestor g) {
    en_clic_[std::string(nom)] = std::move(g);
}
void finestra::en_perdua_focus(std::string_view nom, gestor g) {
    en_perdua_focus_[std::string(nom)] = std::move(g);
}
void finestra::en_ratoli_avall(std::string_view nom, gestor g) {
    en_ratoli_avall_[std::string(nom)] = std::move(g);
}
void finestra::en_ratoli_amunt(std::string_view nom, gestor g) {
    en_ratoli_amunt_[std::string(nom)] = std::move(g);
}
void finestra::en_temporitzador(std::string_view nom, gestor g) {
    en_temporitzador_[std::string(nom)] = std::move(g);
}

void finestra::cridar(const mapa_gestors& gestors, std::string_view nom, std::optional<int> index) {
    const auto it = gestors.find(nom);
    if (it != gestors.end() && it->second) {
        // A copy: the handler may replace itself while it runs.
        const gestor g = it->second;
        g(index);
    }
}

void finestra::clic(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_clic_, nom, index);
}

void finestra::perdua_focus(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_perdua_focus_, nom, index);
}

void finestra::ratoli_avall(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_ratoli_avall_, nom, index);
}

void finestra::ratoli_amunt(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_ratoli_amunt_, nom, index);
}

void finestra::disparar_temporitzador(std::string_view nom) {
    const element& e = trobar(nom, {});
    if (e.habilitat && e.interval > 0) {
        cridar(en_temporitzador_, nom, {});
    }
}

void finestra::editar(std::string_view nom, std::optional<int> index, std::string text) {
    posar_text(nom, index, std::move(text));
}

int finestra::observar(observador o) {
    const int id = seguent_observador_++;
    observadors_.emplace(id, std::move(o));
    return id;
}

void finestra::deixar_observar(int id) {
    observadors_.erase(id);
}

void finestra::notificar(const element& e, propietat p) {
    for (const auto& [id, o] : observadors_) {
        o(e, p);
    }
}

} // namespace quorvel
