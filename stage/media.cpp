#include "stage/media.h"

#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"
#include "stage/estat_escena.h"

#include <cmath>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

namespace quorvel {
namespace {

// media_actual is a fixed-width text: the path padded with spaces, so that the
// commands built from it look the same whatever the path's length.
constexpr std::size_t amplada_nom = 256;

// The text padded with spaces to the fixed width. A longer path is kept whole:
// cut, it would name no file and the media would silently not play.
std::string nom_fix(std::string_view cami) {
    std::string nom(cami);
    if (nom.size() < amplada_nom) {
        nom.append(amplada_nom - nom.size(), ' ');
    }
    return nom;
}

bool es_video(std::string_view nom) {
    const std::string_view net = retallar_espais(nom);
    return net.size() >= 4 && majuscules(net.substr(net.size() - 4)) == ".AVI";
}

// Screen extent in whole pixels less the 1-pixel margin on each side. A screen
// the toolkit cannot measure gives 0, which the media service leaves unsized.
long long costat_finestra(long twips, double twips_per_pixel) {
    const float pixels = static_cast<float>(twips) / static_cast<float>(twips_per_pixel) - 2.0F;
    if (!std::isfinite(pixels) || pixels < 0.0F || pixels > 1.0e6F) {
        return 0;
    }
    return static_cast<long long>(arrodonir(pixels));
}

// The name the operator knows a file by: without its folders or the padding.
std::string nom_curt(std::string_view cami) {
    const std::string_view net = retallar_espais(cami);
    const auto separador = net.find_last_of("\\/");
    return std::string(separador == std::string_view::npos ? net : net.substr(separador + 1));
}

} // namespace

void fallades_mostrar(estat_escena& s, serveis& sv, finestra& consola) {
    auto vistes = std::make_shared<std::set<std::pair<std::string, std::string>>>();
    const gestor_fallada mostrar = [&s, &consola, vistes](const fallada_media& f) {
        const std::string nom = nom_curt(f.fitxer);
        if (vistes->insert({nom, f.causa}).second) {
            posar_linia_estat(consola,
                              text_missatge(s, missatge::no_es_pot_reproduir, {nom, f.causa}));
        }
    };
    sv.media.en_fallada(mostrar);
    sv.midi.en_fallada(mostrar);
}

int media_reproduir(estat_escena& s, serveis& sv, const std::string& cami) {
    if (!s.media_actual.empty()) {
        if (es_video(s.media_actual)) {
            sv.media.enviar("close animation");
        }
        sv.media.enviar("close " + s.media_actual);
        s.media_actual.clear();
    }

    const auto complet = sv.fitxers.cami_complet(cami);
    if (!complet) {
        return 0;
    }
    const std::string nom = nom_fix(retallar_espais(*complet));

    if (es_video(nom)) {
        // Quoted, so that no word of the path can be read as an option.
        sv.media.enviar("open \"" + std::string(retallar_espais(nom)) + "\" alias animation");
        const mida_pantalla p = sv.eines.pantalla();
        sv.media.enviar("put animation window at 1 1" +
                        forma_plana(costat_finestra(p.amplada_twips, p.twips_per_pixel_x)) +
                        forma_plana(costat_finestra(p.alcada_twips, p.twips_per_pixel_y)));
        sv.media.enviar("play animation");
    } else {
        sv.media.enviar("play " + nom);
    }
    s.media_actual = nom;
    return 0;
}

void so_reproduir(estat_escena& s, serveis& sv, const std::string& cami) {
    media_reproduir(s, sv, cami);
}

} // namespace quorvel
