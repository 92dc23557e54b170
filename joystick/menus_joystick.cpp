#include "joystick/menus_joystick.h"

#include "core/finestra.h"
#include "joystick/ajust_joysticks.h"
#include "joystick/simulacio.h"

namespace quorvel {

void registrar_ajust_i_simulacio(sessio& s, serveis& sv, finestra& form1) {
    form1.en_clic("mn_joystic",
                  [&s, &sv, &form1](std::optional<int>) { ajustar_joysticks_menu(s, sv, form1); });
    form1.en_clic("mn_simular", [&s, &sv, &form1](std::optional<int>) { simular(s, sv, form1); });
}

} // namespace quorvel
