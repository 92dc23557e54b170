// The application: owns the session and the console window model, runs the
// start-up sequence and handles the console's own events. Later parts of the
// program register their handlers on the console model themselves.
#pragma once

#include "app/sessio.h"
#include "core/finestra.h"
#include "platform/serveis.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

// The version label of the caption and the about box.
inline constexpr const char* versio_programa = "Alfa";

class servei_joystick;
class servei_fitxers;

// The teachers' guide in the language in force: the program folder's
// "ajuda\<code>.md" for the language's code, else the Catalan one; empty
// when the folder has neither.
[[nodiscard]] std::string guia_ajuda(const sessio& s, servei_fitxers& fitxers);

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

    // "Ajuda" opens the teachers' guide through this, when the front end can
    // show one: the guide's file, the window's title and the about text. A
    // front end without it (or a program folder without a guide) gets the
    // about box.
    std::function<void(const std::string& guia, const std::string& titol,
                       const std::string& quant_a)>
        en_ajuda;
    // Told after a language was applied, at start-up and on each choice.
    std::function<void()> en_idioma;

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
    // The language files of the menu's items, in the items' order.
    std::vector<std::string> fitxers_idioma_;
    finestra form1_{"Form1"};
};

} // namespace quorvel
