#include "platform/qt/sondeig_immediat.h"

#include "core/finestra.h"
#include "core/text.h"
#include "platform/servei_joystick.h"

#include <utility>

namespace quorvel {

sondeig_immediat::sondeig_immediat(finestra& consola, std::string temporitzador,
                                   servei_joystick& joystick,
                                   std::function<std::optional<double>()> termini)
    : consola_(consola), temporitzador_(std::move(temporitzador)), joystick_(joystick),
      termini_(std::move(termini)) {
    bomba_.setTimerType(Qt::PreciseTimer);
    bomba_.setInterval(1);
    QObject::connect(&bomba_, &QTimer::timeout, [this] { bombar(); });
    observador_ = consola_.observar([this](const element& e, propietat p) {
        if ((p == propietat::habilitat || p == propietat::interval) &&
            iguals_sense_majuscules(e.nom, temporitzador_)) {
            seguir_temporitzador();
        }
    });
    seguir_temporitzador();
}

sondeig_immediat::~sondeig_immediat() {
    consola_.deixar_observar(observador_);
}

void sondeig_immediat::seguir_temporitzador() {
    if (!consola_.existeix(temporitzador_)) {
        bomba_.stop();
        return;
    }
    const element& e = consola_.obtenir(temporitzador_);
    if (e.habilitat && e.interval > 0) {
        if (!bomba_.isActive()) {
            // Changes from before the polling started are no press to wake for.
            joystick_.recollir_canvis();
            bomba_.start();
        }
    } else {
        bomba_.stop();
    }
}

void sondeig_immediat::bombar() {
    bool ara = joystick_.recollir_canvis();
    if (!ara && termini_) {
        const std::optional<double> quan = termini_();
        ara = quan && joystick_.ara_ms() >= *quan;
    }
    if (ara) {
        consola_.disparar_temporitzador(temporitzador_);
    }
}

} // namespace quorvel
