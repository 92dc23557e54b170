// Record-by-record reading of one scenario or exercise file for its loader,
// with the notes an author wants about what the loader had to skip or guess.
// The notes never change what is read: with or without them the loader takes
// the same records and fills the same values.
#pragma once

#include "content/cometes_obertes.h"
#include "content/etiquetes_camps.h"
#include "core/lector.h"
#include "i18n/missatges.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvel {

struct estat_contingut;
class servei_fitxers;

// One finding of a content file check. Line 0 stands for the file as a whole.
struct avis_lectura {
    std::size_t linia = 0;
    // The authors' words (English), as quorvel-inspect prints them.
    std::string missatge;
    // The same finding as a numbered text (none when 0) with the field it
    // concerns and its values, for the program's language (avis_text.h).
    quorvel::missatge tipus{};
    std::string que = {};
    std::vector<std::string> valors = {};
};

// True when the text, without surrounding blanks, is exactly one decimal
// number (optional sign, digits with an optional point, optional exponent).
bool es_nombre(std::string_view text);

// The text as a 16-bit integer when it is a number that fits; throws error_pas
// otherwise, so that the value it would replace stays as it was.
std::int16_t enter16_estricte(std::string_view text);

// The numeric value written back as decimal text: "7" for 7, "0.5" for a half.
// Throws error_desbordament for a value beyond the double range.
std::string text_decimal_valor(double valor);

// A text as it appears in a note: quoted, and cut when very long.
std::string citar(std::string_view text);

class lectura_contingut {
  public:
    // avisos may be null: then nothing is checked beyond what is read.
    lectura_contingut(estat_contingut& s, servei_fitxers& fitxers,
                      std::vector<avis_lectura>* avisos);

    // Loads the whole file; a file that cannot be read yields no records.
    void obrir(const std::string& cami);

    // The next record that is not a comment; empty text past the end of the
    // file. que names what the record was expected to hold, for the notes;
    // camp is the field read there, whose label the notes check.
    std::string registre(std::string_view que, camp_fitxer camp = camp_fitxer::lliure);

    // The value of the next record: the text after its first TAB.
    std::string valor(std::string_view que, camp_fitxer camp = camp_fitxer::lliure);

    [[nodiscard]] bool amb_avisos() const { return avisos_ != nullptr; }
    // True once a record was asked for after the end of the file.
    [[nodiscard]] bool passat_final() const { return passat_final_; }
    // Records read so far that the file held (only counted when notes are wanted).
    [[nodiscard]] std::size_t registres_trobats() const { return trobats_; }
    // The line of the record read last.
    [[nodiscard]] std::size_t linia() const { return linia_; }

    // ruta_resoldre of the text. Files do not come and go while one file is
    // read, so a name met again (the same feedback sound in every item) is
    // looked up on the disk only once.
    std::string resoldre(std::string_view text);

    // Notes at the line of the record read last.
    void avisar(std::string missatge);
    // Notes a finding of that kind about the field que (avis_de).
    void avisar(missatge tipus, std::string_view que, std::vector<std::string> valors = {});

    // Notes a value that is not wholly a number (what a number field reads
    // from it follows). Empty values are left to the record checks.
    void comprovar_nombre(std::string_view valor, std::string_view que);

    // Notes every name of a resolved media list that names no existing file.
    void comprovar_media(const std::string& resolt, std::string_view que);

    // Notes records left in the file after everything the loader reads, and
    // returns how many there are.
    std::size_t comprovar_sobrants();

    // Notes every record left that has no TAB (its value would read as empty).
    void comprovar_tabs_restants();

  private:
    std::string seguent(std::string_view que, bool notar_final);
    // Notes the quotes left open up to the line (all of them past the end).
    void notar_cometes(std::size_t fins_linia);
    bool existeix(const std::string& nom);

    estat_contingut& s_;
    servei_fitxers& fitxers_;
    std::vector<avis_lectura>* avisos_;
    lector lector_;
    // A second reader over the same text, moved in step with the first, that
    // tells the line each record starts on (only when notes are wanted).
    lector ombra_;
    std::size_t linia_ = 0;
    // Quotes that run on past their line, noted when the reading gets there.
    std::vector<cometa_llarga> cometes_;
    std::size_t cometes_notades_ = 0;
    bool passat_final_ = false;
    std::size_t trobats_ = 0;
    // A label that named another field was noted; the next ones would only
    // repeat the same shift until a label names its own field again.
    bool desplacat_ = false;
    std::unordered_map<std::string, std::string> resolts_;
    std::unordered_map<std::string, bool> existents_;
};

} // namespace quorvel
