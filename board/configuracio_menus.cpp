#include "board/configuracio_menus.h"

#include "board/ajust_joysticks.h"
#include "board/configuracio_tick.h"
#include "board/configurar_boto.h"
#include "board/configurar_tauler.h"
#include "board/simulacio.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "platform/serveis.h"

#include <memory>

namespace quorvel {

void registrar_configuracio(estat_tauler& s, serveis& sv, finestra& form1) {
    // The set-up waits let window events run, menu choices included. One
    // set-up runs at a time: another one started inside it would rebuild the
    // tables it is filling, or take over its check marks and leave it
    // waiting on a cell nobody lights.
    auto en_curs = std::make_shared<bool>(false);
    auto executar = [en_curs](auto&& procediment) {
        if (*en_curs) {
            return;
        }
        *en_curs = true;
        const std::unique_ptr<bool, void (*)(bool*)> acabar(en_curs.get(),
                                                            [](bool* b) { *b = false; });
        pas(procediment);
    };

    form1.en_temporitzador(elements::t_configurar, [&s, &sv, &form1](std::optional<int>) {
        pas([&] { configuracio_tick(s, sv.joystick, sv.eines, form1); });
    });
    // Choosing the checked item of a running set-up again unchecks it, which
    // abandons the set-up that is waiting.
    form1.en_clic(elements::mn_configurar, [&s, &sv, &form1, executar](std::optional<int>) {
        if (menu_marcat(form1, elements::mn_configurar)) {
            form1.posar_valor(elements::mn_configurar, {}, 0);
            return;
        }
        executar([&] { configurar_tauler(s, sv, form1); });
    });
    form1.en_clic(elements::mn_joystic, [&s, &sv, &form1, executar](std::optional<int>) {
        if (menu_marcat(form1, elements::mn_joystic)) {
            form1.posar_valor(elements::mn_joystic, {}, 0);
            return;
        }
        executar([&] { ajustar_joysticks(s, sv, form1); });
    });
    form1.en_clic(elements::mn_configura_boto, [&s, &sv, &form1, executar](std::optional<int>) {
        executar([&] { configurar_boto_menu(s, sv, form1); });
    });
    form1.en_clic(elements::mn_simular, [&s, &sv, &form1, executar](std::optional<int>) {
        executar([&] { simular(s, sv, form1); });
    });
    form1.en_clic(elements::mn_boto, [&s, &sv, &form1](std::optional<int> i) {
        switch (i.value_or(-1)) {
        case 0:
            pas([&] { boto_desactivar(s, form1); });
            break;
        case 1:
            pas([&] { boto_esborrar(s, sv, form1); });
            break;
        case 2:
            pas([&] { boto_activar(s, form1); });
            break;
        default:
            break;
        }
    });
}

} // namespace quorvel
