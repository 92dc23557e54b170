#include "content/rutes.h"

#include "app/sessio.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

class rutes : public ::testing::Test {
  protected:
    void SetUp() override {
        s.carpeta_exercici = "/ex\\";
        for (const char* f : {"/ex/imatge/gos.gif", "/ex/veu/gos.gif", "/ex/veu/gos.wav",
                              "/ex/tema.mid", "/prog/veu/ok.wav"}) {
            fitxers.posar(f, "");
        }
    }
    sessio s;
    fakes::fitxers_falsos fitxers;
};

TEST_F(rutes, resolves_names_under_the_base_folder) {
    const struct {
        const char* text;
        const char* ruta;
    } casos[] = {
        {"gos.wav", "/ex\\veu\\gos.wav"},
        {"gos.gif", "/ex\\imatge\\gos.gif"},
        {"tema.mid", "/ex\\tema.mid"},
        {"cap.gif", "cap.gif"},
        {"gos.gif|gos.wav", "/ex\\imatge\\gos.gif|/ex\\veu\\gos.wav"},
        {"gos.gif||gos.wav", "/ex\\imatge\\gos.gif"},
        {"|gos.wav", ""},
        {"/alt/x.gif|gos.wav", "/alt/x.gif|/ex\\veu\\gos.wav"},
        {"D:\\alt\\x.gif|cap|tema.mid", "D:\\alt\\x.gif|cap|/ex\\tema.mid"},
        {"/ex\\gos.wav", "/ex\\veu\\gos.wav"},
        {"  gos.wav  ", "/ex\\veu\\gos.wav"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ruta_resoldre(s, fitxers, c.text), c.ruta) << c.text;
    }
}

TEST_F(rutes, scenario_reading_uses_the_program_folder) {
    s.carpeta_programa = "/prog";
    s.esc_llegint = 1;
    EXPECT_EQ(carpeta_base(s), "/prog\\");
    EXPECT_EQ(ruta_resoldre(s, fitxers, "ok.wav|gos.wav"), "/prog\\veu\\ok.wav|gos.wav");
    s.esc_llegint = 0;
    EXPECT_EQ(carpeta_base(s), "/ex\\");
}

TEST_F(rutes, shortening_the_base_folder) {
    const struct {
        const char* base;
        const char* text;
        const char* escurcat;
    } casos[] = {
        {"/ex\\", "/ex\\a.gif|/ex\\b.gif", "a.gif|b.gif"},
        {"/ex\\", "/EX\\a.gif", "/EX\\a.gif"},
        {"/ex\\", "/ex/imatge/a.gif", "imatge/a.gif"},
        {"C:\\ex\\", "C:\\ex\\a", "a"},
        {"ab", "aabb", ""},
        {"ab", "xaabby", "xy"},
        {"", "/ex\\a", "/ex\\a"},
        {"/ex\\", "", ""},
    };
    for (const auto& c : casos) {
        s.carpeta_exercici = c.base;
        EXPECT_EQ(ruta_escurcar(s, c.text), c.escurcat) << c.base << " " << c.text;
    }
}

} // namespace
} // namespace quorvel
