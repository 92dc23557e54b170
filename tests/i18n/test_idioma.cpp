#include "app/sessio.h"
#include "core/finestra.h"
#include "i18n/idioma.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorvel {
namespace {

// The part of the main window the language files name.
struct form1 {
    finestra f{"Form1"};
    std::vector<std::string> canvis_n_col;

    form1() {
        f.afegir("mn_opcions", tipus_element::menu).caption = "Fitxers";
        f.afegir("mn_eines", tipus_element::menu).caption = "Tauler";
        f.afegir("Label1", tipus_element::etiqueta).caption = "Columnes";
        f.afegir("n_col", tipus_element::quadre_text).text = "3";
        f.afegir("mn_idioma", tipus_element::menu, 0).caption = "idioma";
        f.carregar("mn_idioma", 1).caption = "catala.trad";
        f.carregar("mn_idioma", 2).caption = "espanyol.trad";
        f.en_canvi("n_col",
                   [this](std::optional<int>) { canvis_n_col.push_back(f.obtenir("n_col").text); });
    }
    std::string caption(const char* nom, std::optional<int> index = {}) const {
        return f.obtenir(nom, index).caption;
    }
};

struct entorn {
    sessio s;
    fakes::fitxers_falsos fitxers;

    entorn() { s.carpeta_programa = "/prog"; }

    void carregar(const std::string& text, const std::string& nom = "prova.trad") {
        fitxers.posar("/prog/" + nom, text);
        s.idioma = nom;
        idioma_carregar(s, fitxers);
    }
};

// Header, window section with C + 1 entries, numbered texts.
std::string fitxer(const std::string& finestra, const std::vector<std::string>& entrades,
                   const std::string& textos) {
    std::string t = "Idioma,castellano\r\n1\r\n" + finestra + "\r\n" +
                    std::to_string(static_cast<int>(entrades.size()) - 1) + "\r\n";
    for (const auto& e : entrades) {
        t += e + "\r\n";
    }
    return t + textos;
}

TEST(idioma, applies_captions_and_texts_to_the_window_it_names) {
    entorn e;
    e.carregar(fitxer("Form1",
                      {
                          "1,mn_opcions,,Archivos,c",
                          "2,mn_idioma,2,Espa\xF1ol,caption",
                          "3,n_col,,5,t",
                          "4,mn_eines,,,c",
                          "5,no_existeix,,X,c",
                          "6,mn_idioma,7,X,c",
                          "7,mn_idioma,,X,c",
                          "8,Label1,,X,z",
                          "9,Label1,,\"Columnas, n\xFAm\",c",
                      },
                      "textos\r\n1\r\nnum\r\n1,\"\xBFOtra vez?\"\r\n"));
    form1 w;
    idioma_aplicar(e.s, w.f);
    EXPECT_EQ(w.caption("mn_opcions"), "Archivos");
    EXPECT_EQ(w.caption("mn_idioma", 2), "Espa\xF1ol");
    EXPECT_EQ(w.caption("mn_idioma", 1), "catala.trad");
    EXPECT_EQ(w.caption("mn_idioma", 0), "idioma");
    EXPECT_EQ(w.f.obtenir("n_col").text, "5");
    EXPECT_EQ(w.canvis_n_col, std::vector<std::string>{"5"});
    EXPECT_EQ(w.caption("mn_eines"), "Tauler");
    EXPECT_EQ(w.caption("Label1"), "Columnas, n\xFAm");
    EXPECT_EQ(e.s.textos_idioma[1], "\xBFOtra vez?");
}

TEST(idioma, only_the_section_of_the_same_window_name_applies) {
    for (const char* nom : {"form1", "Form2", "\" Form1\""}) {
        entorn e;
        e.carregar(fitxer(nom, {"1,mn_opcions,,Archivos,c"}, ""));
        form1 w;
        idioma_aplicar(e.s, w.f);
        EXPECT_EQ(w.caption("mn_opcions"), "Fitxers") << nom;
    }
}

TEST(idioma, numbered_texts_keep_n_and_ignore_numbers_out_of_range) {
    entorn e;
    e.carregar(fitxer("Form1", {"1,mn_opcions,,A,c"},
                      "textos\r\n4\r\nnum\r\n5,cinc\r\n-1,menys\r\n2.4,dos\r\n99999,gran\r\n"));
    const std::vector<std::string> esperat{"4", "", "dos", "", ""};
    EXPECT_EQ(e.s.textos_idioma.valors(), esperat);
    EXPECT_EQ(e.s.textos_idioma.inferior(), 0);
}

TEST(idioma, loading_replaces_the_earlier_tables) {
    entorn e;
    e.carregar(fitxer("Form1", {"1,mn_opcions,,A,c", "2,mn_eines,,B,c"}, "t\r\n1\r\nn\r\n1,u\r\n"));
    ASSERT_EQ(e.s.traduccio[1].entrades.superior(), 1);
    e.carregar(fitxer("Form1", {"1,Label1,,C,c"}, "t\r\n0\r\n"), "altre.trad");
    EXPECT_EQ(e.s.traduccio[1].entrades.superior(), 0);
    EXPECT_EQ(e.s.textos_idioma.valors(), std::vector<std::string>{"0"});
    // A missing file or no language: empty tables, design captions stay.
    e.s.idioma = "no_hi_es.trad";
    idioma_carregar(e.s, e.fitxers);
    EXPECT_FALSE(e.s.traduccio.te_emmagatzematge());
    EXPECT_FALSE(e.s.textos_idioma.te_emmagatzematge());
    form1 w;
    idioma_aplicar(e.s, w.f);
    EXPECT_EQ(w.caption("Label1"), "Columnes");
    e.carregar(fitxer("Form1", {"1,mn_opcions,,A,c"}, ""));
    e.s.idioma = "";
    idioma_carregar(e.s, e.fitxers);
    EXPECT_FALSE(e.s.traduccio.te_emmagatzematge());
}

TEST(idioma, a_file_that_ends_early_keeps_what_was_read) {
    const std::string complet =
        fitxer("Form1", {"1,mn_opcions,,Archivos,c", "2,mn_eines,,Tablero,c"},
               "textos\r\n2\r\nnum\r\n1,u\r\n2,dos\r\n");
    const struct {
        const char* tall; // the file ends right after this text
        int seccions;     // upper bound of traduccio, -1: no storage
        const char* opcions;
        const char* eines;
        int textos; // upper bound of textos_idioma, -1: no storage
    } casos[] = {
        {"Idioma,", -1, "Fitxers", "Tauler", -1},
        {"1\r\n", 1, "Fitxers", "Tauler", -1},
        {"Archivos,c", 1, "Archivos", "Tauler", -1},
        {"Tablero,c\r\n", 1, "Archivos", "Tablero", -1},
        {"\r\n2\r\n", 1, "Archivos", "Tablero", 2},
        {"1,u\r\n", 1, "Archivos", "Tablero", 2},
    };
    for (const auto& c : casos) {
        const auto fi = complet.find(c.tall) + std::string(c.tall).size();
        entorn e;
        e.carregar(complet.substr(0, fi));
        form1 w;
        idioma_aplicar(e.s, w.f);
        EXPECT_EQ(w.caption("mn_opcions"), c.opcions) << c.tall;
        EXPECT_EQ(w.caption("mn_eines"), c.eines) << c.tall;
        EXPECT_EQ(e.s.traduccio.te_emmagatzematge() ? e.s.traduccio.superior() : -1, c.seccions)
            << c.tall;
        EXPECT_EQ(e.s.textos_idioma.te_emmagatzematge() ? e.s.textos_idioma.superior() : -1,
                  c.textos)
            << c.tall;
    }
}

TEST(idioma, counts_are_bounded) {
    const struct {
        const char* s;
        const char* c;
        const char* n;
        int seccions;
        int entrades; // -2: no storage
        int textos;   // -1: no storage
    } casos[] = {
        {"3", "0", "1", 3, 0, 1},   {"-5", "0", "1", 1, 0, 1},
        {"0", "0", "1", 1, 0, 1},   {"40000", "0", "1", -1, -2, -1},
        {"1", "-7", "1", 1, -1, 0}, {"1", "40000", "1", 1, -2, -1},
        {"1", "0", "-4", 1, 0, 0},  {"1", "0", "1e9", 1, 0, -1},
    };
    for (const auto& c : casos) {
        entorn e;
        e.carregar(std::string("a,b\r\n") + c.s + "\r\nForm1\r\n" + c.c +
                   "\r\n1,mn_opcions,,A,c\r\nt\r\n" + c.n + "\r\nn\r\n");
        const auto& t = e.s.traduccio;
        EXPECT_EQ(t.te_emmagatzematge() ? t.superior() : -1, c.seccions) << c.s << c.c << c.n;
        const bool amb_entrades = t.dins(1) && t[1].entrades.te_emmagatzematge();
        EXPECT_EQ(amb_entrades ? t[1].entrades.superior() : -2, c.entrades) << c.s << c.c << c.n;
        const auto& x = e.s.textos_idioma;
        EXPECT_EQ(x.te_emmagatzematge() ? x.superior() : -1, c.textos) << c.s << c.c << c.n;
    }
}

TEST(idioma, garbage_files_load_without_failing) {
    std::mt19937 generador(11);
    for (int prova = 0; prova < 200; ++prova) {
        std::string brossa;
        const auto llarg = generador() % 400;
        for (unsigned i = 0; i < llarg; ++i) {
            // Mostly delimiters and digits, so counts and items are exercised.
            const char alfabet[] = "0123456789,,\r\n\"-.e Form1c t\x01\xFF";
            brossa += alfabet[generador() % (sizeof alfabet - 1)];
        }
        entorn e;
        e.carregar(brossa);
        form1 w;
        idioma_aplicar(e.s, w.f);
    }
    entorn e;
    e.carregar("a,b\r\n1\r\nForm1\r\n0\r\n1,Label1,,\"" + std::string(100000, 'x') + "\",c");
    form1 w;
    idioma_aplicar(e.s, w.f);
    EXPECT_EQ(w.caption("Label1"), std::string(100000, 'x'));
}

} // namespace
} // namespace quorvel
