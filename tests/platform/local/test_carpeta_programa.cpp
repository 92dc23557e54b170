#include "platform/local/carpeta_programa.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

TEST(carpeta_programa, the_executable_folder_wins_then_the_installed_data_folder) {
    struct cas {
        const char* nom;
        std::string executable;
        std::string relativa;
        std::set<std::string> amb_contingut;
        std::string carpeta;
        bool installat;
    };
    const cas casos[] = {
        {"build folder",
         "/b/bin",
         "../share/quorvel",
         {"/b/bin", "/b/share/quorvel"},
         "/b/bin",
         false},
        {"installed",
         "/usr/bin",
         "../share/quorvel",
         {"/usr/share/quorvel"},
         "/usr/share/quorvel",
         true},
        {"relative path with a trailing separator",
         "/opt/q/bin",
         "../share/quorvel/",
         {"/opt/q/share/quorvel"},
         "/opt/q/share/quorvel",
         true},
        {"absolute data folder",
         "/usr/bin",
         "/srv/quorvel",
         {"/srv/quorvel"},
         "/srv/quorvel",
         true},
        {"no content anywhere", "/x/bin", "../share/quorvel", {}, "/x/bin", false},
        {"executable folder unknown", "", "../share/quorvel", {"share/quorvel"}, "", false},
    };
    for (const cas& c : casos) {
        const ubicacio_programa u =
            ubicacio_programa_per(c.executable, c.relativa, [&](const std::string& carpeta) {
                return c.amb_contingut.contains(carpeta);
            });
        EXPECT_EQ(u.carpeta, c.carpeta) << c.nom;
        EXPECT_EQ(u.installat, c.installat) << c.nom;
    }
}

TEST(carpeta_programa, the_default_scenario_on_disk_marks_the_content) {
    const fs::path arrel = fs::temp_directory_path() / "quorvel_test_carpeta_programa";
    fs::remove_all(arrel);
    fs::create_directories(arrel / "bin");
    const fs::path dades = (arrel / "bin" / QUORVEL_DADES_INSTALLADES).lexically_normal();
    fs::create_directories(dades);
    std::ofstream(dades / "graella.esc") << "\"graella\"\r\n";

    const std::string bin = (arrel / "bin").string();
    const ubicacio_programa installat = ubicacio_programa_per(bin);
    EXPECT_TRUE(installat.installat);
    EXPECT_EQ(installat.carpeta, dades.string());

    std::ofstream(arrel / "bin/graella.esc") << "\"graella\"\r\n";
    const ubicacio_programa portable = ubicacio_programa_per(bin);
    EXPECT_FALSE(portable.installat);
    EXPECT_EQ(portable.carpeta, bin);
    fs::remove_all(arrel);
}

} // namespace
} // namespace quorvel
