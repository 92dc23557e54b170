#include "app/sessio.h"
#include "core/text.h"
#include "i18n/idioma.h"
#include "i18n/missatges.h"
#include "tests/content/fitxers_prova.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace quorvel {
namespace {

TEST(missatges, values_fill_their_markers) {
    const struct {
        const char* plantilla;
        std::initializer_list<std::string_view> valors;
        const char* esperat;
    } casos[] = {
        {"No es pot reproduir %1: %2",
         {"no_ok.wav", "no audio output"},
         "No es pot reproduir no_ok.wav: no audio output"},
        {"%2 abans de %1", {"a", "b"}, "b abans de a"},
        {"%1%1", {"x"}, "xx"},
        // A marker without a value, a lone "%" and "%0" stay as written.
        {"%1 i %2", {"u"}, "u i %2"},
        {"100% %", {"u"}, "100% %"},
        {"%0", {"u"}, "%0"},
        // A value is not read again for markers.
        {"%1", {"%1%2"}, "%1%2"},
        {"", {"u"}, ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(omplir_missatge(c.plantilla, c.valors), c.esperat) << c.plantilla;
    }
}

// Every text the program writes exists in each bundled language, with the
// same markers, so that no value goes missing in translation.
TEST(missatges, bundled_languages_give_every_text_with_its_markers) {
    for (const char* idioma : {"catala.trad", "castellano.trad", "english.trad"}) {
        fakes::fitxers_falsos fitxers;
        fitxers.posar("/prog/idioma.trad", prova::dades_programa(idioma));
        sessio s;
        idioma_carregar_fitxer(s, fitxers, "/prog/idioma.trad");
        const sessio sense_idioma;
        for (int n = 2; n < 230; ++n) {
            const auto m = static_cast<missatge>(n);
            // Numbers the program does not write have no Catalan text.
            if (text_missatge(sense_idioma, m).empty()) {
                continue;
            }
            ASSERT_TRUE(s.textos_idioma.dins(n)) << idioma << " " << n;
            EXPECT_FALSE(s.textos_idioma[n].empty()) << idioma << " " << n;
            EXPECT_EQ(text_missatge(s, m), s.textos_idioma[n]) << idioma << " " << n;
            const std::string valors = text_missatge(s, m, {"<1>", "<2>", "<3>", "<4>"});
            const std::string defecte =
                text_missatge(sense_idioma, m, {"<1>", "<2>", "<3>", "<4>"});
            for (const char* marca : {"<1>", "<2>", "<3>", "<4>"}) {
                EXPECT_EQ(valors.find(marca) == std::string::npos,
                          defecte.find(marca) == std::string::npos)
                    << idioma << " " << n << " " << marca;
            }
        }
        if (std::string(idioma) == "catala.trad") {
            EXPECT_EQ(text_missatge(s, missatge::sense_comandaments),
                      text_missatge(sense_idioma, missatge::sense_comandaments));
        }
    }
}

} // namespace
} // namespace quorvel
