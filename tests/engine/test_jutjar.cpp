#include "app/sessio.h"
#include "core/finestra.h"
#include "engine/jutjar.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

// A board of 12 cells in rows of 4 owned by two players, a stage with one
// token per player, and feedback that records what was called.
struct banc {
    sessio s;
    fakes::fitxers_falsos fitxers;
    finestra esc{"escenari"};
    std::string crides;
    retroaccio r{[this] { crides += "be "; }, [this] { crides += "mal "; },
                 [this] { crides += "final "; }, [this] { return &esc; }};

    banc() {
        s.carpeta_programa = "/p";
        s.n_botons = 12;
        s.n_columnes = 4;
        s.elements.redimensionar(0, 0);
        s.joysticks.redimensionar(0, 2);
        s.mapa_botons.redimensionar(0, 12);
        for (int k = 1; k <= 12; ++k) {
            s.mapa_botons[k].joy = static_cast<std::int16_t>(k <= 6 ? 1 : 2);
        }
        esc.afegir("imatge", tipus_element::imatge, 0);
        esc.carregar("imatge", 1);
        esc.carregar("imatge", 2);
    }
    void item(const char* correctes, const char* sequencia, const char* especials = "") {
        s.elements[0].correctes = correctes;
        s.elements[0].sequencia = sequencia;
        s.elements[0].especials = especials;
    }
    // The rule each of the types 6 to 9 judges by.
    std::vector<int> premer(int tipus, std::vector<int> cel_les) {
        const regla_judici regles[] = {regla_judici::seguent, regla_judici::actual,
                                       regla_judici::moviments, regla_judici::parella};
        std::vector<int> resultats;
        for (const int c : cel_les) {
            resultats.push_back(resposta_jutjar(s, fitxers, r, c, regles[tipus - 6]));
        }
        return resultats;
    }
};

TEST(resposta_jutjar, answers_by_type) {
    const struct {
        int tipus;
        const char *correctes, *sequencia, *especials;
        std::vector<int> cel_les, resultats;
        const char* resposta;
    } casos[] = {
        {6, "B", "BCD", "", {1, 2, 3}, {-1, -1, -1}, "BCD"},
        {6, "B", "BCD", "", {1, 3}, {-1, 0}, "B"},
        {6, "B", "BCD", "", {2, 1}, {0, -1}, "B"}, // a wrong first press keeps it first
        {6, "B", "BCD", "", {1, 1}, {-1, 3}, "B"},
        {7, "B", "CD", "", {1, 2, 3}, {-1, -1, -1}, "BCD"},
        {7, "B", "*D", "", {1, 9, 3}, {-1, -1, -1}, "BJD"},
        {6, "B", "*", "F", {1, 9, 4, 5}, {-1, -1, -1, 2}, "BJE"},
        {6, "*", "*", "", {1}, {0}, ""}, // "*" is no wildcard for the first press
    };
    for (const auto& c : casos) {
        banc b;
        b.item(c.correctes, c.sequencia, c.especials);
        EXPECT_EQ(b.premer(c.tipus, c.cel_les), c.resultats) << c.sequencia;
        EXPECT_EQ(b.s.resposta, c.resposta) << c.sequencia;
    }
    banc b; // inverse reading: the same cell again is ignored
    b.item("B", "BCD", "");
    b.s.invers_actiu = true;
    EXPECT_EQ(b.premer(6, {1, 1, 3}), (std::vector<int>{-1, 3, 0}));
    EXPECT_EQ(b.crides, "be mal ");
}

TEST(resposta_jutjar, type_8_checks_the_step_with_the_formulas) {
    banc b;
    b.item("B", "", "G");
    b.s.elements[0].text_1 = "xf = xi + 1";
    b.s.elements[0].text_2 = "yf = yi + 1";
    // From cell 1 (column 1, row 1) only the diagonal step to cell 6 holds.
    EXPECT_EQ(b.premer(8, {1, 2, 6}), (std::vector<int>{-1, 0, 2}));
    b.s.elements[0].text_1 = "xf = (xi"; // malformed: the judgement fails, nothing changes
    EXPECT_THROW(b.premer(8, {2}), error_pas);
    EXPECT_EQ(b.s.resposta, "B");
}

TEST(resposta_jutjar, type_9_pairs_change_the_player_picture) {
    banc b;
    b.item("B", "");
    b.s.caselles_estat.redimensionar(0, 12, 0, 3);
    b.s.caselles_estat(9, 1) = 2;
    b.s.caselles_estat(9, 2) = 1;
    b.s.joysticks[1].botons_usats = 1;
    b.s.graella.redimensionar(0, 1);
    b.s.graella[1].fitxers.redimensionar(0, 3);
    b.s.graella[1].fitxers[0].cami = "tapa.gif";
    b.s.graella[1].fitxers[2].cami = "/ex/parella.gif";
    b.fitxers.posar("/p/imatge/tapa.gif", "");
    b.fitxers.posar("/ex/parella.gif", "");
    b.s.resposta = "B";
    EXPECT_EQ(b.premer(9, {9}), (std::vector<int>{4}));
    EXPECT_EQ(b.s.joysticks[2].resposta_jugador, "1");
    EXPECT_EQ(b.esc.obtenir("imatge", 2).imatge, "/ex/parella.gif");
    b.s.resposta = "C";
    EXPECT_EQ(b.premer(9, {9}), (std::vector<int>{0}));
    EXPECT_EQ(b.esc.obtenir("imatge", 2).imatge, "/p/imatge/tapa.gif");
}

TEST(cursa_jutjar, later_presses_by_race_type) {
    const struct {
        int tipus;
        const char *sequencia, *especials;
        std::vector<int> cel_les, resultats;
        const char *trajecte, *crides;
    } casos[] = {
        {32, "I*", "", {7, 8, 12, 9}, {-1, -1, -1, 0}, "HIM", "be be be mal "},
        {32, "X", "K", {7, 10}, {-1, 2}, "HK", "be final "},
        {31, "*", "J", {7, 9}, {-1, 2}, "HJ", "be final "},
        {30, "", "", {7, 7, 8}, {-1, 3, 0}, "HH", "be mal "}, // the same cell again is ignored
        {33, "*", "", {7, 8}, {-1, 0}, "H", "be mal "},
        {49, "*", "", {7, 8}, {-1, 0}, "H", "be mal "},
    };
    for (const auto& c : casos) {
        banc b;
        b.item("H", c.sequencia, c.especials);
        b.s.tipus = tipus_de_text(std::to_string(c.tipus));
        std::vector<int> resultats;
        for (const int k : c.cel_les) {
            resultats.push_back(cursa_jutjar(b.s, {19200, 14400, 15.0, 15.0}, b.r, k));
        }
        EXPECT_EQ(resultats, c.resultats) << c.tipus << " " << c.sequencia;
        EXPECT_EQ(b.s.joysticks[2].resposta_jugador, c.trajecte) << c.tipus << " " << c.sequencia;
        EXPECT_EQ(b.crides, c.crides) << c.tipus << " " << c.sequencia;
    }
}

} // namespace
} // namespace quorvel
