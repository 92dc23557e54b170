// The joystick service: what the program asks of the joystick driver. Device
// ids count from 0. A status of 0 means success. Inputs are numbered as the
// pad table numbers them: 1 to 4 the directions right, left, down, up, and
// 4 + b button b.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// A position reading: axes on the device's scale (0..65535 on the usual
// devices) and a button mask whose bit k is button k + 1.
struct posicio_joystick {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t z = 0;
    std::uint32_t botons = 0;
    bool operator==(const posicio_joystick&) const = default;
};

class servei_joystick {
  public:
    virtual ~servei_joystick() = default;
    // Number of devices the driver supports.
    virtual int nombre_dispositius() = 0;
    // Reads the position of device id; 0 on success.
    virtual int llegir_posicio(int id, posicio_joystick& posicio) = 0;
    // Asks the device's button count; 0 on success.
    virtual int capacitats(int id, int& botons) = 0;
    // The device's product name, empty when unknown (for the authors' tool).
    virtual std::string nom(int id) = 0;

    // The service's clock in milliseconds; input change times are on it.
    virtual double ara_ms() { return 0.0; }
    // When input `entrada` of device id last changed between held and free,
    // on the service's clock; the present time when the service cannot tell.
    virtual double moment_canvi(int id, int entrada) {
        static_cast<void>(id);
        static_cast<void>(entrada);
        return ara_ms();
    }
    // Gathers the input changes that arrived since the last call; true when
    // some input changed, so that the polling can run at once.
    virtual bool recollir_canvis() { return false; }
    // Adds the keyboard as one more device after the others; false when the
    // service cannot read it.
    virtual bool obrir_teclat() { return false; }
};

} // namespace quorvel
