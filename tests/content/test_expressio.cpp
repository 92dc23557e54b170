#include "content/expressio.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(expressio_avaluar, left_to_right_with_one_decisive_comparison) {
    const struct {
        const char* text;
        float valor;
    } casos[] = {
        // No precedence; a token is classified by its first character only.
        {"2 + 3 * 4", 20},
        {"2+3", 2},
        {"2 3 + @", 5},
        {"2 * 3 + @", 6},
        {"3 - -5", 3},
        {"1 = 1 = 2", 0},
        {"", 0},
        {"   ", 0},
        {"7", 7},
        {"10 / 4", 2.5f},
        {"2 + 3 = 5", -1},
        {"2 + 3 = 6", 0},
        // "<" and ">" compare the value after the sign against the one before.
        {"1 < 2", 0},
        {"2 < 1", -1},
        {"1 > 2", -1},
        {"2 > 1", 0},
        {"4 <= 4", 0},
        {"x + 2", 2},
        {"  2   +   3  ", 5},
        {"+ 5", 5},
        {"5 +", 5},
        {"2 * * 3", 6},
        {"2 + * 3", 6},
        {"@ @", 0},
        {"4 @ + 1", 5},
        {"1.5e1 - 0.5", 14.5f},
        {"0 - 5", -5},
        {"2\t+ 3", 2},
        {"1e-50", 0},
        {"= 3", 0},
        {"3 =", 0},
        {"0 = ", -1},
        {"2 + 2 = 4 + 0 < 9", 0},
        {"2 + 2 = 4 + 0 > 9", -1},
        {"7 = 7 ", -1},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(expressio_avaluar(c.text), c.valor) << '"' << c.text << '"';
    }
}

TEST(expressio_avaluar, single_precision_arithmetic) {
    EXPECT_EQ(expressio_avaluar("1 / 3"), 1.0f / 3.0f);
    EXPECT_EQ(expressio_avaluar("16777216 + 1"), 16777216.0f); // 2^24 + 1 is not a single
    EXPECT_EQ(expressio_avaluar("0.1 = 0.1000000001"), -1);    // equal once single
}

TEST(expressio_avaluar, division_by_zero_and_overflow_are_arithmetic_errors) {
    for (const char* text : {"1 / 0", "5 / x", "0 / 0", "2 3 / @ / @", "1e39", "1e400", "3e38 * 2",
                             "3e38 + 3e38", "0 - 3e38 - 3e38", "1 / 1e-45"}) {
        EXPECT_THROW(expressio_avaluar(text), error_aritmetic) << text;
    }
    EXPECT_EQ(expressio_avaluar("3e38 / 2"), 1.5e38f);
}

TEST(expressio_avaluar, long_texts) {
    std::string sumes;
    for (int i = 0; i < 25000; ++i) {
        sumes += "1 + ";
    }
    EXPECT_EQ(sumes.size(), 100000u);
    EXPECT_EQ(expressio_avaluar(sumes), 25000);
    EXPECT_EQ(expressio_avaluar(std::string(100000, '(')), 0);
    EXPECT_EQ(expressio_avaluar(std::string(100000, ' ') + "9"), 9);
}

TEST(expressio_nombre, reads_back_as_one_number_token) {
    for (const float v :
         {0.0f, -0.0f, 2.5f, -1.0f, 1.0f / 3.0f, -7.25e-3f, 1e30f, -3.4e38f, 1e-45f}) {
        EXPECT_EQ(expressio_avaluar("0 + " + expressio_nombre(v)), v) << v;
        EXPECT_EQ(expressio_avaluar(expressio_nombre(v) + " / 2"), v / 2) << v;
    }
}

} // namespace
} // namespace quorvel
