// quorvel-inspect joysticks [--watch]: the players the program would find at
// start-up (every button of every pad in use), and with --watch the state
// text of each player whenever it changes, until interrupted.
#include "app/sessio.h"
#include "joystick/joystick.h"
#include "platform/local/teclat_joystick.h"
#include "platform/sdl/joystick_sdl.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

namespace quorvel::inspect {

namespace {

volatile std::sig_atomic_t interromput = 0;

extern "C" void en_senyal(int) {
    interromput = 1;
}

nlohmann::json jugadors(const sessio& s, servei_joystick& js) {
    auto llista = nlohmann::json::array();
    for (int j = 1; j <= s.n_joysticks; ++j) {
        const fitxa_joystick& r = s.joysticks[j];
        llista.push_back({{"dispositiu", r.dispositiu},
                          {"botons_dispositiu", r.botons_dispositiu},
                          {"nom", text_json(js.nom(r.dispositiu - 1))}});
    }
    return llista;
}

// One compact JSON line per change, so that a reader can follow it live.
void vigilar(sessio& s, servei_joystick& js) {
    interromput = 0;
    std::signal(SIGINT, en_senyal);
    std::signal(SIGTERM, en_senyal);
    // Authors want to see the stick too, whatever the settings would say.
    s.cursors = true;
    std::vector<std::string> anteriors(static_cast<std::size_t>(s.n_joysticks) + 1);
    while (interromput == 0) {
        for (int j = 1; j <= s.n_joysticks; ++j) {
            std::string estat = joystick_llegir(s, js, j);
            auto& anterior = anteriors[static_cast<std::size_t>(j)];
            if (estat != anterior) {
                const nlohmann::json linia = {{"jugador", j}, {"estat", text_json(estat)}};
                std::cout << linia.dump() << '\n' << std::flush;
                anterior = std::move(estat);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

void configurar(CLI::App& app, int& codi_sortida) {
    auto vigilant = std::make_shared<bool>(false);
    auto teclat = std::make_shared<bool>(false);
    auto* ordre = app.add_subcommand(
        "joysticks", "Lists the joysticks found at start-up, one per player, as the program would");
    ordre->add_flag("--watch", *vigilant,
                    "then prints {\"jugador\", \"estat\"} each time a player's state text changes "
                    "(directions always decoded) until interrupted");
    ordre->add_flag("--keyboard", *teclat,
                    "as with teclat=1 in the settings: the keyboard pad comes after the pads "
                    "(its keys reach only the program's windows, so --watch shows it at rest)");
    ordre->callback([vigilant, teclat, &codi_sortida] {
        joystick_sdl pads;
        if (!pads.error().empty()) {
            std::cerr << "quorvel-inspect: joysticks unavailable: " << pads.error() << '\n';
            codi_sortida = 1;
            return;
        }
        joystick_amb_teclat js(pads);
        sessio s;
        s.num_butons = 0;
        s.teclat = *teclat;
        joysticks_preparar(s, js);
        joysticks_enumerar(s, js);
        imprimir(jugadors(s, js));
        if (*vigilant) {
            vigilar(s, js);
        }
        codi_sortida = 0;
    });
}

const registrador registre{"joysticks", configurar};

} // namespace

} // namespace quorvel::inspect
