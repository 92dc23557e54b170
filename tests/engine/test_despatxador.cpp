#include "engine/motor.h"
#include "stage/midi.h"
#include "tests/engine/banc_exercici.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <functional>
#include <string>

namespace quorvel {
namespace {

// A running exercise on a board of 12 cells in rows of 4, one pad, the stage
// laid out one image per cell (with the score label) from the program
// folder's scenario, whose list holds off, on, two and three pictures.
struct banc : prova::banc_consola {
    motor m{s, sv, form1, vista};

    explicit banc(const std::string& tipus) : banc_consola(tipus, 4, 12) {
        // A cell's text written here stands for the cell event it names.
        form1.en_canvi("Check2", [this](std::optional<int> k) {
            const std::string& x = form1.obtenir("Check2", *k).text;
            m.despatx().casella({*k,
                                 x == "1"   ? canvi_casella::premuda
                                 : x == "0" ? canvi_casella::alliberada
                                            : canvi_casella::buidada,
                                 std::nullopt});
        });
        form1.posar_text("n_col", {}, "4");
        for (int k = 1; k <= 12; ++k) {
            s.mapa_botons[k].joy = 1;
        }
        s.llista_exercici.redimensionar(0, 12);
        for (int k = 0; k <= 12; ++k) {
            s.llista_exercici[k] = "/ex/so" + std::to_string(k) + ".wav";
            f.fitxers.posar(s.llista_exercici[k], "");
        }
        s.n_elements = 1;
        s.elements.redimensionar(0, 1);
        s.elements[1].media_5 = "/p/graella.esc";
        s.elements[0].media_5 = "/p/graella.esc";
        for (const char* nom : {"off", "on", "two", "three", "up", "down", "right", "left"}) {
            f.fitxers.posar(std::string("/p/imatge/") + nom + ".gif", "");
        }
        std::string esc = "Default\nTipus\t3\nElements\t1\nNom\tfons\nDalt\t0\nEsquerra\t0\n"
                          "Dreta\t640\nBaix\t480\nPas x\t0\nPas y\t0\nAmplada\t64\nAlcada\t64\n"
                          "Fitxers\t12\n";
        for (int j = 0; j <= 12; ++j) {
            const char* noms[] = {"off", "on", "two", "three"};
            esc += "I\t" + std::string(noms[std::min(j, 3)]) + ".gif\n";
        }
        f.fitxers.posar("/p/graella.esc", esc);
        m.actual().engegar();
        f.media.ordres.clear();
        f.eines.missatges.clear();
    }
    element_exercici& item() { return s.elements[0]; }
    finestra& esc() { return *m.actual().escenari(); }
    std::string imatge(int j) { return esc().obtenir("imatge", j).imatge; }
    void premer(int k) {
        form1.posar_text("Check2", k, "1");
        form1.posar_text("Check2", k, "0");
    }
    std::optional<color> fons(int k) { return form1.obtenir("Check2", k).color_fons; }
    // The files played since the orders were last cleared, in order.
    std::vector<std::string> sons() {
        std::vector<std::string> noms;
        for (const std::string& o : f.media.ordres) {
            if (o.starts_with("play ")) {
                noms.push_back(o.substr(5, o.find(' ', 5) - 5));
            }
        }
        return noms;
    }
    // The arrows on show, as direction letters, left to right.
    std::string fletxes() {
        std::string d;
        for (const int i : m.actual().escenari() ? esc().indexos("imatge") : std::vector<int>{}) {
            const element& e = esc().obtenir("imatge", i);
            if (i >= 1 && e.visible) {
                d += static_cast<char>(std::toupper(e.imatge[e.imatge.rfind('/') + 1]));
            }
        }
        return d;
    }
    // A timer that acts once while a wait of the dispatcher pumps events.
    void durant_espera(std::function<void()> accio) {
        f.eines.registrar(form1);
        form1.posar_habilitat("t_joystick", {}, false);
        form1.afegir("t_prova", tipus_element::temporitzador).interval = 1000;
        form1.en_temporitzador("t_prova", [this, a = std::move(accio)](std::optional<int>) {
            form1.posar_habilitat("t_prova", {}, false);
            a();
        });
    }
};

TEST(despatxador, list_playback_and_default_scenario_pictures) {
    banc b("4");
    b.form1.posar_text("Check2", 3, "1");
    EXPECT_EQ(b.imatge(3), "/p/imatge/on.gif");
    ASSERT_EQ(b.f.media.ordres.size(), 1u);
    EXPECT_EQ(b.f.media.ordres[0].rfind("play /ex/so3.wav", 0), 0u);
    b.form1.posar_text("Check2", 3, "0");
    EXPECT_EQ(b.imatge(3), "/p/imatge/off.gif");
    EXPECT_EQ(b.f.media.ordres.size(), 1u); // a release plays nothing
    // The polling's first tick releases every idle cell, and stop clears
    // them: neither is a release of a pressed cell.
    b.form1.posar_text("Check2", 5, "0");
    b.form1.posar_text("Check2", 5, "");
    EXPECT_EQ(b.imatge(5), "/p/imatge/three.gif");
    b.premer(5);
    EXPECT_EQ(b.imatge(5), "/p/imatge/off.gif");
    // A click on a cell's image on the stage presses the cell and lets it go.
    b.esc().clic("imatge", 7);
    EXPECT_EQ(b.sons().back().rfind("/ex/so7.wav", 0), 0u);
    EXPECT_EQ(b.imatge(7), "/p/imatge/off.gif");
    b.s.tipus = tipus_de_text("5");
    b.s.llista_exercici[2] = "64";
    midi_obrir(b.s, b.sv, -1);
    b.f.midi.registre.clear();
    b.premer(2);
    EXPECT_EQ(b.f.midi.registre, std::vector<std::string>{"short 0x007F4090"});
    // While a set-up runs the cells are the set-up's, whatever is loaded.
    b.s.configuracio = mode_configuracio::tauler;
    b.premer(2);
    EXPECT_EQ(b.f.midi.registre, std::vector<std::string>{"short 0x007F4090"});
}

TEST(despatxador, leaving_the_stage_stops_the_exercise_as_the_stop_button_does) {
    banc b("4");
    ASSERT_TRUE(b.vista.sortida);
    b.vista.sortida();
    EXPECT_EQ(b.m.actual().escenari(), nullptr);
    EXPECT_EQ(b.vista.tancats, 1);
    EXPECT_FALSE(b.form1.obtenir("t_joystick").habilitat);
    { motor altre{b.s, b.sv, b.form1, b.vista}; }
    EXPECT_FALSE(b.vista.sortida); // no handler outlives its engine
}

TEST(despatxador, counting_types) {
    const struct {
        const char* tipus;
        std::vector<int> cel_les;
        const char* resposta;
    } casos[] = {
        {"20", {5, 1, 9}, "3"}, {"21", {10}, "10"}, {"21", {3}, "6"},
        {"21", {7, 3}, "-1"},   {"22", {4}, "4"},   {"22", {4, 5}, "-1"},
    };
    for (const auto& c : casos) {
        banc b(c.tipus);
        for (const int k : c.cel_les) {
            b.form1.posar_text("Check2", k, "1");
        }
        EXPECT_EQ(b.s.resposta, c.resposta) << c.tipus;
    }
    banc b("20"); // releases do not count down type 20; pictures 1..n uncovered
    b.premer(5);
    b.premer(1);
    EXPECT_EQ(std::tuple(b.s.resposta, b.esc().obtenir("texto", 1).caption, b.imatge(2)),
              std::tuple("2", "2", "/p/imatge/on.gif"));
    banc c("22"); // other types count down on release and cover the picture
    c.s.resposta = "3";
    c.form1.posar_text("Check2", 6, "0");
    EXPECT_EQ(std::tuple(c.s.resposta, c.esc().obtenir("texto", 1).caption, c.imatge(3)),
              std::tuple("2", "2", "/p/imatge/off.gif"));
}

TEST(despatxador, counting_types_23_and_24_end_on_the_special_cell) {
    const struct {
        const char* tipus;
        std::string especials;
        const char* abans;
        int k;
        const char* despres;
        bool final;
    } casos[] = {
        {"23", "\x03", "2", 7, nullptr, true}, {"23", "\x03", "1", 7, "1", false},
        {"24", "\x05", "", 5, nullptr, true},  {"24", "\x05", "4", 3, "-1", false},
        {"24", "20", "3", 10, "13", false},    {"24", "\x05", "", 10, "10", false},
    };
    for (const auto& c : casos) {
        banc b(c.tipus);
        b.item().especials = c.especials;
        b.s.resposta = c.abans;
        b.f.eines.respostes_missatge.push_back(resposta_missatge::cancel);
        b.form1.posar_text("Check2", c.k, "1");
        if (c.despres != nullptr) { // the final feedback's stop counts the answer down
            EXPECT_EQ(b.s.resposta, c.despres) << c.tipus << " " << c.k;
        }
        EXPECT_EQ(b.f.eines.missatges.size(), c.final ? 1u : 0u) << c.tipus << " " << c.k;
    }
}

TEST(despatxador, judged_presses_turn_yellow_and_refused_ones_keep_their_colour) {
    const struct {
        const char *tipus, *sequencia;
        std::vector<int> cel_les;
        std::vector<bool> grocs;
    } casos[] = {
        {"6", "BC", {3, 1, 4, 2}, {false, true, false, true}},
        {"7", "C", {1, 2}, {true, true}},
        {"8", "", {1, 6, 2}, {true, false, true}}, // one step right, never diagonal
    };
    for (const auto& c : casos) {
        banc b(c.tipus);
        b.item().correctes = "B";
        b.item().sequencia = c.sequencia;
        b.item().text_1 = "xf = xi + 1";
        b.item().text_2 = "yf = yi";
        for (std::size_t i = 0; i < c.cel_les.size(); ++i) {
            b.form1.posar_text("Check2", c.cel_les[i], "1");
            const auto esperat = c.grocs[i] ? std::optional(color_groc) : std::nullopt;
            EXPECT_EQ(b.fons(c.cel_les[i]), esperat) << c.tipus << " " << c.cel_les[i];
        }
    }
}

TEST(despatxador, type_3_listens_five_seconds_and_a_press_meanwhile_lengthens_the_wait) {
    for (const char* estat : {"playing", "stopped"}) {
        banc b("3");
        const double inici = b.f.rellotge.ara;
        b.durant_espera([&] { b.form1.posar_text("Check2", 4, "1"); });
        b.f.media.respostes_estat = {{0, estat}};
        b.form1.posar_text("Check2", 2, "1");
        EXPECT_GE(b.f.rellotge.ara - inici, 6.0); // five seconds after the second press
        std::vector<std::string> verbs;
        for (const std::string& o : b.f.media.ordres) {
            verbs.push_back(o.substr(0, o.find(' ')) + (o.find("so2.wav") != o.npos ? "" : "?"));
        }
        EXPECT_EQ(verbs, (std::vector<std::string>{"play", "resume", "resume", "pause", "status"}));
        // An item heard to its end is closed for the next press to start anew.
        EXPECT_EQ(b.s.media_actual.empty(), std::string(estat) == "stopped") << estat;
    }
}

TEST(despatxador, types_11_and_12_wait_for_the_media_judging_nothing_meanwhile) {
    // A wrong press gives the target (cell 3) again; a right one plays the
    // "right" sound, waits for its end and gives the next target (cell 1). A
    // press during the wait is not judged; a stop ends the wait, which then
    // acts on nothing.
    enum class durant { res, premer, aturar };
    const std::vector<std::string> sons = {"/ex/so3.wav", "/ex/so0.wav", "/ex/so1.wav"};
    const std::vector<std::string> notes = {"short 0x007F3F90", "short 0x007F3D90"};
    const struct {
        const char* tipus;
        durant d;
        std::vector<std::string> sortida;
    } casos[] = {
        {"11", durant::res, sons},
        {"11", durant::premer, sons},
        {"11", durant::aturar, {sons[0], sons[1]}},
        {"12", durant::res, notes},
        {"12", durant::premer, notes},
        {"12", durant::aturar, {notes[0], "close"}},
    };
    for (const auto& c : casos) {
        banc b(c.tipus);
        const bool so = c.tipus == std::string("11");
        b.s.n_items = 4;
        for (int k = 0; k <= 4; ++k) {
            b.s.llista_exercici[k] =
                so ? "/ex/so" + std::to_string(k) + ".wav" : std::to_string(60 + k);
        }
        b.item().correctes = "D";
        b.item().media_1 = "/ex/so0.wav";
        b.f.midi.registre.clear();
        b.f.rellotge.aleatoris = {0.0};
        b.f.media.respostes_estat = {{0, "playing"}, {0, "playing"}, {0, "stopped"}};
        if (c.d != durant::res) {
            b.durant_espera([&] {
                if (c.d == durant::aturar) {
                    b.form1.clic("Command2");
                } else {
                    b.form1.posar_text("Check2", 5, "1"); // wrong, were it judged
                }
            });
        }
        b.form1.posar_text("Check2", 1, "1");
        b.form1.posar_text("Check2", 3, "1");
        const bool aturat = c.d == durant::aturar;
        const std::string que = std::string(c.tipus) + " " + std::to_string(static_cast<int>(c.d));
        EXPECT_EQ(so ? b.sons() : b.f.midi.registre, c.sortida) << que;
        EXPECT_EQ(std::count_if(b.f.media.ordres.begin(), b.f.media.ordres.end(),
                                [](const std::string& o) { return o.starts_with("status"); }),
                  aturat ? 1 : 3)
            << que;
        EXPECT_EQ(b.fons(3), aturat ? std::nullopt : std::optional(color_groc)) << que;
        EXPECT_EQ(b.form1.color_fons(), aturat ? std::nullopt : std::optional(color_verd)) << que;
        EXPECT_EQ(b.item().correctes, aturat ? "D" : "B") << que;
    }
}

TEST(despatxador, next_cell_of_types_15_and_17_skips_used_and_switched_off_cells) {
    const struct {
        const char *tipus, *text_1, *text_2;
        std::deque<double> aleatoris;
        int apagada;
        const char *sequencia, *fletxes;
        bool final;
    } casos[] = {
        {"17", "xf = xi + 1", "yf = yi", {}, 0, "BC", "R", false},
        {"17", "xf = xi", "yf = yi + 1", {}, 0, "BF", "D", false},
        {"17", "xf = xi + 1", "yf = yi", {}, 2, "", "", true},
        {"17", "xf = xi", "yf = yi", {}, 0, "BB", "", false}, // used: taken after nine refusals
        {"17", "xf = xi + 8", "yf = yi - yi", {}, 0, "", "", true},
        {"15", "", "", {0.0}, 0, "BC", "R", false},
        {"15", "", "", {0.75}, 0, "BF", "D", false}, // bounces off the top edge
        {"15", "", "", {0.0, 0.5}, 2, "BF", "D", false},
    };
    for (const auto& c : casos) {
        banc b(c.tipus);
        b.item() = {"", "B", "", c.text_1, c.text_2, "", "", "", "", "", ""};
        b.s.mapa_botons[c.apagada].joy = c.apagada == 0 ? 0 : -2;
        b.f.rellotge.aleatoris = c.aleatoris;
        b.f.eines.respostes_missatge.push_back(resposta_missatge::cancel);
        b.form1.posar_text("Check2", 1, "1");
        const std::string que = std::string(c.tipus) + " " + c.text_1 + c.text_2;
        EXPECT_EQ(b.f.eines.missatges.size(), c.final ? 1u : 0u) << que;
        if (!c.final) {
            EXPECT_EQ(b.item().sequencia, c.sequencia) << que;
            EXPECT_EQ(b.fletxes(), c.fletxes) << que;
        }
    }
    banc u("15"); // a cell already on the path is not drawn again
    u.item() = {"", "C", "CB", "", "", "", "", "", "", "", ""};
    u.s.resposta = "C";
    u.f.rellotge.aleatoris = {0.0, 0.5};
    u.form1.posar_text("Check2", 1, "1");
    EXPECT_EQ(std::tuple(u.item().sequencia, u.fletxes()), std::tuple("CBF", "D"));

    banc t("17"); // the arrows lead where the judgement then accepts the press
    t.item() = {"", "B", "", "xf = xi + 1", "yf = yi", "", "", "", "", "", ""};
    t.premer(1);
    t.premer(2);
    EXPECT_EQ(std::tuple(t.fons(2), t.s.resposta), std::tuple(std::optional(color_groc), "BC"));
}

TEST(despatxador, marked_cells_of_type_50) {
    const struct {
        int marca;
        std::optional<quorvel::color> fons;
        const char* imatge;
        const char* so;
    } casos[] = {
        {2, color_verd, "on", "m3"},   {1, color_gris, "three", "m1"}, {0, std::nullopt, "two", ""},
        {-1, color_vermell, "", "m2"}, {-2, color_negre, "", "m4"},
    };
    for (const auto& c : casos) {
        banc b("50");
        b.item() = {"", "", "", "", "", "", "/ex/m1", "/ex/m2", "/ex/m3", "/ex/m4", ""};
        for (const char* m : {"/ex/m1", "/ex/m2", "/ex/m3", "/ex/m4"}) {
            b.f.fitxers.posar(m, "");
        }
        b.s.caselles_estat(5, 3) = static_cast<std::int16_t>(c.marca);
        const std::string abans = b.imatge(5);
        b.form1.posar_text("Check2", 5, "1");
        EXPECT_EQ(b.form1.obtenir("Check2", 5).color_fons, c.fons) << c.marca;
        const std::string imatge =
            *c.imatge ? std::string("/p/imatge/") + c.imatge + ".gif" : abans;
        EXPECT_EQ(b.imatge(5), imatge) << c.marca;
        EXPECT_EQ(b.f.media.ordres.empty() ? "" : b.f.media.ordres.back().substr(5, 6),
                  *c.so ? std::string("/ex/") + c.so : "")
            << c.marca;
    }
}

TEST(despatxador, hidden_cell_of_type_51_gives_row_and_column_hints) {
    const struct {
        int amagada, k;
        std::vector<std::string> sons;
    } casos[] = {
        {12, 1, {"/p/veu/baixa", "/p/veu/dreta"}},   // two rows down, three columns right
        {1, 12, {"/p/veu/puja", "/p/veu/esquerra"}}, // the other way round
        {6, 7, {"/ex/prop", "/p/veu/esquerra"}},     // one column left: near
        {6, 2, {"/ex/prop", "/p/veu/baixa"}},        // one row down: near
        {6, 6, {"/ex/m3"}},                          // found
    };
    for (const auto& c : casos) {
        banc b("51");
        b.item().especials = std::string(1, static_cast<char>(c.amagada));
        b.item().media_3 = "/ex/m3";
        b.f.fitxers.posar("/ex/m3", "");
        b.f.fitxers.posar("/ex/prop", ""); // an entry that is a full path stands as it is
        b.s.llista_exercici[0] = "/ex/prop";
        int i = 1;
        for (const char* v : {"baixa", "puja", "dreta", "esquerra"}) {
            b.f.fitxers.posar(std::string("/p/veu/") + v, "");
            b.s.llista_exercici[i++] = v;
        }
        for (int k = 1; k <= 12; ++k) {
            b.s.caselles_estat(k, 3) = k == c.amagada ? 2 : 0;
        }
        b.form1.posar_text("Check2", c.k, "1");
        EXPECT_EQ(b.sons(), c.sons) << c.amagada << " " << c.k;
        const bool trobada = c.amagada == c.k;
        EXPECT_EQ(b.fons(c.k), trobada ? std::optional(color_verd) : std::nullopt);
    }
}

TEST(despatxador, hints_of_type_51_are_heard_one_after_the_other_until_a_later_press) {
    for (const bool altra_premuda : {false, true}) {
        banc b("51");
        b.item().especials = std::string(1, static_cast<char>(12));
        b.item().media_3 = "/ex/m3";
        b.f.fitxers.posar("/ex/m3", "");
        for (int k = 1; k <= 12; ++k) {
            b.s.caselles_estat(k, 3) = k == 12 ? 2 : 0;
        }
        b.s.llista_exercici[1] = "/ex/baixa";
        b.s.llista_exercici[3] = "/ex/dreta";
        b.f.fitxers.posar("/ex/baixa", "");
        b.f.fitxers.posar("/ex/dreta", "");
        b.f.media.respostes_estat = {{0, "playing"}, {0, "playing"}, {0, "stopped"}};
        int bombats = 0;
        b.f.eines.en_bombar = [&] {
            if (++bombats == 1 && altra_premuda) {
                b.form1.posar_text("Check2", 12, "1"); // found: the hints stop
            }
        };
        b.form1.posar_text("Check2", 1, "1");
        const std::vector<std::string> esperat =
            altra_premuda ? std::vector<std::string>{"/ex/baixa", "/ex/m3"}
                          : std::vector<std::string>{"/ex/baixa", "/ex/dreta"};
        EXPECT_EQ(b.sons(), esperat) << altra_premuda;
        if (!altra_premuda) {
            // The column hint starts only once the row hint has stopped.
            EXPECT_EQ(bombats, 2);
            EXPECT_TRUE(b.f.media.ordres.back().starts_with("play /ex/dreta"));
        }
    }
}

} // namespace
} // namespace quorvel
