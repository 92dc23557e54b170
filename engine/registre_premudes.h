// The results log of a running exercise: each judged press becomes a row
// (its time, the exercise, the question, the player, the cell, the result and
// the player's response times) appended through the results service. The row
// is written after the press has been judged and its feedback given, so the
// log never delays what the players see. A log that cannot be written is
// told once on the console's status line; the exercise goes on.
#pragma once

#include "content/resultats.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace quorvel {

struct estat_joc;
class finestra;
class servei_fitxers;
class servei_rellotge;
class servei_joystick;
class servei_resultats;

struct opcions_resultats {
    bool actiu = true;
    // Player names by pad number (program text).
    std::map<int, std::string> noms;
};

class registre_premudes {
  public:
    // joystick: the pads' clock, on which a press carries its own time.
    registre_premudes(estat_joc& s, servei_fitxers& fitxers, servei_rellotge& rellotge,
                      servei_joystick& joystick, finestra& form1);

    // Sends the rows to sortida from now on; without it nothing is logged.
    void connectar(servei_resultats& sortida, opcions_resultats opcions);

    // A question is put to the players: its instruction has been given.
    void pregunta_nova();

    // What the row of a press needs from before its judgement (which may end
    // the question and start the next one).
    struct premuda {
        double moment = 0;
        int pregunta = 0;
        double inici_pregunta = 0;
        int casella = 0;
        int jugador = 0;
        // The player's previous press in the question.
        std::optional<double> anterior;
        origen_premuda origen = origen_premuda::pad;
    };
    // moment: when the press happened on the pads' clock, when it says.
    [[nodiscard]] premuda abans_de_jutjar(int casella, std::optional<double> moment,
                                          origen_premuda origen) const;
    // Logs the judged press. codi: the judgement's result code; cursa: it was
    // a race judgement.
    void jutjada(const premuda& p, std::int16_t codi, bool cursa);

    [[nodiscard]] int pregunta() const { return pregunta_; }

  private:
    // The moment a press was made, seconds since midnight.
    [[nodiscard]] double moment_premuda(std::optional<double> moment) const;

    estat_joc& s_;
    servei_fitxers& fitxers_;
    servei_rellotge& rellotge_;
    servei_joystick& joystick_;
    finestra& form1_;
    servei_resultats* sortida_ = nullptr;
    opcions_resultats opcions_;

    std::string fitxer_exercici_;
    std::string titol_;
    int pregunta_ = 0;
    double inici_pregunta_ = 0;
    // Each player's last press in the current question.
    std::map<int, double> anteriors_;
    bool avisat_ = false;
};

// The log's result for a judgement's code; none for a code that names none.
std::optional<resultat_premuda> resultat_de_codi(std::int16_t codi, bool cursa);

} // namespace quorvel
