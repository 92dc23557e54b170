#include "app/finestra_principal.h"
#include "app/sessio.h"
#include "board/configuracio_menus.h"
#include "board/configuracio_tick.h"
#include "core/finestra.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Two simulated pads on a 2 x 3 board; `jugar` moves them before each tick.
struct banc {
    fakes::serveis_falsos f;
    serveis sv = f.tots();
    sessio s;
    finestra form1{"Form1"};
    std::vector<std::pair<int, std::optional<color>>> colors;
    std::vector<std::string> estats; // what the status line said, in turn
    int ticks = 0;
    std::function<void()> jugar = [] {};

    banc() {
        finestra_principal_construir(form1);
        registrar_configuracio(s, sv, form1);
        f.eines.respostes_demanar = {"2", "3"};
        form1.clic("mn_simular");
        s.n_dispositius = 2;
        f.joystick.dispositius.resize(2);
        form1.en_temporitzador("t_configurar", [this](std::optional<int>) {
            ++ticks;
            jugar();
            configuracio_tick(s, f.joystick, f.eines, form1);
        });
        f.eines.registrar(form1);
        form1.observar([this](const element& e, propietat p) {
            if (p == propietat::color_fons) {
                colors.emplace_back(*e.index, e.color_fons);
            } else if (p == propietat::caption && e.nom == "estat") {
                estats.push_back(e.caption);
            }
        });
        s.cursors = true;
    }
};

TEST(ajust_joysticks, un_jugador_respon_i_l_altre_no) {
    banc b;
    // Pad 1 holds button 1 while its cell is lit; pad 2 never answers.
    b.jugar = [&b] { b.f.joystick.dispositius[0].posicio.botons = b.s.casella_configurant == 1; };
    const double inici = b.f.rellotge.ara;
    const std::string simulat = b.form1.obtenir("estat").caption;
    b.form1.clic("mn_joystic");

    const decltype(b.colors) esperats{{1, color_groc},    {1, color_verd},   {4, color_groc},
                                      {4, color_vermell}, {1, std::nullopt}, {4, std::nullopt}};
    EXPECT_EQ(b.colors, esperats);
    // The operator reads whose turn it is, not a caption naming the pad.
    EXPECT_EQ(b.estats,
              (std::vector<std::string>{"Premeu totes les entrades del comandament 1",
                                        "Premeu totes les entrades del comandament 2", simulat}));
    EXPECT_EQ(b.form1.caption(), "");
    EXPECT_EQ(b.f.eines.missatges.at(0).text, "Fi");
    EXPECT_EQ(b.f.eines.beeps, 9);
    EXPECT_EQ(b.s.joysticks[1].ajust + b.s.joysticks[2].ajust, "0-1");
    EXPECT_NEAR(b.f.rellotge.ara - inici, 11.0, 0.15);
    EXPECT_FALSE(b.s.cursors);
    EXPECT_EQ(b.form1.obtenir("mn_joystic").valor, 0);
}

TEST(ajust_joysticks, desmarcar_el_menu_abandona_la_prova) {
    banc b;
    b.jugar = [&b] { b.ticks == 5 ? b.form1.clic("mn_joystic") : void(); };
    const std::string tipus = b.s.tipus.text;
    const std::string estat = b.form1.obtenir("estat").caption;
    b.form1.clic("mn_joystic");
    EXPECT_EQ(b.ticks, 5);
    // Nothing of the check outlives it: cell 1 is neither lit nor counting,
    // its prompt leaves the status line and its timer stops.
    EXPECT_EQ(b.colors, (decltype(b.colors){{1, color_groc}, {1, std::nullopt}}));
    EXPECT_EQ(b.form1.obtenir("Check2", 1).text, "");
    EXPECT_EQ(b.form1.obtenir("estat").caption, estat);
    EXPECT_EQ(b.s.tipus.text, tipus);
    EXPECT_FALSE(b.form1.obtenir("t_configurar").habilitat);
    EXPECT_TRUE(b.s.cursors);
    EXPECT_EQ(b.form1.obtenir("mn_joystic").valor, 0);
}

TEST(ajust_joysticks, el_temps_s_acaba_encara_que_passi_la_mitjanit) {
    banc b;
    b.f.rellotge.ara = 86395.0;
    b.jugar = [&b] {
        b.f.rellotge.ara -= b.f.rellotge.ara >= 86400.0 ? 86400.0 : 0.0;
        b.ticks > 1000 ? b.form1.clic("mn_joystic") : void(); // a wait that never ends
    };
    b.form1.clic("mn_joystic");
    EXPECT_LT(b.ticks, 1000);
    EXPECT_EQ(b.s.joysticks[2].ajust, "-1");
}

} // namespace
} // namespace quorvel
