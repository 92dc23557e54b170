#include "core/dialegs_fitxer.h"

#include "core/finestra.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using namespace std::string_literals;

TEST(filtre_convertir, bars_become_nul) {
    EXPECT_EQ(filtre_convertir("a|b|c|d"), "a\0b\0c\0d"s);
    EXPECT_EQ(filtre_convertir("no bars *.map"), "no bars *.map");
}

// Records the folders the wrapper creates; creating them fails.
struct fitxers_amb_carpetes : fakes::fitxers_falsos {
    std::vector<std::string> creades;
    bool crear_carpeta(const std::string& cami) override {
        creades.push_back(cami);
        return false;
    }
};

TEST(dialegs_fitxer, cancel_is_empty_and_save_creates_a_missing_folder) {
    fakes::serveis_falsos f;
    fitxers_amb_carpetes fitxers;
    serveis sv{f.joystick, fitxers, f.perfil, f.media, f.midi, f.dialegs, f.eines, f.rellotge};
    finestra form{"Form1"};
    fitxers.posar("/p/kk.map", "x");

    EXPECT_EQ(obrir_fitxer(sv, form, "/q/no", "f", "t"), "");
    EXPECT_EQ(desar_fitxer(sv, "kk.map", form, "/p", "f", "t"), "");
    EXPECT_EQ(desar_fitxer(sv, "kk.map", form, "/p/kk.map", "f", "t"), "");
    EXPECT_TRUE(fitxers.creades.empty());

    f.dialegs.respostes = {"/q/nova/a.map\0junk"s};
    EXPECT_EQ(desar_fitxer(sv, "a.map", form, "/q/nova", "f", "Desar"), "/q/nova/a.map");
    EXPECT_EQ(fitxers.creades, std::vector<std::string>{"/q/nova"});
    const auto& d = f.dialegs.peticions.back();
    EXPECT_EQ(std::tie(d.tipus, d.nom_proposat, d.carpeta, d.titol),
              std::make_tuple("desar", "a.map", "/q/nova", "Desar"));
}

} // namespace
} // namespace quorvel
