#include "platform/local/carpetes_usuari.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace quorvel {
namespace {

llegir_entorn entorn_de(std::map<std::string, std::string> variables) {
    return
        [variables = std::move(variables)](const std::string& nom) -> std::optional<std::string> {
            const auto it = variables.find(nom);
            if (it == variables.end()) {
                return std::nullopt;
            }
            return it->second;
        };
}

TEST(carpetes_usuari, a_writable_portable_folder_is_written_to) {
    const std::string carpeta = std::filesystem::temp_directory_path().string();
    const carpetes_usuari c = carpetes_usuari_per(carpeta, false, entorn_de({{"HOME", "/h"}}));
    EXPECT_TRUE(c.portable);
    EXPECT_EQ(c.configuracio, carpeta);
    EXPECT_EQ(c.dades, carpeta);
}

TEST(carpetes_usuari, otherwise_the_xdg_folders_follow_the_base_directory_rules) {
    const std::string escrivible = std::filesystem::temp_directory_path().string();
    struct cas {
        const char* nom;
        std::string carpeta;
        bool installat;
        std::map<std::string, std::string> entorn;
        std::string configuracio;
        std::string dades;
    };
    const cas casos[] = {
        {"installed, even when writable",
         escrivible,
         true,
         {{"HOME", "/h"}},
         "/h/.config/quorvel",
         "/h/.local/share/quorvel"},
        {"a portable folder that cannot be written",
         "/no/such/folder",
         false,
         {{"HOME", "/h"}},
         "/h/.config/quorvel",
         "/h/.local/share/quorvel"},
        {"XDG variables set",
         escrivible,
         true,
         {{"HOME", "/h"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}},
         "/c/quorvel",
         "/d/quorvel"},
        {"empty or relative XDG variables are ignored",
         escrivible,
         true,
         {{"HOME", "/h"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", "rel"}},
         "/h/.config/quorvel",
         "/h/.local/share/quorvel"},
    };
    for (const cas& k : casos) {
        const carpetes_usuari c = carpetes_usuari_per(k.carpeta, k.installat, entorn_de(k.entorn));
        EXPECT_FALSE(c.portable) << k.nom;
        EXPECT_EQ(c.configuracio, k.configuracio) << k.nom;
        EXPECT_EQ(c.dades, k.dades) << k.nom;
    }
}

} // namespace
} // namespace quorvel
