#include "platform/simulat/dispositius_simulats.h"

#include "core/text.h"
#include "platform/simulat/temps_simulat.h"

namespace quorvel {

int joystick_simulat::llegir_posicio(int id, posicio_joystick& posicio) {
    if (id < 0 || id >= static_cast<int>(pads.size())) {
        return 167; // the device is not connected
    }
    posicio = pads[static_cast<std::size_t>(id)].posicio;
    return 0;
}

int joystick_simulat::capacitats(int id, int& botons) {
    if (id < 0 || id >= static_cast<int>(pads.size())) {
        return 167;
    }
    botons = pads[static_cast<std::size_t>(id)].botons;
    return 0;
}

std::string joystick_simulat::nom(int id) {
    return "Simulated pad " + std::to_string(id + 1);
}

resposta_media media_simulat::enviar(const std::string& ordre) {
    const std::string text(retallar_espais(ordre));
    const double ara_ms = rellotge_.segons() * 1000.0;
    if (text.starts_with("status ")) {
        // A query, not a command: answered without telling the observer.
        return {0, ara_ms < fi_ms_ ? "playing" : "stopped"};
    }
    if (text.starts_with("play ")) {
        fi_ms_ = ara_ms + durada_ms;
    } else if (text.starts_with("close ") || text.starts_with("stop ")) {
        fi_ms_ = 0;
    }
    if (en_ordre) {
        en_ordre(text);
    }
    return {};
}

int midi_simulat::obrir(int, std::uint32_t& handle) {
    handle = 1;
    return 0;
}

int midi_simulat::missatge_curt(std::uint32_t, std::uint32_t missatge) {
    if (en_missatge) {
        en_missatge(missatge);
    }
    return 0;
}

int midi_simulat::tancar(std::uint32_t) {
    return 0;
}

std::string midi_simulat::text_error(int codi) {
    return "MIDI error " + std::to_string(codi);
}

std::string dialegs_simulats::seguent() {
    if (respostes.empty()) {
        return {};
    }
    std::string r = respostes.front();
    respostes.pop_front();
    return r;
}

std::string dialegs_simulats::obrir(finestra&, const std::string&, const std::string&,
                                    const std::string&) {
    return seguent();
}

std::string dialegs_simulats::desar(const std::string&, finestra&, const std::string&,
                                    const std::string&, const std::string&) {
    return seguent();
}

void escenari_simulat::obrir(finestra& escenari) {
    if (en_canvi) {
        en_canvi(escenari, true);
    }
}

void escenari_simulat::tancar(finestra& escenari) {
    if (en_canvi) {
        en_canvi(escenari, false);
    }
}

} // namespace quorvel
