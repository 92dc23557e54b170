#include "platform/qt/media_qt.h"

#include "tests/fakes/carpeta_temporal.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QVideoWidget>
#include <QWidget>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Qt Multimedia 6.4 keeps the backing store of its video window and the
// PulseAudio context of its device probe after they are done with; a bare
// QVideoWidget shown and deleted shows the same. Those are the libraries'
// own and are not reported; anything allocated by this program still is.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Multimedia.so\n"
           "leak:libpulse.so\n"
           "leak:libpulsecommon\n"
           "leak:libgstreamer-1.0.so\n"
           "leak:libglib-2.0.so\n";
}

namespace quorvel {
namespace {

using prova::esperar;

namespace fs = std::filesystem;

std::string padded(std::string t) {
    t.resize(std::max<std::size_t>(t.size(), 256), ' ');
    return t;
}

std::string padded(const fs::path& cami) {
    return padded(cami.string());
}

void afegir32(std::string& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<char>((v >> (8 * i)) & 0xFFU));
    }
}

void afegir16(std::string& b, std::uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFFU));
    b.push_back(static_cast<char>(v >> 8));
}

// A mono 16-bit tone.
void escriure_wav(const fs::path& cami, double segons) {
    const std::uint32_t taxa = 22050;
    const auto mostres = static_cast<std::uint32_t>(segons * taxa);
    std::string b = "RIFF";
    afegir32(b, 36 + mostres * 2);
    b += "WAVEfmt ";
    afegir32(b, 16);
    afegir16(b, 1);
    afegir16(b, 1);
    afegir32(b, taxa);
    afegir32(b, taxa * 2);
    afegir16(b, 2);
    afegir16(b, 16);
    b += "data";
    afegir32(b, mostres * 2);
    for (std::uint32_t i = 0; i < mostres; ++i) {
        const double v = 8000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / taxa);
        afegir16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    fakes::escriure_fitxer(cami, b);
}

std::string fragment(const std::string& id, const std::string& dades) {
    std::string b = id;
    afegir32(b, static_cast<std::uint32_t>(dades.size()));
    b += dades;
    if (dades.size() % 2 != 0) {
        b.push_back('\0');
    }
    return b;
}

// An uncompressed AVI: 24-bit frames, no audio.
void escriure_avi(const fs::path& cami, int amplada, int alcada, int fotogrames, int fps) {
    const auto mida_fotograma = static_cast<std::uint32_t>(amplada * alcada * 3);
    std::string avih;
    for (std::uint32_t v : {1000000U / static_cast<std::uint32_t>(fps), mida_fotograma * 30, 0U,
                            0x10U, static_cast<std::uint32_t>(fotogrames), 0U, 1U, mida_fotograma,
                            static_cast<std::uint32_t>(amplada), static_cast<std::uint32_t>(alcada),
                            0U, 0U, 0U, 0U}) {
        afegir32(avih, v);
    }
    std::string strh = "vidsDIB ";
    for (std::uint32_t v :
         {0U, 0U, 0U, 1U, static_cast<std::uint32_t>(fps), 0U,
          static_cast<std::uint32_t>(fotogrames), mida_fotograma, 0xFFFFFFFFU, 0U}) {
        afegir32(strh, v);
    }
    afegir16(strh, 0);
    afegir16(strh, 0);
    afegir16(strh, static_cast<std::uint16_t>(amplada));
    afegir16(strh, static_cast<std::uint16_t>(alcada));
    std::string strf;
    for (std::uint32_t v :
         {40U, static_cast<std::uint32_t>(amplada), static_cast<std::uint32_t>(alcada)}) {
        afegir32(strf, v);
    }
    afegir16(strf, 1);
    afegir16(strf, 24);
    for (std::uint32_t v : {0U, mida_fotograma, 0U, 0U, 0U, 0U}) {
        afegir32(strf, v);
    }
    const std::string strl = "strl" + fragment("strh", strh) + fragment("strf", strf);
    const std::string hdrl = "hdrl" + fragment("avih", avih) + fragment("LIST", strl);

    std::string movi = "movi";
    std::string idx;
    for (int f = 0; f < fotogrames; ++f) {
        const std::string pixels(mida_fotograma, static_cast<char>(40 * f));
        idx += "00db";
        afegir32(idx, 0x10);
        afegir32(idx, static_cast<std::uint32_t>(movi.size()));
        afegir32(idx, mida_fotograma);
        movi += fragment("00db", pixels);
    }
    const std::string cos =
        "AVI " + fragment("LIST", hdrl) + fragment("LIST", movi) + fragment("idx1", idx);
    fakes::escriure_fitxer(cami, fragment("RIFF", cos));
}

// One note of half a second.
void escriure_mid(const fs::path& cami) {
    const std::string pista("\x00\xC0\x00\x00\x90\x3C\x64\x60\x80\x3C\x40\x00\xFF\x2F\x00", 15);
    std::string b = "MThd";
    b += std::string{0, 0, 0, 6, 0, 0, 0, 1, 0, 0x60};
    b += "MTrk";
    b += std::string{0, 0, 0, static_cast<char>(pista.size())};
    fakes::escriure_fitxer(cami, b + pista);
}

QVideoWidget* finestra_video() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* v = qobject_cast<QVideoWidget*>(w); v != nullptr && v->isVisible()) {
            return v;
        }
    }
    return nullptr;
}

class media_qt_test : public ::testing::Test {
  protected:
    void TearDown() override { media.enviar("close all"); }
    std::string mode(const std::string& nom) {
        return media.enviar("status " + nom + " mode").text;
    }

    fakes::carpeta_temporal temporal{"media"};
    const fs::path& carpeta = temporal.cami();
    media_qt media;
};

TEST_F(media_qt_test, sound_plays_to_its_end) {
    const fs::path wav = carpeta / "to de prova.wav";
    escriure_wav(wav, 0.5);
    const std::string nom = padded(wav);
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(media.enviar("play " + nom).estat, 0);
    EXPECT_EQ(mode(nom), "playing");
    ASSERT_TRUE(esperar([&] { return mode(nom) == "stopped"; }, 10000));
    // Played at its own pace, not skipped: a finished half second took a
    // good part of half a second.
    EXPECT_GE(t.elapsed(), 350);
    EXPECT_EQ(media.enviar("close " + nom).estat, 0);
    EXPECT_NE(media.enviar("status " + nom + " mode").estat, 0);
}

TEST_F(media_qt_test, pause_holds_the_sound_until_resume) {
    // Program text: Windows-1252, with "\" between folders.
    escriure_wav(carpeta / "can\xC3\xA7\xC3\xB3.wav", 0.6);
    const std::string nom = padded(carpeta.string() + "\\can\xE7\xF3.wav");
    ASSERT_EQ(media.enviar("play " + nom).estat, 0);
    esperar([] { return false; }, 100);
    EXPECT_EQ(media.enviar("pause " + nom).estat, 0);
    EXPECT_EQ(mode(nom), "paused");
    esperar([] { return false; }, 1200);
    EXPECT_EQ(mode(nom), "paused");
    EXPECT_EQ(media.enviar("resume  " + nom).estat, 0);
    EXPECT_EQ(mode(nom), "playing");
    EXPECT_TRUE(esperar([&] { return mode(nom) == "stopped"; }, 10000));
}

TEST_F(media_qt_test, commands_on_unknown_devices_and_files_fail) {
    std::vector<fallada_media> fallades;
    media.en_fallada([&](const fallada_media& f) { fallades.push_back(f); });
    const std::string absent = padded(carpeta / "no_hi_es.wav");
    EXPECT_EQ(media.enviar("play " + absent).estat, media_fitxer_inexistent);
    // A play that fails is told to whoever listens; other commands are not.
    ASSERT_EQ(fallades.size(), 1U);
    EXPECT_EQ(fallades[0].fitxer, (carpeta / "no_hi_es.wav").string());
    EXPECT_EQ(fallades[0].causa, "the file does not exist");
    for (const std::string& ordre :
         {"status " + absent + " mode", "pause " + absent, "resume  " + absent, "close " + absent,
          std::string("close animation"), std::string("put animation window at 1 1 10 10")}) {
        EXPECT_EQ(media.enviar(ordre).estat, media_dispositiu_desconegut) << ordre;
        EXPECT_EQ(media.enviar(ordre).text, "") << ordre;
    }
    EXPECT_EQ(media.enviar("").estat, media_ordre_incorrecta);
    EXPECT_EQ(media.enviar("rewind " + absent).estat, media_ordre_desconeguda);
    EXPECT_EQ(fallades.size(), 1U);
}

TEST_F(media_qt_test, unplayable_file_ends_stopped) {
    const fs::path brossa = carpeta / "brossa.wav";
    fakes::escriure_fitxer(brossa, std::string(5000, '\x5A'));
    const std::string nom = padded(brossa);
    std::vector<fallada_media> fallades;
    media.en_fallada([&](const fallada_media& f) { fallades.push_back(f); });
    EXPECT_EQ(media.enviar("play " + nom).estat, 0);
    EXPECT_TRUE(esperar([&] { return mode(nom) == "stopped"; }, 10000));
    EXPECT_NE(media.enviar("put " + nom + " window at 1 1 5 5").estat, 0);
    // The backend's failure, found after the command, reaches the listener.
    EXPECT_TRUE(esperar([&] { return !fallades.empty(); }, 5000));
    for (const fallada_media& f : fallades) {
        EXPECT_EQ(f.fitxer, brossa.string());
        EXPECT_FALSE(f.causa.empty());
    }
}

TEST_F(media_qt_test, video_plays_in_a_placed_frameless_window) {
    const fs::path avi = carpeta / "clip de prova.avi";
    escriure_avi(avi, 32, 24, 6, 10);
    ASSERT_EQ(media.enviar("open \"" + avi.string() + "\" alias animation").estat, 0);
    EXPECT_EQ(media.enviar("put animation window at 1 1 300 200").estat, 0);
    ASSERT_EQ(media.enviar("play animation").estat, 0);
    QVideoWidget* v = finestra_video();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->geometry(), QRect(1, 1, 300, 200));
    EXPECT_TRUE(v->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(mode("animation"), "playing");
    // The current media is known by its path as well.
    EXPECT_TRUE(esperar([&] { return mode(padded(avi)) == "stopped"; }, 10000));
    EXPECT_EQ(media.enviar("close animation").estat, 0);
    EXPECT_EQ(finestra_video(), nullptr);
    EXPECT_NE(media.enviar("status animation mode").estat, 0);
}

TEST_F(media_qt_test, reopened_alias_replaces_the_old_clip_and_its_path_closes_it) {
    const fs::path primer = carpeta / "u.avi";
    const fs::path segon = carpeta / "dos.avi";
    escriure_avi(primer, 16, 16, 40, 10);
    escriure_avi(segon, 16, 16, 40, 10);
    ASSERT_EQ(media.enviar("open \"" + primer.string() + "\" alias animation").estat, 0);
    ASSERT_EQ(media.enviar("open \"" + segon.string() + "\" alias animation").estat, 0);
    EXPECT_NE(media.enviar("status " + padded(primer) + " mode").estat, 0);
    ASSERT_EQ(media.enviar("play animation").estat, 0);
    EXPECT_NE(finestra_video(), nullptr);
    EXPECT_EQ(media.enviar("close " + padded(segon)).estat, 0);
    EXPECT_EQ(finestra_video(), nullptr);
    EXPECT_NE(media.enviar("status animation mode").estat, 0);
}

// Whether FluidSynth can reach an audio output on this machine.
bool hi_ha_audio_fluid() {
    fluid_settings_t* s = new_fluid_settings();
    fluid_synth_t* sy = new_fluid_synth(s);
    fluid_audio_driver_t* d = new_fluid_audio_driver(s, sy);
    const bool hi_es = d != nullptr;
    if (d != nullptr) {
        delete_fluid_audio_driver(d);
    }
    delete_fluid_synth(sy);
    delete_fluid_settings(s);
    return hi_es;
}

TEST_F(media_qt_test, midi_file_plays_or_reports_the_missing_audio_output) {
    const fs::path mid = carpeta / "nota.mid";
    escriure_mid(mid);
    const std::string nom = padded(mid);
    const int estat = media.enviar("play " + nom).estat;
    if (hi_ha_audio_fluid()) {
        ASSERT_EQ(estat, 0);
        EXPECT_EQ(mode(nom), "playing");
        EXPECT_TRUE(esperar([&] { return mode(nom) == "stopped"; }, 10000));
    } else {
        EXPECT_EQ(estat, media_sense_audio);
        EXPECT_NE(media.enviar("status " + nom + " mode").estat, 0);
    }
}

TEST_F(media_qt_test, file_named_midi_that_is_not_midi_is_refused) {
    const fs::path fals = carpeta / "fals.mid";
    fakes::escriure_fitxer(fals, "not a MIDI file at all");
    EXPECT_EQ(media.enviar("play " + padded(fals)).estat, media_format_desconegut);
}

} // namespace
} // namespace quorvel
