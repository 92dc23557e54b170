#include "app/aplicacio.h"
#include "app/configuracio.h"
#include "core/text.h"
#include "stage/midi.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorvel {
namespace {

constexpr const char* carpeta = "/prog";

// A language file for Form1: three captions and one numbered text.
std::string fitxer_idioma(const std::string& engegar, const std::string& columnes) {
    return "\"Quorvel\",\"idioma\"\r\n1\r\n\"Form1\",2\r\n\"\",\"Command1\",\"\",\"" + engegar +
           "\",\"c\"\r\n\"\",\"Label1\",\"\",\"" + columnes +
           "\",\"c\"\r\n\"\",\"mn_idioma\",\"0\",\"primer\",\"c\"\r\n"
           "\"textos\"\r\n1\r\n\"x\"\r\n1,\"Molt be\"\r\n";
}

struct entorn {
    fakes::serveis_falsos f;
    std::unique_ptr<aplicacio> app;
    // Where settings and maps are written; empty: the program folder.
    std::string usuari;

    void ajust(const std::string& seccio, const std::string& clau, const std::string& valor) {
        f.fitxers.posar(std::string(carpeta) + "/quorvel.ini", "");
        f.perfil.valors[{std::string(carpeta) + "\\quorvel.ini", minuscules(seccio),
                         minuscules(clau)}] = valor;
    }

    void pad(int botons) {
        fakes::dispositiu_fals d;
        d.botons = botons;
        f.joystick.dispositius.push_back(d);
    }

    aplicacio& arrencar() {
        app = std::make_unique<aplicacio>(f.tots(), carpeta, usuari);
        app->arrencar();
        return *app;
    }

    [[nodiscard]] const element& e(const char* nom, std::optional<int> index = {}) const {
        return app->form1().obtenir(nom, index);
    }
};

TEST(aplicacio, start_up_reads_the_settings_before_the_language_and_the_joysticks) {
    entorn t;
    t.ajust("inici", "idioma", "es.trad");
    t.ajust("inici", "mapa", "kk.map");
    t.ajust("Joystick", "num_butons", "4");
    t.f.fitxers.posar("/prog/es.trad", fitxer_idioma("Iniciar", "Columnas"));
    // Four records for the four buttons in use of joystick 1.
    t.f.fitxers.posar("/prog/kk.map", "\"mapa01\"\r\n\" 1= 1, 5\"\r\n\" 2= 1, 6\"\r\n"
                                      "\" 3= 1, 7\"\r\n\" 4= 1, 8\"\r\n");
    t.pad(10);
    aplicacio& app = t.arrencar();
    const sessio& s = app.estat();

    EXPECT_EQ(app.form1().caption(), "Quorvel");
    EXPECT_TRUE(app.form1().visible());
    // The language named in the settings is applied over the design captions.
    EXPECT_EQ(t.e("Command1").caption, "Iniciar");
    EXPECT_EQ(t.e("Label1").caption, "Columnas");
    EXPECT_EQ(t.e("Command2").caption, "aturar");
    // The enumeration used the settings' button count...
    EXPECT_EQ(s.n_joysticks, 1);
    EXPECT_EQ(s.n_botons, 4);
    EXPECT_EQ(s.n_botons_total, 10);
    // ...and the map tables were sized after it, before the map was loaded.
    EXPECT_EQ(s.mapa_entrades.superior1(), 1);
    EXPECT_EQ(s.mapa_entrades.superior2(), 14);
    EXPECT_EQ(s.mapa_entrades(1, 6), 2);
    EXPECT_EQ(s.mapa_botons[4].entrada, 8);
    EXPECT_EQ(s.tipus.text, "0");
    EXPECT_FALSE(t.e("t_joystick").habilitat);
}

// An installed program: its folder is the package's, the user's folder holds
// what it writes.
TEST(aplicacio, installed_it_copies_the_bundled_settings_and_map_once_and_writes_only_its_own) {
    const std::string ini_programa = "[inici]\r\nmapa=kk.map\r\n";
    const std::string mapa_programa = "\"mapa01\"\r\n\" 1= 1, 5\"\r\n\" 2= 1, 6\"\r\n";
    const std::string mapa_propi = "\"mapa01\"\r\n\" 1= 1, 8\"\r\n\" 2= 1, 7\"\r\n";
    struct cas {
        const char* nom;
        std::optional<std::string> ini_propi, mapa_propi;
        std::string ini_esperat, mapa_esperat;
        std::int16_t entrada_casella_1;
    };
    const cas casos[] = {
        {"first start", {}, {}, ini_programa, mapa_programa, 5},
        {"own copies kept", "[inici]\r\n", mapa_propi, "[inici]\r\n", mapa_propi, 8},
        {"own map lost", "[inici]\r\n", {}, "[inici]\r\n", mapa_programa, 5},
    };
    for (const cas& c : casos) {
        entorn t;
        t.usuari = "/u/quorvel";
        t.ajust("inici", "mapa", "kk.map");
        t.ajust("Joystick", "num_butons", "2");
        t.f.fitxers.posar("/prog/quorvel.ini", ini_programa);
        t.f.fitxers.posar("/prog/kk.map", mapa_programa);
        t.f.fitxers.posar("/prog/catala.trad", fitxer_idioma("engegar", "Columnes"));
        if (c.ini_propi) {
            t.f.fitxers.posar("/u/quorvel/quorvel.ini", *c.ini_propi);
        }
        if (c.mapa_propi) {
            t.f.fitxers.posar("/u/quorvel/kk.map", *c.mapa_propi);
        }
        t.pad(4);
        aplicacio& app = t.arrencar();

        EXPECT_EQ(t.f.fitxers.contingut("/u/quorvel/quorvel.ini"), c.ini_esperat) << c.nom;
        EXPECT_EQ(t.f.fitxers.contingut("/u/quorvel/kk.map"), c.mapa_esperat) << c.nom;
        EXPECT_EQ(app.estat().mapa_fitxer, "kk.map") << c.nom;
        EXPECT_EQ(app.estat().mapa_botons[1].entrada, c.entrada_casella_1) << c.nom;

        app.form1().clic("mn_idioma", 0);
        EXPECT_EQ((t.f.perfil.valors[{"/u/quorvel\\quorvel.ini", "inici", "idioma"}]),
                  "catala.trad")
            << c.nom;
        EXPECT_FALSE(t.f.perfil.valors.contains({"/prog\\quorvel.ini", "inici", "idioma"}))
            << c.nom;
        app.form1().clic("mn_mapa_desar");
        app.form1().clic("mn_mapa_recuperar");
        ASSERT_EQ(t.f.dialegs.peticions.size(), 2u) << c.nom;
        EXPECT_EQ(t.f.dialegs.peticions[0].carpeta, "/u/quorvel") << c.nom;
        EXPECT_EQ(t.f.dialegs.peticions[1].carpeta, "/u/quorvel") << c.nom;

        EXPECT_EQ(t.f.fitxers.contingut("/prog/quorvel.ini"), ini_programa) << c.nom;
        EXPECT_EQ(t.f.fitxers.contingut("/prog/kk.map"), mapa_programa) << c.nom;
    }
}

TEST(aplicacio, each_pad_contributes_the_buttons_in_use) {
    struct cas {
        const char* num_butons;
        std::vector<int> pads;
        int botons, total;
    };
    const cas casos[] = {{"4", {10}, 4, 10},
                         {"0", {10}, 10, 10},
                         {"12", {10}, 10, 10},
                         {"", {6, 10}, 16, 16},
                         {"", {}, 0, 0}};
    for (const cas& c : casos) {
        entorn t;
        t.ajust("Joystick", "num_butons", c.num_butons);
        for (const int botons : c.pads) {
            t.pad(botons);
        }
        const sessio& s = t.arrencar().estat();
        EXPECT_EQ(s.n_botons, c.botons) << c.num_butons << " " << c.pads.size();
        EXPECT_EQ(s.n_botons_total, c.total) << c.num_butons << " " << c.pads.size();
    }
}

TEST(aplicacio, language_menu_lists_the_language_files_and_saves_the_choice) {
    entorn t;
    t.f.fitxers.posar("/prog/galego.trad", fitxer_idioma("Comezar", "Columnas"));
    t.f.fitxers.posar("/prog/angles.trad", fitxer_idioma("Start", "Columns"));
    // A file that carries the format's signature names its language.
    std::string castella = fitxer_idioma("Iniciar", "Columnas");
    castella.replace(0, castella.find("\r\n"),
                     "\"Castellano\",\"Quorvel language file, version 1\"");
    t.f.fitxers.posar("/prog/castella.trad", castella);
    t.f.fitxers.posar("/prog/notes.txt", "");
    t.f.fitxers.posar("/prog/altres/ocult.trad", "");
    aplicacio& app = t.arrencar();

    const std::vector<std::string> esperats = {"angles.trad", "Castellano", "galego.trad"};
    ASSERT_EQ(app.form1().index_maxim("mn_idioma"), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.e("mn_idioma", i).caption, esperats[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(t.e("mn_idioma", i).visible);
    }
    EXPECT_FALSE(t.e("mn_idioma", 3).visible);

    app.form1().clic("mn_idioma", 1);
    EXPECT_EQ(app.estat().idioma, "castella.trad");
    EXPECT_EQ(t.e("Command1").caption, "Iniciar");
    // The language file renames item 0 by its index.
    EXPECT_EQ(t.e("mn_idioma", 0).caption, "primer");
    const auto clau_idioma = std::make_tuple(std::string(carpeta) + "\\quorvel.ini",
                                             std::string("inici"), std::string("idioma"));
    EXPECT_EQ(t.f.perfil.valors[clau_idioma], "castella.trad");

    // A language file that cannot be read keeps the captions in force.
    t.f.fitxers.fitxers.erase("/prog/galego.trad");
    app.form1().clic("mn_idioma", 2);
    EXPECT_EQ(t.e("Command1").caption, "Iniciar");
    EXPECT_EQ(app.estat().idioma, "galego.trad");
}

TEST(aplicacio, column_box_accepts_only_positive_counts) {
    struct cas {
        const char* text;
        int columnes;
        bool dibuixat;
    };
    const cas casos[] = {
        {"0", 4, false},   {"-2", 4, false}, {"abc", 4, false}, {"", 4, false}, {"99999", 4, false},
        {"0.3", 4, false}, {"2.5", 2, true}, {"3.5", 4, true},  {"7", 7, true},
    };
    for (const cas& c : casos) {
        entorn t;
        t.ajust("inici", "clolumnes", "4");
        t.pad(10);
        aplicacio& app = t.arrencar();
        ASSERT_EQ(app.estat().n_columnes, 4);
        // Take the preview down so that a redraw shows.
        app.form1().descarregar_tots("Check2");
        app.form1().editar("n_col", {}, c.text);
        EXPECT_EQ(app.estat().n_columnes, c.columnes) << c.text;
        EXPECT_EQ(app.form1().existeix("Check2", 10), c.dibuixat) << c.text;
    }
}

TEST(aplicacio, preview_is_drawn_at_start_up_only_when_the_column_text_changes) {
    struct cas {
        const char* columnes;
        int esperades;
        bool dibuixat;
    };
    const cas casos[] = {{nullptr, 3, false}, {"3", 3, false}, {"4", 4, true}, {"-5", 3, false}};
    for (const cas& c : casos) {
        entorn t;
        if (c.columnes != nullptr) {
            t.ajust("inici", "clolumnes", c.columnes);
        }
        t.pad(10);
        aplicacio& app = t.arrencar();
        const std::string nom = c.columnes ? c.columnes : "none";
        EXPECT_EQ(app.estat().n_columnes, c.esperades) << nom;
        EXPECT_EQ(t.e("n_col").text, std::to_string(c.esperades)) << nom;
        EXPECT_EQ(app.form1().existeix("Check2", 1), c.dibuixat) << nom;
    }
    entorn t;
    t.pad(10);
    aplicacio& app = t.arrencar();
    app.form1().clic("mn_dibuixar");
    EXPECT_TRUE(app.form1().existeix("Check2", 10));
}

TEST(aplicacio, option_boxes_mirror_the_session_flags) {
    entorn t;
    t.ajust("Joystick", "cursors", "-1");
    aplicacio& app = t.arrencar();
    EXPECT_EQ(t.e("explorar_cursors").valor, 1);
    EXPECT_EQ(t.e("joy_invers").valor, 0);

    finestra& f = app.form1();
    for (const auto& [valor, esperat] : {std::pair{1, true}, {2, true}, {0, false}}) {
        f.posar_valor("joy_invers", {}, valor);
        f.clic("joy_invers");
        EXPECT_EQ(app.estat().invers, esperat) << valor;
        f.posar_valor("explorar_cursors", {}, valor);
        f.clic("explorar_cursors");
        EXPECT_EQ(app.estat().cursors, esperat) << valor;
    }
}

TEST(aplicacio, sortir_ends_without_closing_midi_and_closing_the_window_closes_it) {
    entorn t;
    aplicacio& app = t.arrencar();
    // Without language files the design-time item stays alone.
    EXPECT_EQ(app.form1().index_maxim("mn_idioma"), 0);
    EXPECT_EQ(t.e("mn_idioma", 0).caption, "idioma");
    ASSERT_TRUE(midi_obrir(app.estat(), app.sv(), -1));
    app.form1().clic("Command3");
    EXPECT_TRUE(t.f.eines.ha_sortit);
    EXPECT_EQ(t.f.midi.registre, std::vector<std::string>{"open -1"});

    app.tancar();
    EXPECT_EQ(t.f.midi.registre.back(), "close");
    EXPECT_EQ(app.estat().handle_midi, 0u);
}

TEST(aplicacio, help_opens_the_guide_of_the_language_in_force) {
    entorn t;
    t.f.fitxers.posar("/prog/es.trad", "\"Castellano\",\"Quorvel language file, version 1\"\r\n"
                                       "1\r\nForm1\r\n0\r\n0,Command1,,\"empezar\",c\r\n\"t\"\r\n"
                                       "69\r\n\"n\"\r\n68,\"Ayuda\"\r\n69,\"es\"\r\n");
    t.f.fitxers.posar("/prog/ajuda/ca.md", "# Guia");
    aplicacio& app = t.arrencar();
    std::vector<std::string> obertes;
    app.en_ajuda = [&](const std::string& guia, const std::string& titol,
                       const std::string& quant) {
        obertes.push_back(guia + "|" + titol + "|" + quant.substr(0, 15));
    };
    app.form1().clic("mn_ajuda");
    // A language without its own guide gets the Catalan one.
    app.form1().clic("mn_idioma", 0);
    app.form1().clic("mn_ajuda");
    t.f.fitxers.posar("/prog/ajuda/es.md", "# Guia");
    app.form1().clic("mn_ajuda");
    EXPECT_EQ(obertes,
              (std::vector<std::string>{"/prog\\ajuda\\ca.md|Ajuda de Quorvel|Quorvel v1Alfa\r",
                                        "/prog\\ajuda\\ca.md|Ayuda|Quorvel v1Alfa\r",
                                        "/prog\\ajuda\\es.md|Ayuda|Quorvel v1Alfa\r"}));
    EXPECT_TRUE(t.f.eines.missatges.empty());
}

TEST(aplicacio, about_box_shows_the_version_and_three_credit_lines) {
    entorn t;
    aplicacio& app = t.arrencar();
    app.en_ajuda = [](const std::string&, const std::string&, const std::string&) {};
    // Without a guide in the program folder, the about box.
    app.form1().clic("mn_ajuda");
    ASSERT_EQ(t.f.eines.missatges.size(), 1u);
    const auto& m = t.f.eines.missatges[0];
    EXPECT_EQ(m.botons, botons_missatge::ok);
    EXPECT_TRUE(m.text.starts_with("Quorvel v1Alfa\r")) << m.text;
    EXPECT_EQ(std::count(m.text.begin(), m.text.end(), '\r'), 3);
    EXPECT_NE(m.text.find("2026"), std::string::npos);
}

} // namespace
} // namespace quorvel

namespace quorvel {
namespace {

TEST(aplicacio, scanning_is_read_per_player_and_the_menu_sets_and_saves_it) {
    entorn t;
    t.ajust("Escombrat", "2", "step 800 2000 2 so");
    t.pad(4);
    t.pad(4);
    aplicacio& app = t.arrencar();
    EXPECT_EQ(app.estat().escombrat_jugadors.config(2),
              (config_escombrat{mode_escombrat::pas, 800, 2000, 2, true}));
    EXPECT_EQ(app.estat().escombrat_jugadors.config(1).mode, mode_escombrat::cap);

    using resposta = std::optional<std::pair<int, opcions_escombrat>>;
    const struct {
        resposta r;
        std::optional<opcions_escombrat> mostrat; // what the form showed
        std::optional<std::string> desat;         // the answered player's saved line
    } casos[] = {
        {std::pair{1, opcions_escombrat{1, 1200, 3000, 3, false}},
         opcions_escombrat{0, 1500, 3000, 3, false}, "auto 1200 3000 3"},
        {std::nullopt, std::nullopt, std::nullopt}, // cancelled
        {std::pair{3, opcions_escombrat{1, 900, 3000, 3, false}}, opcions_escombrat{},
         std::nullopt}, // no such player
        {std::pair{2, opcions_escombrat{2, 70, 3000, 200, true}},
         opcions_escombrat{2, 800, 2000, 2, true}, "step 100 3000 99 so"},
    };
    for (const auto& c : casos) {
        const std::string jugador = c.r ? std::to_string(c.r->first) : "1";
        const std::tuple clau{std::string(carpeta) + "\\quorvel.ini", std::string("escombrat"),
                              jugador};
        t.f.perfil.valors.erase(clau);
        t.f.eines.respostes_escombrat = {c.r};
        app.form1().clic("mn_escombrat");
        EXPECT_EQ(t.f.eines.escombrat_mostrat, c.mostrat) << jugador;
        const auto it = t.f.perfil.valors.find(clau);
        EXPECT_EQ(it == t.f.perfil.valors.end() ? std::nullopt : std::optional(it->second), c.desat)
            << jugador;
    }
    EXPECT_EQ(app.estat().escombrat_jugadors.config(1).mode, mode_escombrat::automatic);
}

} // namespace
} // namespace quorvel
