// The program's own parts for the one wiring: the results log on disk (one
// file per day), the key filter on the whole application that feeds the
// keyboard pad, and the results window, opened below the console.
#pragma once

#include "app/peces_programa.h"
#include "platform/local/resultats_disc.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

namespace quorvel {

class filtre_teclat;
class finestra_resultats;
class joystick_amb_teclat;

class peces_qt : public peces_programa {
  public:
    // carpeta_resultats: the folder of the day logs (a local path, UTF-8).
    peces_qt(joystick_amb_teclat& teclat, std::string carpeta_resultats, QWidget& consola);
    ~peces_qt() override;
    peces_qt(const peces_qt&) = delete;
    peces_qt& operator=(const peces_qt&) = delete;

    servei_resultats* resultats() override { return &resultats_; }
    void filtrar_teclat(std::function<bool()> llegint_pads) override;
    void mostrar_resultats(const sessio& s) override;

  private:
    joystick_amb_teclat& teclat_;
    std::string carpeta_resultats_;
    resultats_disc resultats_;
    QPointer<QWidget> consola_;
    std::unique_ptr<filtre_teclat> filtre_;
    std::unique_ptr<finestra_resultats> finestra_;
};

} // namespace quorvel
