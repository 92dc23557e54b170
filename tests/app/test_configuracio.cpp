#include "app/configuracio.h"
#include "app/sessio.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace quorvel {
namespace {

constexpr const char* cami_ini = "/prog\\quorvel.ini";

struct entorn {
    sessio s;
    fakes::fitxers_falsos fitxers;
    fakes::perfil_fals perfil;

    entorn() {
        s.carpeta_programa = "/prog";
        s.mapa_fitxer = "abans.map";
        s.n_columnes = 7;
        s.idioma = "abans.trad";
        s.num_butons = 2;
        s.cursors = true;
        s.invers = true;
        s.acceptacio = 5;
        s.repeticio = 6;
    }

    void posar(const char* seccio, const char* clau, const char* valor) {
        fitxers.posar("/prog/quorvel.ini", "");
        perfil.valors[{cami_ini, seccio, clau}] = valor;
    }

    void llegir() { configuracio_llegir(s, fitxers, perfil); }
};

TEST(configuracio, without_a_file_nothing_changes) {
    entorn e;
    e.perfil.valors[{cami_ini, "inici", "clolumnes"}] = "5";
    e.llegir();
    EXPECT_EQ(e.s.n_columnes, 7);
    EXPECT_EQ(e.s.mapa_fitxer, "abans.map");
    EXPECT_TRUE(e.s.cursors);
}

TEST(configuracio, integers_round_half_to_even_and_keep_the_value_when_unreadable) {
    // No expected value: the variable keeps what it had.
    const struct {
        const char* valor;
        std::optional<std::int16_t> esperat;
    } casos[] = {
        {"4.5", 4},    {"5.5", 6},       {"abc", 0},           {"12 columnes", 12},
        {" -3", -3},   {"32767", 32767}, {"-32768.4", -32768}, {"", {}},
        {"99999", {}}, {"1e9", {}},      {"1e999", {}},
    };
    for (const auto& c : casos) {
        entorn e;
        e.posar("inici", "clolumnes", c.valor);
        e.posar("joystick", "num_butons", c.valor);
        e.posar("joystick", "acceptacio", c.valor);
        e.posar("joystick", "repeticio", c.valor);
        e.llegir();
        EXPECT_EQ(e.s.n_columnes, c.esperat.value_or(7)) << c.valor;
        EXPECT_EQ(e.s.num_butons, c.esperat.value_or(2)) << c.valor;
        EXPECT_EQ(e.s.acceptacio, c.esperat.value_or(5)) << c.valor;
        EXPECT_EQ(e.s.repeticio, c.esperat.value_or(6)) << c.valor;
    }
}

TEST(configuracio, flags_are_true_for_a_non_zero_number) {
    const struct {
        const char* valor;
        bool esperat;
    } casos[] = {
        {"0", false}, {"yes", false}, {"-1", true}, {"1", true}, {"2", true}, {"0.0", false},
    };
    for (const auto& c : casos) {
        entorn e;
        bool* marques[] = {
            &e.s.cursors,           &e.s.invers,          &e.s.teclat, &e.s.escenari_senyal,
            &e.s.escenari_consigna, &e.s.escenari_numeros};
        for (bool* m : marques) {
            *m = !c.esperat;
        }
        e.posar("joystick", "cursors", c.valor);
        e.posar("joystick", "invers", c.valor);
        e.posar("joystick", "teclat", c.valor);
        e.posar("escenari", "senyal", c.valor);
        e.posar("escenari", "consigna", c.valor);
        e.posar("escenari", "numeros", c.valor);
        e.llegir();
        for (std::size_t i = 0; i < std::size(marques); ++i) {
            EXPECT_EQ(*marques[i], c.esperat) << c.valor << ", flag " << i;
        }
    }
}

TEST(configuracio, texts_are_taken_as_given_and_empty_ones_ignored) {
    entorn e;
    e.posar("inici", "mapa", " aula 2.map ");
    e.posar("inici", "idioma", "");
    e.llegir();
    EXPECT_EQ(e.s.mapa_fitxer, " aula 2.map ");
    EXPECT_EQ(e.s.idioma, "abans.trad");
}

TEST(configuracio, keys_count_only_in_their_own_section_and_spelling) {
    entorn e;
    e.posar("joystick", "num_butons", "4");
    e.posar("inici", "columnes", "5");
    e.posar("joystick", "mapa", "x.map");
    e.posar("inici", "cursors", "0");
    e.llegir();
    EXPECT_EQ(e.s.num_butons, 4);
    EXPECT_EQ(e.s.n_columnes, 7);
    EXPECT_EQ(e.s.mapa_fitxer, "abans.map");
    EXPECT_EQ(e.s.idioma, "abans.trad");
    EXPECT_TRUE(e.s.cursors);
}

TEST(configuracio, the_written_file_comes_first_and_the_bundled_one_fills_its_gaps) {
    entorn e;
    e.s.carpeta_usuari = "/u";
    e.posar("inici", "mapa", "kk.map");
    e.posar("inici", "idioma", "catala.trad");
    e.posar("inici", "clolumnes", "4");
    e.fitxers.posar("/u/quorvel.ini", "");
    e.perfil.valors[{"/u\\quorvel.ini", "inici", "idioma"}] = "castellano.trad";
    e.perfil.valors[{"/u\\quorvel.ini", "inici", "clolumnes"}] = "";
    e.perfil.valors[{"/u\\quorvel.ini", "joystick", "cursors"}] = "0";
    e.llegir();
    EXPECT_EQ(e.s.idioma, "castellano.trad");
    EXPECT_EQ(e.s.mapa_fitxer, "kk.map");
    EXPECT_EQ(e.s.n_columnes, 4);
    EXPECT_FALSE(e.s.cursors);

    // Without the user's file the bundled one is read alone.
    e.fitxers.fitxers.erase("/u/quorvel.ini");
    e.llegir();
    EXPECT_EQ(e.s.idioma, "catala.trad");
}

TEST(configuracio, saving_the_language_writes_idioma_in_inici) {
    entorn e;
    e.s.idioma = "espanyol.trad";
    configuracio_desar_idioma(e.s, e.perfil);
    EXPECT_EQ(e.perfil.escriptures, 1);
    EXPECT_EQ((e.perfil.valors[{cami_ini, "inici", "idioma"}]), "espanyol.trad");

    e.s.carpeta_usuari = "/u";
    configuracio_desar_idioma(e.s, e.perfil);
    EXPECT_EQ((e.perfil.valors[{"/u\\quorvel.ini", "inici", "idioma"}]), "espanyol.trad");
}

TEST(configuracio, results_log_on_unless_turned_off_and_names_by_pad) {
    const struct {
        const char* registre;
        bool actiu;
    } casos[] = {{nullptr, true}, {"0", false}, {"no", false}, {"1", true}, {"", true}};
    for (const auto& c : casos) {
        entorn e;
        e.posar("jugadors", "1", "Anna");
        e.posar("jugadors", "3", "Pau");
        if (c.registre != nullptr) {
            e.posar("resultats", "registre", c.registre);
        }
        const opcions_resultats o = configuracio_resultats(e.s, e.fitxers, e.perfil);
        EXPECT_EQ(o.actiu, c.actiu) << (c.registre ? c.registre : "(none)");
        EXPECT_EQ(o.noms, (std::map<int, std::string>{{1, "Anna"}, {3, "Pau"}}));
    }
}

} // namespace
} // namespace quorvel
