// The console as the operator meets it in a classroom, on the program's own
// wiring with fakes: the status line, the questions before destructive
// commands, starting with nothing open, and the command line's requests.
#include "app/linia_ordres.h"
#include "app/peces_programa.h"
#include "app/programa.h"
#include "core/linia_estat.h"
#include "core/noms_elements.h"
#include "core/text.h"
#include "i18n/idioma.h"
#include "tests/content/fitxers_prova.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quorvel {
namespace {

struct consola {
    fakes::serveis_falsos f;
    fakes::escenari_fals escenaris;
    std::optional<programa> p;

    explicit consola(const std::vector<std::string>& pads = {}) {
        for (const std::string& nom : pads) {
            fakes::dispositiu_fals d;
            d.botons = 8;
            d.nom = nom;
            f.joystick.dispositius.push_back(d);
        }
        p.emplace(f.tots(), "/prog", escenaris);
    }
    [[nodiscard]] std::string estat() { return linia_estat(p->app().form1()); }
    [[nodiscard]] sessio& s() { return p->app().estat(); }
    finestra& form1() { return p->app().form1(); }
};

TEST(consola, the_status_line_tells_which_pads_were_found) {
    const struct {
        std::vector<std::string> pads;
        std::string esperat;
    } casos[] = {
        {{},
         "Cap comandament trobat: connecteu-ne un i torneu a engegar, o proveu Tauler > Simular"},
        {{"Gamepad A"}, "Comandaments trobats (1): Gamepad A"},
        {{"Gamepad A", "Pad B"}, "Comandaments trobats (2): Gamepad A, Pad B"},
    };
    for (const auto& c : casos) {
        consola t(c.pads);
        EXPECT_EQ(t.estat(), c.esperat);
        EXPECT_EQ(t.p->app().form1().caption(), "Quorvel");
    }
}

TEST(consola, the_language_file_words_the_status_line) {
    fakes::serveis_falsos f;
    f.fitxers.posar("/prog/quorvel.ini", "");
    f.perfil.valors[{"/prog\\quorvel.ini", "inici", "idioma"}] = "es.trad";
    f.fitxers.posar("/prog/es.trad", "\"Castellano\",\"idioma\"\r\n1\r\n\"Form1\",0\r\n"
                                     "\"\",\"Command1\",\"\",\"Iniciar\",\"c\"\r\n"
                                     "\"textos\"\r\n13\r\n\"x\"\r\n2,\"Sin mandos\"\r\n");
    fakes::escenari_fals escenaris;
    programa p(f.tots(), "/prog", escenaris);
    EXPECT_EQ(linia_estat(p.app().form1()), "Sin mandos");
    // A text the file does not give stays in Catalan. Starting with nothing
    // open says so and opens no stage.
    p.app().form1().clic("Command1");
    EXPECT_EQ(linia_estat(p.app().form1()),
              "No hi ha cap exercici obert: obriu-ne un a Fitxers > Exercicis");
    EXPECT_EQ(escenaris.oberts, 0);
    EXPECT_FALSE(p.app().form1().obtenir("t_joystick").habilitat);
}

TEST(consola, an_opened_exercise_is_named_with_its_reading_warnings) {
    const struct {
        std::string text;
        std::string linia;
        std::string detall;
    } casos[] = {
        {"Exercici\tx\r\nAutor\ty\r\nTipus\t0\r\n", "Exercici obert: animals.brd", ""},
        // The type needs a body the file does not have.
        {"Exercici\ta\r\nAutor\tb\r\nTipus\t6\r\n",
         "Exercici obert: animals.brd. Avisos de lectura: 1, el primer a la l\xEDnia 3",
         "l\xEDnia 3: el fitxer s'acaba aqu\xED"},
        // Every picture the exercise names is missing.
        {prova::dades("exercicis/animals.brd"),
         "Exercici obert: animals.brd. Avisos de lectura: 5, el primer a la l\xEDnia 10",
         "l\xEDnia 10: el camp media_1 de l'element 1: el fitxer multim\xE8"
         "dia"},
    };
    for (const auto& c : casos) {
        consola t;
        t.f.fitxers.posar("/ex/animals.brd", c.text);
        t.f.dialegs.respostes.push_back("/ex\\animals.brd");
        t.form1().clic("mn_fixters");
        EXPECT_EQ(t.form1().caption(), "Quorvel - animals.brd");
        EXPECT_EQ(t.estat(), c.linia);
        // The notes themselves, one a line, go under it.
        const std::string detall = detall_linia_estat(t.form1());
        EXPECT_TRUE(detall.starts_with(c.detall)) << testing::PrintToString(detall);
        EXPECT_LE(std::count(detall.begin(), detall.end(), '\n'), 20);
        EXPECT_EQ(t.escenaris.oberts, 1);
    }
}

// The notes under the line are in the program's language too, the field
// they concern included.
TEST(consola, reading_warnings_are_in_the_program_language) {
    const struct {
        const char* fitxer;
        std::string detall;
    } casos[] = {
        {"castellano.trad", "l\xEDnea 3: el archivo termina aqu\xED; el n\xFAmero de elementos y "
                            "todo lo que sigue se leen vac\xEDos"},
        {"english.trad", "line 3: the file ends here; the item count and everything after it "
                         "read as empty"},
    };
    for (const auto& c : casos) {
        consola t;
        t.f.fitxers.posar("/prog/idioma.trad", prova::dades_programa(c.fitxer));
        idioma_carregar_fitxer(t.s(), t.f.fitxers, "/prog/idioma.trad");
        t.f.fitxers.posar("/ex/a.brd", "Exercici\ta\r\nAutor\tb\r\nTipus\t6\r\n");
        t.f.dialegs.respostes.push_back("/ex\\a.brd");
        t.form1().clic("mn_fixters");
        EXPECT_EQ(detall_linia_estat(t.form1()), c.detall) << c.fitxer;
    }
}

// A picture, an empty file or random bytes chosen by mistake are refused in
// the operator's language, and the exercise opened before does not start
// again; a file whose type is unknown still opens.
TEST(consola, a_file_that_is_not_an_exercise_is_refused) {
    consola t;
    t.f.fitxers.posar("/ex/animals.brd", prova::dades("exercicis/animals.brd"));
    t.f.fitxers.posar("/ex/foto.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    t.f.fitxers.posar("/ex/buit.brd", "");
    t.f.fitxers.posar("/ex/nou.brd", "Titol\tNou\r\nAutor\tQ\r\nTipus\t66\r\n");
    executar_ordres(*t.p, {simulacio_demanada{2, 8}, "/ex\\animals.brd"});
    t.form1().clic("Command2");
    const int oberts = t.escenaris.oberts;
    const std::size_t caixes = t.f.eines.missatges.size();
    for (const char* nom : {"foto.png", "buit.brd"}) {
        t.f.dialegs.respostes.push_back(std::string("/ex\\") + nom);
        t.form1().clic("mn_fixters");
        const std::string text = std::string(nom) + " no \xE9s un fitxer d'exercici: no s'ha obert";
        EXPECT_EQ(t.estat(), text);
        ASSERT_EQ(t.f.eines.missatges.size(), caixes + 1) << nom;
        EXPECT_EQ(t.f.eines.missatges.back().text, text);
        t.f.eines.missatges.pop_back();
        EXPECT_EQ(t.escenaris.oberts, oberts) << nom;
        EXPECT_EQ(t.form1().caption(), "Quorvel - animals.brd");
        EXPECT_EQ(t.s().tipus.text, "6");
    }
    t.f.dialegs.respostes.push_back("/ex\\nou.brd");
    t.form1().clic("mn_fixters");
    EXPECT_EQ(t.form1().caption(), "Quorvel - nou.brd");
    EXPECT_EQ(t.s().tipus.text, "66");
}

TEST(consola, an_exercise_asking_for_cells_the_board_lacks_says_which_line) {
    consola t;
    t.f.fitxers.posar("/ex/troba.brd", "Exercici\tTroba\nAutor\tQ\nTipus\t6\nPreguntes\t1\n"
                                       "Consigna\tC\nPregunta 1\tP\nCorrectes\tB\nSequencia\t\n"
                                       "Especials\tM\nBe\t\nMalament\t\nFinal\t\nQuart\t\n"
                                       "Escenari\t\n");
    executar_ordres(*t.p, {simulacio_demanada{1, 4}, "/ex\\troba.brd"});
    EXPECT_TRUE(t.estat().ends_with("el primer a la l\xEDnia 9")) << t.estat();
}

TEST(consola, a_failed_playback_is_told_once_per_file_and_cause) {
    consola t;
    ASSERT_TRUE(t.f.media.fallada);
    ASSERT_TRUE(t.f.midi.fallada);
    t.f.media.fallada({"/ex\\veu\\no_ok.wav      ", "no audio output"});
    EXPECT_EQ(t.estat(), "No es pot reproduir no_ok.wav: no audio output");
    posar_linia_estat(t.form1(), "altre");
    t.f.media.fallada({"/ex\\veu\\no_ok.wav", "no audio output"});
    EXPECT_EQ(t.estat(), "altre");
    // Another cause, another file or the MIDI output are news.
    t.f.media.fallada({"/ex\\veu\\no_ok.wav", "the file cannot be played"});
    EXPECT_EQ(t.estat(), "No es pot reproduir no_ok.wav: the file cannot be played");
    t.f.midi.fallada({"MIDI", "no synth"});
    EXPECT_EQ(t.estat(), "No es pot reproduir MIDI: no synth");
    // Once the console is gone, a late failure has nowhere to go.
    t.p.reset();
    EXPECT_FALSE(t.f.media.fallada);
    EXPECT_FALSE(t.f.midi.fallada);
}

TEST(consola, erasing_cells_and_creating_a_map_ask_first) {
    struct cas {
        const char* menu;
        std::optional<int> index;
        const char* pregunta;
    };
    for (const cas& c : {cas{"mn_boto", 1, "Voleu esborrar 2 caselles?"},
                         cas{"mn_crear_mapa", {}, "Voleu crear un mapa nou? Es perdran les 16"}}) {
        for (const bool si : {false, true}) {
            consola t;
            executar_ordres(*t.p, {simulacio_demanada{2, 8}, {}});
            t.s().mapa_botons[3] = {1, 9};
            t.form1().clic("Check2", 2);
            t.form1().clic("Check2", 3);
            t.f.dialegs.respostes_pregunta.push_back(si);
            t.form1().clic(c.menu, c.index);
            ASSERT_EQ(t.f.dialegs.preguntes.size(), 1u) << c.menu;
            EXPECT_TRUE(t.f.dialegs.preguntes[0].starts_with(c.pregunta))
                << t.f.dialegs.preguntes[0];
            if (!si) {
                // Nothing lost: the map records and the boxes as they were.
                EXPECT_EQ(t.s().n_botons, 16) << c.menu;
                EXPECT_EQ(t.s().mapa_botons[3].joy, 1) << c.menu;
                EXPECT_EQ(t.s().mapa_botons[3].entrada, 9) << c.menu;
                EXPECT_TRUE(t.form1().existeix("Check2", 16)) << c.menu;
                EXPECT_EQ(t.s().caselles.seleccionades(), (std::set<int>{2, 3})) << c.menu;
            } else if (c.index) {
                EXPECT_EQ(t.s().n_botons, 14);
                EXPECT_FALSE(t.form1().existeix("Check2", 16));
            } else {
                EXPECT_EQ(t.s().mapa_botons[3].joy, 0);
            }
        }
    }
}

TEST(consola, the_cell_commands_act_on_the_clicked_cells_and_ask_nothing) {
    consola t;
    executar_ordres(*t.p, {simulacio_demanada{1, 4}, {}});
    // What a set-up leaves in the cells is no selection.
    t.form1().posar_text("Check2", 1, "1");
    t.form1().posar_text("Check2", 4, "10");
    t.form1().clic("Check2", 2);
    t.form1().clic("Check2", 3);
    t.form1().clic("mn_boto", 0);
    const auto apagades = [&] {
        std::vector<int> ks;
        for (int k = 1; k <= 4; ++k) {
            if (t.s().mapa_botons[k].joy == -2) {
                ks.push_back(k);
            }
        }
        return ks;
    };
    EXPECT_EQ(apagades(), (std::vector<int>{2, 3}));
    t.form1().clic("mn_boto", 2); // the selection was used up
    EXPECT_EQ(apagades(), (std::vector<int>{2, 3}));
    t.form1().clic("Check2", 3);
    t.form1().clic("mn_boto", 2);
    EXPECT_EQ(apagades(), (std::vector<int>{2}));
    // Esc or a click beside the board clears the selection.
    t.form1().clic("Check2", 1);
    t.form1().fons();
    t.form1().clic("mn_boto", 0);
    EXPECT_EQ(apagades(), (std::vector<int>{2}));
    EXPECT_TRUE(t.f.dialegs.preguntes.empty());
}

TEST(linia_ordres, a_simulation_is_pads_by_buttons_within_the_board) {
    const struct {
        const char* text;
        std::optional<simulacio_demanada> esperat;
    } casos[] = {
        {"2x8", simulacio_demanada{2, 8}},
        {"1X255", simulacio_demanada{1, 255}},
        {"15x17", simulacio_demanada{15, 17}},
        {"16x16", std::nullopt},
        {"0x8", std::nullopt},
        {"2x0", std::nullopt},
        {"2x", std::nullopt},
        {"x8", std::nullopt},
        {"2*8", std::nullopt},
        {"-2x-8", std::nullopt},
        {"2x8x1", std::nullopt},
        {" 2x8", std::nullopt},
        {"99999999999x1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(llegir_simulacio(c.text), c.esperat) << c.text;
    }
}

// A run's own parts as the wiring sees them.
struct peces_falses : peces_programa {
    fakes::resultats_falsos log;
    bool sempre = false;
    std::function<bool()> llegint_pads;
    int finestres = 0;
    servei_resultats* resultats() override { return &log; }
    [[nodiscard]] bool resultats_sempre() const override { return sempre; }
    void filtrar_teclat(std::function<bool()> f) override { llegint_pads = std::move(f); }
    void mostrar_resultats(const sessio& /*s*/) override { ++finestres; }
};

// The one wiring joins a run's parts: the judged presses reach its log as the
// settings say (or always, for a run that asks), its key filter hears when
// the pads are read, and "Fitxers > Resultats" shows its window.
TEST(consola, the_wiring_joins_the_log_the_key_filter_and_the_results_window) {
    for (const bool sempre : {false, true}) {
        consola t;
        t.f.fitxers.posar("/prog/quorvel.ini", "");
        t.f.perfil.valors[{"/prog\\quorvel.ini", "resultats", "registre"}] = "0";
        t.f.perfil.valors[{"/prog\\quorvel.ini", "jugadors", "1"}] = "Anna";
        peces_falses peces;
        peces.sempre = sempre;
        t.p->connectar(peces);
        ASSERT_TRUE(peces.llegint_pads);
        EXPECT_FALSE(peces.llegint_pads());
        t.f.fitxers.posar("/ex/animals.brd", prova::dades("exercicis/animals.brd"));
        executar_ordres(*t.p, {simulacio_demanada{1, 4}, "/ex/animals.brd"});
        EXPECT_TRUE(peces.llegint_pads());
        t.p->exercicis().premudes().premer({2, true, std::nullopt, font_premuda::ratoli_consola});
        const std::string log = peces.log.logs[peces.log.avui];
        EXPECT_EQ(log.find(",Anna,") != std::string::npos, sempre) << log;
        t.form1().clic(elements::aturar);
        t.form1().clic(elements::mn_resultats);
        EXPECT_EQ(peces.finestres, 1);
    }
}

TEST(linia_ordres, a_file_opens_and_starts_on_the_simulated_board) {
    consola t;
    // Without a file, the board is ready for the mouse and the line says so
    // instead of asking for a simulation.
    executar_ordres(*t.p, {simulacio_demanada{1, 4}, {}});
    EXPECT_EQ(t.estat(), "Tauler simulat: 1 comandaments de 4 botons; feu clic a les caselles");
    t.f.fitxers.posar("/ex/animals.brd", prova::dades("exercicis/animals.brd"));
    executar_ordres(*t.p, {simulacio_demanada{2, 8}, "/ex\\animals.brd"});
    EXPECT_EQ(t.s().n_joysticks, 2);
    EXPECT_EQ(t.s().n_botons, 16);
    EXPECT_TRUE(t.form1().existeix("Check2", 16));
    EXPECT_EQ(t.form1().caption(), "Quorvel - animals.brd");
    EXPECT_TRUE(t.estat().starts_with("Exercici obert: animals.brd")) << t.estat();
    EXPECT_EQ(t.escenaris.oberts, 1);
    EXPECT_TRUE(t.form1().obtenir("t_joystick").habilitat);
    // No dialog was asked for: the file came from the command line.
    EXPECT_TRUE(t.f.dialegs.peticions.empty());
}

} // namespace
} // namespace quorvel
