// Simulated devices for the authors' dry run: pads whose buttons a script
// sets, media that report "playing" for a set time, a MIDI output and a stage
// that tell an observer what the program sent them, and file dialogs that
// answer from a queue.
#pragma once

#include "platform/dialegs.h"
#include "platform/ordres_media.h"
#include "platform/servei_joystick.h"
#include "platform/sortida_midi.h"
#include "platform/vista_escenari.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quorvel {

class rellotge_simulat;

class joystick_simulat : public servei_joystick {
  public:
    struct pad {
        int botons = 0;
        posicio_joystick posicio{32768, 32768, 0, 0};
    };
    std::vector<pad> pads;

    int nombre_dispositius() override { return static_cast<int>(pads.size()); }
    int llegir_posicio(int id, posicio_joystick& posicio) override;
    int capacitats(int id, int& botons) override;
    std::string nom(int id) override;
};

// Every command is told to the observer; a medium "plays" for durada_ms of
// simulated time after its play command, then reports "stopped".
class media_simulat : public servei_media {
  public:
    explicit media_simulat(rellotge_simulat& rellotge) : rellotge_(rellotge) {}
    double durada_ms = 0;
    std::function<void(const std::string& ordre)> en_ordre;
    resposta_media enviar(const std::string& ordre) override;

  private:
    rellotge_simulat& rellotge_;
    double fi_ms_ = 0;
};

class midi_simulat : public servei_midi {
  public:
    std::function<void(std::uint32_t missatge)> en_missatge;
    int obrir(int dispositiu, std::uint32_t& handle) override;
    int missatge_curt(std::uint32_t handle, std::uint32_t missatge) override;
    int tancar(std::uint32_t handle) override;
    std::string text_error(int codi) override;
};

class dialegs_simulats : public servei_dialegs {
  public:
    std::deque<std::string> respostes; // then empty text: cancel
    std::string obrir(finestra& propietari, const std::string& carpeta_inicial,
                      const std::string& filtre, const std::string& titol) override;
    std::string desar(const std::string& nom_proposat, finestra& propietari,
                      const std::string& carpeta, const std::string& filtre,
                      const std::string& titol) override;

  private:
    std::string seguent();
};

class escenari_simulat : public servei_escenari {
  public:
    mida_pantalla mida{19200, 12000, 15.0, 15.0}; // 1280 x 800 pixels
    std::function<void(finestra& escenari, bool obert)> en_canvi;
    mida_pantalla pantalla() override { return mida; }
    void obrir(finestra& escenari) override;
    void tancar(finestra& escenari) override;
};

} // namespace quorvel
