#include "core/model_caselles.h"

#include "core/noms_elements.h"

namespace quorvel {

const casella_tauler& model_caselles::casella(int k) const {
    static const casella_tauler repos;
    const auto it = caselles_.find(k);
    return it == caselles_.end() ? repos : it->second;
}

casella_tauler& model_caselles::editar(finestra& f, int k) {
    if (!f.existeix(elements::caselles, k)) {
        // The same error a write to a missing box raises.
        (void)f.obtenir(elements::caselles, k);
    }
    return caselles_[k];
}

std::set<int> model_caselles::seleccionades() const {
    std::set<int> ks;
    for (const auto& [k, c] : caselles_) {
        if (c.seleccionada) {
            ks.insert(k);
        }
    }
    return ks;
}

std::string model_caselles::text_mostrat(int k) const {
    const casella_tauler& c = casella(k);
    if (c.text.empty() && c.seleccionada) {
        return "*";
    }
    return c.text;
}

void model_caselles::mostrar(finestra& f, int k) {
    f.posar_text(elements::caselles, k, text_mostrat(k));
    f.posar_color_fons(elements::caselles, k, casella(k).color_fons);
    avisar(k);
}

void model_caselles::avisar(int k) {
    if (en_canvi) {
        en_canvi(k);
    }
}

void model_caselles::posar_text(finestra& f, int k, std::string text) {
    editar(f, k).text = std::move(text);
    mostrar(f, k);
}

bool model_caselles::posar_text_si_existeix(finestra& f, int k, std::string text) {
    if (!f.existeix(elements::caselles, k)) {
        return false;
    }
    posar_text(f, k, std::move(text));
    return true;
}

void model_caselles::posar_color(finestra& f, int k, std::optional<color> c) {
    editar(f, k).color_fons = c;
    mostrar(f, k);
}

void model_caselles::posar_seleccionada(finestra& f, int k, bool si) {
    editar(f, k).seleccionada = si;
    mostrar(f, k);
}

void model_caselles::posar_marc(finestra& f, int k, std::optional<color> c) {
    if (!f.existeix(elements::caselles, k)) {
        return;
    }
    caselles_[k].marc = c;
    f.posar_color_marc(elements::caselles, k, c);
    avisar(k);
}

void model_caselles::retenir(int k, int font, bool si) {
    casella_tauler& c = caselles_[k];
    if (si ? c.fonts.insert(font).second : c.fonts.erase(font) > 0) {
        avisar(k);
    }
}

void model_caselles::retenir_nomes(int font, const std::set<int>& ks) {
    for (auto& [k, c] : caselles_) {
        if (!ks.contains(k) && c.fonts.erase(font) > 0) {
            avisar(k);
        }
    }
    for (const int k : ks) {
        retenir(k, font, true);
    }
}

void model_caselles::deixar_tot() {
    for (auto& [k, c] : caselles_) {
        if (!c.fonts.empty()) {
            c.fonts.clear();
            avisar(k);
        }
    }
}

void model_caselles::descarregar(finestra& f, int k) {
    f.descarregar(elements::caselles, k);
    oblidar(k);
}

void model_caselles::oblidar(int k) {
    const auto it = caselles_.find(k);
    if (it == caselles_.end()) {
        return;
    }
    std::set<int> fonts = std::move(it->second.fonts);
    it->second = {};
    it->second.fonts = std::move(fonts);
    avisar(k);
}

} // namespace quorvel
