#include "joystick/filtre_commutadors.h"

#include <algorithm>

namespace quorvel {

bool filtre_commutadors::compta(int dispositiu, int entrada, bool premuda, double moment,
                                double ara, temps t) {
    estat_entrada& e = entrades_[{dispositiu, entrada}];
    if (!premuda) {
        e.comptada = false;
        return false;
    }
    if (e.comptada) {
        return true;
    }
    // A press turned away stays turned away for as long as it is held, even
    // past the repeat time: a tremor that ends held is still the same press.
    if (e.descartada == moment) {
        return false;
    }
    if (e.pulsacio && moment - *e.pulsacio < t.repeticio) {
        e.descartada = moment;
        return false;
    }
    if (ara - moment < t.acceptacio) {
        const double quan = moment + t.acceptacio;
        termini_ = termini_ ? std::min(*termini_, quan) : quan;
        return false;
    }
    e.comptada = true;
    e.pulsacio = moment;
    return true;
}

} // namespace quorvel
