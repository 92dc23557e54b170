#include "platform/local/fitxers_disc.h"

#include "core/text.h"
#include "tests/fakes/carpeta_temporal.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class fitxers_disc_test : public ::testing::Test {
  protected:
    void SetUp() override {
        inicial = fs::current_path();
        fs::create_directories(arrel / "imatge");
        fs::create_directories(arrel / "veu");
        posar("imatge/Gos.GIF", "gif");
        posar("imatge/gat.gif", "gif");
        posar("veu/gos.wav", "wav");
        posar(a_utf8("\xC0via.txt"), "S\xC3\xA8rie\r\n");
        posar("\xE0vi.txt", "S\xE8rie\r\n"); // a name that is not UTF-8
        posar("pla.txt", "a,b\r\n");
        base = de_utf8(arrel.string());
    }
    void TearDown() override { fs::current_path(inicial); }
    void posar(const std::string& nom, const std::string& bytes) const {
        fakes::escriure_fitxer(arrel / nom, bytes);
    }
    [[nodiscard]] static std::string bytes(const fs::path& cami) {
        return fakes::llegir_fitxer(cami);
    }
    fs::path inicial;
    fakes::carpeta_temporal temporal{"fitxers"};
    const fs::path& arrel = temporal.cami();
    std::string base; // the temporary folder as program text
    fitxers_disc disc;
};

TEST_F(fitxers_disc_test, existence_ignores_letter_case_and_takes_wildcards) {
    const struct {
        const char* cami;
        bool existeix;
    } casos[] = {
        {"\\imatge\\gos.gif", true},     {"/IMATGE/GOS.gif", true},  {"\\Imatge\\gat.GIF", true},
        {"\\imatge\\ratoli.gif", false}, {"\\imatge", false},        {"\\imatge\\*.gif", true},
        {"\\imatge\\g?s.GIF", true},     {"\\imatge\\*.wav", false}, {"\\VEU\\*", true},
        {"\\\xE0VIA.TXT", true},         {"\\\xC0VI.txt", true},     {"\\pla.txt\\x", false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(disc.existeix_fitxer(base + c.cami), c.existeix) << c.cami;
    }
    EXPECT_TRUE(disc.existeix_carpeta(base + "\\IMATGE\\"));
    EXPECT_FALSE(disc.existeix_fitxer("C:\\imatge\\gos.gif"));
    EXPECT_FALSE(disc.existeix_fitxer(""));
}

TEST_F(fitxers_disc_test, local_and_full_paths) {
    EXPECT_EQ(fitxers_disc::cami_local(base + "\\imatge\\gos.gif"),
              arrel.string() + "/imatge/Gos.GIF");
    EXPECT_EQ(fitxers_disc::cami_local(base + "\\IMATGE\\nou\\x.gif"),
              arrel.string() + "/imatge/nou/x.gif");
    EXPECT_EQ(fitxers_disc::cami_local("C:\\imatge"), "");
    EXPECT_EQ(disc.cami_complet(base + "/imatge/../imatge/GOS.gif"), base + "/imatge/Gos.GIF");
    EXPECT_EQ(disc.cami_complet(base + "/imatge"), std::nullopt);
    const struct {
        const char* cami;
        const char* unitat;
    } unitats[] = {{"C:\\x", "C:"}, {"\\x", "/"}, {"/x", "/"}, {"x\\y", ""}, {"", ""}};
    for (const auto& c : unitats) {
        EXPECT_EQ(disc.nom_unitat(c.cami), c.unitat) << c.cami;
    }
}

TEST_F(fitxers_disc_test, listing_is_sorted_and_in_program_text) {
    using v = std::vector<std::string>;
    EXPECT_EQ(disc.llistar(base + "\\IMATGE", "*.gif"), (v{"gat.gif", "Gos.GIF"}));
    EXPECT_EQ(disc.llistar(base, "*.txt"), (v{"pla.txt", "\xE0vi.txt", "\xC0via.txt"}));
    EXPECT_EQ(disc.llistar(base, "*.*").size(), 3u);
    EXPECT_TRUE(disc.llistar(base + "\\falta", "*").empty());
}

// The in-memory file system the logic's tests run on must list exactly what
// the disk lists, and as fast: a pattern of many stars once took seconds there.
TEST_F(fitxers_disc_test, in_memory_files_match_patterns_as_the_disk_does) {
    posar("sense_extensio", "x");
    posar(std::string(60, 'a') + "b", "x");
    fakes::fitxers_falsos memoria;
    for (const auto& entrada : fs::directory_iterator(arrel)) {
        if (entrada.is_regular_file()) {
            memoria.posar("/prova/" + de_utf8(entrada.path().filename().string()), "x");
        }
    }
    const std::string patrons[] = {"*.*",
                                   "*",
                                   "*.TXT",
                                   "?la.txt",
                                   "s*o",
                                   "*e*e*",
                                   "*.",
                                   "??",
                                   std::string(35, '*') + "c",
                                   std::string(35, '*') + "b"};
    for (const std::string& patro : patrons) {
        auto del_disc = disc.llistar(base, patro);
        auto de_memoria = memoria.llistar("/prova", patro);
        std::sort(del_disc.begin(), del_disc.end());
        std::sort(de_memoria.begin(), de_memoria.end());
        EXPECT_EQ(de_memoria, del_disc) << patro;
    }
}

TEST_F(fitxers_disc_test, reading_decodes_utf8_files_only) {
    EXPECT_EQ(disc.llegir_text(base + "\\\xC0via.txt"), "S\xE8rie\r\n");
    EXPECT_EQ(disc.llegir_text(base + "\\\xE0vi.txt"), "S\xE8rie\r\n");
    EXPECT_EQ(disc.llegir_text(base + "\\PLA.TXT"), "a,b\r\n");
    EXPECT_EQ(disc.llegir_text(base + "\\imatge"), std::nullopt);
    EXPECT_EQ(disc.llegir_text(base + "\\falta.txt"), std::nullopt);
}

TEST_F(fitxers_disc_test, writing_replaces_the_whole_file) {
    ::chmod((arrel / "pla.txt").c_str(), 0640);
    EXPECT_EQ(disc.escriure_text(base + "\\PLA.txt", "S\xE8rie\r\n"), "");
    EXPECT_EQ(bytes(arrel / "pla.txt"), "S\xE8rie\r\n");
    EXPECT_EQ(fs::status(arrel / "pla.txt").permissions() & fs::perms::mask,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(disc.escriure_text(base + "\\Imatge\\nou.map", "m"), "");
    EXPECT_EQ(bytes(arrel / "imatge" / "nou.map"), "m");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(arrel), fs::directory_iterator()), 5);
}

TEST_F(fitxers_disc_test, failed_writes_give_the_reason_and_keep_the_file) {
    const std::vector<std::string> camins = {base + "\\pla.txt\\x", base + "\\falta\\x.txt",
                                             base + "\\imatge", "C:\\x.txt"};
    for (const auto& cami : camins) {
        EXPECT_NE(disc.escriure_text(cami, "nou"), "") << cami;
    }
    EXPECT_EQ(disc.escriure_text(base + "\\pla.txt\\x", "nou"), "Not a directory");
    EXPECT_EQ(bytes(arrel / "pla.txt"), "a,b\r\n");
    EXPECT_TRUE(fs::is_directory(arrel / "imatge"));
}

TEST_F(fitxers_disc_test, a_link_is_replaced_itself_and_the_file_it_names_is_left_alone) {
    fs::create_symlink(arrel / "pla.txt", arrel / "kk.map");
    EXPECT_EQ(disc.escriure_text(base + "\\kk.map", "mapa"), "");
    EXPECT_FALSE(fs::is_symlink(arrel / "kk.map"));
    EXPECT_EQ(bytes(arrel / "kk.map"), "mapa");
    EXPECT_EQ(bytes(arrel / "pla.txt"), "a,b\r\n");
}

TEST_F(fitxers_disc_test, a_read_only_file_is_not_replaced) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    ::chmod((arrel / "pla.txt").c_str(), 0444);
    EXPECT_EQ(disc.escriure_text(base + "\\pla.txt", "nou"), "Permission denied");
    EXPECT_EQ(bytes(arrel / "pla.txt"), "a,b\r\n");
}

TEST_F(fitxers_disc_test, relative_paths_follow_the_current_folder) {
    ASSERT_TRUE(disc.canviar_carpeta_actual(base + "\\VEU"));
    EXPECT_EQ(disc.carpeta_actual(), base + "/veu");
    EXPECT_TRUE(disc.existeix_fitxer("..\\imatge\\gos.gif"));
    EXPECT_TRUE(disc.existeix_fitxer("GOS.WAV"));
    EXPECT_EQ(disc.cami_complet("gos.wav"), base + "/veu/gos.wav");
    EXPECT_EQ(disc.llistar("", "*.wav"), std::vector<std::string>{"gos.wav"});
    EXPECT_TRUE(disc.crear_carpeta("nova\\sub"));
    EXPECT_TRUE(fs::is_directory(arrel / "veu" / "nova" / "sub"));
    EXPECT_TRUE(disc.crear_carpeta("NOVA"));
    EXPECT_FALSE(disc.canviar_carpeta_actual("falta"));
    EXPECT_FALSE(disc.canviar_carpeta_actual("C:\\"));
}

} // namespace
} // namespace quorvel
