#include "app/sessio.h"
#include "core/errors.h"
#include "stage/midi.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using registre = std::vector<std::string>;

class midi_test : public ::testing::Test {
  protected:
    fakes::serveis_falsos f;
    serveis sv = f.tots();
    sessio s;
};

TEST(midi_empaquetar, packs_bytes_from_the_lowest) {
    struct cas {
        int offset, data2, data1, status;
        std::uint32_t esperat;
    };
    for (const cas& c : std::vector<cas>{
             {0, 64, 60, 0x90, 0x00403C90U},
             {9, 127, 60, 0x90, 0x007F3C99U},
             {0, 0, 0, 0xB0, 176U},
             {0, 0, 12, 0xC0, 0x00000CC0U},
             {0, 127, 127, 0xFF, 0x007F7FFFU},
             {0, 32767, 0, 0, 0x7FFF0000U},
             {0, -1, 0, 0, 0xFFFF0000U},
         }) {
        EXPECT_EQ(midi_empaquetar(c.offset, c.data2, c.data1, c.status), c.esperat)
            << c.data2 << " " << c.data1 << " " << c.status;
    }
}

TEST(midi_empaquetar, first_data_byte_from_128_cannot_be_packed) {
    EXPECT_NO_THROW(midi_empaquetar(0, 0, 127, 0x90));
    EXPECT_THROW(midi_empaquetar(0, 0, 128, 0x90), error_desbordament);
    EXPECT_THROW(midi_empaquetar(0, 0, -129, 0x90), error_desbordament);
    EXPECT_THROW(midi_empaquetar(0, 40000, 0, 0x90), error_desbordament);
    EXPECT_THROW(midi_empaquetar(40000, 0, 0, 0x90), error_desbordament);
    EXPECT_THROW(midi_empaquetar(32767, 32767, 127, 32767), error_desbordament);
}

TEST_F(midi_test, open_closes_then_opens_the_device) {
    EXPECT_TRUE(midi_obrir(s, sv, -1));
    EXPECT_NE(s.handle_midi, 0U);
    EXPECT_TRUE(midi_obrir(s, sv, -1));
    EXPECT_EQ(f.midi.registre, (registre{"open -1", "close", "open -1"}));
}

TEST_F(midi_test, close_twice_sends_one_close) {
    midi_obrir(s, sv, -1);
    midi_tancar(s, sv);
    midi_tancar(s, sv);
    EXPECT_EQ(f.midi.registre, (registre{"open -1", "close"}));
    EXPECT_EQ(s.handle_midi, 0U);
}

TEST_F(midi_test, failed_open_is_told_once_and_the_notes_are_then_silent) {
    f.midi.error_obrir = 6;
    EXPECT_FALSE(midi_obrir(s, sv, 3));
    EXPECT_EQ(s.handle_midi, 0U);
    ASSERT_EQ(f.eines.missatges.size(), 1U);
    EXPECT_EQ(f.eines.missatges[0].text, "No s'ha pogut obrir la sortida MIDI (fake MIDI error "
                                         "6): l'exercici continua sense notes.");
    EXPECT_EQ(f.eines.missatges[0].botons, botons_missatge::ok);
    // The start and every press of the run, and the next start with the same
    // failure: nothing is sent and nothing more is shown.
    midi_programa(s, sv, 0, 0, 12);
    midi_nota(s, sv, 0, 60, 127);
    midi_nota(s, sv, 0, 200, 127);
    midi_tancar(s, sv);
    EXPECT_FALSE(midi_obrir(s, sv, 3));
    EXPECT_EQ(f.midi.registre, (registre{"open 3", "open 3"}));
    EXPECT_EQ(f.eines.missatges.size(), 1U);
    // Once an open succeeds, a later failure is news again.
    f.midi.error_obrir = 0;
    EXPECT_TRUE(midi_obrir(s, sv, 3));
    f.midi.error_obrir = 6;
    EXPECT_FALSE(midi_obrir(s, sv, 3));
    EXPECT_EQ(f.eines.missatges.size(), 2U);
}

TEST_F(midi_test, note_goes_out_on_the_exercise_channel) {
    midi_obrir(s, sv, -1);
    s.valor_extra = 9;
    midi_nota(s, sv, 0, 60, 127);
    EXPECT_EQ(f.midi.registre.back(), "short 0x007F3C99");
}

TEST_F(midi_test, program_sends_bank_select_then_program_change) {
    midi_obrir(s, sv, -1);
    midi_programa(s, sv, 0, 0, 12);
    EXPECT_EQ(f.midi.registre, (registre{"open -1", "short 0x000000B0", "short 0x00000CC0"}));
    EXPECT_TRUE(f.eines.missatges.empty());
}

TEST_F(midi_test, values_outside_the_midi_ranges_send_nothing_and_tell_the_operator) {
    struct cas {
        int status, data1, data2, extra;
        std::string paraula;
    };
    for (const cas& c : std::vector<cas>{
             {0x90, 128, 127, 0, "la nota 128"},
             {0x90, -1, 127, 0, "la nota -1"},
             {0x90, 60, 200, 0, "la velocitat 200"},
             {0xB0, 300, 0, 0, "el controlador 300"},
             {0xC0, 128, 0, 0, "el programa 128"},
             {0x90, 60, 127, 200, "estat"},
             {0x90, 60, 127, -0x20, "estat"},
             {2147483600, 60, 127, 1000, "estat"},
         }) {
        midi_obrir(s, sv, -1);
        f.eines.missatges.clear();
        f.midi.registre.clear();
        s.valor_extra = static_cast<std::int16_t>(c.extra);
        midi_missatge(s, sv, c.status, c.data1, c.data2);
        EXPECT_TRUE(f.midi.registre.empty()) << c.paraula;
        ASSERT_EQ(f.eines.missatges.size(), 1U) << c.paraula;
        EXPECT_NE(f.eines.missatges[0].text.find(c.paraula), std::string::npos)
            << f.eines.missatges[0].text;
    }
}

TEST_F(midi_test, failed_send_is_shown_once_cut_to_the_buffer_and_not_retried) {
    class midi_que_falla : public fakes::midi_fals {
      public:
        int missatge_curt(std::uint32_t h, std::uint32_t m) override {
            fakes::midi_fals::missatge_curt(h, m);
            return 5;
        }
        std::string text_error(int) override { return std::string(500, 'e'); }
    } midi;
    serveis sv2{f.joystick, f.fitxers, f.perfil, f.media, midi, f.dialegs, f.eines, f.rellotge};
    midi_obrir(s, sv2, -1);
    midi_nota(s, sv2, 0, 60, 127);
    EXPECT_EQ(midi.registre.size(), 2U);
    ASSERT_EQ(f.eines.missatges.size(), 1U);
    EXPECT_EQ(f.eines.missatges[0].text, std::string(127, 'e'));
}

} // namespace
} // namespace quorvel
