#include "core/errors.h"
#include "core/lletra_casella.h"
#include "core/text.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(text, windows_1252_round_trips_through_utf8) {
    std::string tots;
    for (int c = 1; c < 256; ++c) {
        tots += static_cast<char>(c);
    }
    const std::string utf8 = a_utf8(tots);
    EXPECT_TRUE(es_utf8_valid(utf8));
    EXPECT_EQ(de_utf8(utf8), tots);
    EXPECT_EQ(a_utf8("S\xE8rie \x80"), "S\xC3\xA8rie \xE2\x82\xAC");
}

TEST(text, file_decoding_picks_utf8_only_when_valid_and_non_ascii) {
    // "Sèrie" in UTF-8 is stored as Windows-1252.
    EXPECT_EQ(text_de_fitxer("S\xC3\xA8rie"), "S\xE8rie");
    // The same word already in Windows-1252 is not valid UTF-8: kept.
    EXPECT_EQ(text_de_fitxer("S\xE8rie"), "S\xE8rie");
    // A byte order mark is dropped from a UTF-8 file.
    EXPECT_EQ(text_de_fitxer("\xEF\xBB\xBF\xC3\xA9"), "\xE9");
    EXPECT_EQ(text_de_fitxer("plain"), "plain");
    // A character without a Windows-1252 form becomes "?".
    EXPECT_EQ(de_utf8("\xE2\x88\x9E"), "?");
    // Overlong and truncated sequences are not UTF-8.
    EXPECT_FALSE(es_utf8_valid("\xC0\xAF"));
    EXPECT_FALSE(es_utf8_valid("\xE2\x82"));
    EXPECT_FALSE(es_utf8_valid("\xED\xA0\x80"));
}

TEST(text, case_and_trimming) {
    EXPECT_EQ(majuscules("gos.gif \xE8"), "GOS.GIF \xC8");
    EXPECT_EQ(minuscules("INICI \xC7"), "inici \xE7");
    EXPECT_TRUE(iguals_sense_majuscules("Joystick", "JOYSTICK"));
    EXPECT_FALSE(iguals_sense_majuscules("Joystick", "Joystic"));
    EXPECT_EQ(retallar_espais("  a\tb  "), "a\tb");
    EXPECT_EQ(retallar_espais("   "), "");
    EXPECT_EQ(caracter(200), "\xC8");
}

TEST(text, a_cell_and_its_letter_name_each_other) {
    struct cas {
        int casella;
        char lletra;
    };
    for (const cas& c : {cas{0, 'A'}, cas{1, 'B'}, cas{25, 'Z'}, cas{62, '\x7F'}, cas{63, '\x80'},
                         cas{190, '\xFF'}}) {
        EXPECT_EQ(lletra_casella(c.casella), c.lletra) << c.casella;
        EXPECT_EQ(text_casella(c.casella), std::string(1, c.lletra)) << c.casella;
        EXPECT_EQ(casella_lletra(c.lletra), c.casella) << c.casella;
    }
    for (const int sense_lletra : {-1, 191, 1000}) {
        EXPECT_THROW(lletra_casella(sense_lletra), error_index) << sense_lletra;
    }
    EXPECT_LT(casella_lletra('@'), 0);
    EXPECT_LT(casella_lletra(' '), 0);
}

} // namespace
} // namespace quorvel
