#include "engine/motor.h"

#include "content/exercici_fitxer.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "engine/estat_joc.h"
#include "joystick/sondeig.h"
#include "platform/serveis.h"

namespace quorvel {

motor::motor(estat_joc& s, serveis& sv, finestra& form1, servei_escenari& vista)
    : s_(s), sv_(sv), form1_(form1), registre_(s, sv.fitxers, sv.rellotge, form1),
      exercici_(s, sv, form1, vista), despatxador_(exercici_, s, sv, form1, vista, registre_) {
    exercici_.en_pregunta = [this] { registre_.pregunta_nova(); };
    form1_.en_canvi(elements::caselles,
                    [this](std::optional<int> k) { despatxador_.casella_canviada(k.value_or(0)); });
    form1_.en_clic(elements::engegar, [this](std::optional<int>) { exercici_.engegar(); });
    form1_.en_clic(elements::aturar, [this](std::optional<int>) { exercici_.aturar(); });
    form1_.en_temporitzador(elements::t_joystick, [this](std::optional<int>) { sondejar(); });
    form1_.en_clic(elements::caselles, [this](std::optional<int> k) {
        pas([&] { casella_clic(form1_, k.value_or(0)); });
    });
    form1_.en_perdua_focus(elements::caselles, [this](std::optional<int> k) {
        pas([&] { casella_perdua_focus(form1_, k.value_or(0)); });
    });
    form1_.en_clic(elements::mn_fitxers, [this](std::optional<int>) { obrir_exercici(); });
    form1_.en_clic(elements::mn_resultats, [this](std::optional<int>) {
        if (en_resultats) {
            en_resultats();
        }
    });
}

void motor::sondejar() {
    joysticks_sondejar(s_, sv_.joystick, form1_,
                       [this](int casella, int tipus) { despatxador_.cursa(casella, tipus); });
}

void motor::obrir_exercici() {
    if (exercici_menu_obrir(s_, sv_, form1_)) {
        exercici_.engegar();
    }
}

} // namespace quorvel
