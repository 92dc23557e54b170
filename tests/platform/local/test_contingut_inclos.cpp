// Every file shipped in the program folder, the exercise library included, is
// read the way the program reads it, and anything the readers had to skip or
// guess fails the test.
#include "app/aplicacio.h"
#include "app/configuracio.h"
#include "app/finestra_principal.h"
#include "app/sessio.h"
#include "board/mapa.h"
#include "content/escenari_fitxer.h"
#include "content/exercici_fitxer.h"
#include "core/finestra.h"
#include "core/text.h"
#include "engine/exercici_inicialitzar.h"
#include "i18n/idioma.h"
#include "i18n/missatges.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {
namespace {

const std::string dades = std::string(QUORVEL_SOURCE_DIR) + "/data";

std::vector<std::string> fitxers_amb(const std::string& extensio) {
    std::vector<std::string> noms;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dades)) {
        if (e.path().extension() == extensio) {
            noms.push_back(e.path().string());
        }
    }
    return noms;
}

std::string descriure(const std::vector<avis_lectura>& avisos) {
    std::string text;
    for (const auto& a : avisos) {
        text += "line " + std::to_string(a.linia) + ": " + a_utf8(a.missatge) + "\n";
    }
    return text;
}

// The board the bundled exercises are written for: 16 cells in rows of 4.
sessio sessio_programa(int jugadors) {
    sessio s;
    s.carpeta_programa = dades;
    s.n_joysticks = static_cast<std::int16_t>(jugadors);
    s.n_botons = 16;
    s.n_columnes = 4;
    exercici_inicialitzar(s, {});
    return s;
}

TEST(contingut_inclos, scenarios_read_clean_for_one_to_four_players) {
    fitxers_disc fitxers;
    const auto escenaris = fitxers_amb(".esc");
    ASSERT_GT(escenaris.size(), 1u);
    for (const auto& cami : escenaris) {
        for (int jugadors = 1; jugadors <= 4; ++jugadors) {
            sessio s = sessio_programa(jugadors);
            // An exercise's own scenario finds its media beside the exercise.
            s.carpeta_exercici = std::filesystem::path(cami).parent_path().string() + "/";
            std::vector<avis_lectura> avisos;
            graella_carregar(s, fitxers, cami, &avisos);
            EXPECT_TRUE(avisos.empty()) << cami << ", " << jugadors << " players\n"
                                        << descriure(avisos);
            EXPECT_GE(s.esc_n, 1) << cami;
        }
    }
}

TEST(contingut_inclos, bundled_exercises_read_clean) {
    fitxers_disc fitxers;
    const auto exercicis = fitxers_amb(".brd");
    ASSERT_FALSE(exercicis.empty());
    for (const auto& cami : exercicis) {
        sessio s = sessio_programa(1);
        std::vector<avis_lectura> avisos;
        EXPECT_TRUE(es_fitxer_exercici(fitxers, cami)) << cami;
        exercici_carregar(s, fitxers, cami, &avisos);
        EXPECT_TRUE(avisos.empty()) << cami << "\n" << descriure(avisos);
        EXPECT_NE(s.tipus.text, "0") << cami;
        // The hidden-cell hints are played from the program's voice folder.
        if (s.tipus.text == "51") {
            for (int k = 0; k <= 4; ++k) {
                EXPECT_TRUE(fitxers.existeix_fitxer(dades + "/veu/" + s.llista_exercici[k]))
                    << cami << ": " << s.llista_exercici[k];
            }
        }
    }
}

TEST(contingut_inclos, language_files_name_only_controls_of_the_console) {
    fitxers_disc fitxers;
    const auto idiomes = fitxers_amb(".trad");
    ASSERT_GE(idiomes.size(), 2u);
    for (const auto& cami : idiomes) {
        sessio s;
        idioma_carregar_fitxer(s, fitxers, cami);
        ASSERT_TRUE(s.traduccio.dins(1)) << cami;
        const seccio_idioma& seccio = s.traduccio[1];
        EXPECT_EQ(seccio.finestra, "Form1") << cami;
        ASSERT_GE(seccio.n_entrades, 0) << cami;
        finestra form1("Form1");
        finestra_principal_construir(form1);
        for (int i = 0; i <= seccio.n_entrades; ++i) {
            const element_traduccio& e = seccio.entrades[i];
            const std::optional<int> index =
                e.index.empty() ? std::nullopt : std::optional<int>(std::stoi(e.index));
            EXPECT_TRUE(form1.existeix(e.control, index)) << cami << ": " << e.control;
            EXPECT_FALSE(e.text.empty()) << cami << ": " << e.control;
        }
        ASSERT_TRUE(s.textos_idioma.dins(1)) << cami;
        EXPECT_FALSE(s.textos_idioma[1].empty()) << cami;
        // The menu shows the language's own name, and its guide exists.
        EXPECT_FALSE(nom_idioma(fitxers, cami).ends_with(".trad")) << cami;
        s.carpeta_programa = dades;
        EXPECT_TRUE(guia_ajuda(s, fitxers)
                        .ends_with("\\ajuda\\" + text_missatge(s, missatge::codi_idioma) + ".md"))
            << cami << ": " << guia_ajuda(s, fitxers);
    }
}

TEST(contingut_inclos, settings_name_a_map_that_loads_for_one_pad) {
    fitxers_disc fitxers;
    perfil_ini perfil;
    sessio s;
    s.carpeta_programa = dades;
    configuracio_llegir(s, fitxers, perfil);
    EXPECT_EQ(s.mapa_fitxer, "kk.map");
    EXPECT_EQ(s.n_columnes, 4);
    EXPECT_TRUE(fitxers.existeix_fitxer(dades + "/" + s.idioma));

    // One 12-button pad, as start-up sets it up.
    s.n_joysticks = 1;
    s.joysticks.redimensionar(0, 1);
    s.joysticks[1].botons_dispositiu = 12;
    s.joysticks[1].botons_usats = 12;
    s.n_botons = 12;
    s.n_botons_total = 12;
    mapa_entrades_crear(s);
    mapa_carregar(s, fitxers, dades + "\\" + s.mapa_fitxer);
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(s.mapa_entrades(1, 4 + b), b);
        EXPECT_EQ(s.mapa_botons[b].joy, 1);
    }
}

} // namespace
} // namespace quorvel
