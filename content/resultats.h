// The results log: one CSV row per judged press (UTF-8, a header line, fields
// quoted as RFC 4180 asks, CR LF line ends), and the per-player summary that
// the results window and quorvel-inspect show. Unlike the program's other
// files the log is UTF-8, because spreadsheets open it as such; every text in
// this module is therefore UTF-8, not program text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvel {

// What the judgement made of a press.
enum class resultat_premuda { be, mal, final, ignorat, pas_cursa, parella };

// The word the log writes for a result ("right", "wrong", ...).
std::string_view nom_resultat(resultat_premuda r);
std::optional<resultat_premuda> resultat_de_nom(std::string_view nom);

// Where a press came from: a pad's button, the keyboard, the mouse on the
// console or on the stage, or a scanning player's switch.
enum class origen_premuda { pad, teclat, consola, escenari, escombrat };

// The word the log writes for it ("pad", "keyboard", ...).
std::string_view nom_origen(origen_premuda o);

struct fila_resultat {
    // Local time of the press, ISO 8601 with milliseconds.
    std::string moment;
    std::string fitxer_exercici;
    std::string titol_exercici;
    int pregunta = 0;
    // The pad the cell belongs to; 0 for a cell of no pad.
    int jugador = 0;
    std::string nom_jugador;
    int casella = 0;
    resultat_premuda resultat = resultat_premuda::mal;
    long ms_consigna = 0;
    // Empty for the player's first press of the question.
    std::optional<long> ms_anterior;
    origen_premuda origen = origen_premuda::pad;
};

// "YYYY-MM-DDTHH:MM:SS.mmm" from a date and seconds since midnight.
std::string moment_iso(std::string_view data, double segons);

// The header line and one row, each ending with CR LF.
const std::string& capcalera_resultats();
std::string fila_csv(const fila_resultat& f);
// Logs written before rows said where a press came from have this header;
// rows added to such a log leave the source out, so that its columns stay
// lined up under their names.
const std::string& capcalera_resultats_sense_origen();
std::string fila_csv_sense_origen(const fila_resultat& f);

// One field as RFC 4180 writes it: quoted when it holds a comma, a quote or a
// line break, with its quotes doubled. A field that a spreadsheet would take
// for a formula (it begins with "=", "+", "-", "@", a TAB or a CR) gets a
// leading apostrophe, which spreadsheets show as text; so does one that
// already begins with apostrophes before such a character, so that reading
// takes exactly one off and gives the field back as it was.
std::string camp_csv(std::string_view camp);

// The rows of a CSV text, each as its fields (the header is the first row),
// with the apostrophe that guards a formula character taken off again.
std::vector<std::vector<std::string>> csv_llegir(std::string_view text);
// The same, one row at a time, without copying the fields that need no
// unescaping; the views last until fila returns.
void csv_recorrer(std::string_view text,
                  const std::function<void(const std::vector<std::string_view>&)>& fila);

// One player's figures. Right counts right, final, race-step and pair
// presses; the share right is right / (right + wrong), the response time of
// a press is the time since the player's previous press in the question, or
// since the instruction for the first one; ignored presses count as presses
// only.
struct resum_jugador {
    int jugador = 0;
    std::string nom;
    long premudes = 0;
    long encerts = 0;
    long errors = 0;
    std::optional<double> proporcio_encerts;
    std::optional<double> mediana_ms;
};

// One day of the logs.
struct resum_sessio {
    std::string data;
    std::vector<resum_jugador> jugadors;
};

struct resum_resultats {
    // Over everything read, ordered by pad and name.
    std::vector<resum_jugador> jugadors;
    // Per day, oldest first.
    std::vector<resum_sessio> sessions;
    long files = 0;
    // Rows that name no time or no known result, and files without a header.
    long files_dolentes = 0;
};

// Gathers the rows of any number of logs. A player is one pad under one name.
class acumulador_resultats {
  public:
    void afegir(std::string_view text_csv);
    [[nodiscard]] resum_resultats resum() const;

  private:
    struct xifres {
        long premudes = 0;
        long encerts = 0;
        long errors = 0;
        std::vector<long> temps;
    };
    struct clau_hash {
        std::size_t operator()(const std::pair<int, std::string>& c) const;
    };
    using per_jugador = std::unordered_map<std::pair<int, std::string>, xifres, clau_hash>;

    per_jugador total_;
    std::unordered_map<std::string, per_jugador> dies_;
    long files_ = 0;
    long files_dolentes_ = 0;
};

// The day logs ("YYYY-MM-DD.csv") among file names that fall in the `dies`
// days up to and including `data`, oldest first.
std::vector<std::string> logs_dels_dies(const std::vector<std::string>& noms, std::string_view data,
                                        int dies);

// The summary table as a CSV text (the results window's export).
std::string resum_csv(const std::vector<resum_jugador>& jugadors);

// The rows of a log written again as the log writes them (the results
// window's export of the rows): a log from elsewhere comes out with its
// formula characters guarded too.
std::string csv_reescriure(std::string_view text_csv);

} // namespace quorvel
