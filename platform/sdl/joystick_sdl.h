// The joystick service over SDL2's joystick subsystem. The pads present when
// the service is created become devices 0..n-1 for the whole run. A pad that
// is unplugged makes its device fail to read; when a pad with the same
// identity is plugged in again it takes its old device number back. Pads
// plugged in later that match no free device are ignored.
//
// Position values: axes 0 and 1 are x and y, shifted from SDL's -32768..32767
// to 0..65535 (rest at about 32768). A pad with fewer than two axes but with a
// hat gives x and y from hat 0 (0, 32768 or 65535). Any axis the pad lacks
// reads 32768; z is axis 2. Bit k of the button mask is button k + 1, for at
// most 32 buttons. Names are returned as program texts (Windows-1252).
//
// Input change times come from SDL's joystick events (milliseconds since SDL
// started). A direction changes when its axis crosses the default dead zone
// (three tenths of the way from rest), or when its hat moves.
#pragma once

#include "platform/servei_joystick.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

struct _SDL_Joystick;
union SDL_Event;

namespace quorvel {

class joystick_sdl : public servei_joystick {
  public:
    // Statuses of a failed read, as the joystick driver reports them.
    static constexpr int estat_parametres = 165; // no such device id
    static constexpr int estat_desconnectat = 167;

    // Opens SDL's joystick subsystem (reading keeps working while no window
    // of the program has the focus) and binds every pad present. Pads absent
    // from a device are looked for again at most once per interval.
    explicit joystick_sdl(
        std::chrono::milliseconds interval_cerca = std::chrono::milliseconds(500));
    ~joystick_sdl() override;
    joystick_sdl(const joystick_sdl&) = delete;
    joystick_sdl& operator=(const joystick_sdl&) = delete;

    // Empty when SDL's joystick subsystem started; SDL's message otherwise.
    [[nodiscard]] const std::string& error() const { return error_; }

    int nombre_dispositius() override;
    int llegir_posicio(int id, posicio_joystick& posicio) override;
    int capacitats(int id, int& botons) override;
    std::string nom(int id) override;
    double ara_ms() override;
    double moment_canvi(int id, int entrada) override;
    bool recollir_canvis() override;

  private:
    // What tells a pad from another across unplugging: the SDL GUID plus the
    // serial number when the pad has one, else its name and button count.
    struct identitat {
        std::array<std::uint8_t, 16> guid{};
        std::string serial;
        std::string nom;
        int botons = 0;
        [[nodiscard]] bool mateix_pad(const identitat& altre) const;
    };

    struct dispositiu {
        _SDL_Joystick* pad = nullptr; // owned; null while unplugged
        std::int32_t instancia = -1;  // SDL instance id of the bound pad
        identitat id;
        std::array<double, 4 + 32> moments{}; // by input number - 1
        int costat_x = 0;                     // -1, 0, 1: side of the dead zone
        int costat_y = 0;
    };

    static identitat identitat_de(_SDL_Joystick* pad);
    void alliberar(dispositiu& d);
    void cercar_pads_tornats();
    [[nodiscard]] bool instancia_lligada(std::int32_t instancia) const;
    dispositiu* per_instancia(std::int32_t instancia);
    // Applies one SDL event to the change times; true when an input changed.
    bool anotar(const SDL_Event& e);
    // Updates SDL and notes the events' times; true when an input changed.
    bool actualitzar();

    bool iniciat_ = false;
    std::string error_;
    std::vector<dispositiu> dispositius_;
    int lliures_ = 0;
    std::vector<std::int32_t> descartades_; // instances that matched no free device
    bool pendent_ = false;                  // a change seen by a read, not yet collected
    std::chrono::milliseconds interval_cerca_;
    std::chrono::steady_clock::time_point darrera_cerca_{};
};

} // namespace quorvel
