// The console with one pad of four buttons on a board of n cells, the set-up
// handlers registered, and the pad's buttons held over windows of the
// simulated clock (seconds from the bench's creation). `durant_tick` plays
// the operator: it runs before each set-up tick, inside the running wait.
#pragma once

#include "app/finestra_principal.h"
#include "app/sessio.h"
#include "board/configuracio_menus.h"
#include "board/configuracio_tick.h"
#include "board/mapa.h"
#include "core/finestra.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"

#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::fakes {

struct pad_programat : joystick_fals {
    struct premut {
        double des_de, fins;
        std::uint32_t mascara;
    };
    const rellotge_fals* rellotge = nullptr;
    double t0 = 0;
    std::vector<premut> guio;
    void mantenir(std::uint32_t mascara) {
        guio = {{0, std::numeric_limits<double>::max(), mascara}};
    }
    int llegir_posicio(int id, posicio_joystick& p) override {
        const int r = joystick_fals::llegir_posicio(id, p);
        for (const premut& g : guio) {
            if (rellotge->ara - t0 >= g.des_de && rellotge->ara - t0 < g.fins) {
                p.botons |= g.mascara;
            }
        }
        return r;
    }
};

struct banc_configuracio {
    serveis_falsos f;
    pad_programat pad;
    serveis sv{pad, f.fitxers, f.perfil, f.media, f.midi, f.dialegs, f.eines, f.rellotge};
    sessio s;
    finestra form1{"Form1"};
    int ticks = 0;
    std::function<void()> durant_tick = [] {};

    explicit banc_configuracio(int caselles) {
        finestra_principal_construir(form1);
        s.carpeta_programa = "/p";
        tauler_prova(s, 1, caselles, 4);
        s.n_botons_total = 4;
        for (int k = 1; k <= caselles; ++k) {
            form1.carregar("Check2", k);
        }
        f.fitxers.posar("/p/ok.wav", "");
        f.fitxers.posar("/p/no_ok.wav", "");
        pad.dispositius.push_back({{32768, 32768, 0, 0}, 4});
        pad.rellotge = &f.rellotge;
        pad.t0 = f.rellotge.ara;
        registrar_configuracio(s, sv, form1);
        form1.en_temporitzador("t_configurar", [this](std::optional<int>) {
            ++ticks;
            durant_tick();
            configuracio_tick(s, pad, f.eines, form1);
        });
        f.eines.registrar(form1);
    }
    void tick() {
        form1.posar_habilitat("t_configurar", {}, true);
        form1.disparar_temporitzador("t_configurar");
    }
    // Buttons 1..n drive cells 1..n.
    void mapejar_botons(int n) { mapejar_tots(s, 1, n); }
    std::string text(int k) const { return form1.obtenir("Check2", k).text; }
    std::optional<color> fons(int k) const { return form1.obtenir("Check2", k).color_fons; }
    std::pair<int, int> cel(int k) const {
        return {s.mapa_botons[k].joy, s.mapa_botons[k].entrada};
    }
};

} // namespace quorvel::fakes
