#include "platform/qt/media_ordre.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

std::string padded(std::string cami) {
    cami.resize(256, ' ');
    return cami;
}

struct cas_ordre {
    std::string text;
    std::string verb, dispositiu, alias = {}, tipus = {}, element = {};
    std::optional<rectangle_finestra> finestra = {};
    std::vector<std::string> opcions = {};
};

TEST(llegir_ordre_media, commands_the_program_sends) {
    const std::string llarg = "/m/" + std::string(100000, 'x') + ".wav";
    const std::vector<cas_ordre> casos{
        {"play " + padded("/e/veu/gos.wav"), "play", "/e/veu/gos.wav"},
        {"play " + padded("/e/my wait notify/mode.wav"), "play", "/e/my wait notify/mode.wav"},
        {"close " + padded("/e/a b/c.mid"), "close", "/e/a b/c.mid"},
        {"pause " + padded("/e/x.wav"), "pause", "/e/x.wav"},
        {"resume  " + padded("/e/x.wav"), "resume", "/e/x.wav"},
        {"status " + padded("/e/x.wav") + " mode", "status", "/e/x.wav", "", "", "mode"},
        {"status " + padded("/e/a mode") + " mode", "status", "/e/a mode", "", "", "mode"},
        {"status " + padded("/e/mode.wav") + " mode", "status", "/e/mode.wav", "", "", "mode"},
        {"STATUS animation MODE", "status", "animation", "", "", "mode"},
        {"open \"/e/alias x/type y.avi\" alias animation", "open", "/e/alias x/type y.avi",
         "animation"},
        {"open /e/clip.avi type avivideo alias animation", "open", "/e/clip.avi", "animation",
         "avivideo"},
        {"open /e/my alias/clip.avi alias animation", "open", "/e/my alias/clip.avi", "animation"},
        {"open " + padded("/e/clip.avi") + " alias animation", "open", "/e/clip.avi", "animation"},
        {"put animation window at 1 1 1022 766", "put", "animation", "", "", "",
         rectangle_finestra{1, 1, 1022, 766}},
        {"put animation window at 1 1 -2 -2", "put", "animation", "", "", "",
         rectangle_finestra{1, 1, -2, -2}},
        {"close animation", "close", "animation"},
        {"play animation", "play", "animation"},
        {"play \"/e/wait.wav\" wait notify",
         "play",
         "/e/wait.wav",
         "",
         "",
         "",
         std::nullopt,
         {"wait", "notify"}},
        {"play \"/e/a\"b.wav\"", "play", "/e/a\"b.wav"},
        {"\tplay\t/e/t.wav\t", "play", "/e/t.wav"},
        {"play " + llarg, "play", llarg},
    };
    for (const cas_ordre& c : casos) {
        const resultat_ordre r = llegir_ordre_media(c.text);
        const std::string nom = c.text.substr(0, 60);
        ASSERT_TRUE(r.ordre.has_value()) << nom << ": " << r.error;
        EXPECT_EQ(r.ordre->verb, c.verb) << nom;
        EXPECT_EQ(r.ordre->dispositiu, c.dispositiu) << nom;
        EXPECT_EQ(r.ordre->alias, c.alias) << nom;
        EXPECT_EQ(r.ordre->tipus, c.tipus) << nom;
        EXPECT_EQ(r.ordre->element, c.element) << nom;
        EXPECT_EQ(r.ordre->finestra, c.finestra) << nom;
        EXPECT_EQ(r.ordre->opcions, c.opcions) << nom;
    }
}

TEST(llegir_ordre_media, texts_that_are_not_commands) {
    for (const std::string& text : {
             std::string(""),
             std::string("    "),
             std::string("play"),
             std::string("play     "),
             std::string("play \"/e/x.wav"),
             std::string("status \"\" mode"),
             std::string("open \"/e/x.avi\" alias"),
             std::string("put animation window at 1 1 x 766"),
             std::string("put animation window at 1 1 99999999999 2"),
             std::string("put \"animation\" window at 1 1"),
         }) {
        const resultat_ordre r = llegir_ordre_media(text);
        EXPECT_FALSE(r.ordre.has_value()) << text;
        EXPECT_FALSE(r.error.empty()) << text;
    }
}

TEST(llegir_ordre_media, garbage_bytes_never_break_the_reader) {
    std::string brossa;
    for (int i = 0; i < 4096; ++i) {
        brossa.push_back(static_cast<char>((i * 7919) % 256));
    }
    for (std::size_t mida = 0; mida < brossa.size(); mida += 97) {
        const resultat_ordre r = llegir_ordre_media(std::string_view(brossa).substr(0, mida));
        EXPECT_NE(r.ordre.has_value(), !r.error.empty());
    }
}

} // namespace
} // namespace quorvel
