#include "app/finestra_principal.h"
#include "app/sessio.h"
#include "board/simulacio.h"
#include "core/finestra.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Simulates `respostes` on a console that already shows a 2 x 4 board.
struct banc {
    fakes::serveis_falsos f;
    serveis sv = f.tots();
    sessio s;
    finestra form1{"Form1"};

    explicit banc(std::deque<std::string> respostes) {
        finestra_principal_construir(form1);
        f.eines.respostes_demanar = {"2", "4"};
        simular(s, sv, form1);
        f.eines.respostes_demanar = std::move(respostes);
        simular(s, sv, form1);
    }
};

TEST(simulacio, cada_boto_de_cada_jugador_te_la_seva_casella_en_ordre) {
    banc b({"2", " 3 "});
    EXPECT_EQ(b.s.n_botons, 6);
    for (int c = 1; c <= 6; ++c) {
        const int j = (c - 1) / 3 + 1;
        const int entrada = 5 + (c - 1) % 3;
        EXPECT_EQ(b.s.mapa_botons[c].joy * 10 + b.s.mapa_botons[c].entrada, j * 10 + entrada);
        EXPECT_EQ(b.s.mapa_entrades(j, entrada), c);
    }
    EXPECT_EQ(b.s.mapa_entrades(2, 1), 0);
    EXPECT_FALSE(b.form1.existeix("Check2", 7)); // the larger board's boxes are gone
}

TEST(simulacio, respostes_inservibles_no_canvien_res) {
    const std::tuple<std::deque<std::string>, int, std::size_t> casos[] = {
        {{""}, 8, 0},         {{"2", ""}, 8, 0},      {{"dos", "3"}, 8, 1}, {{"2", "3 b"}, 8, 1},
        {{"0", "3"}, 8, 1},   {{"2", "-1"}, 8, 1},    {{"70000"}, 8, 1},    {{"1e999"}, 8, 1},
        {{"16", "16"}, 8, 1}, {{"15", "17"}, 255, 0}, {{"2.5", "1"}, 2, 0},
    };
    for (const auto& [respostes, caselles, avisos] : casos) {
        banc b(respostes);
        EXPECT_EQ(b.s.n_botons, caselles) << respostes.front();
        EXPECT_EQ(b.form1.existeix("Check2", 8), caselles >= 8) << respostes.front();
        EXPECT_EQ(b.f.eines.missatges.size(), avisos) << respostes.front();
    }
}

} // namespace
} // namespace quorvel
