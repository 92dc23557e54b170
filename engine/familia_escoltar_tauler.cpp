// The listening board (3, 4): each cell plays its list entry; type 3 lets
// it play for a while and pauses it, a press meanwhile lengthening the wait.
#include "engine/familia.h"

#include "core/pas.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "platform/serveis.h"
#include "stage/media.h"

#include <optional>
#include <string>

namespace quorvel {

using namespace despatxament;

namespace {

void escoltar(despatxador& desp, int k) {
    estat_joc& s = desp.estat();
    serveis& sv = desp.sv();
    exercici& ex = desp.ex();
    despatxador::esperes& esperes = desp.esperes_familia();
    if (s.media_actual.empty()) {
        pas([&] { so_reproduir(s, sv, s.llista_exercici[k]); });
    }
    if (!s.media_actual.empty()) {
        pas([&] { sv.media.enviar("resume  " + s.media_actual); });
        const unsigned long execucio = ex.execucio();
        if (esperes.escolta && esperes.escolta->execucio == execucio) {
            // A press while the item is heard lengthens the wait that runs:
            // one wait at a time, however often the players press.
            esperes.escolta->inici = sv.rellotge.segons();
            return;
        }
        const restaurar<std::optional<despatxador::espera>> guarda(
            esperes.escolta, despatxador::espera{sv.rellotge.segons(), execucio});
        while (ex.execucio() == execucio &&
               desp.segons_des_de(esperes.escolta->inici) <= despatxador::escolta_s) {
            sv.eines.bombar();
        }
        if (ex.execucio() != execucio) {
            return; // stopped or restarted while the events ran
        }
        if (!s.media_actual.empty()) {
            pas([&] { sv.media.enviar("pause " + s.media_actual); });
        }
    }
    if (!s.media_actual.empty()) {
        pas([&] {
            if (desp.estat_media() == "stopped") {
                s.media_actual.clear();
            }
        });
    }
}

class gestor final : public gestor_familia {
  public:
    void premer(despatxador& desp, int k) const override {
        estat_joc& s = desp.estat();
        if (s.tipus.numero == 3) {
            escoltar(desp, k);
        } else {
            pas([&] { so_reproduir(s, desp.sv(), s.llista_exercici[k]); });
        }
    }
};

} // namespace

const gestor_familia& gestor_escoltar_tauler() {
    static const gestor g;
    return g;
}

} // namespace quorvel
