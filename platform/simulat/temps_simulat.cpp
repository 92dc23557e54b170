#include "platform/simulat/temps_simulat.h"

#include "core/finestra.h"

#include <algorithm>
#include <limits>

namespace quorvel {

void rellotge_simulat::llavor(unsigned valor) {
    if (llavor_base == 0) {
        estat = valor;
        return;
    }
    // Nearby seeds would start the linear generator at nearby values; a
    // scramble spreads them over the whole range.
    std::uint32_t x = valor ^ llavor_base;
    x = (x ^ (x >> 16)) * 0x45d9f3bu;
    x = (x ^ (x >> 16)) * 0x45d9f3bu;
    estat = x ^ (x >> 16);
}

double rellotge_simulat::aleatori() {
    if (!aleatoris.empty()) {
        const double r = aleatoris.front();
        aleatoris.pop_front();
        return r;
    }
    // Numerical Recipes' linear congruential generator: plenty for tests.
    estat = estat * 1664525u + 1013904223u;
    return static_cast<double>(estat >> 8) / static_cast<double>(1u << 24);
}

resposta_missatge eines_simulades::missatge(const std::string& text, botons_missatge botons,
                                            const std::string& titol) {
    missatges.push_back({text, titol, botons});
    resposta_missatge r = resposta_missatge::ok;
    if (!respostes_missatge.empty()) {
        r = respostes_missatge.front();
        respostes_missatge.pop_front();
    }
    if (en_missatge) {
        en_missatge(missatges.back(), r);
    }
    return r;
}

std::string eines_simulades::demanar(const std::string&, const std::string&, const std::string&) {
    if (respostes_demanar.empty()) {
        return {};
    }
    std::string r = respostes_demanar.front();
    respostes_demanar.pop_front();
    return r;
}

std::optional<std::pair<int, opcions_escombrat>>
eines_simulades::demanar_escombrat(const textos_escombrat&, int,
                                   const std::function<opcions_escombrat(int)>& actuals) {
    escombrat_mostrat.reset();
    if (respostes_escombrat.empty()) {
        return std::nullopt;
    }
    auto r = respostes_escombrat.front();
    respostes_escombrat.pop_front();
    if (r) {
        escombrat_mostrat = actuals(r->first);
    }
    return r;
}

void eines_simulades::registrar(finestra& f) {
    if (std::find(finestres_.begin(), finestres_.end(), &f) == finestres_.end()) {
        finestres_.push_back(&f);
    }
}

void eines_simulades::desregistrar(finestra& f) {
    std::erase(finestres_, &f);
    std::erase_if(propers_, [&](const auto& p) { return p.first.first == &f; });
}

void eines_simulades::sincronitzar() {
    const double ara_ms = rellotge_.ara * 1000.0;
    for (finestra* f : finestres_) {
        for (const element* e : f->tots()) {
            if (e->tipus != tipus_element::temporitzador) {
                continue;
            }
            const auto clau = std::make_pair(f, e->nom);
            if (!e->habilitat || e->interval <= 0) {
                propers_.erase(clau);
            } else if (!propers_.contains(clau)) {
                propers_[clau] = ara_ms + e->interval;
            }
        }
    }
}

void eines_simulades::bombar() {
    disparar_proper();
    if (en_bombar) {
        en_bombar();
    }
}

void eines_simulades::disparar_proper() {
    sincronitzar();
    if (propers_.empty()) {
        rellotge_.ara += pas_buit_ms / 1000.0;
        return;
    }
    auto proper =
        std::min_element(propers_.begin(), propers_.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto [f, nom] = proper->first;
    rellotge_.ara = std::max(rellotge_.ara, proper->second / 1000.0);
    const element& e = f->obtenir(nom);
    proper->second = rellotge_.ara * 1000.0 + e.interval;
    f->disparar_temporitzador(nom);
}

void eines_simulades::avancar(double ms) {
    const double fi = rellotge_.ara + ms / 1000.0;
    for (;;) {
        sincronitzar();
        double proper = std::numeric_limits<double>::max();
        for (const auto& [clau, t] : propers_) {
            proper = std::min(proper, t);
        }
        if (proper / 1000.0 > fi) {
            break;
        }
        disparar_proper();
    }
    rellotge_.ara = fi;
}

} // namespace quorvel
