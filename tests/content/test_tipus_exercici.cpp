#include "content/tipus_exercici.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(tipus_exercici, each_written_type_falls_in_its_family) {
    using f = familia_exercici;
    struct cas {
        const char* text;
        int numero;
        familia_exercici familia;
    };
    const cas casos[] = {
        {"", 0, f::cap},
        {"0", 0, f::cap},
        {"1", 1, f::desconegut},
        {"2", 2, f::desconegut},
        {"3", 3, f::escoltar_tauler},
        {"4", 4, f::escoltar_tauler},
        {"5", 5, f::midi},
        {"6", 6, f::recorregut},
        {"8", 8, f::recorregut},
        {"9", 9, f::parelles},
        {"10", 10, f::desconegut},
        {"11", 11, f::escoltar_i_trobar},
        {"12", 12, f::escoltar_i_trobar},
        {"13", 13, f::desconegut},
        {"14", 14, f::desconegut},
        {"15", 15, f::camins_fletxes},
        {"17", 17, f::camins_fletxes},
        {"18", 18, f::desconegut},
        {"20", 20, f::comptar},
        {"22", 22, f::comptar},
        {"23", 23, f::comptar_fins},
        {"25", 25, f::comptar_fins},
        {"26", 26, f::desconegut},
        {"29", 29, f::desconegut},
        {"30", 30, f::cursa},
        {"49", 49, f::cursa},
        {"50", 50, f::caselles_marcades},
        {"51", 51, f::caselles_marcades},
        {"52", 52, f::desconegut},
        {"1000", 1000, f::desconegut},
        // Only the plain written form names a type.
        {"03", 0, f::desconegut},
        {" 3", 0, f::desconegut},
        {"3 ", 0, f::desconegut},
        {"+3", 0, f::desconegut},
        {"3.0", 0, f::desconegut},
        {"-9", 0, f::desconegut},
        {"00", 0, f::desconegut},
        {"tres", 0, f::desconegut},
        {"99999999999", 0, f::desconegut},
    };
    for (const cas& c : casos) {
        const tipus_exercici t = tipus_de_text(c.text);
        EXPECT_EQ(t.numero, c.numero) << '"' << c.text << '"';
        EXPECT_EQ(t.familia, c.familia) << '"' << c.text << '"';
    }
}

TEST(tipus_exercici, read_number_wise_a_race_lies_strictly_between_29_and_50) {
    struct cas {
        const char* text;
        bool cursa;
    };
    for (const cas& c : {cas{"29", false}, cas{"30", true}, cas{"030", true}, cas{"49", true},
                         cas{"49.5", true}, cas{"50", false}, cas{"", false}}) {
        EXPECT_EQ(tipus_de_text(c.text).es_cursa(), c.cursa) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace quorvel
