// The exercise the editor holds: its file's records, read and changed as the
// fields the type gives them by position (the same layout the reader reads),
// with undo and redo of every change and whether it differs from what was
// saved last. Records the reader would skip, and comments, stay where they are.
#pragma once

#include "content/document_exercici.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The fields of one item, in file order (types 8 and 17 hold the two rule
// formulas where the others hold the sequence).
enum class camp_item {
    consigna,
    correctes,
    sequencia,
    regla_columnes,
    regla_files,
    especials,
    media_1,
    media_2,
    media_3,
    media_4,
    escenari,
};

// The fields before the body.
enum class camp_general { titol, autor, consigna };

// The records after the body, by what they hold: the instrument and the
// channel (types 5 and 12), the four media (types 11 and 12) and the five
// hints (type 51).
enum class camp_final {
    instrument,
    canal,
    media_1,
    media_2,
    media_3,
    media_4,
    pista_a_prop,
    pista_avall,
    pista_amunt,
    pista_dreta,
    pista_esquerra,
};

// The labels new records get: Catalan, or Spanish when the program speaks it.
enum class llengua_etiquetes { catala, castella };

class exercici_editable {
  public:
    // A new, empty exercise of the type.
    explicit exercici_editable(int tipus = 6,
                               llengua_etiquetes llengua = llengua_etiquetes::catala);
    explicit exercici_editable(document_exercici d,
                               llengua_etiquetes llengua = llengua_etiquetes::catala);

    [[nodiscard]] const document_exercici& document() const { return historia_[posicio_]; }
    [[nodiscard]] std::string text_tipus() const;
    [[nodiscard]] int tipus() const;
    // True when the body is a list of cells (types 3, 4, 5, 11, 12).
    [[nodiscard]] bool es_llista() const;
    // True when the items hold two rule formulas instead of a sequence.
    [[nodiscard]] bool amb_regles() const;

    [[nodiscard]] std::string general(camp_general c) const;
    // Items, or list entries for a list body.
    [[nodiscard]] std::size_t n_items() const;
    [[nodiscard]] std::string item(std::size_t i, camp_item c) const;
    [[nodiscard]] std::string entrada(std::size_t i) const;
    // The index in document().registres of an item's field (for the lint's
    // lines), or of a list entry.
    [[nodiscard]] std::size_t registre_item(std::size_t i, camp_item c) const;
    [[nodiscard]] std::size_t registre_entrada(std::size_t i) const;
    [[nodiscard]] std::size_t registre_general(camp_general c) const;
    // True when the type has that record after its body.
    [[nodiscard]] bool te_final(camp_final c) const;
    [[nodiscard]] std::string valor_final(camp_final c) const;
    [[nodiscard]] std::size_t registre_final(camp_final c) const;

    // Each change is one step of undo. A value that cannot be written as one
    // record (a double quote beside a comma) is refused: false, nothing changes.
    // Line ends in a value become spaces.
    bool posar_tipus(int tipus);
    bool posar_general(camp_general c, std::string valor);
    bool posar_item(std::size_t i, camp_item c, std::string valor);
    // The same value in that field of every item.
    bool posar_a_tots(camp_item c, std::string valor);
    bool posar_entrada(std::size_t i, std::string valor);
    // A record after the body; one the file lacks is added, with the records
    // before it, under their usual labels.
    bool posar_final(camp_final c, std::string valor);
    void afegir_item();
    void eliminar_item(std::size_t i);
    void duplicar_item(std::size_t i);
    // Moves item i to position j (both within the items).
    void moure_item(std::size_t i, std::size_t j);

    [[nodiscard]] bool pot_desfer() const { return posicio_ > 0; }
    [[nodiscard]] bool pot_refer() const { return posicio_ + 1 < historia_.size(); }
    void desfer();
    void refer();
    // True when the exercise differs from the state marked saved.
    [[nodiscard]] bool modificat() const { return posicio_ != desat_; }
    void marcar_desat() { desat_ = posicio_; }

  private:
    [[nodiscard]] std::size_t per_item() const;
    [[nodiscard]] std::size_t inici_cos() const { return 5; }
    [[nodiscard]] std::size_t finals() const;
    [[nodiscard]] std::string valor(std::size_t registre) const;
    void posar_valor(document_exercici& d, std::size_t registre, std::string_view valor) const;
    [[nodiscard]] std::string etiqueta_item(camp_item c) const;
    [[nodiscard]] std::string etiqueta_final(std::size_t posicio) const;
    [[nodiscard]] std::vector<registre_document> item_buit() const;
    void canviar(document_exercici d);
    void posar_compte(document_exercici& d, std::size_t n) const;

    std::vector<document_exercici> historia_;
    std::size_t posicio_ = 0;
    std::size_t desat_ = 0;
    llengua_etiquetes llengua_;
};

// A file of the exercise as new: a body for the type, no items.
document_exercici document_nou(int tipus, llengua_etiquetes llengua);

} // namespace quorvel
