// The application: owns the session and the console window model, runs the
// start-up sequence and handles the console's own events. Later parts of the
// program register their handlers on the console model themselves.
#pragma once

#include "app/sessio.h"
#include "core/finestra.h"
#include "platform/serveis.h"

#include <string>

namespace quorvel {

// The version label of the caption and the about box.
inline constexpr const char* versio_programa = "Alfa";

class servei_joystick;

// The status line's word on the pads: how many were found and their names,
// or what to do when there is none.
[[nodiscard]] std::string comandaments_trobats(const sessio& s, servei_joystick& joystick);

class aplicacio {
  public:
    // carpeta_programa: the folder of the program's content, without a
    // trailing separator; carpeta_usuari: the folder the settings and maps are
    // written to, empty for the program folder itself.
    aplicacio(serveis sv, std::string carpeta_programa, std::string carpeta_usuari = {});
    ~aplicacio();
    aplicacio(const aplicacio&) = delete;
    aplicacio& operator=(const aplicacio&) = delete;

    // The console's load: caption, language menu, settings, language,
    // joysticks, map tables, start-up map, options, columns, exercise fields.
    void arrencar();

    // The console's unload (the operator closes it): closes the MIDI output.
    void tancar();

    // Redraws the board preview.
    void dibuixar();

    [[nodiscard]] sessio& estat() { return sessio_; }
    [[nodiscard]] finestra& form1() { return form1_; }
    [[nodiscard]] serveis& sv() { return sv_; }

  private:
    void registrar_gestors();
    void omplir_menu_idiomes();
    void canvi_columnes();
    void idioma_triat(int index);
    void quant_a();

    serveis sv_;
    sessio sessio_;
    finestra form1_{"Form1"};
};

} // namespace quorvel
