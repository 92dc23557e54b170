// The joystick service: what the program asks of the joystick driver. Device
// ids count from 0. A status of 0 means success.
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
};

} // namespace quorvel
