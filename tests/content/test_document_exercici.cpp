#include "content/cami_regles.h"
#include "content/document_exercici.h"
#include "content/escenari_graella.h"
#include "content/exercici_editable.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// Records that need delimiting, and the file's own encoding and line end,
// survive a write and a read; the second write gives the same bytes.
TEST(document_exercici, escriu_el_que_llegeix) {
    const struct {
        std::string fitxer;
        std::string escrit;
    } casos[] = {
        // Comments kept before their record; the comma split stays split.
        {"# a\r\nTipus\t6\r\nX\ta,b\r\n#fi", "# a\r\nTipus\t6\r\nX\ta\r\nb\r\n#fi\r\n"},
        // A quoted record keeps its comma, line end and blanks at its ends.
        {"\"C\t x, y\ny \"\n", "\"C\t x, y\ny \"\n"},
        // Empty records stay records.
        {"A\n\n,B\n", "A\n\n\nB\n"},
        // Windows-1252 stays Windows-1252, UTF-8 with its mark stays so.
        {"S\t\xE9s\r", "S\t\xE9s\r"},
        {"\xEF\xBB\xBFS\t\xC3\xA9s\n", "\xEF\xBB\xBFS\t\xC3\xA9s\n"},
        // Bytes that are not UTF-8 stay as they are.
        {"S\t\xC3\xA9\xE9", "S\t\xC3\xA9\xE9\r\n"},
        // A quoted first record's line end is not the file's.
        {"\"A\nB\"\r\nC\r\n", "\"A\nB\"\r\nC\r\n"},
    };
    for (const auto& c : casos) {
        const std::string escrit = document_escriure(document_llegir(c.fitxer));
        EXPECT_EQ(escrit, c.escrit) << c.fitxer;
        EXPECT_EQ(document_escriure(document_llegir(escrit)), escrit) << c.fitxer;
    }
}

TEST(document_exercici, registre_sense_delimitar) {
    EXPECT_TRUE(registre_representable("Consigna\tOn \"es\" el gos?"));
    EXPECT_TRUE(registre_representable("Consigna\ta, b"));
    EXPECT_FALSE(registre_representable("Consigna\t\"a, b\""));
    document_exercici d;
    d.registres.push_back({{}, "C\t\"a, b\""});
    EXPECT_EQ(document_escriure(d), "\"C\t'a, b'\"\r\n");
    // Windows-1252 text whose bytes would read as UTF-8 is written as UTF-8.
    d.utf8 = false;
    d.registres = {{{}, "S\t\xC3\xA9"}};
    EXPECT_EQ(document_escriure(d), "S\t\xC3\x83\xC2\xA9\r\n");
}

// Items added, duplicated, moved and removed keep the count, the comments
// and the records past the body; undo walks back to the saved state.
TEST(exercici_editable, items_i_desfer) {
    exercici_editable e(document_llegir("# dalt\nE\tT\nA\tX\nTipus\t6\nN\t1\nC\tG\n"
                                        "C\tq1\nB\tB\nS\t\nE\t\n1\t\n2\t\n3\t\n4\t\n5\t\n"
                                        "Sobrant\tz\n"));
    ASSERT_EQ(e.n_items(), 1u);
    e.afegir_item();
    EXPECT_TRUE(e.posar_item(1, camp_item::consigna, "q2"));
    e.duplicar_item(0);
    e.moure_item(0, 2);
    ASSERT_EQ(e.n_items(), 3u);
    EXPECT_EQ(e.item(0, camp_item::consigna), "q1");
    EXPECT_EQ(e.item(1, camp_item::consigna), "q2");
    EXPECT_EQ(e.item(2, camp_item::correctes), "B");
    EXPECT_EQ(e.general(camp_general::consigna), "G");
    const auto& r = e.document().registres;
    EXPECT_EQ(r.back().text, "Sobrant\tz");
    EXPECT_EQ(r.front().comentaris, std::vector<std::string>{"# dalt"});
    EXPECT_EQ(valor_de(r[3].text), "3");
    EXPECT_FALSE(e.posar_item(0, camp_item::consigna, "\"a, b\""));
    e.marcar_desat();
    e.eliminar_item(0);
    EXPECT_TRUE(e.modificat());
    e.desfer();
    EXPECT_FALSE(e.modificat());
    EXPECT_EQ(e.n_items(), 3u);
    // A rule type keeps the formulas quoted, another body carries the items over.
    EXPECT_TRUE(e.posar_tipus(8));
    EXPECT_TRUE(e.posar_item(0, camp_item::regla_columnes, "c+1"));
    EXPECT_EQ(e.item(0, camp_item::regla_columnes), "c+1");
    EXPECT_EQ(e.item(2, camp_item::correctes), "B");
    EXPECT_EQ(e.n_items(), 3u);
}

// The pictures take the tiles' places; the default's geometry stays.
TEST(escenari_graella, una_imatge_per_casella) {
    const document_exercici plantilla = document_llegir(
        "Per defecte\r\n# nota\r\nTipus\t2\r\nElements\t1\r\nFons\tfons.png\r\nDalt\t0\r\n"
        "Esquerra\t0\r\nDreta\t640\r\nBaix\t480\r\nPas x\t0\r\nPas y\t0\r\nAmplada\t128\r\n"
        "Al\xE7"
        "ada\t140\r\nFitxers\t32\r\nDeixat anar\tb.png\r\nPremut\tp.png\r\n");
    const std::string escrit = document_escriure(
        escenari_graella(plantilla, "Graella", "fons_2.png", "b.png", {"gos.png", "gat.png"}));
    EXPECT_EQ(escrit, "Graella\r\nTipus\t2\r\nElements\t1\r\nFons\tfons_2.png\r\nDalt\t0\r\n"
                      "Esquerra\t0\r\nDreta\t640\r\nBaix\t480\r\nPas x\t0\r\nPas y\t0\r\n"
                      "Amplada\t128\r\nAl\xC3\xA7"
                      "ada\t140\r\nFitxers\t2\r\nDeixat anar\tb.png\r\n"
                      "Casella 1\tgos.png\r\nCasella 2\tgat.png\r\n");
}

// The rules drawn as the path they give, up to a special cell or the edge.
TEST(cami_regles, el_cami_de_les_regles) {
    const struct {
        regles_cami r;
        std::vector<int> cami;
    } casos[] = {
        {{8, "xf = xi + 1", "yf = yi", 1, "E", 16, 4}, {1, 2, 3, 4}},
        {{8, "xf = xi", "yf = yi + 1", 2, "", 16, 4}, {2, 6, 10, 14}},
        {{17, "xf = xi + 1", "yf = yi + 1", 1, "Q", 16, 4}, {1, 6, 11, 16}},
        {{17, "xf = xi +", "yf = yi", 1, "Q", 16, 4}, {1}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(cami_regles(c.r), c.cami) << c.r.columnes << " " << c.r.files;
    }
}

} // namespace
} // namespace quorvel
