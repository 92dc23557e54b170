// The media types: the listening board (3) and listen-and-find (11, 12), with
// the waits they make while the players hear.
#include "engine/despatxador.h"

#include "core/errors.h"
#include "core/finestra.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"
#include "stage/media.h"
#include "stage/midi.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quorvel {

using namespace despatxament;

double despatxador::segons_des_de(double inici) {
    double d = sv_.rellotge.segons() - inici;
    if (d < 0) {
        d += segons_dia; // the clock went past midnight
    }
    return d;
}

std::string despatxador::estat_media() {
    const resposta_media r = sv_.media.enviar("status " + s_.media_actual + " mode");
    if (r.estat != 0) {
        throw error_pas("media status failed");
    }
    std::string text = r.text.substr(0, std::min(r.text.find('\0'), mida_resposta));
    return text;
}

bool despatxador::esperar_fi_media(unsigned long execucio, const std::function<bool()>& seguir) {
    const double inici = sv_.rellotge.segons();
    while (!s_.media_actual.empty() && ex_.execucio() == execucio && seguir()) {
        std::string estat;
        if (!pas([&] { estat = estat_media(); }) || estat != "playing") {
            s_.media_actual.clear();
            break;
        }
        if (segons_des_de(inici) > espera_maxima_s) {
            pas([&] { sv_.media.enviar("close " + s_.media_actual); });
            s_.media_actual.clear();
            break;
        }
        sv_.eines.bombar();
    }
    return ex_.execucio() == execucio && seguir();
}

void despatxador::tipus_3(int k) {
    if (s_.media_actual.empty()) {
        pas([&] { so_reproduir(s_, sv_, s_.llista_exercici[k]); });
    }
    if (!s_.media_actual.empty()) {
        pas([&] { sv_.media.enviar("resume  " + s_.media_actual); });
        const unsigned long execucio = ex_.execucio();
        if (escolta_ && escolta_->execucio == execucio) {
            // A press while the item is heard lengthens the wait that runs:
            // one wait at a time, however often the players press.
            escolta_->inici = sv_.rellotge.segons();
            return;
        }
        const restaurar<std::optional<espera>> guarda(escolta_,
                                                      espera{sv_.rellotge.segons(), execucio});
        while (ex_.execucio() == execucio && segons_des_de(escolta_->inici) <= escolta_s) {
            sv_.eines.bombar();
        }
        if (ex_.execucio() != execucio) {
            return; // stopped or restarted while the events ran
        }
        if (!s_.media_actual.empty()) {
            pas([&] { sv_.media.enviar("pause " + s_.media_actual); });
        }
    }
    if (!s_.media_actual.empty()) {
        pas([&] {
            if (estat_media() == "stopped") {
                s_.media_actual.clear();
            }
        });
    }
}

void despatxador::tipus_11_12(int k, int t) {
    const unsigned long execucio = ex_.execucio();
    if (espera_media_ == execucio) {
        // The players are hearing the feedback or the target: a press now is
        // not an answer, and it is not kept for later.
        return;
    }
    bool ok = false;
    pas([&] { ok = jutjar(k, 6) == judici_be; });

    // Wait for the media in play to end, pumping events so that the player
    // reports its state. A paused item, a failing query or an item that plays
    // on past the limit ends the wait too; the last one is closed. Stop, or
    // the final feedback, may end the run while the events run: the wait then
    // returns without acting on the new state.
    const restaurar<std::optional<unsigned long>> guarda(espera_media_, execucio);
    if (!esperar_fi_media(execucio, [] { return true; })) {
        return;
    }

    int j = 0;
    if (ok) {
        pas([&] { s_.caselles.posar_color(form1_, k, color_groc); });
        pas([&] { j = casella_sortejar(s_, sv_.rellotge); });
    } else {
        pas([&] {
            const std::string& correctes = s_.elements[0].correctes;
            if (!correctes.empty()) {
                j = casella_lletra(correctes.back());
            }
        });
    }
    if (j <= 0) {
        return; // no target: nothing to play
    }
    if (t == 11) {
        pas([&] { so_reproduir(s_, sv_, s_.llista_exercici[j]); });
    } else {
        pas([&] { midi_nota(s_, sv_, 0, enter_de(s_.llista_exercici[j]), 127); });
    }
}

} // namespace quorvel
