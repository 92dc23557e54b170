#include "platform/midi/midi_sortida.h"

#include <rtmidi/RtMidi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// Rendering to 16 bits adds a dither of one step; anything up to this is silence.
constexpr int silenci = 4;

// Loudest sample of a stretch of rendered sound.
int pic(sintetitzador_midi& s, std::size_t trames) {
    std::vector<std::int16_t> so(trames * 2);
    s.renderitzar(so);
    int maxim = 0;
    for (const std::int16_t m : so) {
        maxim = std::max(maxim, std::abs(static_cast<int>(m)));
    }
    return maxim;
}

// The synth as the program opens it, with rendering into memory in place of
// the audio driver.
class sintetitzador_test : public ::testing::Test {
  protected:
    midi_sortida sortida{midi_sortida::opcions{
        midi_sortida::soundfonts_sistema(),
        [this](sintetitzador_midi& s, std::string&) -> std::unique_ptr<sortida_audio> {
            sintetitzador = &s;
            ++obertures;
            return std::make_unique<sortida_audio>();
        }}};
    sintetitzador_midi* sintetitzador = nullptr;
    int obertures = 0;
};

TEST_F(sintetitzador_test, program_change_and_note_on_make_sound) {
    std::uint32_t handle = 0;
    const int codi = sortida.obrir(-1, handle);
    ASSERT_EQ(codi, 0) << sortida.text_error(codi);
    ASSERT_NE(handle, 0U);
    ASSERT_NE(sintetitzador, nullptr);
    EXPECT_LE(pic(*sintetitzador, 4410), silenci);

    EXPECT_EQ(sortida.missatge_curt(handle, 0x000000B0), 0);
    EXPECT_EQ(sortida.missatge_curt(handle, 0x00000CC0), 0);
    EXPECT_EQ(sortida.missatge_curt(handle, 0x007F3C90), 0);
    EXPECT_GT(pic(*sintetitzador, 4410), 500);
}

TEST_F(sintetitzador_test, opens_once_at_a_time_and_closing_silences_it) {
    std::uint32_t handle = 0;
    ASSERT_EQ(sortida.obrir(-1, handle), 0);
    std::uint32_t segon = 0;
    EXPECT_EQ(sortida.obrir(-1, segon), midi_dispositiu_ocupat);
    EXPECT_EQ(segon, 0U);
    sintetitzador_midi* primer = sintetitzador;
    EXPECT_EQ(sortida.missatge_curt(handle, 0x007F4099), 0);
    EXPECT_EQ(sortida.tancar(handle), 0);
    EXPECT_NE(sortida.tancar(handle), 0);
    EXPECT_NE(sortida.missatge_curt(handle, 0x007F3C90), 0);

    ASSERT_EQ(sortida.obrir(-1, handle), 0);
    EXPECT_EQ(sintetitzador, primer);
    EXPECT_EQ(obertures, 2);
    EXPECT_LE(pic(*sintetitzador, 4410), silenci);
}

TEST(midi_sortida, missing_soundfont_and_audio_output_are_reported) {
    struct cas {
        std::vector<std::filesystem::path> soundfonts;
        bool audio;
        int codi;
        std::string text;
    };
    for (const cas& c : std::vector<cas>{
             {{"/no/such/font.sf2"}, true, midi_sense_soundfont, "no soundfont"},
             {{}, true, midi_sense_soundfont, "no soundfont"},
             {midi_sortida::soundfonts_sistema(), false, midi_sense_audio, "no sound card here"},
         }) {
        midi_sortida sortida{midi_sortida::opcions{
            c.soundfonts,
            [&](sintetitzador_midi&, std::string& error) -> std::unique_ptr<sortida_audio> {
                if (c.audio) {
                    return std::make_unique<sortida_audio>();
                }
                error = "no sound card here";
                return nullptr;
            }}};
        std::vector<fallada_media> fallades;
        sortida.en_fallada([&](const fallada_media& f) { fallades.push_back(f); });
        std::uint32_t handle = 0;
        const int codi = sortida.obrir(-1, handle);
        EXPECT_EQ(codi, c.codi);
        EXPECT_EQ(handle, 0U);
        ASSERT_EQ(fallades.size(), 1U);
        EXPECT_EQ(fallades[0].causa, sortida.text_error(codi));
        EXPECT_NE(sortida.text_error(codi).find(c.text), std::string::npos)
            << sortida.text_error(codi);
    }
}

TEST(midi_sortida, default_audio_output_opens_or_says_why_not) {
    midi_sortida sortida;
    std::uint32_t handle = 0;
    const int codi = sortida.obrir(-1, handle);
    if (codi == 0) {
        EXPECT_NE(handle, 0U);
        EXPECT_EQ(sortida.missatge_curt(handle, 0x007F3C90), 0);
        EXPECT_EQ(sortida.tancar(handle), 0);
    } else {
        EXPECT_EQ(codi, midi_sense_audio);
        EXPECT_EQ(handle, 0U);
        EXPECT_FALSE(sortida.text_error(codi).empty());
        EXPECT_NE(sortida.text_error(codi), "no audio output") << "the library's own text";
    }
}

TEST(midi_sortida, port_that_does_not_exist_fails_with_a_text) {
    midi_sortida sortida;
    for (const int dispositiu : {9999, -2}) {
        std::uint32_t handle = 0;
        const int codi = sortida.obrir(dispositiu, handle);
        EXPECT_NE(codi, 0);
        EXPECT_EQ(handle, 0U);
        EXPECT_FALSE(sortida.text_error(codi).empty());
    }
}

TEST(midi_sortida, hardware_port_takes_a_note) {
    if (!std::filesystem::exists("/dev/snd/seq")) {
        GTEST_SKIP() << "no ALSA sequencer on this machine (/dev/snd/seq missing)";
    }
    unsigned ports = 0;
    try {
        ports = RtMidiOut().getPortCount();
    } catch (const RtMidiError& e) {
        GTEST_SKIP() << "the ALSA sequencer cannot be opened: " << e.getMessage();
    }
    if (ports == 0) {
        GTEST_SKIP() << "the ALSA sequencer has no MIDI output port";
    }
    midi_sortida sortida;
    std::uint32_t handle = 0;
    const int codi = sortida.obrir(0, handle);
    ASSERT_EQ(codi, 0) << sortida.text_error(codi);
    EXPECT_EQ(sortida.missatge_curt(handle, 0x00000CC0), 0);
    EXPECT_EQ(sortida.missatge_curt(handle, 0x007F3C90), 0);
    EXPECT_EQ(sortida.missatge_curt(handle, 0x0000003C), midi_missatge_incorrecte);
    EXPECT_EQ(sortida.tancar(handle), 0);
}

} // namespace
} // namespace quorvel
