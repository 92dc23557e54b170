#include "core/errors.h"
#include "core/nombres.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(valor_numeric, longest_leading_number) {
    const struct {
        const char* text;
        double valor;
    } casos[] = {
        {"", 0},         {"abc", 0},  {"4", 4},   {"  4.5xyz", 4.5}, {"-2", -2},
        {"+3", 3},       {".5", 0.5}, {"5.", 5},  {"1e3", 1000},     {"1E+2x", 100},
        {"2e", 2},       {"2e-", 2},  {"-", 0},   {".", 0},          {"\t 7", 7},
        {"12abc34", 12}, {"0x10", 0}, {"inf", 0}, {"1.5e-1", 0.15},  {"--1", 0},
    };
    for (const auto& c : casos) {
        EXPECT_DOUBLE_EQ(valor_numeric(c.text), c.valor) << c.text;
    }
}

TEST(arrodonir, halves_go_to_even) {
    const struct {
        double entrada;
        int sortida;
    } casos[] = {{4.5, 4}, {5.5, 6}, {2.5, 2}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {0.5, 0}};
    for (const auto& c : casos) {
        EXPECT_EQ(a_enter16(c.entrada), c.sortida) << c.entrada;
    }
}

TEST(a_enter16, out_of_range_is_an_error) {
    EXPECT_EQ(a_enter16(32767), 32767);
    EXPECT_EQ(a_enter16(-32768), -32768);
    EXPECT_EQ(a_enter16(32767.4), 32767);
    EXPECT_THROW(a_enter16(32767.5), error_desbordament); // rounds to 32768
    EXPECT_THROW(a_enter16(-32769), error_desbordament);
    EXPECT_THROW(a_enter16(1e300), error_desbordament);
    EXPECT_THROW(enter16_de_text("1e400"), error_desbordament);
    EXPECT_THROW(a_enter32(3e9), error_desbordament);
}

TEST(forma_plana, leading_space_for_non_negative) {
    EXPECT_EQ(forma_plana(5LL), " 5");
    EXPECT_EQ(forma_plana(0LL), " 0");
    EXPECT_EQ(forma_plana(-2LL), "-2");
    EXPECT_EQ(forma_plana(0.5), " .5");
    EXPECT_EQ(forma_plana(-1.25), "-1.25");
    EXPECT_EQ(text_decimal(-7), "-7");
    EXPECT_EQ(bool16(true), -1);
}

} // namespace
} // namespace quorvel
