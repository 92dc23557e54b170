#include "app/sessio.h"
#include "content/registre.h"
#include "content/registre_net.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using v = std::vector<std::string>;

// The first `n` texts registre_llegir gives for a file's contents.
v llegir(const std::string& bytes, std::size_t n) {
    lector fitxer(text_de_fitxer(bytes));
    v registres;
    for (std::size_t i = 0; i < n; ++i) {
        std::string r = "brut";
        registre_llegir(fitxer, r);
        registres.push_back(r);
    }
    return registres;
}

TEST(registre_llegir, records_and_comments) {
    const struct {
        const char* fitxer;
        v registres;
    } casos[] = {
        {"# quadricula\r\n#\r\nTitol\r\n", {"Titol", "", ""}},
        {"w\ta, b\n", {"w\ta", "b", ""}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\n# final\n", {"a", "", ""}},
        {"#x\n#y", {"", ""}},
        {"", {"", ""}},
        {"\"# entre cometes\",c", {"c", ""}},
        {"  #sagnat\nd", {"d", ""}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(llegir(c.fitxer, c.registres.size()), c.registres) << c.fitxer;
    }
}

TEST(registre_seguent, tells_a_record_from_the_end_of_the_file) {
    const struct {
        const char* fitxer;
        v registres;
    } casos[] = {
        {"a\n# comentari", {"a"}}, {"a\n\n", {"a", ""}}, {"a,,", {"a", ""}},
        {"a\r\n", {"a"}},          {"# nomes\n", {}},
    };
    for (const auto& c : casos) {
        lector fitxer(c.fitxer);
        v llegits;
        std::string r;
        while (registre_seguent(fitxer, r)) {
            llegits.push_back(r);
        }
        EXPECT_EQ(llegits, c.registres) << c.fitxer;
        EXPECT_EQ(r, "");
    }
}

TEST(camp_extreure, fields) {
    sessio s;
    s.carpeta_exercici = "C:\\ex\\";
    const struct {
        const char* idioma;
        const char* registre;
        int n;
        std::string_view separador;
        const char* camp;
    } casos[] = {
        {"catala", "Columnes\t4", 2, tab, "4"},
        {"catala", "w\t", 2, tab, ""},
        {"catala", "   ", 1, tab, ""},
        {"catala", "  k\t v  ", 2, tab, " v"},
        {"catala", "\tk\tv", 2, tab, "k"},
        {"catala", "S\xE8rie 2\tx", 2, tab, "x"},
        {"catala", "S\xE8rie 2\tx", 1, tab, "2"},
        {"catala", "S\xE9rie 2\tx", 1, tab, "S\xE9rie 2"},
        {"espa\xF1ol", "S\xE9rie 3\ty", 1, tab, "3"},
        {"galego", "S\xE9rie\tz", 1, tab, "S\xE9rie"},
        {"", "S\xE8rie 4\tz", 1, tab, "4"},
        {"catala", "a|b|c", 3, "|", "c"},
        {"catala", "a|b|c", 4, "|", ""},
        {"catala", "a|b|c", 0, "|", ""},
        {"catala", "a||c", 2, "|", ""},
        {"catala", "a||c", 3, "|", "c"},
        {"catala", "k\t\"hola, tu\"", 2, "\"", "hola, tu"},
        {"catala", "a|b", 1, "", "a|b"},
        {"catala", "a|b", 2, "", ""},
        {"catala", "img\tC:\\ex\\gos.gif|C:\\ex\\gat.gif", 2, tab, "gos.gif|gat.gif"},
    };
    for (const auto& c : casos) {
        s.idioma = c.idioma;
        EXPECT_EQ(camp_extreure(s, c.registre, c.n, c.separador), c.camp)
            << c.idioma << " " << c.registre << " n=" << c.n;
    }
}

TEST(camp_extreure, series_word_in_windows_1252_and_utf8_files) {
    sessio s;
    s.idioma = "catala";
    const std::string fitxers[] = {"# serie\r\nS\xE8rie 2\tx\r\n",
                                   "# s\xC3\xA8rie\nS\xC3\xA8rie 2\tx\n"};
    for (const auto& bytes : fitxers) {
        lector fitxer(text_de_fitxer(bytes));
        std::string r;
        registre_llegir(fitxer, r);
        EXPECT_EQ(r, "S\xE8rie 2\tx");
        EXPECT_EQ(camp_extreure(s, r, 1, tab), "2");
        EXPECT_EQ(camp_extreure(s, r, 2, tab), "x");
    }
}

} // namespace
} // namespace quorvel
