// Switch settings applied to each input of each pad: a press counts only
// once it has been held for the acceptance time (a brush against a switch is
// not a press), and a press that starts within the repeat time of the last
// counted press of the same input does not count at all (a bounce or a
// tremor is not a second press). Both times at 0 let every reading through.
#pragma once

#include <map>
#include <optional>
#include <utility>

namespace quorvel {

class filtre_commutadors {
  public:
    // Times in milliseconds on the joystick service's clock.
    struct temps {
        double acceptacio = 0;
        double repeticio = 0;
    };

    // Whether the input counts as held now. premuda: the reading says it is
    // held; moment: when it last changed between held and free.
    bool compta(int dispositiu, int entrada, bool premuda, double moment, double ara, temps t);

    // The earliest moment at which a press still waiting for acceptance will
    // count, among the inputs seen since the last call to oblidar_termini.
    [[nodiscard]] std::optional<double> proper_termini() const { return termini_; }
    void oblidar_termini() { termini_.reset(); }

  private:
    struct estat_entrada {
        bool comptada = false;
        std::optional<double> pulsacio;   // start of the last counted press
        std::optional<double> descartada; // start of a press turned away
    };
    std::map<std::pair<int, int>, estat_entrada> entrades_;
    std::optional<double> termini_;
};

} // namespace quorvel
