// The board's cells as everyone sees them: which sources hold each cell, its
// colour, whether the operator selected it, and the text it shows (a set-up's
// counter, or nothing). Everything that changes a cell writes here; the
// console's cells (the cell array of the main window) are a projection the
// model pushes after each write, and anyone else follows the model through
// en_canvi. Nothing reads a console cell back: what a cell holds is read here.
#pragma once

#include "core/finestra.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace quorvel {

struct casella_tauler {
    // The sources holding the cell (the press path's source numbers).
    std::set<int> fonts;
    std::optional<color> color_fons;
    bool seleccionada = false;
    std::string text;
    // A scanning player's highlight: a frame in their colour.
    std::optional<color> marc;
    bool operator==(const casella_tauler&) const = default;
};

class model_caselles {
  public:
    // The state of cell k; a cell never written is at rest.
    [[nodiscard]] const casella_tauler& casella(int k) const;

    // Each write changes the model and shows the cell on the console's cell
    // k. A cell the console has no box for is not on the board: the write is
    // refused as the box's own write would be (finestra's error), and the
    // model keeps nothing for it.
    void posar_text(finestra& f, int k, std::string text);
    void posar_color(finestra& f, int k, std::optional<color> c);
    // Only when the console has box k; whether it had.
    bool posar_text_si_existeix(finestra& f, int k, std::string text);
    void posar_seleccionada(finestra& f, int k, bool si);
    // Only when the console has box k.
    void posar_marc(finestra& f, int k, std::optional<color> c);
    // What holds a cell changes nothing on the console.
    void retenir(int k, int font, bool si);
    // Source font holds exactly the cells ks.
    void retenir_nomes(int font, const std::set<int>& ks);
    void deixar_tot();

    // The console's box k goes: the cell starts at rest when it comes back
    // (holds stay, they belong to the press path).
    void descarregar(finestra& f, int k);
    void oblidar(int k);

    // The selected cells, in order.
    [[nodiscard]] std::set<int> seleccionades() const;
    // What the console's cell shows: its text, else the selection's mark.
    [[nodiscard]] std::string text_mostrat(int k) const;

    // Told after cell k has changed.
    std::function<void(int k)> en_canvi;

  private:
    casella_tauler& editar(finestra& f, int k);
    void mostrar(finestra& f, int k);
    void avisar(int k);

    std::map<int, casella_tauler> caselles_;
};

} // namespace quorvel
