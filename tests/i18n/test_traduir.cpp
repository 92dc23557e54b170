#include "app/sessio.h"
#include "i18n/idioma.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(traduir, series_word_by_language) {
    const struct {
        const char* idioma;
        const char* clau;
        const char* valor;
    } casos[] = {
        {"espa\xF1ol", "S\xE8rie", "S\xE9rie"}, {"galego", "S\xE8rie", "S\xE9rie"},
        {"catala", "S\xE8rie", "S\xE8rie"},     {"espanyol.trad", "S\xE8rie", "S\xE8rie"},
        {"", "S\xE8rie", "S\xE8rie"},           {"espa\xF1ol", "s\xE8rie", ""},
        {"Catala", "S\xE8rie", "S\xE8rie"},
    };
    for (const auto& c : casos) {
        sessio s;
        s.idioma = c.idioma;
        EXPECT_EQ(traduir(s, c.clau), c.valor) << c.idioma << " " << c.clau;
    }
}

} // namespace
} // namespace quorvel
