#include "platform/sdl/joystick_sdl.h"

#include "app/sessio.h"
#include "core/finestra.h"
#include "joystick/cami_premudes.h"
#include "joystick/joystick.h"
#include "joystick/sondeig.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace quorvel {
namespace {

// A virtual pad of SDL's own, driven from the test through its own handle.
class pad_virtual {
  public:
    pad_virtual(const char* nom, int eixos, int botons, int barrets = 0)
        : nom_(nom), eixos_(eixos), botons_(botons), barrets_(barrets) {
        connectar();
    }
    ~pad_virtual() { desconnectar(); }
    pad_virtual(const pad_virtual&) = delete;
    pad_virtual& operator=(const pad_virtual&) = delete;

    void connectar() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = static_cast<Uint16>(eixos_);
        desc.nbuttons = static_cast<Uint16>(botons_);
        desc.nhats = static_cast<Uint16>(barrets_);
        desc.vendor_id = 0x1234;
        desc.product_id = 0x5678;
        desc.name = nom_;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        pad_ = SDL_JoystickOpen(index);
        ASSERT_NE(pad_, nullptr) << SDL_GetError();
    }

    void desconnectar() {
        if (pad_ == nullptr) {
            return;
        }
        const SDL_JoystickID instancia = SDL_JoystickInstanceID(pad_);
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == instancia) {
                SDL_JoystickDetachVirtual(i);
                break;
            }
        }
        SDL_JoystickClose(pad_);
        pad_ = nullptr;
    }

    void eix(int k, Sint16 valor) { SDL_JoystickSetVirtualAxis(pad_, k, valor); }
    void boto(int k, bool premut) { SDL_JoystickSetVirtualButton(pad_, k, premut ? 1 : 0); }
    void barret(Uint8 valor) { SDL_JoystickSetVirtualHat(pad_, 0, valor); }

  private:
    const char* nom_;
    int eixos_, botons_, barrets_;
    SDL_Joystick* pad_ = nullptr;
};

class joystick_sdl_test : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError(); }
    void TearDown() override {
        servei.reset();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    // The service as start-up finds it, searching for returned pads on every read.
    void iniciar() {
        servei = std::make_unique<joystick_sdl>(std::chrono::milliseconds(0));
        ASSERT_EQ(servei->error(), "");
        joysticks_preparar(s, *servei);
        joysticks_enumerar(s, *servei);
    }

    int jugador(const std::string& nom) const {
        for (int j = 1; j <= s.n_joysticks; ++j) {
            if (servei->nom(s.joysticks[j].dispositiu - 1) == nom) {
                return j;
            }
        }
        return 0;
    }

    sessio s;
    std::unique_ptr<joystick_sdl> servei;
};

TEST_F(joystick_sdl_test, state_texts_of_a_virtual_pad) {
    pad_virtual pad("Quorvel pad A", 2, 12);
    iniciar();
    const int j = jugador("Quorvel pad A");
    ASSERT_GT(j, 0);
    EXPECT_EQ(s.joysticks[j].botons_dispositiu, 12);
    EXPECT_EQ(s.joysticks[j].centre.x, 32768U);
    s.cursors = true;
    EXPECT_EQ(joystick_llegir(s, *servei, j), "");

    pad.eix(1, 32767);
    pad.boto(0, true);
    pad.boto(2, true);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "R#01#03#");

    pad.eix(1, 0);
    pad.eix(0, -32768);
    pad.boto(0, false);
    pad.boto(2, false);
    pad.boto(11, true);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "E#12#");
}

TEST_F(joystick_sdl_test, dead_zone_limit_on_the_real_scale) {
    pad_virtual pad("Quorvel pad B", 2, 4);
    iniciar();
    const int j = jugador("Quorvel pad B");
    ASSERT_GT(j, 0);
    s.cursors = true;
    // The centre reads 32768, so the upper limit is 42598.4.
    pad.eix(0, 42598 - 32768);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "");
    pad.eix(0, 42599 - 32768);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "D");
    s.cursors = false;
    EXPECT_EQ(joystick_llegir(s, *servei, j), "");
}

TEST_F(joystick_sdl_test, buttons_beyond_32_are_not_reported) {
    pad_virtual pad("Quorvel pad C", 2, 34);
    iniciar();
    const int j = jugador("Quorvel pad C");
    ASSERT_GT(j, 0);
    EXPECT_EQ(s.joysticks[j].botons_dispositiu, 32);
    pad.boto(31, true);
    pad.boto(33, true);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "#32#");
}

TEST_F(joystick_sdl_test, a_pad_without_axes_steers_with_its_hat) {
    pad_virtual pad("Quorvel pad D", 0, 2, 1);
    iniciar();
    const int j = jugador("Quorvel pad D");
    ASSERT_GT(j, 0);
    s.cursors = true;
    pad.barret(SDL_HAT_LEFTUP);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "EA");
    pad.barret(SDL_HAT_RIGHTDOWN);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "DR");
}

TEST_F(joystick_sdl_test, an_unplugged_pad_takes_its_device_back_when_it_returns) {
    pad_virtual primer("Quorvel pad E", 2, 6);
    pad_virtual segon("Quorvel pad F", 2, 6);
    iniciar();
    const int j = jugador("Quorvel pad F");
    ASSERT_GT(j, 0);
    const int id = s.joysticks[j].dispositiu - 1;
    segon.boto(1, true);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "#02#");

    segon.desconnectar();
    posicio_joystick p;
    EXPECT_NE(servei->llegir_posicio(id, p), 0);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "");

    // A different pad does not take the free device.
    pad_virtual estrany("Quorvel pad G", 2, 6);
    estrany.boto(1, true);
    EXPECT_NE(servei->llegir_posicio(id, p), 0);

    segon.connectar();
    segon.boto(2, true);
    EXPECT_EQ(joystick_llegir(s, *servei, j), "#03#");
    EXPECT_EQ(servei->nom(id), "Quorvel pad F");
    primer.boto(0, true);
    EXPECT_EQ(joystick_llegir(s, *servei, jugador("Quorvel pad E")), "#01#");
}

TEST_F(joystick_sdl_test, input_changes_carry_their_time_and_ask_for_a_tick) {
    pad_virtual pad("Quorvel pad T", 2, 4);
    iniciar();
    const int id = s.joysticks[jugador("Quorvel pad T")].dispositiu - 1;
    ASSERT_GE(id, 0);
    servei->recollir_canvis();
    EXPECT_FALSE(servei->recollir_canvis());

    const struct {
        const char* nom;
        std::function<void()> fer;
        bool canvi;
        int entrada; // whose time moves; 0: none
    } casos[] = {
        {"button 3 down", [&] { pad.boto(2, true); }, true, 7},
        {"button 3 up", [&] { pad.boto(2, false); }, true, 7},
        {"stick inside the dead zone", [&] { pad.eix(0, 5000); }, false, 0},
        {"stick right", [&] { pad.eix(0, 20000); }, true, 1},
        {"stick further right", [&] { pad.eix(0, 30000); }, false, 0},
        {"stick up", [&] { pad.eix(1, -20000); }, true, 4},
    };
    for (const auto& c : casos) {
        SDL_Delay(2);
        const double abans = servei->ara_ms();
        c.fer();
        EXPECT_EQ(servei->recollir_canvis(), c.canvi) << c.nom;
        if (c.entrada != 0) {
            const double moment = servei->moment_canvi(id, c.entrada);
            EXPECT_GE(moment, abans) << c.nom;
            EXPECT_LE(moment, servei->ara_ms()) << c.nom;
        }
        EXPECT_FALSE(servei->recollir_canvis()) << c.nom;
    }

    // A change the polling's own read met first still asks for a tick.
    pad.boto(1, true);
    posicio_joystick p;
    ASSERT_EQ(servei->llegir_posicio(id, p), 0);
    EXPECT_TRUE(servei->recollir_canvis());
    EXPECT_FALSE(servei->recollir_canvis());
}

TEST_F(joystick_sdl_test, two_pads_pressed_3_ms_apart_reach_the_race_in_press_order) {
    pad_virtual a("Quorvel pad R1", 2, 2);
    pad_virtual b("Quorvel pad R2", 2, 2);
    iniciar();
    const int ja = jugador("Quorvel pad R1");
    const int jb = jugador("Quorvel pad R2");
    ASSERT_GT(ja, 0);
    ASSERT_GT(jb, 0);
    // Button 1 of each pad drives a cell numbered like its player.
    s.n_botons = s.n_joysticks;
    s.num_butons = 1;
    s.tipus = tipus_de_text("30");
    s.mapa_entrades.redimensionar(0, s.n_joysticks, 0, s.n_botons_total + 4);
    s.mapa_botons.redimensionar(0, s.n_botons);
    for (int j = 1; j <= s.n_joysticks; ++j) {
        for (int i = 0; i <= s.n_botons_total + 4; ++i) {
            s.mapa_entrades(j, i) = -2;
        }
        s.mapa_entrades(j, 5) = static_cast<std::int16_t>(j);
        s.mapa_botons[j] = {static_cast<std::int16_t>(j), 5};
    }
    std::vector<int> cursa;
    cami_premudes cami(
        s, {{}, [&](int c, std::optional<double>, font_premuda) { cursa.push_back(c); }, {}});
    const auto tick = [&] {
        cursa.clear();
        joysticks_sondejar(s, *servei, cami);
    };
    tick();
    // Whichever pad the enumeration put last presses first.
    pad_virtual& primer = ja > jb ? a : b;
    pad_virtual& segon = ja > jb ? b : a;
    primer.boto(0, true);
    servei->recollir_canvis();
    SDL_Delay(3);
    segon.boto(0, true);
    tick();
    EXPECT_EQ(cursa, (std::vector<int>{std::max(ja, jb), std::min(ja, jb)}));
}

} // namespace
} // namespace quorvel
