#include "joystick/cami_premudes.h"

#include "content/tipus_exercici.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "joystick/estat_joysticks.h"

#include <utility>

namespace quorvel {

cami_premudes::cami_premudes(estat_joysticks& s, connexions c) : s_(s), c_(std::move(c)) {}

bool cami_premudes::a_bord(int c) const {
    return c >= 1 && c <= s_.n_botons;
}

bool cami_premudes::retinguda_ratoli(int c) const {
    for (const auto& [font, caselles] : ratoli_) {
        if (caselles.contains(c)) {
            return true;
        }
    }
    return false;
}

void cami_premudes::posar(int c, vist v, std::optional<double> moment, font_premuda font) {
    if (!a_bord(c)) {
        return;
    }
    vist& ara = vist_[c];
    if (ara == v) {
        return;
    }
    ara = v;
    if (c_.casella) {
        pas([&] {
            c_.casella({c, v == vist::premuda ? canvi_casella::premuda : canvi_casella::alliberada,
                        moment, font});
        });
        fet();
    }
}

void cami_premudes::fet() {
    if (en_fet) {
        en_fet();
    }
}

void cami_premudes::cursa(int c, std::optional<double> moment, font_premuda font) {
    if (s_.tipus.es_cursa() && c_.cursa) {
        pas([&] { c_.cursa(c, moment, font); });
        fet();
    }
}

void cami_premudes::activar(int c, std::optional<double> moment, font_premuda font) {
    posar(c, vist::premuda, moment, font);
    cursa(c, moment, font);
}

void cami_premudes::deixar(int c) {
    if (!retinguda_ratoli(c)) {
        posar(c, vist::alliberada, std::nullopt, font_premuda::pad);
    }
}

void cami_premudes::premer(const premuda& p) {
    if (!a_bord(p.casella) || !c_.obert || !c_.obert()) {
        return;
    }
    const int c = p.casella;
    // Held by a pad, or by the mouse elsewhere: the cell is already down.
    const bool altra = s_.caselles_ant.find(static_cast<char>(c)) != std::string::npos && c <= 255;
    std::set<int>& meves = ratoli_[p.font];
    s_.caselles.retenir(c, static_cast<int>(p.font), p.avall);
    if (p.avall) {
        const bool ja = altra || retinguda_ratoli(c);
        meves.insert(c);
        // Inverse reading acts when the cell is let go.
        if (!ja && !s_.invers) {
            activar(c, p.moment, p.font);
        }
        return;
    }
    if (meves.erase(c) == 0 || altra || retinguda_ratoli(c)) {
        return;
    }
    posar(c, vist::alliberada, p.moment, p.font);
    if (s_.invers) {
        activar(c, p.moment, p.font);
    }
}

void cami_premudes::retingudes_pads(const std::string& caselles) {
    std::set<int> ks;
    for (const char c : caselles) {
        ks.insert(static_cast<unsigned char>(c));
    }
    s_.caselles.retenir_nomes(static_cast<int>(font_premuda::pad), ks);
}

void cami_premudes::buidar() {
    ratoli_.clear();
    s_.caselles.deixar_tot();
    const std::map<int, vist> vistes = std::exchange(vist_, {});
    for (const auto& [casella, v] : vistes) {
        // A lambda cannot capture a structured binding in C++20.
        const int c = casella;
        if (v != vist::cap && c_.casella) {
            pas([&] { c_.casella({c, canvi_casella::buidada, std::nullopt}); });
            fet();
        }
    }
}

} // namespace quorvel
