#include "board/configuracio_tick.h"
#include "board/configurar_boto.h"

#include "tests/board/banc_configuracio.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

using fakes::banc_configuracio;

// Buttons 1..3 drive cells 1..3, button 4 is free; `actual` is the current cell.
TEST(configuracio_tick, assigns_free_inputs_and_counts_taken_ones) {
    struct cas {
        int actual;
        std::uint32_t mascara;
        int boto2, boto4; // cells of buttons 2 and 4 after two ticks
        std::string text_actual, text3;
    };
    const cas casos[] = {
        {6, 8U, 2, 6, " 2", ""},  // a free button claims cell 6, then counts it
        {5, 4U, 2, -2, "", " 2"}, // button 3 counts its own cell 3 only
        {-1, 8U, 2, -2, "", ""},  // after a failed cell nothing is given
        {2, 8U, -2, 2, " 2", ""}, // cell 2 gives up button 2 for button 4
    };
    for (const cas& c : casos) {
        banc_configuracio b(6);
        b.mapejar_botons(3);
        b.s.casella_configurant = static_cast<std::int16_t>(c.actual);
        b.form1.posar_caption_finestra("Quorvel - animals.brd");
        b.form1.posar_valor("mn_configurar", {}, 1);
        b.pad.mantenir(c.mascara);
        b.tick();
        b.tick();
        // The caption still names the program and the exercise.
        EXPECT_EQ(b.form1.caption(), "Quorvel - animals.brd");
        EXPECT_EQ(b.s.mapa_entrades(1, 6), c.boto2) << c.actual;
        EXPECT_EQ(b.s.mapa_entrades(1, 8), c.boto4) << c.actual;
        EXPECT_EQ(c.actual > 0 ? b.text(c.actual) : "", c.text_actual) << c.actual;
        EXPECT_EQ(b.text(3), c.text3) << c.actual;
    }
}

TEST(configuracio_tick, the_joystick_check_counts_every_input_with_a_beep) {
    banc_configuracio b(6);
    b.s.casella_configurant = 4;
    b.form1.posar_valor("mn_joystic", {}, 1);
    b.pad.mantenir(3U);
    b.tick();
    EXPECT_EQ(b.text(4), " 2");
    EXPECT_EQ(b.f.eines.beeps, 2);
    EXPECT_EQ(b.s.joysticks[1].amb_cursors, -1);
}

TEST(configurar_boto, a_held_free_button_finishes_on_the_tick_that_makes_ten) {
    banc_configuracio b(6);
    casella_seleccionar(b.s, b.form1, 5);
    b.pad.mantenir(8U);
    b.form1.clic("mn_configura_boto");
    EXPECT_NEAR(b.f.rellotge.ara - b.pad.t0, 1.0, 1e-6); // ten ticks of 100 ms
    EXPECT_EQ(b.cel(5), std::make_pair(1, 8));
    EXPECT_EQ(b.fons(5), color_verd);
    EXPECT_FALSE(b.form1.obtenir("t_configurar").habilitat);
    ASSERT_EQ(b.f.eines.missatges.size(), 1u);
    EXPECT_EQ(b.f.eines.missatges[0].text, "final configurar_boto ");
}

// The current set-up cell is still 2 and the tick is running, as an earlier set-up
// leaves them. A "Configurar boto" that has no cell to wait on must leave
// nothing armed: a later press is given to no cell.
TEST(configurar_boto, without_a_cell_to_wait_on_nothing_stays_armed) {
    struct cas {
        const char* nom;
        int seleccionada; // 0: none
        const char* missatge;
    };
    const cas casos[] = {
        {"no cell selected", 0, "Feu clic primer a la casella que voleu configurar."},
        {"the lit cell erased during the wait", 3, nullptr},
    };
    for (const cas& c : casos) {
        SCOPED_TRACE(c.nom);
        banc_configuracio b(3);
        b.mapejar_botons(3);
        b.s.casella_configurant = 2;
        b.form1.posar_habilitat("t_configurar", {}, true);
        if (c.seleccionada != 0) {
            casella_seleccionar(b.s, b.form1, c.seleccionada);
            b.durant_tick = [&b] { b.ticks == 2 ? b.form1.clic("mn_boto", 1) : void(); };
        }
        b.form1.clic("mn_configura_boto");
        EXPECT_EQ(b.form1.obtenir("mn_configurar").valor, 0);
        std::vector<std::string> missatges;
        for (const auto& m : b.f.eines.missatges) {
            missatges.push_back(m.text);
        }
        if (c.missatge != nullptr) {
            EXPECT_EQ(missatges, std::vector<std::string>{c.missatge});
        } else {
            EXPECT_FALSE(b.form1.obtenir("t_configurar").habilitat);
            EXPECT_TRUE(missatges.empty());
        }
        b.pad.mantenir(8U); // the free button 4
        b.tick();
        EXPECT_EQ(b.s.mapa_entrades(1, 8), -2);
        EXPECT_EQ(b.cel(2), std::make_pair(1, 6));
        EXPECT_EQ(b.s.mapa_entrades(1, 6), 2);
    }
}

// Buttons 1..4 drive cells 1..n; `cells` are the map records left, in order.
TEST(boto_ordres, erasing_moves_the_cells_above_down_with_their_inputs) {
    struct cas {
        int caselles;
        std::vector<int> esborrar;
        int n_botons;
        std::vector<int> cella_de_boto; // buttons 1..4
        std::vector<std::pair<int, int>> cells;
        int botons_usats;
    };
    const cas casos[] = {
        {4, {2}, 3, {1, -2, 2, 3}, {{1, 5}, {1, 7}, {1, 8}}, 3},
        {4, {2, 3}, 2, {1, -2, -2, 2}, {{1, 5}, {1, 8}}, 2},
        {4, {4}, 3, {1, 2, 3, -2}, {{1, 5}, {1, 6}, {1, 7}}, 3},
        {1, {1}, 1, {-2, -2, -2, -2}, {{0, 0}}, 3},
    };
    for (const cas& c : casos) {
        SCOPED_TRACE(c.caselles * 10 + c.esborrar.front());
        banc_configuracio b(c.caselles);
        b.mapejar_botons(std::min(4, c.caselles));
        for (int k : c.esborrar) {
            casella_seleccionar(b.s, b.form1, k);
        }
        b.form1.clic("mn_boto", 1);
        EXPECT_EQ(b.s.n_botons, c.n_botons);
        std::vector<int> cella_de_boto;
        for (int i = 5; i <= 8; ++i) {
            cella_de_boto.push_back(b.s.mapa_entrades(1, i));
        }
        EXPECT_EQ(cella_de_boto, c.cella_de_boto);
        std::vector<std::pair<int, int>> cells;
        for (int k = 1; k <= c.n_botons; ++k) {
            cells.push_back(b.cel(k));
            EXPECT_EQ(b.text(k), "") << k; // redrawn, none selected
        }
        EXPECT_EQ(cells, c.cells);
        EXPECT_FALSE(b.s.mapa_botons.dins(c.n_botons + 1));
        EXPECT_FALSE(b.form1.existeix("Check2", c.n_botons + 1));
        EXPECT_EQ(b.s.joysticks[1].botons_usats, c.botons_usats);
    }
}

// Cell 2 is driven by button 2 and selected; cell 3 is not selected.
TEST(boto_ordres, switching_a_cell_off_and_on_again_restores_it) {
    struct cas {
        const char* nom;
        std::vector<int> ordres; // mn_boto items chosen in turn
        bool boto2_soltat;       // button 2 no longer points at cell 2
        std::pair<int, int> cel2;
        std::optional<color> fons2;
    };
    const cas casos[] = {
        {"off", {0}, false, {-2, -2}, color_gris},
        {"off, then on", {0, 2}, false, {1, 6}, std::nullopt},
        {"on, nothing drives it", {2}, true, {-1, -1}, std::nullopt},
    };
    for (const cas& c : casos) {
        SCOPED_TRACE(c.nom);
        banc_configuracio b(4);
        b.mapejar_botons(4);
        if (c.boto2_soltat) {
            b.s.mapa_entrades(1, 6) = -2;
        }
        for (const int o : c.ordres) {
            casella_seleccionar(b.s, b.form1, 2); // each command uses the selection up
            b.form1.clic("mn_boto", o);
        }
        EXPECT_EQ(b.cel(2), c.cel2);
        EXPECT_EQ(b.fons(2), c.fons2);
        EXPECT_EQ(b.s.mapa_entrades(1, 6), c.boto2_soltat ? -2 : 2);
        EXPECT_EQ(b.cel(3), std::make_pair(1, 7));
    }
}

} // namespace
} // namespace quorvel
