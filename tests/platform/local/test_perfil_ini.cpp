#include "platform/local/perfil_ini.h"

#include "tests/fakes/carpeta_temporal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class perfil_ini_test : public ::testing::Test {
  protected:
    // The program's path text for a file of the temporary folder, "\" joined.
    std::string cami(const std::string& nom = "quorvel.ini") const {
        return carpeta_.string() + "\\" + nom;
    }
    void posar(const std::string& bytes, const std::string& nom = "quorvel.ini") const {
        fakes::escriure_fitxer(carpeta_ / nom, bytes);
    }
    std::string contingut(const std::string& nom = "quorvel.ini") const {
        return fakes::llegir_fitxer(carpeta_ / nom);
    }
    std::string llegir(const std::string& seccio, const std::string& clau,
                       const std::string& defecte = "") {
        return perfil.llegir(seccio, clau, defecte, cami());
    }

    fakes::carpeta_temporal temporal_{"perfil"};
    const fs::path& carpeta_ = temporal_.cami();
    perfil_ini perfil;
};

TEST_F(perfil_ini_test, reads_keys_by_case_insensitive_names) {
    posar("; settings\r\n"
          "[Inici]\r\n"
          "  Mapa = aula 2.map  \r\n"
          "clolumnes=4\r\n"
          "buit=\r\n"
          "cometes = \"  amb espais \"\r\n"
          "simples='x'\r\n"
          "mig=\"a\" i \"b\"\r\n"
          "[JOYSTICK]\n"
          "num_butons=6\n"
          "[\xC0rea]\n"
          "Cl\xE0u=\xE9s");
    const struct {
        const char* seccio;
        const char* clau;
        const char* esperat;
    } casos[] = {
        {"inici", "mapa", "aula 2.map"},
        {"INICI", "CLOLUMNES", "4"},
        {"inici", "buit", ""},
        {"inici", "cometes", "  amb espais "},
        {"inici", "simples", "x"},
        {"inici", "mig", "a\" i \"b"},
        {"inici", "num_butons", "(defecte)"},
        {"joystick", "num_butons", "6"},
        {"joystick", "mapa", "(defecte)"},
        {"\xE0rea", "CL\xC0U", "\xE9s"},
        {"cap", "mapa", "(defecte)"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(llegir(c.seccio, c.clau, "(defecte)"), c.esperat) << c.seccio << "/" << c.clau;
    }
}

TEST_F(perfil_ini_test, a_missing_file_gives_the_default) {
    EXPECT_EQ(llegir("inici", "mapa", "kk.map"), "kk.map");
    EXPECT_FALSE(fs::exists(carpeta_ / "quorvel.ini"));
}

TEST_F(perfil_ini_test, values_are_cut_to_511_characters) {
    posar("[a]\nk=" + std::string(600, 'x') + "\n");
    EXPECT_EQ(llegir("a", "k"), std::string(511, 'x'));
    EXPECT_EQ(llegir("a", "cap", std::string(600, 'd')), std::string(511, 'd'));
}

TEST_F(perfil_ini_test, folders_and_file_name_are_found_case_insensitively) {
    fs::create_directories(carpeta_ / "Programa");
    posar("[inici]\nidioma=catala.trad\n", "Programa/Quorvel.INI");
    EXPECT_EQ(perfil.llegir("inici", "idioma", "", cami("programa\\quorvel.ini")), "catala.trad");
}

TEST_F(perfil_ini_test, a_write_changes_only_the_value_of_the_key) {
    const std::string abans = "; comentari\r\n"
                              "[inici]\r\n"
                              "mapa = kk.map   \r\n"
                              "IDIOMA =  vell.trad\r\n"
                              "\r\n"
                              "[Joystick]\n"
                              "idioma=no.trad\r\n"
                              "altra \tl\xEDnia sense igual\r\n";
    posar(abans);
    EXPECT_TRUE(perfil.escriure("Inici", "idioma", "espa\xF1ol.trad", cami()));
    std::string esperat = abans;
    esperat.replace(esperat.find("vell.trad"), 9, "espa\xF1ol.trad");
    EXPECT_EQ(contingut(), esperat);
    EXPECT_EQ(llegir("inici", "idioma"), "espa\xF1ol.trad");
}

TEST_F(perfil_ini_test, a_write_adds_a_missing_key_at_the_end_of_the_first_section) {
    posar("[inici]\nmapa=kk.map\n; per a Joystick\n\n[joystick]\ncursors=1\n[inici]\nx=1");
    EXPECT_TRUE(perfil.escriure("inici", "idioma", "gal.trad", cami()));
    EXPECT_EQ(contingut(), "[inici]\nmapa=kk.map\nidioma=gal.trad\n; per a Joystick\n\n"
                           "[joystick]\ncursors=1\n[inici]\nx=1");
}

TEST_F(perfil_ini_test, a_write_creates_the_file_and_the_section) {
    EXPECT_TRUE(perfil.escriure("inici", "idioma", "catala.trad", cami()));
    EXPECT_EQ(contingut(), "[inici]\r\nidioma=catala.trad\r\n");
    EXPECT_TRUE(perfil.escriure("Joystick", "cursors", "-1", cami()));
    EXPECT_EQ(contingut(), "[inici]\r\nidioma=catala.trad\r\n\r\n[Joystick]\r\ncursors=-1\r\n");
    // A file without a final line end gets one before the new section.
    posar("[inici]\nmapa=a.map", "b.ini");
    EXPECT_TRUE(perfil.escriure("Joystick", "invers", "0", cami("b.ini")));
    EXPECT_EQ(contingut("b.ini"), "[inici]\nmapa=a.map\n\n[Joystick]\ninvers=0\n");
}

TEST_F(perfil_ini_test, the_file_keeps_its_encoding) {
    // UTF-8 with non-ASCII text: read decoded, written encoded as UTF-8.
    posar("\xEF\xBB\xBF[inici]\r\n; Configuraci\xC3\xB3 \xE2\x86\x92 "
          "aula\r\nmapa=m\xC3\xA0pa.map\r\n");
    EXPECT_EQ(llegir("inici", "mapa"), "m\xE0pa.map");
    EXPECT_TRUE(perfil.escriure("inici", "idioma", "espa\xF1ol.trad", cami()));
    EXPECT_EQ(contingut(), "\xEF\xBB\xBF[inici]\r\n; Configuraci\xC3\xB3 \xE2\x86\x92 aula\r\n"
                           "mapa=m\xC3\xA0pa.map\r\nidioma=espa\xC3\xB1ol.trad\r\n");
    EXPECT_EQ(llegir("inici", "idioma"), "espa\xF1ol.trad");
    // Windows-1252: bytes as they are.
    posar("[inici]\r\nmapa=m\xE0pa.map\r\n", "w.ini");
    EXPECT_TRUE(perfil.escriure("inici", "mapa", "\xE9s.map", cami("w.ini")));
    EXPECT_EQ(contingut("w.ini"), "[inici]\r\nmapa=\xE9s.map\r\n");
    // Windows-1252 text that would look like UTF-8 in a plain ASCII file.
    EXPECT_TRUE(perfil.escriure("inici", "idioma", "\xC3\xA9s.trad", cami("a.ini")));
    EXPECT_EQ(perfil.llegir("inici", "idioma", "", cami("a.ini")), "\xC3\xA9s.trad");
}

TEST_F(perfil_ini_test, values_the_reader_would_change_are_quoted) {
    for (const std::string valor :
         {" amb espais ", "\"entre cometes\"", "'x'", "", "a\"b", "\"a\" i \"b\""}) {
        ASSERT_TRUE(perfil.escriure("inici", "v", valor, cami()));
        EXPECT_EQ(llegir("inici", "v", "(defecte)"), valor);
    }
}

TEST_F(perfil_ini_test, writes_that_would_break_the_file_are_refused) {
    posar("[inici]\r\nmapa=kk.map\r\n");
    EXPECT_FALSE(perfil.escriure("inici", "idioma", "a\r\n[inici]\r\nmapa=x", cami()));
    EXPECT_FALSE(perfil.escriure("in]ici", "idioma", "a", cami()));
    EXPECT_FALSE(perfil.escriure("inici", "a=b", "a", cami()));
    EXPECT_FALSE(perfil.escriure("inici", "", "a", cami()));
    EXPECT_EQ(contingut(), "[inici]\r\nmapa=kk.map\r\n");
    // A folder that does not exist: nothing is created.
    EXPECT_FALSE(perfil.escriure("inici", "idioma", "a", cami("no\\quorvel.ini")));
    EXPECT_FALSE(fs::exists(carpeta_ / "no"));
}

TEST_F(perfil_ini_test, a_settings_file_that_is_a_link_is_not_written_through) {
    posar("echo hola\n");
    fs::rename(carpeta_ / "quorvel.ini", carpeta_ / "altre");
    fs::create_symlink(carpeta_ / "altre", carpeta_ / "quorvel.ini");
    EXPECT_FALSE(perfil.escriure("inici", "idioma", "a", cami()));
    EXPECT_TRUE(fs::is_symlink(carpeta_ / "quorvel.ini"));
    EXPECT_EQ(contingut(), "echo hola\n");
}

TEST_F(perfil_ini_test, writes_leave_no_temporary_file_and_never_replace_a_folder) {
    posar("[inici]\nmapa=kk.map\n");
    fs::create_directory(carpeta_ / "carpeta.ini");
    EXPECT_FALSE(perfil.escriure("inici", "idioma", "a", cami("carpeta.ini")));
    EXPECT_TRUE(fs::is_directory(carpeta_ / "carpeta.ini"));
    EXPECT_TRUE(perfil.escriure("inici", "idioma", "a", cami()));
    int fitxers = 0;
    for (const auto& e : fs::directory_iterator(carpeta_)) {
        fitxers += e.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(fitxers, 1);
}

TEST_F(perfil_ini_test, garbage_and_long_lines_do_not_break_reading) {
    std::mt19937 generador(7);
    std::string brossa;
    for (int i = 0; i < 200000; ++i) {
        brossa += static_cast<char>(generador() & 0xFF);
    }
    const std::string llarga(100000, 'z');
    posar(brossa + "\n[inici]\nllarga=" + llarga + "\n" + llarga + "[=]\n" + brossa +
          "\n[inici]\nmapa=ok.map");
    EXPECT_EQ(llegir("inici", "llarga"), std::string(511, 'z'));
    EXPECT_EQ(llegir("inici", "mapa"), "ok.map");
    const std::string abans = contingut();
    EXPECT_TRUE(perfil.escriure("inici", "mapa", "nou.map", cami()));
    const std::string despres = contingut();
    EXPECT_EQ(despres.substr(0, despres.size() - 7), abans.substr(0, abans.size() - 6));
    EXPECT_EQ(llegir("inici", "mapa"), "nou.map");
}

TEST_F(perfil_ini_test, line_end_styles_mix) {
    posar("[inici]\rmapa=cr.map\r\n[joystick]\ncursors=1");
    EXPECT_EQ(llegir("inici", "mapa"), "cr.map");
    EXPECT_EQ(llegir("joystick", "cursors"), "1");
    EXPECT_TRUE(perfil.escriure("joystick", "invers", "0", cami()));
    EXPECT_EQ(contingut(), "[inici]\rmapa=cr.map\r\n[joystick]\ncursors=1\rinvers=0\r");
}

} // namespace
} // namespace quorvel
