#include "board/mapa.h"

#include "app/sessio.h"
#include "core/finestra.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using cel = std::pair<int, int>;
const std::string cami = "/p/kk.map";

std::string linies(const std::vector<std::string>& registres) {
    std::string text;
    for (const auto& r : registres) {
        text += "\"" + r + "\"\r\n";
    }
    return text;
}

class mapa_prova : public ::testing::Test {
  protected:
    fakes::serveis_falsos f;
    serveis sv = f.tots();
    sessio s;
    finestra form{"Form1"};

    // The session start-up leaves for pads with these button counts.
    void pads(const std::vector<int>& botons, int num_butons = 0) {
        s = sessio{};
        s.carpeta_programa = "/p";
        s.n_joysticks = static_cast<std::int16_t>(botons.size());
        s.joysticks.redimensionar(0, s.n_joysticks);
        for (int j = 1; j <= s.n_joysticks; ++j) {
            const auto b = static_cast<std::int16_t>(botons[static_cast<std::size_t>(j - 1)]);
            s.joysticks[j].botons_dispositiu = b;
            s.joysticks[j].botons_usats =
                num_butons >= 1 && num_butons <= b ? static_cast<std::int16_t>(num_butons) : b;
            s.n_botons = static_cast<std::int16_t>(s.n_botons + s.joysticks[j].botons_usats);
            s.n_botons_total = static_cast<std::int16_t>(s.n_botons_total + b);
        }
        mapa_entrades_crear(s);
    }
    void carregar(const std::string& text) {
        f.fitxers.posar(cami, text);
        mapa_carregar(s, f.fitxers, cami);
    }
    std::vector<cel> cells() const {
        std::vector<cel> c;
        for (const auto& b : s.mapa_botons.valors()) {
            c.emplace_back(b.joy, b.entrada);
        }
        return c;
    }
    std::vector<int> fila(int j) const {
        std::vector<int> v;
        for (int i = 0; i <= s.mapa_entrades.superior2(); ++i) {
            v.push_back(s.mapa_entrades(j, i));
        }
        return v;
    }
};

TEST_F(mapa_prova, writes_quoted_plain_number_records_with_crlf) {
    pads({10, 6});
    s.n_botons = 3;
    s.mapa_botons.redimensionar(0, 3);
    s.mapa_botons[1] = {2, 5};
    s.mapa_botons[3] = {-2, -2};
    ASSERT_TRUE(mapa_desar(s, sv, cami));
    EXPECT_EQ(f.fitxers.contingut(cami),
              "\"mapa01\"\r\n\" 1= 2, 5\"\r\n\" 2= 0, 0\"\r\n\" 3=-2,-2\"\r\n");
}

TEST_F(mapa_prova, save_then_load_gives_the_same_tables) {
    pads({10, 6});
    mapa_carregar(s, f.fitxers, "/p/none.map");
    for (int k = 1; k <= 16; ++k) { // buttons in reverse order, cell 16 on a direction
        const int joy = k <= 10 ? 1 : 2;
        const int entrada = k <= 10 ? 15 - k : k == 16 ? 3 : k - 6;
        s.mapa_botons[k] = {static_cast<std::int16_t>(joy), static_cast<std::int16_t>(entrada)};
        s.mapa_entrades(joy, entrada) = static_cast<std::int16_t>(k);
    }
    ASSERT_TRUE(mapa_desar(s, sv, cami));
    const auto abans = std::make_tuple(cells(), fila(1), fila(2));
    pads({10, 6});
    mapa_carregar(s, f.fitxers, cami);
    EXPECT_EQ(std::make_tuple(cells(), fila(1), fila(2)), abans);
    EXPECT_TRUE(s.cursors);
    EXPECT_EQ(s.joysticks[2].amb_cursors, -1);
    EXPECT_EQ(s.joysticks[1].amb_cursors, 0);
}

TEST_F(mapa_prova, reads_one_record_per_used_button_after_an_unchecked_mark) {
    pads({2, 3}); // 5 records read, the file has 3
    carregar(linies({"not a map", " 1= 1, 6", " 2= 1, 5", " 3= 2, 5"}));
    EXPECT_EQ(cells(), (std::vector<cel>{{0, 0}, {1, 6}, {1, 5}, {2, 5}, {0, 0}, {0, 0}}));
    EXPECT_EQ(s.mapa_entrades(1, 6), 1);
    EXPECT_EQ(s.mapa_entrades(2, 6), -2);

    pads({1}); // lines beyond the records read are ignored
    carregar(linies({"mapa01", " 1= 1, 5", " 1= 1, 1"}));
    EXPECT_EQ(s.mapa_entrades(1, 1), -2);
}

TEST_F(mapa_prova, direction_inputs_turn_cursors_on) {
    const std::vector<std::tuple<std::string, bool, std::vector<int>>> casos = {
        {" 1= 2, 1", true, {0, 0, -1}},
        {" 1= 1, 4", true, {0, -1, 0}},
        {" 1= 1, 5", false, {0, 0, 0}},
        {" 1= 1, 0", false, {0, 0, 0}},
        {" 1= 9, 2", false, {0, 0, 0}}};
    for (const auto& [registre, cursors, amb] : casos) {
        SCOPED_TRACE(registre);
        pads({2, 2}, 1);
        carregar(linies({"mapa01", registre}));
        EXPECT_EQ(s.cursors, cursors);
        EXPECT_EQ((std::vector<int>{s.joysticks[0].amb_cursors, s.joysticks[1].amb_cursors,
                                    s.joysticks[2].amb_cursors}),
                  amb);
    }
}

TEST_F(mapa_prova, cell_minus_two_only_unassigns_the_input) {
    pads({3});
    carregar(linies({"mapa01", " 1= 1, 5", "-2= 1, 5", " 3= 1, 6"}));
    EXPECT_EQ(s.mapa_entrades(1, 5), -2);
    EXPECT_EQ(cells(), (std::vector<cel>{{0, 0}, {1, 5}, {0, 0}, {1, 6}}));
}

TEST_F(mapa_prova, missing_or_short_file_leaves_inputs_unassigned) {
    for (const char* text :
         {static_cast<const char*>(nullptr), "", "\"mapa01\"\r\n", "\"mapa01\r\n 1= 1, 5\r\n"}) {
        SCOPED_TRACE(text ? text : "missing");
        f.fitxers.fitxers.clear();
        pads({2, 1});
        s.mapa_entrades(2, 0) = 7; // not an input the load resets
        if (text) {
            f.fitxers.posar(cami, text);
        }
        mapa_carregar(s, f.fitxers, cami);
        EXPECT_EQ(fila(1), (std::vector<int>{0, -2, -2, -2, -2, -2, -2, 0}));
        EXPECT_EQ(fila(2), (std::vector<int>{7, -2, -2, -2, -2, -2, 0, 0}));
        EXPECT_EQ(cells(), std::vector<cel>(4, {0, 0}));
    }
}

TEST_F(mapa_prova, records_that_do_not_fit_change_nothing_and_reading_goes_on) {
    const std::vector<std::string> dolents = {" 1= 1, 99999999",
                                              "99999999= 1, 5",
                                              " 1= 1e30, 5",
                                              " 1= 1, 40",
                                              " 1= 3, 5",
                                              " 1= 1,-5",
                                              "garbage\t",
                                              ",,==,,",
                                              "\x81\xff\"=",
                                              std::string(100000, '7') + "= 1, 5",
                                              std::string(5000, '\0')};
    for (const auto& dolent : dolents) {
        SCOPED_TRACE(dolent.substr(0, 20));
        pads({6, 6});
        carregar(linies({"mapa01", dolent, " 2= 1, 6", " 3= 2, 5"}));
        EXPECT_EQ(s.mapa_botons[1].joy, 0);
        EXPECT_EQ(s.mapa_entrades(1, 5), -2);
        EXPECT_EQ(cells()[2], cel(1, 6));
        EXPECT_EQ(s.mapa_entrades(2, 5), 3);
    }
}

TEST_F(mapa_prova, switched_off_cells_survive_save_and_load) {
    pads({3});
    s.mapa_botons.redimensionar(0, 3);
    s.mapa_botons[1] = {1, 5};
    s.mapa_botons[2] = {-2, -2};
    s.mapa_botons[3] = {-1, 7};
    ASSERT_TRUE(mapa_desar(s, sv, cami));
    pads({3});
    mapa_carregar(s, f.fitxers, cami);
    EXPECT_EQ(cells(), (std::vector<cel>{{0, 0}, {1, 5}, {-2, -2}, {-1, 7}}));
    EXPECT_EQ(fila(1)[5], 1);
}

TEST_F(mapa_prova, failed_save_tells_the_operator_and_keeps_the_old_file) {
    pads({2});
    s.mapa_botons.redimensionar(0, 2);
    f.fitxers.posar(cami, "old map");
    f.fitxers.errors_escriptura[cami] = "Permission denied";
    EXPECT_FALSE(mapa_desar(s, sv, cami));
    EXPECT_EQ(f.fitxers.contingut(cami), "old map");
    ASSERT_EQ(f.eines.missatges.size(), 1u);
    EXPECT_EQ(f.eines.missatges[0].text,
              "No s'ha pogut desar el mapa " + cami + ": Permission denied");
    EXPECT_EQ(f.eines.missatges[0].botons, botons_missatge::ok);
}

TEST_F(mapa_prova, new_map_and_create_map) {
    pads({3, 2});
    s.mapa_entrades(1, 1) = 4;
    s.mapa_entrades(1, 5) = 1;
    s.joysticks[2].botons_usats = 1;
    nou_mapa(s);
    EXPECT_EQ(s.n_botons, 4);
    EXPECT_EQ(s.n_botons_total, 4);
    EXPECT_EQ(cells(), std::vector<cel>(5, {0, 0}));
    EXPECT_EQ(s.mapa_entrades(1, 5), -2);
    EXPECT_EQ(s.mapa_entrades(1, 1), 4); // directions are not touched

    s.n_botons_total = 5;
    mapa_crear(s);
    EXPECT_EQ(s.n_botons, 5);
    s.cursors = true;
    mapa_crear(s);
    EXPECT_EQ(s.n_botons, 9);
    EXPECT_EQ(cells(), std::vector<cel>(10, {0, 0}));
}

TEST_F(mapa_prova, the_settings_map_is_saved_where_the_program_writes_and_read_from_there_first) {
    struct cas {
        const char* usuari;
        bool copia_propia;
        const char* desar;
        const char* inici;
    };
    const cas casos[] = {
        {"", false, "/p\\sala.map", "/p\\sala.map"},
        {"/u", true, "/u\\sala.map", "/u\\sala.map"},
        {"/u", false, "/u\\sala.map", "/p\\sala.map"},
    };
    for (const cas& c : casos) {
        pads({2});
        s.carpeta_usuari = c.usuari;
        s.mapa_fitxer = "sala.map";
        f.fitxers.fitxers.clear();
        if (c.copia_propia) {
            f.fitxers.posar("/u/sala.map", "");
        }
        EXPECT_EQ(mapa_cami_desar(s), c.desar) << c.usuari << c.copia_propia;
        EXPECT_EQ(mapa_cami_inici(s, f.fitxers), c.inici) << c.usuari << c.copia_propia;
    }
}

TEST_F(mapa_prova, menus_go_through_the_dialogs) {
    pads({2});
    s.mapa_fitxer = "kk.map";
    s.mapa_botons.redimensionar(0, 2);
    s.mapa_botons[1] = {1, 5};
    mapa_menu_desar(s, sv, form); // cancelled
    EXPECT_TRUE(f.fitxers.fitxers.empty());
    f.dialegs.respostes = {"/q/a.map", "", "/q/a.map"};
    mapa_menu_desar(s, sv, form);
    EXPECT_TRUE(f.fitxers.contingut("/q/a.map"));

    s.mapa_botons[1] = {};
    mapa_menu_recuperar(s, sv, form); // cancelled
    EXPECT_EQ(s.mapa_botons[1].joy, 0);
    mapa_menu_recuperar(s, sv, form);
    EXPECT_EQ(s.mapa_entrades(1, 5), 1);
    EXPECT_EQ(s.mapa_fitxer, "kk.map");

    const std::string filtre("Mapa MAP\0*.map\0Tots els fitxers\0*.*", 35);
    const auto& d = f.dialegs.peticions;
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(std::tie(d[1].tipus, d[1].nom_proposat, d[1].titol, d[1].filtre),
              std::make_tuple("desar", "kk.map", "Desar mapa", filtre));
    EXPECT_EQ(std::tie(d[3].tipus, d[3].titol, d[3].filtre),
              std::make_tuple("obrir", "Obrir mapa", filtre));
}

} // namespace
} // namespace quorvel
