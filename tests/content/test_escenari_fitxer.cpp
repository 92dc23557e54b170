#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "core/text.h"
#include "tests/content/fitxers_prova.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

using namespace prova;
const auto descriure = descriure_escenari;

std::string capcalera(const std::string& tipus, const std::string& n) {
    return linies({"Titol", "Tipus\t" + tipus, "Elements\t" + n});
}

// The nine records of an element: name, top, left, right, bottom, steps, size.
std::string element(const std::string& nom, const std::string& dalt = "1") {
    return linies({"Nom\t" + nom, "Dalt\t" + dalt, "Esquerra\t2", "Dreta\t3", "Baix\t4", "Pas x\t0",
                   "Pas y\t0", "Amplada\t5", "Alcada\t6"});
}

class escenari_fitxer : public ::testing::Test {
  protected:
    void SetUp() override {
        s.carpeta_programa = "/p";
        s.carpeta_exercici = "/ex\\";
        s.n_joysticks = 1;
        for (const char* nom : {"/p/fons.jpg", "/p/imatge/gos.gif", "/p/imatge/gat.gif",
                                "/p/veu/miol.wav", "/p/imatge/fitxa.gif", "/ex/imatge/gos.gif"}) {
            f.posar(nom, "");
        }
    }

    void carregar(const std::string& text, const std::string& cami = "/p\\graella.esc") {
        f.posar(cami, text);
        graella_carregar(s, f, cami);
    }

    std::vector<avis_lectura> avisos(const std::string& text) {
        f.posar("/p/graella.esc", text);
        std::vector<avis_lectura> a;
        graella_carregar(s, f, "/p\\graella.esc", &a);
        return a;
    }

    sessio s;
    fakes::fitxers_falsos f;
};

TEST_F(escenari_fitxer, sample_file_for_two_players) {
    s.n_joysticks = 2;
    carregar(dades("escenaris/graella.esc"));
    EXPECT_EQ(s.esc_titol, "Escenari de dos jugadors");
    EXPECT_EQ(s.esc_tipus, 1);
    ASSERT_EQ(s.graella.superior(), 2);
    EXPECT_EQ(s.esc_llegint, 0);
    EXPECT_EQ(descriure(s),
              "Escenari de dos jugadors|1|2\n"
              " 0 0 0 0 0 0 0 0:// 0x0 0x0 0x0\n"
              "/p\\fons.jpg 20 10 620 460 0 0 600 450:"
              "/p\\fons.jpg//p\\fons.jpg//p\\fons.jpg 600x450 600x450 600x450\n"
              // 12.5 and 13.5 round half to even.
              "/p\\imatge\\fitxa.gif 12 400 14 40 25 -3 32 32:"
              "/p\\imatge\\gos.gif//p\\imatge\\gat.gif|/p\\veu\\miol.wav//p\\imatge\\gos.gif"
              " 32x32 32x32 32x32\n");
}

TEST_F(escenari_fitxer, media_list_by_kind) {
    struct cas {
        std::string tipus;
        int jugadors;
        std::string compte, llista, seguent;
    };
    const std::string g = "/p\\imatge\\gos.gif";
    const std::string t = "/p\\imatge\\gat.gif";
    // The names in the file are gos.gif, gat.gif, a, b, c, d, then a second element.
    const std::vector<cas> casos = {
        // Kind 1: players + 1 items; those beyond the count repeat item 0,
        // a count above the players reads players + 1 names only.
        {"1", 3, "1", g + "/" + t + "/" + g + "/" + g, "a"},
        {"1", 2, "5", g + "/" + t + "/a", "b"},
        {"1", 1, "-5", "/", "/p\\imatge\\gos.gif"},
        {"1", 2, "0", g + "/" + g + "/" + g, "/p\\imatge\\gat.gif"},
        // Kinds 2 to 4: the count from the file whatever the players.
        {"2", 1, "3", g + "/" + t + "/a/b", "c"},
        {"3", 8, "1", g + "/" + t, "a"},
        {"4", 3, "0", g, "/p\\imatge\\gat.gif"},
        {"4", 2, "-1", "//", "/p\\imatge\\gos.gif"}, // no names read
        // Other kinds have no count and no names.
        {"7", 2, "9", "//", "9"},
        {"0", 0, "9", "", "9"},
    };
    for (const auto& c : casos) {
        s.n_joysticks = static_cast<std::int16_t>(c.jugadors);
        carregar(capcalera(c.tipus, "2") + element("x") + "N\t" + c.compte + "\r\n" +
                 linies({"F\tgos.gif", "F\tgat.gif", "F\ta", "F\tb", "F\tc", "F\td"}));
        EXPECT_EQ(camins(s.graella[1]), c.llista) << c.tipus << " " << c.compte;
        EXPECT_EQ(s.graella[2].nom, c.seguent) << c.tipus << " " << c.compte;
    }
}

TEST_F(escenari_fitxer, numbers_are_read_and_rounded_per_field) {
    struct cas {
        std::string valor;
        std::int32_t coordenada; // as y_ini, 32 bits
        std::int16_t pas;        // as pas_x, 16 bits
        std::int16_t tipus;      // as the kind: a whole number or the previous 9
    };
    const std::vector<cas> casos = {
        {"12.5", 12, 12, 12},
        {"13.5", 14, 14, 14},
        {"-2.5", -2, -2, -2},
        {"1e3", 1000, 1000, 1000},
        {"7 px", 7, 7, 9},
        {"abc", 0, 0, 9},
        {"", 0, 0, 9},
        {" 2 ", 2, 2, 2},
        {"40000", 40000, 0, 9},
        {"-32768", -32768, -32768, -32768},
        {"2147483647", 2147483647, 0, 9},
        {"3000000000", 0, 0, 9},
        {"1e400", 0, 0, 9},
    };
    for (const auto& c : casos) {
        s.esc_tipus = 9;
        carregar(capcalera(c.valor, "1") +
                 linies({"N\tx", "D\t" + c.valor, "E", "R", "B", "P\t" + c.valor}));
        EXPECT_EQ(s.graella[1].y_ini, c.coordenada) << c.valor;
        EXPECT_EQ(s.graella[1].pas_x, c.pas) << c.valor;
        EXPECT_EQ(s.esc_tipus, c.tipus) << c.valor;
    }
}

TEST_F(escenari_fitxer, media_base_depends_on_the_file_name) {
    const std::string text = capcalera("0", "1") + element("gos.gif");
    carregar(text, "/p\\graella.esc");
    EXPECT_EQ(s.graella[1].nom, "/p\\imatge\\gos.gif");
    carregar(text, "/ex\\propi.esc");
    EXPECT_EQ(s.graella[1].nom, "/ex\\imatge\\gos.gif");
    carregar(text, "/ex\\Graella.ESC"); // the name test is case-sensitive
    EXPECT_EQ(s.graella[1].nom, "/ex\\imatge\\gos.gif");
    EXPECT_EQ(s.esc_llegint, 0);
}

TEST_F(escenari_fitxer, missing_short_and_miscounted_files) {
    s.n_joysticks = 2;
    s.esc_tipus = 4;
    graella_carregar(s, f, "/p\\no_hi_es\\graella.esc");
    EXPECT_EQ(descriure(s), "|4|0\n 0 0 0 0 0 0 0 0:// 0x0 0x0 0x0\n");
    EXPECT_EQ(s.esc_llegint, 0);

    carregar(capcalera("1", "2") + linies({"N\tgos.gif", "D\t5"}));
    EXPECT_EQ(s.graella[1].nom, "/p\\imatge\\gos.gif");
    EXPECT_EQ(s.graella[1].y_ini, 5);
    EXPECT_EQ(s.graella[1].x_ini, 0);
    EXPECT_EQ(camins(s.graella[2]), "//");

    // A count that does not fit keeps the previous one; a negative one
    // leaves only element 0, not the previous scenario's elements.
    s.esc_n = 1;
    carregar(capcalera("0", "40000") + element("a"));
    EXPECT_EQ(s.esc_n, 1);
    EXPECT_EQ(s.graella[1].nom, "a");
    carregar(capcalera("0", "-5") + element("a"));
    EXPECT_EQ(s.esc_n, -5);
    EXPECT_EQ(descriure(s), "Titol|0|-5\n 0 0 0 0 0 0 0 0:// 0x0 0x0 0x0\n");
}

// Long records and binary files are in the fuzz corpus.
TEST_F(escenari_fitxer, long_lists_stay_within_bounds) {
    carregar(capcalera("2", "1") + element("a") + "N\t32767\r\n");
    ASSERT_EQ(s.graella[1].fitxers.superior(), 32767);
    EXPECT_EQ(s.graella[1].fitxers[32767].amplada, 5);
    // Players' lists beyond the scenario's item budget are not created.
    s.n_joysticks = 30000;
    const auto a = avisos(capcalera("0", "40"));
    const int llistes = static_cast<int>(escenari_maxim_items / 30001);
    EXPECT_TRUE(s.graella[llistes - 1].fitxers.te_emmagatzematge());
    EXPECT_FALSE(s.graella[llistes].fitxers.te_emmagatzematge());
    EXPECT_TRUE(std::any_of(a.begin(), a.end(), [](const avis_lectura& x) {
        return x.missatge.find("not created") != std::string::npos;
    }));
}

TEST_F(escenari_fitxer, findings_name_the_line_and_the_fault) {
    struct cas {
        std::string text;
        std::size_t linia;
        std::string fragment;
    };
    const std::string el = element("gos.gif");
    const std::vector<cas> casos = {
        {capcalera("tres", "0"), 2, "kind 'tres' is not a 16-bit number"},
        {capcalera("0", "dos"), 3, "element count 'dos' is not a number; read as 0"},
        {capcalera("0", "-2"), 3, "is negative"},
        {capcalera("0", "1") + element("gos.gif", "3000000000"), 5, "does not fit 32 bits"},
        {capcalera("0", "1") + "N\tgos.gif\r\n#\r\nD 3\r\n" + element("gos.gif").substr(21), 6,
         "has no TAB"},
        {capcalera("0", "1") + element("lleo.gif"), 4, "'lleo.gif' is found neither"},
        {capcalera("0", "1") + linies({"N\tgos.gif", "D\t1"}), 5, "the file ends here"},
        {capcalera("1", "1") + el + "N\t3\r\nF\tgos.gif\r\nF\tgos.gif\r\n", 13,
         "is more than the 1 players"},
        {capcalera("3", "1") + el + "N\t-1\r\n", 13, "is negative: the list keeps 2 empty items"},
        {capcalera("0", "1") + el + "Sobra\t1\r\n", 13, "after the end"},
        {capcalera("1", "1") + el + "N\t40000\r\nF\tgos.gif\r\n", 13,
         "does not fit 16 bits; the previous count 0 is used"},
    };
    for (const auto& c : casos) {
        const auto a = avisos(c.text);
        ASSERT_EQ(a.size(), 1u) << c.text;
        EXPECT_EQ(a[0].linia, c.linia) << c.text;
        EXPECT_NE(a[0].missatge.find(c.fragment), std::string::npos) << a[0].missatge;
    }
    const auto a = avisos(capcalera("0", "1") + element("gos.gif", "1e999 px"));
    ASSERT_EQ(a.size(), 2u);
    EXPECT_NE(a[0].missatge.find("read as a number out of range"), std::string::npos);

    std::vector<avis_lectura> falta;
    graella_carregar(s, f, "/p\\cap.esc", &falta);
    ASSERT_EQ(falta.size(), 1u);
    EXPECT_EQ(falta[0].linia, 0u);
    EXPECT_NE(falta[0].missatge.find("cannot be read"), std::string::npos);
}

TEST_F(escenari_fitxer, findings_do_not_change_what_is_read) {
    for (const char* nom :
         {"/p/imatge/marc.gif", "/p/imatge/u.gif", "/p/imatge/d.gif", "/p/imatge/t.gif"}) {
        f.posar(nom, "");
    }
    s.n_joysticks = 2;
    EXPECT_TRUE(avisos(dades("escenaris/graella.esc")).empty());
    EXPECT_TRUE(avisos(dades("escenaris/llista.esc")).empty());

    const std::vector<std::string> textos = {
        dades("escenaris/graella.esc"),
        capcalera("1", "2") + element("lleo.gif") + "N\t9\r\nF\ta|b\r\nsense tab",
        capcalera("2", "2") + "N\tx\r\n\"D\t1,5\"\r\n#c\r\n,,\r\nP\t1e9\r\n",
        std::string("\0\xff\x01\"\t,\r\n#", 9),
    };
    for (const auto& text : textos) {
        for (const int jugadors : {0, 1, 4}) {
            s.n_joysticks = static_cast<std::int16_t>(jugadors);
            carregar(text);
            const std::string sense = descriure(s);
            (void)avisos(text);
            EXPECT_EQ(descriure(s), sense);
        }
    }
}

} // namespace
} // namespace quorvel
