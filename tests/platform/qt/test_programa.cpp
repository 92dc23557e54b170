// The program's own wiring (the one its entry point uses), end to end on the bundled content: a pad
// press on a demo exercise reaches the judgement, and the real stage view opens and closes with the
// exercise.
#include "app/finestra_principal.h"
#include "app/programa.h"
#include "core/noms_elements.h"
#include "core/text.h"
#include "engine/motor.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/qt/vista_escenari.h"
#include "tests/fakes/carpeta_temporal.h"
#include "tests/fakes/fakes.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace quorvel {
namespace {

// The program folder is a copy of the bundled content, so settings written by
// the test never touch the sources.
class programa_test : public ::testing::Test {
  protected:
    void SetUp() override { f.joystick.dispositius.push_back({{32768, 32768, 0, 0}, 12}); }

    fakes::carpeta_temporal programa_{"programa", std::string(QUORVEL_SOURCE_DIR) + "/data"};
    const std::filesystem::path& carpeta = programa_.cami();
    fakes::serveis_falsos f;
    fitxers_disc disc;
    perfil_ini perfil;
};

TEST_F(programa_test, a_press_on_the_demo_exercise_is_judged_and_the_stage_follows) {
    escenari_qt escenaris;
    programa p(serveis{f.joystick, disc, perfil, f.media, f.midi, f.dialegs, f.eines, f.rellotge},
               carpeta.string(), escenaris);
    aplicacio& app = p.app();
    motor& exercicis = p.exercicis();

    // The bundled settings and map: four columns, pad buttons 1..12 on cells 1..12.
    ASSERT_EQ(app.estat().n_botons, 12);
    ASSERT_EQ(app.estat().mapa_entrades(1, 5), 1);

    f.dialegs.respostes.push_back((carpeta / "mostra_caselles.brd").string());
    f.rellotge.aleatoris = {0.0}; // the first question: press cell 1 ("B")
    app.form1().clic("mn_fixters");
    EXPECT_EQ(app.form1().caption(), "Quorvel - mostra_caselles.brd");
    EXPECT_EQ(app.estat().elements[0].correctes, "B");
    ASSERT_NE(exercicis.actual().escenari(), nullptr);
    vista_escenari* vista = escenaris.vista(*exercicis.actual().escenari());
    ASSERT_NE(vista, nullptr);
    EXPECT_TRUE(vista->isVisible());
    EXPECT_TRUE(app.form1().obtenir("t_joystick").habilitat);

    // A wrong press, the right first cell, then the special cell that ends
    // the question; the operator declines to play again.
    const auto premer = [&](std::uint32_t botons) {
        f.joystick.dispositius[0].posicio.botons = botons;
        exercicis.sondejar();
        f.joystick.dispositius[0].posicio.botons = 0;
        exercicis.sondejar();
    };
    exercicis.sondejar();
    f.media.ordres.clear();
    premer(1u << 1); // button 2: cell 2
    EXPECT_EQ(app.form1().color_fons(), color_vermell);
    // The wrong-answer sound is the file the exercise names, found on disk.
    const auto so_mal = std::find_if(f.media.ordres.begin(), f.media.ordres.end(),
                                     [](const std::string& o) { return o.starts_with("play "); });
    ASSERT_NE(so_mal, f.media.ordres.end());
    const std::string cami(retallar_espais(so_mal->substr(5)));
    EXPECT_TRUE(cami.ends_with("no_ok.wav")) << cami;
    EXPECT_TRUE(disc.existeix_fitxer(cami)) << cami;
    premer(1u << 0); // button 1: cell 1
    EXPECT_EQ(app.form1().color_fons(), color_verd);
    EXPECT_EQ(app.estat().resposta, "B");
    f.eines.respostes_missatge.push_back(resposta_missatge::cancel);
    const std::size_t missatges = f.eines.missatges.size();
    premer(1u << 11); // button 12: cell 12, the special one
    ASSERT_GT(f.eines.missatges.size(), missatges);
    EXPECT_EQ(f.eines.missatges.back().botons, botons_missatge::ok_cancel);
    EXPECT_EQ(exercicis.actual().escenari(), nullptr);
    EXPECT_FALSE(app.form1().obtenir("t_joystick").habilitat);
}

// Twelve cells are scanned by rows of four: the stage frames the whole first
// row when the scan starts, not its first cell alone (which a choice inside
// the row also frames).
TEST_F(programa_test, a_scanned_row_is_framed_whole_on_the_stage) {
    std::ofstream(carpeta / "quorvel.ini", std::ios::app) << "[Escombrat]\n1=step 1500 3000 3\n";
    escenari_qt escenaris;
    programa p(serveis{f.joystick, disc, perfil, f.media, f.midi, f.dialegs, f.eines, f.rellotge},
               carpeta.string(), escenaris);
    motor& exercicis = p.exercicis();
    f.dialegs.respostes.push_back((carpeta / "mostra_caselles.brd").string());
    p.app().form1().clic("mn_fixters");
    ASSERT_NE(exercicis.actual().escenari(), nullptr);
    vista_escenari* vista = escenaris.vista(*exercicis.actual().escenari());
    ASSERT_NE(vista, nullptr);
    exercicis.sondejar();
    ASSERT_EQ(vista->ressalts().count(1), 1u);
    EXPECT_EQ(vista->ressalts().at(1).casella, 1);
    EXPECT_EQ(vista->ressalts().at(1).fila, (std::vector<int>{2, 3, 4}));
}

} // namespace
} // namespace quorvel
