#include "core/lector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

std::vector<std::string> tots(const std::string& text) {
    lector l(text);
    std::vector<std::string> items;
    while (!l.al_final()) {
        items.push_back(l.llegir_element());
    }
    return items;
}

using v = std::vector<std::string>;

TEST(lector, item_boundaries) {
    const struct {
        const char* text;
        v items;
    } casos[] = {
        {"a,b\r\nc", {"a", "b", "c"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"  x  ,y", {"x", "y"}},
        {"k\tv, w", {"k\tv", "w"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\" 1=-2,-2\"\r\n\"mapa\"", {" 1=-2,-2", "mapa"}},
        {"\"ab\"junk,c", {"ab", "c"}},
        {"\"unclosed, to the end", {"unclosed, to the end"}},
        {"a\rb", {"a", "b"}},
        {"a,\nb", {"a", "", "b"}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(tots(c.text), c.items) << c.text;
    }
}

TEST(lector, end_of_file_gives_empty_items) {
    lector l("only");
    EXPECT_EQ(l.llegir_element(), "only");
    EXPECT_TRUE(l.al_final());
    EXPECT_EQ(l.llegir_element(), "");
    EXPECT_EQ(l.llegir_element(), "");
}

TEST(lector, long_lines_and_binary_bytes) {
    std::string llarg(100000, 'x');
    llarg += std::string("\0\xFF,\x01", 4);
    const auto items = tots(llarg);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].size(), 100002u);
    EXPECT_EQ(items[1], "\x01");
}

} // namespace
} // namespace quorvel
