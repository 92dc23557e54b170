// The reader of an exercise file's records into the session, shared by the
// loader (exercici_lectura.cpp) and the authors' notes on what it read
// (exercici_avisos.cpp). Only the exercise file's own files include it.
#pragma once

#include "content/estat_contingut.h"
#include "content/lectura_contingut.h"
#include "content/tipus_exercici.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Record counts of a body: the records of one item or list entry, and those
// that follow the last one.
struct forma_cos {
    std::size_t per_element;
    std::size_t finals;
    // What the count counts, for the notes: one, and more than one.
    std::string_view nom;
    std::string_view noms;
};

class lectura_exercici {
  public:
    lectura_exercici(estat_contingut& s, servei_fitxers& fitxers, std::vector<avis_lectura>* avisos)
        : s_(s), lr_(s, fitxers, avisos), avisos_(avisos) {}

    void llegir(const std::string& cami);

  private:
    void cos_llista();
    void cos_items(bool amb_respostes);
    void item(int i, const tipus_exercici& tipus);
    void text_entre_cometes(int i, std::string element_exercici::*camp, std::string_view nom,
                            camp_fitxer camp_esperat);
    std::string expandit(int i, std::string element_exercici::*camp, std::string_view nom,
                         camp_fitxer camp_esperat);
    std::string media(int i, std::string element_exercici::*camp, std::string_view nom,
                      camp_fitxer camp_esperat);
    void comprovar_codis(std::string_view text, const std::string& q);
    void comptador(std::int16_t& n, std::string_view nom);
    void comprovar_compte(std::int16_t declarat, std::size_t llegits, const forma_cos& forma);
    // Notes on a type that selects no body: not a plain number, unknown, empty.
    void comprovar_tipus(std::size_t avisos_abans, const tipus_exercici& tipus);
    [[nodiscard]] std::string que(std::string_view prefix, long long i, std::string_view nom) const;

    [[nodiscard]] static bool es_buit(std::string_view text);

    estat_contingut& s_;
    lectura_contingut lr_;
    std::vector<avis_lectura>* avisos_;
    // The reader's record count where the body's entries begin, after the
    // general instruction, so that the records after the count are known.
    std::size_t inici_cos_ = 0;
};

} // namespace quorvel
