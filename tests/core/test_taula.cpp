#include "core/pas.h"
#include "core/taula.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(taula, bounds_are_checked) {
    taula<int> t;
    EXPECT_FALSE(t.te_emmagatzematge());
    EXPECT_THROW((void)t[0], error_index);
    t.redimensionar(1, 3);
    t[1] = 10;
    t[3] = 30;
    EXPECT_THROW((void)t[0], error_index);
    EXPECT_THROW((void)t[4], error_index);
    EXPECT_EQ(t.inferior(), 1);
    EXPECT_EQ(t.superior(), 3);
}

TEST(taula, resizing_keeps_or_drops_contents) {
    taula<std::string> t(0, 2);
    t[2] = "b";
    t.redimensionar_conservant(5);
    EXPECT_EQ(t[2], "b");
    EXPECT_EQ(t[5], "");
    t.redimensionar_conservant(1);
    EXPECT_THROW((void)t[2], error_index);
    t.redimensionar(0, 4);
    EXPECT_EQ(t[1], "");
    t.redimensionar(0, -1); // empty with storage
    EXPECT_TRUE(t.te_emmagatzematge());
    EXPECT_FALSE(t.dins(0));
    EXPECT_THROW(t.redimensionar(0, -2), error_index);
    EXPECT_THROW(t.redimensionar(0, 1 << 30), error_index);
}

TEST(taula2, two_subscripts_with_own_bounds) {
    taula2<short> t;
    t.redimensionar(0, 2, 0, 14);
    t(2, 14) = -2;
    EXPECT_EQ(t(2, 14), -2);
    EXPECT_THROW(t(3, 0), error_index);
    EXPECT_THROW(t(0, 15), error_index);
    EXPECT_THROW(t(-1, 0), error_index);
}

TEST(pas, skips_failing_steps_only) {
    int fets = 0;
    taula<int> t(0, 1);
    EXPECT_FALSE(pas([&] { t[5] = 1; }));
    EXPECT_TRUE(pas([&] { ++fets; }));
    EXPECT_EQ(fets, 1);
    // Faults that are not program failures still surface.
    EXPECT_THROW(pas([] { throw std::logic_error("bug"); }), std::logic_error);
}

} // namespace
} // namespace quorvel
