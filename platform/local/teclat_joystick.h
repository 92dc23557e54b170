// The keyboard as a pad: a joystick service that hands the devices of
// another service through and, once opened, adds the keyboard as the last
// device. Its buttons are keys: 1 to 9 and 0 are buttons 1 to 10, the letters
// A to T buttons 11 to 30, Space 31 and Enter 32; the arrows are its
// directions. Many switch interfaces present themselves as a keyboard that
// types Space or Enter.
#pragma once

#include "platform/servei_joystick.h"

#include <array>

namespace quorvel {

class joystick_amb_teclat : public servei_joystick {
  public:
    static constexpr int botons_teclat = 32;

    explicit joystick_amb_teclat(servei_joystick& pads) : pads_(pads) {}

    // Input `entrada` of the keyboard pad (numbered as a pad's) is held or let go.
    void tecla(int entrada, bool premuda);
    // Every key let go (the program lost the keyboard focus).
    void deixar_anar_tot();
    // The keyboard is one of the devices (`teclat` is set).
    [[nodiscard]] bool obert() const { return obert_; }
    [[nodiscard]] bool premuda(int entrada) const;

    int nombre_dispositius() override;
    int llegir_posicio(int id, posicio_joystick& posicio) override;
    int capacitats(int id, int& botons) override;
    std::string nom(int id) override;
    double ara_ms() override { return pads_.ara_ms(); }
    double moment_canvi(int id, int entrada) override;
    bool recollir_canvis() override;
    bool obrir_teclat() override;

  private:
    [[nodiscard]] bool es_teclat(int id) const;

    servei_joystick& pads_;
    bool obert_ = false;
    bool canvi_ = false;
    std::array<bool, 4 + botons_teclat> premudes_{};  // by input number - 1
    std::array<double, 4 + botons_teclat> moments_{}; // by input number - 1
};

} // namespace quorvel
