// The handler of each family of exercise types (content/tipus_exercici.h):
// what the family does when a run starts (its new question), when a cell is
// pressed and when a cell is let go. gestor_de is the one table from family
// to handler; the exercise's start and the dispatcher reach the families only
// through it. Each handler lives in engine/familia_<family>.cpp and is the one
// place that tells the types of its family apart.
//
// A handler's steps run inside the caller's skip steps: a step that fails is
// skipped and the next one runs, as everywhere in the engine.
#pragma once

#include "content/tipus_exercici.h"

#include <string>

namespace quorvel {

struct estat_joc;
struct serveis;
class despatxador;

class gestor_familia {
  public:
    gestor_familia() = default;
    virtual ~gestor_familia() = default;
    gestor_familia(const gestor_familia&) = delete;
    gestor_familia& operator=(const gestor_familia&) = delete;

    // A new question, when the type prepares one: by default an item drawn
    // at random.
    virtual void preparar(estat_joc& s, serveis& sv) const;
    // Cell k pressed: by default nothing.
    virtual void premer(despatxador& d, int k) const;
    // Cell k let go, or cleared by stop: by default a positive count goes
    // down by one and its number's picture takes entry 0.
    virtual void deixar(despatxador& d, int k) const;
};

[[nodiscard]] const gestor_familia& gestor_de(familia_exercici f);
// The handler a cell event of the run goes to: the loaded type's, except
// while a set-up runs, when the cells are the set-up's and a press is no
// press of the exercise.
[[nodiscard]] const gestor_familia& gestor_de(const estat_joc& s);

// The handlers of the table, one per family that does more than the defaults.
[[nodiscard]] const gestor_familia& gestor_escoltar_tauler();
[[nodiscard]] const gestor_familia& gestor_midi();
[[nodiscard]] const gestor_familia& gestor_recorregut();
[[nodiscard]] const gestor_familia& gestor_parelles();
[[nodiscard]] const gestor_familia& gestor_escoltar_i_trobar();
[[nodiscard]] const gestor_familia& gestor_camins_fletxes();
[[nodiscard]] const gestor_familia& gestor_comptar();
[[nodiscard]] const gestor_familia& gestor_comptar_fins();
[[nodiscard]] const gestor_familia& gestor_caselles_marcades();

// The program's default scenario.
[[nodiscard]] std::string graella_defecte(const estat_joc& s);
// The current item's own scenario, else the default one: the stage the start
// then opens.
void escenari_de_item(estat_joc& s);
// The voice recording a name stands for: a bare name lies in the voice
// folder of the current directory.
[[nodiscard]] std::string a_veu(serveis& sv, const std::string& nom);

} // namespace quorvel
