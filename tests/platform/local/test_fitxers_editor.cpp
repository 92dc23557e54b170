#include "platform/local/fitxers_editor.h"
#include "tests/fakes/carpeta_temporal.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// A taken name gets a new one; nothing is overwritten.
TEST(fitxers_editor, a_copy_never_overwrites) {
    fakes::carpeta_temporal t("fitxers_editor");
    fakes::escriure_fitxer(t.cami() / "gos.wav", "nou");
    fs::create_directories(t.cami() / "veu");
    fakes::escriure_fitxer(t.cami() / "veu" / "gos.wav", "vell");
    std::string error;
    EXPECT_EQ(copiar_lliure(t.cami() / "gos.wav", t.cami() / "veu", error), "gos_2.wav");
    EXPECT_EQ(copiar_lliure(t.cami() / "gos.wav", t.cami() / "veu", error), "gos_3.wav");
    EXPECT_EQ(fakes::llegir_fitxer(t.cami() / "veu" / "gos.wav"), "vell");
    EXPECT_EQ(fakes::llegir_fitxer(t.cami() / "veu" / "gos_3.wav"), "nou");
}

// An exercise of a protected library is saved as a copy of its folder, media
// included, in the user's folder; the library is left as it was.
TEST(fitxers_editor, a_protected_exercise_is_saved_as_a_copy_with_its_media) {
    fakes::carpeta_temporal t("fitxers_editor");
    const fs::path biblioteca = t.cami() / "exercicis" / "troba";
    fs::create_directories(biblioteca / "veu");
    fakes::escriure_fitxer(biblioteca / "troba.brd", "vell");
    fakes::escriure_fitxer(biblioteca / "veu" / "be.wav", "so");
    fs::create_directories(t.cami() / "meus" / "troba");
    const resultat_desar r =
        desar_exercici(biblioteca / "troba.brd", "nou", t.cami() / "meus", true);
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.copia);
    EXPECT_EQ(r.cami, t.cami() / "meus" / "troba_2" / "troba.brd");
    EXPECT_EQ(fakes::llegir_fitxer(r.cami), "nou");
    EXPECT_EQ(fakes::llegir_fitxer(t.cami() / "meus" / "troba_2" / "veu" / "be.wav"), "so");
    EXPECT_EQ(fakes::llegir_fitxer(biblioteca / "troba.brd"), "vell");
    const resultat_desar directe = desar_exercici(r.cami, "altre", t.cami() / "meus");
    EXPECT_FALSE(directe.copia);
    EXPECT_EQ(fakes::llegir_fitxer(r.cami), "altre");
}

} // namespace
} // namespace quorvel
