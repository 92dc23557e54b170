// Runs the console's polling tick as soon as a pad reports a change, instead
// of leaving the press to wait for the next timer tick. While the polling
// timer runs, a short pump collects the joystick service's changes every
// millisecond and fires the timer's own handler when there are some, or when
// a press waiting for the switch acceptance time comes due. The timer keeps
// running as before; with the polling off the pump stops, so an idle program
// does not wake.
#pragma once

#include <QTimer>

#include <functional>
#include <optional>
#include <string>

namespace quorvel {

class finestra;
class servei_joystick;

class sondeig_immediat {
  public:
    // termini: when the next held press comes due on the joystick service's
    // clock, if one waits.
    sondeig_immediat(finestra& consola, std::string temporitzador, servei_joystick& joystick,
                     std::function<std::optional<double>()> termini);
    ~sondeig_immediat();
    sondeig_immediat(const sondeig_immediat&) = delete;
    sondeig_immediat& operator=(const sondeig_immediat&) = delete;

  private:
    void seguir_temporitzador();
    void bombar();

    finestra& consola_;
    std::string temporitzador_;
    servei_joystick& joystick_;
    std::function<std::optional<double>()> termini_;
    QTimer bomba_;
    int observador_ = 0;
};

} // namespace quorvel
