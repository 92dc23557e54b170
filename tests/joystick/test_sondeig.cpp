#include "app/sessio.h"
#include "joystick/cami_premudes.h"
#include "joystick/escombrat.h"
#include "joystick/sondeig.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

using esdeveniments = std::vector<std::pair<int, std::string>>;

// A board of `cel·les` cells driven by `jugadors` pads of `botons` buttons,
// button b of pad j mapped to cell (j - 1) * botons + b.
struct banc {
    fakes::joystick_fals js;
    sessio s;
    esdeveniments vistos;
    std::vector<std::optional<double>> moments;
    std::vector<std::pair<int, int>> curses;
    bool obert = true;
    cami_premudes cami{s,
                       {[this](const esdeveniment_casella& e) {
                            vistos.emplace_back(e.casella, e.canvi == canvi_casella::premuda ? "1"
                                                           : e.canvi == canvi_casella::alliberada
                                                               ? "0"
                                                               : "");
                            moments.push_back(e.moment);
                        },
                        [this](int c, std::optional<double>, font_premuda) {
                            curses.emplace_back(c, static_cast<int>(s.tipus.valor));
                        },
                        [this] { return obert; }}};

    banc(int jugadors, int botons, int caselles) {
        fakes::tauler_prova(s, jugadors, caselles, botons);
        fakes::mapejar_tots(s, jugadors, botons);
        for (int j = 1; j <= jugadors; ++j) {
            js.dispositius.push_back({{32768, 32768, 0, 0}, botons});
        }
    }

    void ratoli(int c, bool avall) {
        cami.premer({c, avall, std::nullopt, font_premuda::ratoli_consola});
    }

    void mapejar(int j, int entrada, int casella) { fakes::mapejar(s, j, entrada, casella); }

    void premer(int j, std::uint32_t mascara) {
        js.dispositius[static_cast<std::size_t>(j - 1)].posicio.botons = mascara;
    }

    // Button `boto` of pad j is held or let go at `ms` on the pads' clock.
    void posar_boto(int j, int boto, bool premut, double ms) {
        auto& d = js.dispositius[static_cast<std::size_t>(j - 1)];
        const std::uint32_t bit = 1u << (boto - 1);
        if (((d.posicio.botons & bit) != 0) != premut) {
            d.posicio.botons ^= bit;
            d.moments[4 + boto] = ms;
        }
    }

    esdeveniments tick() {
        vistos.clear();
        joysticks_sondejar(s, js, cami);
        return vistos;
    }
};

TEST(sondeig, a_press_gives_one_event_and_a_release_another) {
    banc b(1, 6, 6);
    b.mapejar(1, 4 + 2, 5); // button 2 drives cell 5, button 5 nothing
    b.s.mapa_entrades(1, 4 + 5) = -2;
    b.tick(); // every free cell is written "0" once
    b.premer(1, 0b10);
    EXPECT_EQ(b.tick(), (esdeveniments{{5, "1"}}));
    EXPECT_EQ(b.tick(), esdeveniments{});
    EXPECT_EQ(b.tick(), esdeveniments{});
    b.premer(1, 0);
    EXPECT_EQ(b.tick(), (esdeveniments{{5, "0"}}));
    EXPECT_EQ(b.tick(), esdeveniments{});
}

TEST(sondeig, two_players_on_one_cell_count_once) {
    banc b(2, 2, 4);
    b.mapejar(2, 4 + 1, 1);
    b.tick();
    b.premer(1, 0b1);
    b.premer(2, 0b1);
    EXPECT_EQ(b.tick(), (esdeveniments{{1, "1"}}));
    EXPECT_EQ(b.s.caselles_ant, std::string("\x01\x01"));
}

TEST(sondeig, the_mouse_and_a_pad_on_one_cell_count_once) {
    banc b(1, 2, 2);
    b.tick();
    b.vistos.clear();
    b.ratoli(2, true);
    EXPECT_EQ(b.vistos, (esdeveniments{{2, "1"}})); // at once, not at the next tick
    b.premer(1, 0b10);
    EXPECT_EQ(b.tick(), esdeveniments{});
    b.premer(1, 0);
    EXPECT_EQ(b.tick(), esdeveniments{}); // the mouse still holds it
    b.premer(1, 0b10);
    b.tick();
    // The board model knows who holds the cell.
    const auto fonts = [&] { return b.s.caselles.casella(2).fonts; };
    EXPECT_EQ(fonts(), (std::set<int>{static_cast<int>(font_premuda::pad),
                                      static_cast<int>(font_premuda::ratoli_consola)}));
    b.vistos.clear();
    b.ratoli(2, false);
    EXPECT_EQ(b.vistos, esdeveniments{}); // the pad still holds it
    b.premer(1, 0);
    EXPECT_EQ(b.tick(), (esdeveniments{{2, "0"}}));
    EXPECT_TRUE(fonts().empty());
}

TEST(sondeig, a_click_is_a_press_and_a_release_judged_in_races) {
    const struct {
        const char* tipus;
        bool invers, obert;
        esdeveniments avall, amunt;
        std::vector<std::pair<int, int>> curses;
    } casos[] = {
        {"35", false, true, {{1, "1"}}, {{1, "0"}}, {{1, 35}}},
        {"6", false, true, {{1, "1"}}, {{1, "0"}}, {}},
        // Inverse reading acts when the cell is let go.
        {"35", true, true, {}, {{1, "0"}, {1, "1"}}, {{1, 35}}},
        // No exercise runs, or it has ended: the mouse reaches nothing.
        {"35", false, false, {}, {}, {}},
    };
    for (const auto& c : casos) {
        banc b(1, 2, 2);
        b.s.tipus = tipus_de_text(c.tipus);
        b.s.invers = c.invers;
        b.obert = c.obert;
        b.ratoli(1, true);
        EXPECT_EQ(b.vistos, c.avall) << c.tipus << c.invers << c.obert;
        b.vistos.clear();
        b.ratoli(1, false);
        EXPECT_EQ(b.vistos, c.amunt) << c.tipus << c.invers << c.obert;
        EXPECT_EQ(b.curses, c.curses) << c.tipus << c.invers << c.obert;
        // The next tick does not let the clicked cell go a second time.
        for (const auto& [k, x] : b.tick()) {
            EXPECT_TRUE(k != 1 || c.invers || !c.obert) << c.tipus << " " << x;
        }
    }
}

TEST(sondeig, type_30_activates_held_cells_on_every_tick) {
    banc b(1, 2, 2);
    b.s.tipus = tipus_de_text("30");
    b.tick();
    b.premer(1, 0b1);
    EXPECT_EQ(b.tick(), (esdeveniments{{1, "1"}}));
    EXPECT_EQ(b.tick(), esdeveniments{}); // written "1" again: no change, no event
    b.cami.buidar();                      // as stop does: every cell acts again
    EXPECT_EQ(b.tick(), (esdeveniments{{2, "0"}, {1, "1"}}));
}

TEST(sondeig, race_types_pass_each_activation_to_the_judgement) {
    const struct {
        const char* tipus;
        bool jutjat;
    } casos[] = {{"29", false}, {"30", true}, {"35", true}, {"49", true}, {"50", false}};
    for (const auto& c : casos) {
        banc b(1, 2, 2);
        b.s.tipus = tipus_de_text(c.tipus);
        b.premer(1, 0b10);
        b.tick();
        const auto esperat = c.jutjat ? std::vector<std::pair<int, int>>{{2, std::stoi(c.tipus)}}
                                      : std::vector<std::pair<int, int>>{};
        EXPECT_EQ(b.curses, esperat) << c.tipus;
    }
}

TEST(sondeig, inverse_reading_acts_on_release) {
    banc b(1, 2, 2);
    b.s.invers = true;
    b.premer(1, 0b1);
    b.tick();
    EXPECT_TRUE(b.s.invers_actiu); // cell 2 is not held: it counts as active
    b.tick();
    const auto premut = b.tick();
    b.premer(1, 0);
    const auto deixat = b.tick();
    // Releasing cell 1 writes "0" and then "1" in the same tick; a cell that
    // is not held does the same on every tick, and a held one stays quiet.
    EXPECT_EQ(deixat, (esdeveniments{{1, "0"}, {2, "0"}, {1, "1"}, {2, "1"}}));
    EXPECT_EQ(premut, (esdeveniments{{2, "0"}, {2, "1"}}));
}

TEST(sondeig, cells_above_255_are_never_activated) {
    banc b(1, 2, 300);
    b.mapejar(1, 4 + 1, 300);
    b.premer(1, 0b1);
    const auto vistos = b.tick();
    for (const auto& [c, text] : vistos) {
        EXPECT_NE(c, 300);
    }
}

TEST(sondeig, directions_release_only_with_amb_cursors) {
    for (const bool amb_cursors : {false, true}) {
        // Cells 3 and 4 are the ones an idle tick resets; the stick drives 5.
        banc b(1, 2, 6);
        b.s.cursors = true;
        b.mapejar(1, 1, 5);
        b.s.joysticks[1].amb_cursors = amb_cursors ? -1 : 0;
        b.tick();
        b.js.dispositius[0].posicio.x = 60000;
        EXPECT_EQ(b.tick(), (esdeveniments{{5, "1"}}));
        b.js.dispositius[0].posicio.x = 32768;
        const auto deixat = b.tick();
        EXPECT_EQ(deixat == (esdeveniments{{5, "0"}}), amb_cursors) << amb_cursors;
        EXPECT_EQ(deixat.empty(), !amb_cursors) << amb_cursors;
    }
}

TEST(sondeig, a_pad_that_stops_answering_releases_its_cells) {
    banc b(1, 2, 2);
    b.premer(1, 0b1);
    b.tick();
    b.js.dispositius[0].estat_lectura = 167;
    EXPECT_EQ(b.tick(), (esdeveniments{{1, "0"}}));
}

TEST(sondeig, switched_off_cells_are_neither_activated_nor_released) {
    banc b(1, 3, 3);
    b.s.mapa_botons[2].joy = -2;
    EXPECT_EQ(b.tick(), (esdeveniments{{1, "0"}, {3, "0"}}));
    b.premer(1, 0b111);
    EXPECT_EQ(b.tick(), (esdeveniments{{1, "1"}, {3, "1"}}));
}

TEST(sondeig, a_pad_drives_cells_up_to_its_offset_plus_its_count) {
    // Two pads of two buttons: pad 1 owns cells 1 and 2, pad 2 cells 3 and 4,
    // unless num_butons lets every pad reach the whole board.
    const struct {
        int num_butons, jugador, boto, casella;
        bool activa;
    } casos[] = {
        {0, 1, 2, 3, false}, {1, 1, 2, 3, true},  {0, 2, 1, 3, true},
        {0, 2, 1, 1, true},  {0, 2, 2, 5, false}, {1, 2, 2, 5, true},
    };
    for (const auto& c : casos) {
        banc b(2, 2, 6);
        b.s.num_butons = static_cast<std::int16_t>(c.num_butons);
        b.mapejar(c.jugador, 4 + c.boto, c.casella);
        b.tick();
        b.premer(c.jugador, 1u << (c.boto - 1));
        const auto vistos = b.tick();
        EXPECT_EQ(vistos == (esdeveniments{{c.casella, "1"}}), c.activa)
            << c.num_butons << " " << c.jugador << " " << c.boto;
    }
}

TEST(sondeig, an_idle_tick_releases_the_cells_after_the_last_pad) {
    banc b(1, 2, 4); // cells 3 and 4 follow the pad's two
    b.ratoli(4, true);
    b.premer(1, 0b1);
    EXPECT_EQ(b.tick(), (esdeveniments{{2, "0"}, {1, "1"}})); // something held: 3 stays
    b.premer(1, 0);
    // The mouse's cell stays held.
    EXPECT_EQ(b.tick(), (esdeveniments{{1, "0"}, {3, "0"}}));
}

TEST(sondeig, presses_in_one_tick_are_handed_on_in_press_order) {
    // Pads 1 to 3 press within a few milliseconds, the highest pad first.
    banc b(3, 1, 3);
    b.s.tipus = tipus_de_text("35");
    b.tick();
    b.moments.clear();
    b.posar_boto(3, 1, true, 1000);
    b.posar_boto(1, 1, true, 1003);
    b.posar_boto(2, 1, true, 1001);
    b.js.ara = 1005;
    EXPECT_EQ(b.tick(), (esdeveniments{{3, "1"}, {2, "1"}, {1, "1"}}));
    EXPECT_EQ(b.curses, (std::vector<std::pair<int, int>>{{3, 35}, {2, 35}, {1, 35}}));
    EXPECT_EQ(b.moments, (std::vector<std::optional<double>>{1000.0, 1001.0, 1003.0}));
}

TEST(sondeig, switch_times_turn_away_brushes_and_bounces) {
    struct pas_prova {
        double ms;
        bool premut;
        const char* esdeveniment; // on cell 1; empty: none
    };
    const struct {
        const char* nom;
        int acceptacio, repeticio;
        std::vector<pas_prova> passos;
    } casos[] = {
        {"off: as read", 0, 0, {{0, true, "1"}, {10, false, "0"}, {20, true, "1"}}},
        {"30 ms brush", 50, 0, {{0, true, ""}, {30, false, ""}, {200, false, ""}}},
        {"held long enough", 50, 0, {{0, true, ""}, {49, true, ""}, {50, true, "1"}}},
        {"counts once", 50, 0, {{0, true, ""}, {60, true, "1"}, {90, true, ""}, {95, false, "0"}}},
        {"bounce after 20 ms",
         0,
         100,
         {{0, true, "1"}, {10, false, "0"}, {20, true, ""}, {150, true, ""}, {160, false, ""}}},
        {"next press after the repeat time",
         0,
         100,
         {{0, true, "1"}, {10, false, "0"}, {100, true, "1"}}},
        {"both",
         50,
         100,
         {{0, true, ""}, {50, true, "1"}, {60, false, "0"}, {70, true, ""}, {130, true, ""}}},
    };
    for (const auto& c : casos) {
        banc b(1, 1, 1);
        b.mapejar(1, 5, 1);
        b.s.acceptacio = static_cast<std::int16_t>(c.acceptacio);
        b.s.repeticio = static_cast<std::int16_t>(c.repeticio);
        b.js.ara = -1000;
        b.tick();
        for (const auto& p : c.passos) {
            b.posar_boto(1, 1, p.premut, p.ms);
            b.js.ara = p.ms;
            const esdeveniments esperat =
                *p.esdeveniment != 0 ? esdeveniments{{1, p.esdeveniment}} : esdeveniments{};
            EXPECT_EQ(b.tick(), esperat) << c.nom << " at " << p.ms;
        }
    }
}

TEST(sondeig, a_press_waiting_for_acceptance_tells_when_it_comes_due) {
    banc b(2, 1, 2);
    b.s.acceptacio = 50;
    b.tick();
    b.posar_boto(2, 1, true, 100);
    b.posar_boto(1, 1, true, 120);
    b.js.ara = 130;
    b.tick();
    EXPECT_EQ(b.s.commutadors.proper_termini(), 150.0);
    b.js.ara = 150;
    b.tick();
    EXPECT_EQ(b.s.commutadors.proper_termini(), 170.0);
    b.js.ara = 170;
    b.tick();
    EXPECT_FALSE(b.s.commutadors.proper_termini().has_value());
}

TEST(sondeig, no_joystick_touches_no_cell) {
    banc b(0, 0, 3);
    EXPECT_EQ(b.tick(), esdeveniments{});
}

} // namespace
} // namespace quorvel

namespace quorvel {
namespace {

// Scanning on the polling tick, on the pads' simulated clock: interval 100 ms,
// first step 300 ms, `voltes` loops.
struct banc_escombrat : banc {
    std::vector<std::pair<int, std::optional<ressalt>>> ressalts;
    bool pausa = false;

    banc_escombrat(int jugadors, int botons, std::map<int, mode_escombrat> modes, int voltes = 3,
                   int columnes = 8)
        : banc(jugadors, botons, jugadors * botons) {
        s.escombrat_jugadors.connectar(
            {[this] { return js.ara; }, [this] { return pausa; },
             [this](int j, std::optional<ressalt> r) { ressalts.emplace_back(j, r); }});
        for (const auto& [j, m] : modes) {
            s.escombrat_jugadors.configurar(j, {m, 100, 300, voltes, false});
        }
        s.escombrat_jugadors.engegar(caselles_jugadors(s), columnes);
    }
    // The clock moves to ms, with a tick there.
    esdeveniments a(double ms) {
        js.ara = ms;
        return tick();
    }
    void boto(int j, int b, bool avall) { posar_boto(j, b, avall, js.ara); }
    // A whole press at the current time, a tick seeing it held and one free.
    esdeveniments clic(int j, int b) {
        boto(j, b, true);
        esdeveniments e = tick();
        boto(j, b, false);
        const esdeveniments amunt = tick();
        e.insert(e.end(), amunt.begin(), amunt.end());
        return e;
    }
    [[nodiscard]] std::optional<int> on(int j) const {
        const auto r = s.escombrat_jugadors.ressaltada(j);
        return r ? std::optional<int>(r->casella) : std::nullopt;
    }
};

TEST(escombrat, automatic_scan_chooses_the_highlighted_cell_by_any_switch) {
    for (int pos = 0; pos < 4; ++pos) {
        banc_escombrat b(1, 4, {{1, mode_escombrat::automatic}});
        b.a(0);
        EXPECT_EQ(b.on(1), 1);
        b.a(299);
        EXPECT_EQ(b.on(1), 1) << "the first step is the longer one";
        for (int k = 0; k < pos; ++k) {
            b.a(300 + 100 * k);
        }
        EXPECT_EQ(b.on(1), pos + 1);
        // Any button selects; the switch's own cell is not pressed.
        EXPECT_EQ(b.clic(1, 4 - pos), (esdeveniments{{pos + 1, "1"}, {pos + 1, "0"}}));
        EXPECT_EQ(b.s.caselles.casella(pos + 1).fonts, std::set<int>{});
        EXPECT_EQ(b.on(1), 1) << "after a choice the scan starts again";
        b.a(b.js.ara + 299);
        EXPECT_EQ(b.on(1), 1);
    }
}

TEST(escombrat, loops_then_rest_and_the_next_press_only_wakes) {
    banc_escombrat b(1, 3, {{1, mode_escombrat::automatic}}, 2);
    std::vector<std::optional<int>> vistes;
    for (const double t : {0, 300, 400, 500, 600, 700, 800, 900, 5000}) {
        b.a(t);
        vistes.push_back(b.on(1));
    }
    EXPECT_EQ(vistes, (std::vector<std::optional<int>>{1, 2, 3, 1, 2, 3, std::nullopt, std::nullopt,
                                                       std::nullopt}));
    EXPECT_EQ(b.clic(1, 1), esdeveniments{});
    EXPECT_EQ(b.on(1), 1);
    EXPECT_EQ(b.clic(1, 1), (esdeveniments{{1, "1"}, {1, "0"}}));
}

TEST(escombrat, a_pause_holds_the_highlight_and_swallows_switches) {
    banc_escombrat b(1, 3, {{1, mode_escombrat::automatic}});
    b.a(0);
    b.pausa = true;
    b.a(400);
    EXPECT_EQ(b.clic(1, 1), esdeveniments{});
    b.a(500);
    EXPECT_EQ(b.on(1), 1);
    b.pausa = false;
    EXPECT_EQ(b.a(550), esdeveniments{}) << "a press made in the pause is not kept";
    b.a(649);
    EXPECT_EQ(b.on(1), 1);
    b.a(650);
    EXPECT_EQ(b.on(1), 2) << "a whole interval after the pause";
}

TEST(escombrat, step_mode_with_rows_moves_by_button_1_and_chooses_by_button_2) {
    // Twelve cells on four columns: rows 1-4, 5-8, 9-12.
    banc_escombrat b(1, 12, {{1, mode_escombrat::pas}}, 3, 4);
    b.a(0);
    EXPECT_EQ(b.s.escombrat_jugadors.ressaltada(1), (ressalt{1, 1}));
    b.clic(1, 1);
    EXPECT_EQ(b.s.escombrat_jugadors.ressaltada(1), (ressalt{5, 2}));
    b.a(10000);
    EXPECT_EQ(b.on(1), 5) << "step mode never moves by itself";
    EXPECT_EQ(b.clic(1, 2), esdeveniments{}) << "a choice enters the row";
    EXPECT_EQ(b.s.escombrat_jugadors.ressaltada(1), (ressalt{5, std::nullopt}));
    for (int k = 0; k < 4; ++k) {
        b.clic(1, 1);
    }
    EXPECT_EQ(b.s.escombrat_jugadors.ressaltada(1), (ressalt{1, 1})) << "a full row: back to rows";
    b.clic(1, 1);
    b.clic(1, 2);
    b.clic(1, 1);
    b.clic(1, 1);
    EXPECT_EQ(b.clic(1, 2), (esdeveniments{{7, "1"}, {7, "0"}}));
}

TEST(escombrat, players_scan_at_once_beside_a_player_who_presses) {
    banc_escombrat b(3, 2, {{1, mode_escombrat::automatic}, {2, mode_escombrat::automatic}});
    b.a(0);
    b.a(300);
    b.boto(1, 1, true);
    b.boto(2, 2, true);
    b.boto(3, 2, true);
    // Player 3 presses its own cell 6; players 1 and 2 choose their second cells.
    EXPECT_EQ(b.tick(), (esdeveniments{{6, "1"}, {2, "1"}, {2, "0"}, {4, "1"}, {4, "0"}}));
    EXPECT_EQ(b.s.escombrat_jugadors.ressaltada(3), std::nullopt);
}

TEST(escombrat, acceptance_time_and_presses_shorter_than_a_tick) {
    const struct {
        int acceptacio;
        double avall, amunt;
        bool vist_avall; // the polling, woken by the change, saw the press held
        bool tria;
    } casos[] = {
        {0, 10, 20, false, true},  // made and let go between ticks: seen by its change time
        {50, 10, 40, true, false}, // a brush shorter than the acceptance time
        {50, 10, 70, true, true},  // held long enough: seen when it came due
    };
    for (const auto& c : casos) {
        banc_escombrat b(1, 2, {{1, mode_escombrat::automatic}});
        b.s.acceptacio = static_cast<std::int16_t>(c.acceptacio);
        b.a(0);
        esdeveniments tots;
        const auto afegir = [&](const esdeveniments& e) {
            tots.insert(tots.end(), e.begin(), e.end());
        };
        b.js.ara = c.avall;
        b.boto(1, 1, true);
        if (c.vist_avall) {
            afegir(b.tick());
            if (const auto termini = b.s.commutadors.proper_termini();
                termini && *termini < c.amunt) {
                afegir(b.a(*termini));
            }
        }
        b.js.ara = c.amunt;
        b.boto(1, 1, false);
        afegir(b.a(100));
        const esdeveniments triada{{1, "1"}, {1, "0"}};
        EXPECT_EQ(tots, c.tria ? triada : esdeveniments{}) << c.acceptacio << " " << c.amunt;
    }
}

} // namespace
} // namespace quorvel
