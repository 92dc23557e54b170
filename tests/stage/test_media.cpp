#include "app/sessio.h"
#include "stage/media.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

std::string padded(std::string cami) {
    cami.resize(256, ' ');
    return cami;
}

class media_test : public ::testing::Test {
  protected:
    void SetUp() override {
        f.fitxers.posar("/e/veu/gos.wav", "");
        f.fitxers.posar("/e/veu/gat.mp3", "");
        f.fitxers.posar("/e/video/clip.avi", "");
        f.fitxers.posar("/e/video/Clip2.Avi", "");
    }
    fakes::serveis_falsos f;
    serveis sv = f.tots();
    sessio s;
};

TEST_F(media_test, sound_is_played_by_its_padded_path_and_becomes_current) {
    EXPECT_EQ(media_reproduir(s, sv, "/e/veu/gos.wav"), 0);
    EXPECT_EQ(f.media.ordres, std::vector<std::string>{"play " + padded("/e/veu/gos.wav")});
    EXPECT_EQ(s.media_actual, padded("/e/veu/gos.wav"));
    EXPECT_EQ(s.media_actual.size(), 256U);
}

TEST_F(media_test, second_sound_closes_the_first_before_playing) {
    so_reproduir(s, sv, "/e/veu/gos.wav");
    so_reproduir(s, sv, "/e/veu/gat.mp3");
    EXPECT_EQ(f.media.ordres, (std::vector<std::string>{
                                  "play " + padded("/e/veu/gos.wav"),
                                  "close " + padded("/e/veu/gos.wav"),
                                  "play " + padded("/e/veu/gat.mp3"),
                              }));
    EXPECT_EQ(s.media_actual, padded("/e/veu/gat.mp3"));
}

TEST_F(media_test, video_opens_under_the_alias_sized_to_the_screen) {
    struct cas {
        std::string cami;
        mida_pantalla pantalla;
        std::string finestra;
    };
    for (const cas& c : std::vector<cas>{
             {"/e/video/clip.avi", {15360, 11520, 15.0, 15.0}, "1 1 1022 766"},
             {"/e/video/Clip2.Avi", {19200, 14400, 12.0, 12.5}, "1 1 1598 1150"},
             // A screen the toolkit cannot measure leaves the window unsized.
             {"/e/video/clip.avi", {0, 0, 0.0, 0.0}, "1 1 0 0"},
         }) {
        f.media.ordres.clear();
        s.media_actual.clear();
        f.eines.pantalla_actual = c.pantalla;
        media_reproduir(s, sv, c.cami);
        EXPECT_EQ(f.media.ordres, (std::vector<std::string>{
                                      "open \"" + c.cami + "\" alias animation",
                                      "put animation window at " + c.finestra,
                                      "play animation",
                                  }));
        EXPECT_EQ(s.media_actual, padded(c.cami));
    }
}

TEST_F(media_test, after_a_video_both_alias_and_path_are_closed) {
    media_reproduir(s, sv, "/e/video/clip.avi");
    f.media.ordres.clear();
    media_reproduir(s, sv, "/e/veu/gos.wav");
    EXPECT_EQ(f.media.ordres, (std::vector<std::string>{
                                  "close animation",
                                  "close " + padded("/e/video/clip.avi"),
                                  "play " + padded("/e/veu/gos.wav"),
                              }));
}

TEST_F(media_test, missing_file_closes_the_current_media_and_plays_nothing) {
    media_reproduir(s, sv, "/e/veu/gos.wav");
    EXPECT_EQ(media_reproduir(s, sv, "/e/veu/no_hi_es.wav"), 0);
    EXPECT_EQ(f.media.ordres, (std::vector<std::string>{
                                  "play " + padded("/e/veu/gos.wav"),
                                  "close " + padded("/e/veu/gos.wav"),
                              }));
    EXPECT_EQ(s.media_actual, "");
    media_reproduir(s, sv, "/e/veu/gat.mp3");
    EXPECT_EQ(f.media.ordres.back(), "play " + padded("/e/veu/gat.mp3"));
    EXPECT_EQ(f.media.ordres.size(), 3U);
}

TEST_F(media_test, path_longer_than_the_fixed_width_is_kept_whole) {
    const std::string llarg = "/e/" + std::string(300, 'x') + ".wav";
    f.fitxers.posar(llarg, "");
    media_reproduir(s, sv, llarg);
    EXPECT_EQ(s.media_actual, llarg);
    EXPECT_EQ(f.media.ordres.back(), "play " + llarg);
}

} // namespace
} // namespace quorvel
