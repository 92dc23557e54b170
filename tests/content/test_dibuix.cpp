#include "app/sessio.h"
#include "content/dibuix.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

sessio tauler(int botons, int columnes) {
    sessio s;
    s.n_botons = static_cast<std::int16_t>(botons);
    s.n_columnes = static_cast<std::int16_t>(columnes);
    return s;
}

struct cas_forma {
    int botons;
    int columnes;
    const char* codi;
    const char* cel_les;
};

TEST(forma_caselles, shape_codes_on_several_boards) {
    const cas_forma casos[] = {
        // 12 cells, rows of 4: B C D E / F G H I / J K L M.
        {12, 4, "(LU)", "BCDE"},
        {12, 4, "(LD)", "JKLM"},
        {12, 4, "(LL)", "BFJ"},
        {12, 4, "(LR)", "EIM"},
        {12, 4, "(LMV)", "CGK"},
        {12, 4, "(LMH)", "FGHI"},
        {12, 4, "(PUL)", "B"},
        {12, 4, "(PUR)", "E"},
        {12, 4, "(PDL)", "J"},
        {12, 4, "(PDR)", "M"},
        {12, 4, "(PUM)", "B"},
        {12, 4, "(PDM)", "J"},
        // 20 cells, rows of 5: B-F / G-K / L-P / Q-U.
        {20, 5, "(LU)", "BCDEF"},
        {20, 5, "(LD)", "QRSTU"},
        {20, 5, "(LL)", "BGLQ"},
        {20, 5, "(LR)", "FKPU"},
        {20, 5, "(LMV)", "CHMR"},
        {20, 5, "(LMH)", "LMNOP"},
        {20, 5, "(PUM)", "C"},
        {20, 5, "(PDM)", "R"},
        {20, 5, "(PLM)", "B"},
        {20, 5, "(PRM)", "F"},
        {20, 5, "(PCE)", "C"},
        // One column of 5 cells; the middle column starts at cell 0 ("A").
        {5, 1, "(LU)", "B"},
        {5, 1, "(LD)", "F"},
        {5, 1, "(LL)", "BCDE"},
        {5, 1, "(LR)", "BCDEF"},
        {5, 1, "(LMV)", "ABCDE"},
        {5, 1, "(LMH)", "D"},
        {5, 1, "(PRM)", "C"},
        {5, 1, "(PCE)", "B"},
        // One row: the last cell is left out of the top row, not the bottom one.
        {4, 4, "(LU)", "BCD"},
        {4, 4, "(LD)", "BCDE"},
        {4, 4, "(LMH)", "BCD"},
        // Last row shorter than the others (13 cells, rows of 4).
        {13, 4, "(LL)", "BFJ"},
        {13, 4, "(LD)", "KLMN"},
        {13, 4, "(LR)", "EIM"},
        // More columns than cells, and boards without cells.
        {2, 4, "(LU)", "B"},
        {2, 4, "(LD)", "BC"},
        {0, 4, "(LD)", ""},
        {0, 4, "(PUL)", ""},
        {0, 4, "(PDR)", ""},
        {-3, 4, "(LR)", ""},
        // Unknown codes, whatever the board.
        {12, 4, "(lu)", ""},
        {12, 4, "( LU )", ""},
        {12, 0, "(XX)", ""},
    };
    for (const auto& c : casos) {
        const sessio s = tauler(c.botons, c.columnes);
        EXPECT_EQ(forma_caselles(s, c.codi), c.cel_les)
            << c.codi << " on " << c.botons << " cells / " << c.columnes << " columns";
    }
}

TEST(forma_caselles, shapes_that_cannot_be_drawn_fail) {
    const struct {
        int botons;
        int columnes;
        const char* codi;
    } casos[] = {
        {12, 4, "(PLM)"},   {12, 4, "(PRM)"},       {12, 4, "(PCE)"}, // lines of 3 cells
        {5, 1, "(PUM)"},    {5, 1, "(PDM)"},        {0, 4, "(PUM)"},  // lines of 1 and 0 cells
        {12, 0, "(LU)"},    {12, 0, "(LL)"},        {12, -2, "(LR)"}, // no columns
        {200, 10, "(LD)"},  {200, 10, "(LR)"},                        // cells beyond the letters
        {32767, 1, "(LL)"}, {32767, 32767, "(LU)"}, {32767, 2, "(LMV)"},
    };
    for (const auto& c : casos) {
        const sessio s = tauler(c.botons, c.columnes);
        EXPECT_THROW(forma_caselles(s, c.codi), error_forma)
            << c.codi << " on " << c.botons << " cells / " << c.columnes << " columns";
    }
}

TEST(forma_caselles, letters_reach_cell_190) {
    const std::string columna = forma_caselles(tauler(191, 1), "(LL)");
    ASSERT_EQ(columna.size(), 190u);
    EXPECT_EQ(columna.front(), 'B');
    EXPECT_EQ(static_cast<unsigned char>(columna.back()), 255);
    EXPECT_EQ(forma_caselles(tauler(200, 10), "(PUL)"), "B");
}

TEST(codis_expandir, codes_in_a_cell_list) {
    const sessio s = tauler(12, 4);
    const struct {
        std::string text;
        std::string expandit;
    } casos[] = {
        {"B(LR)", "BEIM"},
        {"(LU)(LD)", "BCDEJKLM"},
        {"B(PUR)C(XX)D", "BECD"},
        {"(XX)", ""},
        {"A(LU", "A"},
        {"BC(LU)D(", "BCBCDED"},
        {"((LU))", ")"},
        {"(LU)(LD", "BCDE"},
        {")(LL)", ")BFJ"},
        {"BCD", "BCD"},
        {"", ""},
        {"(", ""},
        {"()", ""},
        {"A" + std::string(99999, '('), "A"},
        {"A(" + std::string(99998, 'L'), "A"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(codis_expandir(s, c.text), c.expandit) << c.text.substr(0, 20);
    }
}

TEST(codis_expandir, a_failing_code_fails_the_whole_text) {
    const sessio s = tauler(12, 4);
    EXPECT_THROW(codis_expandir(s, "BC(PCE)"), error_forma);
    EXPECT_THROW(codis_expandir(tauler(12, 0), "B(LU)"), error_forma);
    EXPECT_EQ(codis_expandir(tauler(12, 0), "B(ZZ)"), "B");
}

TEST(codis_expandir, long_records_stay_linear) {
    std::string codis;
    for (int i = 0; i < 25000; ++i) {
        codis += "(LR)";
    }
    const std::string expandit = codis_expandir(tauler(12, 4), codis);
    ASSERT_EQ(expandit.size(), 75000u);
    EXPECT_EQ(expandit.substr(74997), "EIM");
    // The longest line a code can give on a large board is 190 letters.
    std::string columnes;
    for (int i = 0; i < 2000; ++i) {
        columnes += "(LL)";
    }
    EXPECT_EQ(codis_expandir(tauler(191, 1), columnes).size(), 2000u * 190u);
}

TEST(casella, column_and_row_of_a_letter) {
    const struct {
        int columnes;
        const char* text;
        int columna;
        int fila;
    } casos[] = {
        {4, "E", 4, 1},     {4, "F", 1, 2},  {4, "B", 1, 1},   {4, "M", 4, 3}, {4, "JKL", 1, 3},
        {4, "", 0, 0},      {5, "U", 5, 4},  {1, "D", 1, 3},   {1, "A", 1, 0}, {4, "A", 4, 0},
        {4, "\xff", 2, 48}, {3, "@", -1, 0}, {4, " ", -1, -8},
    };
    for (const auto& c : casos) {
        const sessio s = tauler(12, c.columnes);
        EXPECT_EQ(casella_columna(s, c.text), c.columna) << c.text << " / " << c.columnes;
        EXPECT_EQ(casella_fila(s, c.text), c.fila) << c.text << " / " << c.columnes;
    }
    EXPECT_THROW(casella_columna(tauler(12, 0), "B"), error_aritmetic);
    EXPECT_THROW(casella_fila(tauler(12, 0), "B"), error_aritmetic);
    EXPECT_EQ(casella_fila(tauler(12, 0), ""), 0);
}

sessio amb_formules(std::string text_1, std::string text_2) {
    sessio s = tauler(12, 4);
    s.elements.redimensionar(0, 0);
    s.elements[0].text_1 = std::move(text_1);
    s.elements[0].text_2 = std::move(text_2);
    return s;
}

TEST(formula_calcular, checks_and_computes_moves) {
    const struct {
        const char* formula;
        int a;
        int b;
        int mode;
        const char* resultat;
    } casos[] = {
        // Modes 1 and 3 read the column formula, 2 and 4 the row formula.
        {"xf = xi + 1", 3, 4, 1, "-1"},
        {"xf = xi + 1", 3, 5, 1, "0"},
        {"xf = xi + 1", 3, 0, 3, "4"},
        {"xf = xi * 2", 3, 0, 3, "6"},
        {"yf = yi - 1", 3, 2, 2, "-1"},
        {"yf = yi - 1", 3, 0, 4, "2"},
        {"xf > xi", 3, 2, 1, "-1"}, // holds when the value after the sign is greater
        {"  xf = xi + 1  ", -2, 0, 3, "-1"},
        {"xf = xi + 1", -3, -2, 1, "-1"}, // negative values stay numbers
        {"xf = 0 - xi", 3, 0, 3, "-3"},
        // Only the first occurrence of each name is replaced; a name left over counts as 0.
        {"xf = xi + xi", 3, 0, 3, "3"},
        // Decimals: rounded to two, halves to even.
        {"xf = xi / 4", 3, 0, 3, "0.75"},
        {"xf = xi / 3", 1, 0, 3, "0.33"},
        {"xf = xi / 8", 1, 0, 3, "0.12"},
        {"xf = xi / 8", 3, 0, 3, "0.38"},
        {"xf = xi / 1000", 1, 0, 3, "0"},
        {"xf = 0 - xi / 1000", 1, 0, 3, "0"},
        // Parenthesised parts are worked out first and count as one number.
        {"xf = ( xi + 1 ) * 2", 3, 0, 3, "8"},
        {"xf = (xi + 1) * 2", 3, 8, 1, "-1"},
        {"xf = ( ( xi + 1 ) * 2 ) + 1", 3, 0, 3, "9"},
        {"xf = 2 * ( 0 - xi )", 3, 0, 3, "-6"},
        {"xf = 10 - ( 0 - xi )", 3, 0, 3, "13"},
        {"xf = () + xi", 3, 0, 3, "3"},
        {"xf = xi + 1 )", 3, 0, 3, "4"},
    };
    for (const auto& c : casos) {
        const sessio s = amb_formules(c.formula, c.formula);
        EXPECT_EQ(formula_calcular(s, static_cast<std::int16_t>(c.a),
                                   static_cast<std::int16_t>(c.b),
                                   static_cast<std::int16_t>(c.mode)),
                  c.resultat)
            << c.formula << " a=" << c.a << " b=" << c.b << " mode " << c.mode;
    }
}

TEST(formula_calcular, each_mode_reads_its_own_formula) {
    const sessio s = amb_formules("xf = xi + 1", "yf = yi + 2");
    EXPECT_EQ(formula_calcular(s, 1, 0, 3), "2");
    EXPECT_EQ(formula_calcular(s, 1, 0, 4), "3");
    EXPECT_EQ(formula_calcular(s, 1, 3, 2), "-1");
    EXPECT_EQ(formula_calcular(s, 1, 3, 1), "0");
}

TEST(formula_calcular, malformed_formulas_fail) {
    const struct {
        const char* formula;
        int mode;
    } casos[] = {
        {"x = xi + 1", 3},
        {"xf = 1", 1},
        {"xf = 1", 3},
        {"xf xi + 1", 3},
        {"xf = ( xi + 1", 3},
        {"xf = xi ) + ( 1", 1},
        {"xf = ((xi + 1)", 3},
        {"XF = XI + 1", 1},
        {"xf = xi + 1", 0},
        {"xf = xi + 1", 5},
        {"", 1},
    };
    for (const auto& c : casos) {
        const sessio s = amb_formules(c.formula, "yf = yi");
        EXPECT_THROW(formula_calcular(s, 3, 4, static_cast<std::int16_t>(c.mode)), error_formula)
            << c.formula << " mode " << c.mode;
    }
    // A missing row name fails the row modes only.
    const sessio s = amb_formules("xf = xi", "y = 2");
    EXPECT_EQ(formula_calcular(s, 3, 3, 1), "-1");
    EXPECT_THROW(formula_calcular(s, 3, 3, 2), error_formula);
    EXPECT_THROW(formula_calcular(s, 3, 3, 4), error_formula);
}

TEST(formula_calcular, arithmetic_failures_and_missing_item) {
    for (const char* formula :
         {"xf = xi / 0", "xf = ( xi / 0 )", "xf = xi * 1e38 * 1e38", "xf = ( xi / 0 ) + ( 1"}) {
        const sessio s = amb_formules(formula, "");
        EXPECT_ANY_THROW(formula_calcular(s, 3, 0, 3)) << formula;
    }
    EXPECT_THROW(formula_calcular(amb_formules("xf = xi / 0", ""), 3, 0, 3), error_aritmetic);
    // An unmatched "(" is refused before anything is evaluated.
    EXPECT_THROW(formula_calcular(amb_formules("xf = ( xi / 0 ) + ( 1", ""), 3, 0, 3),
                 error_formula);
    EXPECT_THROW(formula_calcular(tauler(12, 4), 3, 0, 3), error_index);
}

TEST(formula_calcular, deep_nesting_and_long_formulas) {
    const std::string profunda =
        "xf = " + std::string(50000, '(') + "xi + 1" + std::string(50000, ')');
    EXPECT_EQ(formula_calcular(amb_formules(profunda, ""), 3, 0, 3), "4");
    std::string llarga = "xf = xi";
    for (int i = 0; i < 12500; ++i) {
        llarga += " + ( 1 )";
    }
    EXPECT_EQ(formula_calcular(amb_formules(llarga, ""), 0, 0, 3), "12500");
    EXPECT_THROW(formula_calcular(amb_formules(profunda + "(", ""), 3, 0, 3), error_formula);
}

} // namespace
} // namespace quorvel
