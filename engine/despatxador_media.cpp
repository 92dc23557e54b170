// The waits the media families make while the players hear (types 3, 11,
// 12 and 51).
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

} // namespace quorvel
