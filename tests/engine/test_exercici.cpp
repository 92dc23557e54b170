#include "core/text.h"
#include "engine/exercici.h"
#include "tests/engine/banc_exercici.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// A console with a board of four cells and one pad, and the default scenario
// in the program folder.
struct banc : prova::banc_consola {
    exercici ex{s, sv, form1, vista};

    banc() : banc_consola("0", 2, 4) {
        s.llista_exercici.redimensionar(0, 1);
        f.fitxers.posar("/p/graella.esc", "Default\nTipus\t9\nElements\t0\n");
    }

    void items(int n) {
        s.n_elements = static_cast<std::int16_t>(n);
        s.elements.redimensionar(0, n);
        for (int k = 1; k <= n; ++k) {
            s.elements[k].consigna = "item " + std::to_string(k);
        }
    }
};

TEST(exercici, start_with_no_exercise_shows_the_default_stage_and_polls) {
    banc b;
    b.form1.posar_text("temps", {}, "250");
    b.ex.engegar();
    EXPECT_EQ(b.s.graella_fitxer, "/p\\graella.esc");
    EXPECT_EQ(b.s.esc_titol, "Default");
    EXPECT_EQ(b.vista.oberts, 1);
    ASSERT_NE(b.ex.escenari(), nullptr);
    EXPECT_TRUE(b.ex.escenari()->visible());
    EXPECT_TRUE(b.f.eines.missatges.empty());
    EXPECT_TRUE(b.form1.obtenir("t_joystick").habilitat);
    EXPECT_EQ(b.form1.obtenir("t_joystick").interval, 250);
    EXPECT_EQ(b.form1.index_maxim("Check2"), 4); // the preview was drawn
}

TEST(exercici, interval_out_of_range_keeps_the_previous_one) {
    for (const char* temps : {"-5", "70000", "abc", "1e999"}) {
        banc b;
        b.form1.posar_text("temps", {}, temps);
        b.ex.engegar();
        const int esperat = std::string(temps) == "abc" ? 0 : 100;
        EXPECT_EQ(b.form1.obtenir("t_joystick").interval, esperat) << temps;
        EXPECT_TRUE(b.form1.obtenir("t_joystick").habilitat) << temps;
    }
}

TEST(exercici, scenario_source_depends_on_the_type) {
    const struct {
        const char* tipus;
        bool propi;
        const char* titol;
    } casos[] = {
        {"29", true, "Default"},  {"31", true, "Own"},      {"9", true, "Own"},
        {"17", true, "Own"},      {"9", false, "Default"},  {"15", false, "Default"},
        {"20", false, "Default"}, {"23", false, "Default"}, {"50", false, "Default"},
        {"51", true, "Own"},      {"31", false, "Default"}, {"6", true, "Own"},
        {"8", true, "Own"},       {"7", false, "Default"},
    };
    for (const auto& c : casos) {
        banc b;
        b.s.tipus = tipus_de_text(c.tipus);
        b.items(1);
        b.s.elements[1].media_5 = c.propi ? "/ex/own.esc" : "";
        b.f.fitxers.posar("/ex/own.esc", "Own\nTipus\t9\nElements\t0\n");
        b.ex.engegar();
        EXPECT_EQ(b.s.esc_titol, c.titol) << c.tipus << " " << c.propi;
        EXPECT_EQ(b.vista.oberts, 1) << c.tipus << " " << c.propi;
    }
}

TEST(exercici, types_50_and_51_draw_the_item_then_make_the_cell_table) {
    for (const char* tipus : {"50", "51"}) {
        banc b;
        b.s.tipus = tipus_de_text(tipus);
        b.s.n_botons = 40; // enough cells for type 50 to mark two
        b.items(2);
        b.s.elements[2].media_3 = "/ex/found.wav";
        b.f.rellotge.aleatoris = {0.9, 0.3, 0.6};
        b.ex.preparar();
        EXPECT_EQ(b.s.elements[0].media_3, "/ex/found.wav") << tipus;
        int marcades = 0;
        for (int k = 1; k <= 40; ++k) {
            marcades += b.s.caselles_estat(k, 3) == 2 ? 1 : 0;
        }
        EXPECT_EQ(marcades, tipus == std::string("50") ? 2 : 1) << tipus;
        if (tipus == std::string("51")) {
            // The hidden cell is the item's especials, written after the draw.
            EXPECT_EQ(b.s.caselles_estat(codi(b.s.elements[0].especials, 0), 3), 2);
        }
    }
}

TEST(exercici, list_games_start_by_playing_the_target_when_there_is_one) {
    const struct {
        const char* tipus;
        int entrades;
        std::vector<std::string> midi;
        const char* so;
    } casos[] = {
        {"11", 4, {}, "/ex/veu/so1.wav"}, // the list entry as the reader resolved it
        {"11", 1, {}, ""},
        {"12", 4, {"open -1", "short 0x000000B0", "short 0x00000CC0", "short 0x007F3D90"}, ""},
        {"12", 1, {"open -1", "short 0x000000B0", "short 0x00000CC0"}, ""},
    };
    for (const auto& c : casos) {
        banc b;
        b.s.tipus = tipus_de_text(c.tipus);
        b.items(1);
        b.s.n_items = static_cast<std::int16_t>(c.entrades);
        b.s.llista_exercici.redimensionar(0, 4);
        const bool so = c.tipus == std::string("11");
        b.s.llista_exercici[0] = so ? "/ex/veu/so0.wav" : "12"; // no target, never played
        b.s.llista_exercici[1] = so ? "/ex/veu/so1.wav" : "61";
        b.f.fitxers.posar("/ex/veu/so0.wav", "");
        b.f.fitxers.posar("/ex/veu/so1.wav", "");
        b.f.fitxers.actual = "/ex";
        b.f.rellotge.aleatoris = {0.0, 0.0};
        b.ex.preparar();
        EXPECT_EQ(b.f.midi.registre, c.midi) << c.tipus << " " << c.entrades;
        EXPECT_EQ(std::string(retallar_espais(b.s.media_actual)), c.so)
            << c.tipus << " " << c.entrades;
    }
}

// The stage's view draws the feedback, the instruction and the cell numbers
// only while a stage is open and as the settings ask.
TEST(exercici, the_stage_view_is_told_what_the_settings_ask_for) {
    const struct {
        const char* tipus;
        int escena;
        bool senyal;
        bool consigna;
        bool numeros;
        const char* consigna_vista; // nullptr: none given
        int numerades;
    } casos[] = {
        {"6", 2, true, true, true, "item 1", 4}, // the item's instruction first
        {"5", 3, true, true, true, "General", 4},
        {"6", 1, true, true, true, "item 1", 0}, // the images are the players'
        {"6", 2, false, false, false, nullptr, 0},
        {"6", 2, true, false, true, nullptr, 4},
    };
    for (const auto& c : casos) {
        banc b;
        b.s.tipus = tipus_de_text(c.tipus);
        b.s.consigna_exercici = "General";
        b.items(1);
        b.s.escenari_senyal = c.senyal;
        b.s.escenari_consigna = c.consigna;
        b.s.escenari_numeros = c.numeros;
        b.f.fitxers.posar("/p/graella.esc",
                          "Default\nTipus\t" + std::to_string(c.escena) + "\nElements\t0\n");
        b.ex.be(); // no stage yet
        b.ex.engegar();
        b.ex.be();
        b.ex.mal();
        b.f.eines.respostes_missatge.push_back(resposta_missatge::cancel);
        b.ex.be_final();
        const std::vector<senyal_escenari> esperats =
            c.senyal
                ? std::vector{senyal_escenari::be, senyal_escenari::mal, senyal_escenari::final}
                : std::vector<senyal_escenari>{};
        EXPECT_EQ(b.vista.senyals, esperats) << c.tipus << " " << c.escena;
        EXPECT_EQ(b.vista.consignes, c.consigna_vista ? std::vector<std::string>{c.consigna_vista}
                                                      : std::vector<std::string>{})
            << c.tipus << " " << c.escena;
        EXPECT_EQ(b.vista.caselles_numerades, c.numerades) << c.tipus << " " << c.escena;
    }
}

TEST(exercici, types_20_to_25_present_item_1) {
    for (const char* tipus : {"20", "23"}) {
        banc b;
        b.s.tipus = tipus_de_text(tipus);
        b.items(3);
        b.s.elements[1].media_5 = "/ex/x.esc";
        b.ex.preparar();
        EXPECT_EQ(b.s.elements[0].consigna, "item 1");
        EXPECT_EQ(b.s.graella_fitxer, "/ex/x.esc");
        EXPECT_EQ(b.s.elements[0].especials.size(), std::string(tipus) == "23" ? 1u : 0u);
    }
}

TEST(exercici, stop_silences_everything_and_empties_the_cells) {
    banc b;
    b.ex.engegar();
    b.s.media_actual = "/p/ok.wav";
    b.form1.posar_color_fons_finestra(color_verd);
    // The cells are cleared while the stage can still show what that does.
    int buidades = 0;
    b.ex.en_buidar_caselles = [&] { buidades += b.ex.escenari() != nullptr ? 1 : 100; };
    b.ex.aturar();
    EXPECT_FALSE(b.form1.obtenir("t_joystick").habilitat);
    EXPECT_FALSE(b.form1.obtenir("t_configurar").habilitat);
    EXPECT_EQ(b.f.media.ordres.back(), "close /p/ok.wav");
    EXPECT_EQ(b.s.media_actual, "");
    EXPECT_EQ(b.form1.color_fons(), std::nullopt);
    EXPECT_EQ(b.ex.escenari(), nullptr);
    EXPECT_EQ(b.vista.tancats, 1);
    EXPECT_EQ(buidades, 1);
    b.ex.aturar(); // harmless when idle
    EXPECT_EQ(b.vista.tancats, 1);
}

TEST(exercici, final_feedback_replays_only_on_ok) {
    for (const auto resposta : {resposta_missatge::cancel, resposta_missatge::ok}) {
        banc b;
        b.s.textos_idioma.redimensionar(0, 1);
        b.s.textos_idioma[1] = "Tornar a jugar?";
        b.ex.engegar();
        b.f.eines.respostes_missatge.push_back(resposta);
        b.ex.be_final();
        EXPECT_EQ(b.f.eines.missatges.back().text, "Tornar a jugar?");
        const bool torna = resposta == resposta_missatge::ok;
        EXPECT_EQ(b.ex.escenari() != nullptr, torna);
        EXPECT_EQ(b.form1.obtenir("t_joystick").habilitat, torna);
        EXPECT_EQ(b.vista.oberts, torna ? 2 : 1);
    }
}

TEST(exercici, right_and_wrong_colour_the_console_and_play_the_item_media) {
    // The reader resolves the names it finds to full paths; a name it did not
    // find stays bare, and the wrong-answer sound then comes from the voice
    // folder of the current directory.
    for (const char* mal : {"/ex/no_ok.wav", "no_ok.wav"}) {
        banc b;
        b.items(1);
        b.s.elements[0].media_1 = "/ex/ok.wav";
        b.s.elements[0].media_2 = mal;
        b.f.fitxers.posar("/ex/ok.wav", "");
        b.f.fitxers.posar("/ex/no_ok.wav", "");
        b.f.fitxers.posar("/cwd/veu/no_ok.wav", "");
        b.f.fitxers.actual = "/cwd";
        b.ex.be();
        EXPECT_EQ(b.form1.color_fons(), color_verd);
        EXPECT_EQ(retallar_espais(b.s.media_actual), "/ex/ok.wav");
        b.ex.mal();
        EXPECT_EQ(b.form1.color_fons(), color_vermell);
        EXPECT_EQ(retallar_espais(b.s.media_actual),
                  *mal == '/' ? "/ex/no_ok.wav" : "/cwd/veu/no_ok.wav");
        EXPECT_EQ(b.f.media.ordres.back().rfind("play ", 0), 0u) << mal;
    }
}

} // namespace
} // namespace quorvel
