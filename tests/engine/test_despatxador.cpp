#include "engine/motor.h"
#include "tests/engine/banc_exercici.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// A running exercise on a board of 12 cells in rows of 4, one pad, the stage
// laid out one image per cell (with the score label) from the program
// folder's scenario, whose list holds off, on, two and three pictures.
struct banc : prova::banc_consola {
    motor m{s, sv, form1, vista};

    explicit banc(const std::string& tipus) : banc_consola(tipus, 4, 12) {
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
    b.s.tipus_exercici = "5";
    b.s.llista_exercici[2] = "64";
    b.f.midi.registre.clear();
    b.premer(2);
    EXPECT_EQ(b.f.midi.registre, std::vector<std::string>{"short 0x007F4090"});
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

TEST(despatxador, type_3_listens_five_seconds_and_lets_events_run) {
    banc b("3");
    b.f.eines.registrar(b.form1);
    b.form1.afegir("t_prova", tipus_element::temporitzador).interval = 1000;
    int nested = 0;
    b.form1.en_temporitzador("t_prova", [&](std::optional<int>) {
        if (nested++ == 0) {
            b.form1.posar_text("Check2", 4, "1"); // a press while the first listens
        }
    });
    b.form1.posar_habilitat("t_joystick", {}, false);
    const double inici = b.f.rellotge.ara;
    b.form1.posar_text("Check2", 2, "1");
    EXPECT_GE(b.f.rellotge.ara - inici, 6.0); // the nested wait ran inside the outer
    const auto& o = b.f.media.ordres;
    ASSERT_GE(o.size(), 5u);
    EXPECT_EQ(o[0].rfind("play /ex/so2.wav", 0), 0u);
    EXPECT_EQ(o[1].rfind("resume  /ex/so2.wav", 0), 0u);
    EXPECT_EQ(o[2].rfind("resume  /ex/so2.wav", 0), 0u); // nested: media already open
    EXPECT_EQ(o[3].rfind("pause /ex/so2.wav", 0), 0u);
}

TEST(despatxador, types_11_and_12_wait_for_the_media_then_give_the_next_target) {
    banc b("11");
    b.s.n_items = 4;
    b.item().correctes = "D"; // target cell 3
    b.s.media_actual = "/ex/so3.wav";
    b.f.media.respostes = {{0, "playing"}, {0, std::string("stopped\0xx", 10)}};
    b.form1.posar_text("Check2", 1, "1"); // wrong: the target is played again
    EXPECT_EQ(b.f.media.ordres.back().rfind("play /ex/so3.wav", 0), 0u);
    b.s.resposta.clear();
    b.s.media_actual = "/ex/so3.wav";
    b.f.media.respostes.assign(100000, {0, "playing"}); // never ends: bounded wait
    b.f.rellotge.aleatoris = {0.0};
    b.form1.posar_text("Check2", 3, "1");
    EXPECT_EQ(b.form1.obtenir("Check2", 3).color_fons, color_groc);
    EXPECT_EQ(b.item().correctes, "B"); // the new target, played
    EXPECT_EQ(b.f.media.ordres.back().rfind("play /ex/so1.wav", 0), 0u);
}

TEST(despatxador, path_types_show_the_next_move_as_arrows) {
    banc b("16");
    b.item().correctes = "B";
    b.item().sequencia = "GH";
    b.form1.posar_text("Check2", 1, "1"); // cell 1 to cell 6: one down, one right
    EXPECT_EQ(b.form1.obtenir("Check2", 1).color_fons, color_groc); // accepted
    EXPECT_EQ(b.esc().indexos("imatge"), (std::vector<int>{0, 1, 2}));
    const element& a = b.esc().obtenir("imatge", 1);
    const element& d = b.esc().obtenir("imatge", 2);
    EXPECT_EQ(a.imatge, "/p/imatge/down.gif");
    EXPECT_EQ(d.imatge, "/p/imatge/right.gif");
    EXPECT_EQ(std::tuple(a.left, a.top, a.width, a.height, a.visible),
              std::tuple(960L, 0L, 6480L, 6480L, true));
    EXPECT_EQ(std::tuple(d.left, d.width), std::tuple(960L + 7128L, 6480L));

    banc f("17"); // every candidate off the board: after ten tries the end
    f.item().correctes = "B";
    f.item().text_1 = "xf = xi + 8";
    f.item().text_2 = "yf = yi - yi";
    f.f.eines.respostes_missatge.push_back(resposta_missatge::cancel);
    f.form1.posar_text("Check2", 1, "1");
    EXPECT_EQ(f.f.eines.missatges.size(), 1u);
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
    banc b("51");
    b.item().especials = std::string(1, '\x0c'); // row 3, column 4
    int i = 0;
    for (const char* v : {"prop", "baixa", "puja", "dreta", "esquerra"}) {
        b.f.fitxers.posar(std::string("/p/veu/") + v, "");
        b.s.llista_exercici[i++] = v;
    }
    b.s.caselles_estat(12, 3) = 2;
    b.form1.posar_text("Check2", 1, "1"); // two rows up, three columns left
    const auto& o = b.f.media.ordres;     // each hint closes the one before
    EXPECT_EQ(o.size(), 3u);
    EXPECT_EQ(o[0].rfind("play /p/veu/baixa ", 0), 0u);
    EXPECT_EQ(o[2].rfind("play /p/veu/dreta ", 0), 0u);
}

} // namespace
} // namespace quorvel
