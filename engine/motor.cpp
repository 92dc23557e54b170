#include "engine/motor.h"

#include "board/configurar_boto.h"
#include "content/avis_text.h"
#include "content/caselles_tauler.h"
#include "content/exercici_fitxer.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "engine/estat_joc.h"
#include "i18n/missatges.h"
#include "joystick/sondeig.h"
#include "platform/serveis.h"
#include "platform/vista_escenari.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quorvel {

namespace {

// Notes shown whole under the status line; a file with more is one an author
// checks with the lint.
constexpr std::size_t maxim_avisos_detall = 20;

} // namespace

motor::motor(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista)
    : s_(s), sv_(sv), form1_(form1), vista_(vista),
      registre_(s, sv.fitxers, sv.rellotge, sv.joystick, form1), exercici_(s, sv, form1, vista),
      despatxador_(exercici_, s, sv, form1, vista, registre_),
      cami_(s, {[this](const esdeveniment_casella& e) { despatxador_.casella(e); },
                [this](int k, std::optional<double> moment, font_premuda font) {
                    despatxador_.cursa(k, moment, font);
                },
                // Between start and stop, and not after the final feedback:
                // the polling timer runs exactly then.
                [this] {
                    return form1_.existeix(elements::t_joystick) &&
                           form1_.obtenir(elements::t_joystick).habilitat;
                }}),
      escombrat_(s, sv, form1, vista, exercici_, despatxador_) {
    exercici_.en_pregunta = [this] { registre_.pregunta_nova(); };
    exercici_.en_buidar_caselles = [this] { cami_.buidar(); };
    exercici_.en_clic_imatge = [this](int k) {
        cami_.premer({k, true, std::nullopt, font_premuda::ratoli_escenari});
        cami_.premer({k, false, std::nullopt, font_premuda::ratoli_escenari});
    };
    form1_.en_clic(elements::engegar, [this](std::optional<int>) { engegar(); });
    form1_.en_clic(elements::aturar, [this](std::optional<int>) { exercici_.aturar(); });
    form1_.en_temporitzador(elements::t_joystick, [this](std::optional<int>) { sondejar(); });
    // The mouse holds a console cell while its button is down on it; the
    // cell is let go with the button, when the pointer leaves it, or when it
    // loses the focus.
    form1_.en_ratoli_avall(elements::caselles, [this](std::optional<int> k) {
        cami_.premer({k.value_or(0), true, std::nullopt, font_premuda::ratoli_consola});
    });
    const auto amunt = [this](std::optional<int> k) {
        cami_.premer({k.value_or(0), false, std::nullopt, font_premuda::ratoli_consola});
    };
    form1_.en_ratoli_amunt(elements::caselles, amunt);
    form1_.en_perdua_focus(elements::caselles, amunt);
    // With no exercise taking presses, a click selects the cell for the cell
    // commands.
    form1_.en_clic(elements::caselles, [this](std::optional<int> k) {
        if (!form1_.obtenir(elements::t_joystick).habilitat) {
            pas([&] { casella_seleccionar(s_, form1_, k.value_or(0)); });
        }
    });
    // Esc, or a click beside the board, clears the selection.
    form1_.en_fons([this] { pas([&] { seleccio_buidar(s_, form1_); }); });
    form1_.en_clic(elements::mn_fitxers, [this](std::optional<int>) { obrir_exercici(); });
    form1_.en_clic(elements::mn_resultats, [this](std::optional<int>) {
        if (en_resultats) {
            en_resultats();
        }
    });
    form1_.en_clic(elements::mn_nou_exercici, [this](std::optional<int>) {
        if (en_nou_exercici) {
            en_nou_exercici();
        }
    });
    form1_.en_clic(elements::mn_editar_exercici, [this](std::optional<int>) {
        if (en_editar_exercici) {
            en_editar_exercici();
        }
    });
    // With one screen the stage covers the console: leaving it must give the
    // operator the console back with the exercise stopped.
    vista_.en_sortida([this] { form1_.clic(elements::aturar); });
}

motor::~motor() {
    vista_.en_sortida({});
}

void motor::sondejar() {
    joysticks_sondejar(s_, sv_.joystick, cami_);
}

void motor::engegar() {
    if (s_.fitxer_exercici.empty()) {
        posar_linia_estat(form1_, text_missatge(s_, missatge::cap_exercici));
        return;
    }
    exercici_.engegar();
}

void motor::obrir_exercici() {
    // The exercise that runs gives way first: no press made while the file
    // is chosen, nor the key that answers the next exercise's instruction,
    // counts for it, and its stage hides nothing of what opens next.
    if (exercici_.en_marxa()) {
        exercici_.aturar();
    }
    std::vector<avis_lectura> avisos;
    if (exercici_menu_obrir(s_, sv_, form1_, &avisos)) {
        exercici_obert(avisos);
        exercici_.engegar();
    }
}

void motor::obrir_exercici(const std::string& cami) {
    if (exercici_.en_marxa()) {
        exercici_.aturar();
    }
    std::vector<avis_lectura> avisos;
    if (exercici_obrir(s_, sv_, form1_, cami, &avisos)) {
        exercici_obert(avisos);
        exercici_.engegar();
    }
}

void motor::exercici_obert(std::vector<avis_lectura> avisos) {
    // A file can be sound and still ask for cells this board lacks: the
    // players could then never give the answer.
    if (s_.n_botons_total > 0) {
        std::vector<avis_lectura> fora = caselles_fora_del_tauler(s_, s_.n_botons_total);
        avisos.insert(avisos.end(), std::make_move_iterator(fora.begin()),
                      std::make_move_iterator(fora.end()));
        std::stable_sort(
            avisos.begin(), avisos.end(),
            [](const avis_lectura& a, const avis_lectura& b) { return a.linia < b.linia; });
    }
    const std::string& fitxer = s_.fitxer_exercici;
    const auto separador = fitxer.find_last_of("\\/");
    const std::string nom = separador == std::string::npos ? fitxer : fitxer.substr(separador + 1);
    if (avisos.empty()) {
        posar_linia_estat(form1_, text_missatge(s_, missatge::exercici_obert, {nom}));
        return;
    }
    // The line says, in the operator's language, that the file has faults
    // and where the first is; the notes, in the same language, are shown
    // whole in the detail.
    const std::string quants = text_decimal(static_cast<long long>(avisos.size()));
    const std::size_t primera = avisos.front().linia;
    std::string text =
        primera == 0 ? text_missatge(s_, missatge::avisos_exercici, {nom, quants})
                     : text_missatge(s_, missatge::avisos_exercici_linia,
                                     {nom, quants, text_decimal(static_cast<long long>(primera))});
    std::string detall;
    const std::size_t mostrats = std::min(avisos.size(), maxim_avisos_detall);
    for (std::size_t i = 0; i < mostrats; ++i) {
        const avis_lectura& a = avisos[i];
        detall += (i == 0 ? "" : "\n") +
                  (a.linia == 0 ? text_avis(s_, a)
                                : text_missatge(s_, missatge::linia_avis,
                                                {text_decimal(static_cast<long long>(a.linia)),
                                                 text_avis(s_, a)}));
    }
    if (avisos.size() > mostrats) {
        detall +=
            "\n" + text_missatge(s_, missatge::mes_avisos,
                                 {text_decimal(static_cast<long long>(avisos.size() - mostrats))});
    }
    posar_linia_estat(form1_, std::move(text), std::move(detall));
}

} // namespace quorvel
