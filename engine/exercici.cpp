#include "engine/exercici.h"

#include "board/dibuixar.h"
#include "content/escenari_fitxer.h"
#include "content/rutes.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/estat_joc.h"
#include "engine/familia.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"
#include "platform/vista_escenari.h"
#include "stage/escenari.h"
#include "stage/escenari_complements.h"
#include "stage/media.h"
#include "stage/midi.h"

#include <cmath>
#include <string>

namespace quorvel {

namespace {

int enter_de(const std::string& text) {
    return a_enter16(valor_numeric(text));
}

} // namespace

exercici::exercici(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista)
    : s_(s), sv_(sv), form1_(form1), vista_(vista) {}

exercici::~exercici() {
    escenari_tancar();
}

void exercici::escenari_obrir() {
    escenari_tancar();
    escenari_ = std::make_unique<finestra>(nom_escenari);
    escenari_construir(*escenari_);
    // With one screen the stage covers the console's cells: a click on a
    // cell's image presses the cell as a click on the console does.
    escenari_->en_clic(elements::imatge, [this](std::optional<int> k) {
        if (k && *k >= 1 && *k <= escenari_caselles(s_)) {
            if (en_clic_imatge) {
                en_clic_imatge(*k);
            }
        }
    });
    vista_.obrir(*escenari_);
    const mida_pantalla pantalla = vista_.pantalla();
    escenari_preparar(s_, sv_.fitxers, pantalla, *escenari_);
    escenari_complementar(s_, sv_.fitxers, pantalla, *escenari_);
    if (const int caselles = escenari_caselles(s_); s_.escenari_numeros && caselles > 0) {
        vista_.numerar_caselles(*escenari_, caselles);
    }
}

void exercici::senyalar(senyal_escenari senyal) {
    if (escenari_ && s_.escenari_senyal) {
        pas([&] { vista_.senyal(*escenari_, senyal); });
    }
}

void exercici::escenari_tancar() {
    if (escenari_) {
        escenari_->posar_visible_finestra(false);
        vista_.tancar(*escenari_);
        escenari_.reset();
    }
}

void exercici::engegar() {
    ++execucio_;
    pas([&] { dibuixar(s_, form1_); });
    s_.graella_fitxer = graella_defecte(s_);
    if (s_.tipus.prepara_pregunta()) {
        pas([&] { preparar(); });
    }
    if (s_.tipus.obre_midi()) {
        pas([&] { midi_tancar(s_, sv_); });
        pas([&] { midi_obrir(s_, sv_, -1); });
        pas([&] { midi_programa(s_, sv_, 0, 0, enter_de(s_.llista_exercici[0])); });
    }
    if (s_.tipus.escenari_de_item()) {
        // An item without a scenario of its own plays on the default one,
        // never on what an earlier exercise left loaded.
        pas([&] {
            const std::string propi = s_.elements.dins(0) ? s_.elements[0].media_5 : "";
            graella_carregar(s_, sv_.fitxers, propi.empty() ? graella_defecte(s_) : propi);
        });
        pas([&] { escenari_obrir(); });
    } else if (!s_.graella_fitxer.empty()) {
        pas([&] { graella_carregar(s_, sv_.fitxers, s_.graella_fitxer); });
        pas([&] { escenari_obrir(); });
    }
    pas([&] { consigna_mostra(); });
    if (en_pregunta) {
        en_pregunta();
    }
    pas([&] {
        // An interval that is no finite number a timer can take keeps the
        // previous one; the polling starts all the same.
        const double ms = valor_numeric(form1_.obtenir(elements::interval).text);
        const double interval = std::isfinite(ms) ? arrodonir(ms) : -1;
        if (interval >= 0 && interval <= 65535) {
            form1_.posar_interval(elements::t_joystick, {}, static_cast<int>(interval));
        }
    });
    pas([&] { form1_.posar_habilitat(elements::t_joystick, {}, true); });
    avisar(avis_exercici::engegat);
}

void exercici::aturar() {
    ++execucio_;
    pas([&] { form1_.posar_habilitat(elements::t_joystick, {}, false); });
    pas([&] { form1_.posar_habilitat(elements::t_configurar, {}, false); });
    pas([&] { form1_.posar_valor(elements::mn_configurar, {}, 0); });
    pas([&] { form1_.posar_valor(elements::mn_joystic, {}, 0); });
    pas([&] { form1_.posar_visible(elements::explorar_cursors, {}, false); });
    pas([&] { form1_.posar_visible(elements::joy_invers, {}, false); });
    pas([&] { midi_tancar(s_, sv_); });
    pas([&] { form1_.posar_color_fons_finestra(std::nullopt); });
    int desplacament = 0;
    for (int j = 0; j <= s_.n_joysticks; ++j) {
        int usats = 0;
        if (!pas([&] { usats = s_.joysticks[j].botons_usats; })) {
            continue;
        }
        for (int b = 0; b <= usats; ++b) {
            pas([&] { s_.caselles.posar_text_si_existeix(form1_, desplacament + b, ""); });
        }
        desplacament += usats;
    }
    for (int c = 0; c <= s_.n_botons; ++c) {
        pas([&] { s_.caselles.posar_text_si_existeix(form1_, c, ""); });
    }
    if (en_buidar_caselles) {
        pas([&] { en_buidar_caselles(); });
    }
    if (!s_.media_actual.empty()) {
        pas([&] { sv_.media.enviar("close " + s_.media_actual); });
        s_.media_actual.clear();
    }
    pas([&] { escenari_tancar(); });
    pas([&] { dibuixar(s_, form1_); });
    avisar(avis_exercici::aturat);
}

bool exercici::en_marxa() const {
    return escenari_ != nullptr || form1_.obtenir(elements::t_joystick).habilitat;
}

void exercici::preparar() {
    sv_.rellotge.llavor(static_cast<unsigned>(std::floor(sv_.rellotge.segons())));
    s_.resposta.clear();
    gestor_de(s_.tipus.familia).preparar(s_, sv_);
}

// The players read the instruction on the stage while the operator reads it
// in the boxes: the current item's when it has one, else the exercise's.
void exercici::consigna_mostra() {
    if (escenari_ && s_.escenari_consigna) {
        const bool de_item =
            s_.tipus.prepara_pregunta() && s_.elements.dins(0) && !s_.elements[0].consigna.empty();
        pas([&] {
            vista_.posar_consigna(*escenari_,
                                  de_item ? s_.elements[0].consigna : s_.consigna_exercici);
        });
    }
    if (!s_.consigna_exercici.empty()) {
        sv_.eines.missatge("consigna " + s_.consigna_exercici, botons_missatge::ok, "Quorvel");
    }
    if (s_.tipus.prepara_pregunta() && s_.elements.dins(0) && !s_.elements[0].consigna.empty()) {
        sv_.eines.missatge("consigna " + s_.elements[0].consigna, botons_missatge::ok, "Quorvel");
    }
}

void exercici::be() {
    avisar(avis_exercici::be);
    senyalar(senyal_escenari::be);
    pas([&] { form1_.posar_color_fons_finestra(color_verd); });
    pas([&] { so_reproduir(s_, sv_, s_.elements[0].media_1); });
}

void exercici::mal() {
    avisar(avis_exercici::mal);
    senyalar(senyal_escenari::mal);
    pas([&] { form1_.posar_color_fons_finestra(color_vermell); });
    pas([&] { so_reproduir(s_, sv_, a_veu(sv_, s_.elements[0].media_2)); });
}

void exercici::be_final() {
    avisar(avis_exercici::final);
    senyalar(senyal_escenari::final);
    pas([&] { form1_.posar_habilitat(elements::t_joystick, {}, false); });
    pas([&] { so_reproduir(s_, sv_, s_.elements[0].media_3); });
    std::string text;
    pas([&] { text = s_.textos_idioma[1]; });
    const resposta_missatge resposta =
        sv_.eines.missatge(text, botons_missatge::ok_cancel, "Quorvel");
    aturar();
    if (resposta == resposta_missatge::ok) {
        engegar();
    }
}

} // namespace quorvel
