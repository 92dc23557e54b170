#include "platform/local/rellotge_sistema.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

TEST(rellotge_sistema, random_numbers_stay_in_range_and_repeat_for_a_seed) {
    rellotge_sistema r;
    std::vector<double> primers;
    r.llavor(42);
    for (int i = 0; i < 100000; ++i) {
        const double x = r.aleatori();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        if (i < 5) {
            primers.push_back(x);
        }
    }
    r.llavor(42);
    for (const double x : primers) {
        EXPECT_EQ(r.aleatori(), x);
    }
    const double segons = r.segons();
    EXPECT_GE(segons, 0.0);
    EXPECT_LT(segons, 86400.0);
}

} // namespace
} // namespace quorvel
