// The results window ("Fitxers > Resultats"): per player, the presses, right
// and wrong answers, the share right and the median response time of one log
// (today's, or one the teacher chooses); below, the share right and the
// median response time of each day over the last weeks, one line per player.
// The figures come from the results log's summary; the window only shows them.
// It closes by its own button and Esc, as no window manager may be there to
// close it.
#pragma once

#include "content/resultats.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QTableWidget;
QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace quorvel {

// The window's texts in the operator's language (UTF-8); "%1" stands for a
// file's path.
struct textos_finestra_resultats {
    std::string tancar = "Tancar";
    std::string exportar_resum = "Exportar resum...";
    std::string exportar_files = "Exportar files...";
    std::string desat = "Desat a %1";
    std::string no_desat = "No s'ha pogut escriure %1";
};

// Asks where to save, starting from a proposed path (local, UTF-8); empty
// when the operator gives up.
using triar_desti =
    std::function<std::string(const std::string& titol, const std::string& proposta)>;

class finestra_resultats : public QWidget {
    Q_OBJECT
  public:
    // How far back the chart goes.
    static constexpr int dies_grafic = 56;

    // carpeta: the folder of the day logs (a local path).
    explicit finestra_resultats(std::string carpeta, textos_finestra_resultats textos = {},
                                QWidget* pare = nullptr);
    // Replaces the save dialog (the default is the toolkit's).
    void posar_triar_desti(triar_desti triar) { triar_ = std::move(triar); }

    // Shows the window in front with the keyboard, below the console when
    // the screen has room for it there: without a window manager a window
    // opens where it is put, and over the console it would hide it.
    void obrir_sota(const QWidget& consola);

    // Today's log and the weeks before it.
    void mostrar_avui(const std::string& dia);
    // A chosen log, and the weeks of the folder's logs up to its last day.
    void mostrar_fitxer(const std::string& fitxer);
    // Writes the table as CSV; false when it cannot be written.
    [[nodiscard]] bool exportar(const std::string& fitxer) const;
    // Writes the rows of the log shown as CSV; false when it cannot be written.
    [[nodiscard]] bool exportar_files(const std::string& fitxer) const;
    // Where an export is proposed: the user's documents folder, else home.
    [[nodiscard]] static std::string carpeta_exportacio();
    // What the last export said.
    [[nodiscard]] QString avis() const;

    [[nodiscard]] const QTableWidget& taula() const { return *taula_; }
    [[nodiscard]] QChart& grafic_encerts() const { return *encerts_; }
    [[nodiscard]] QChart& grafic_temps() const { return *temps_; }

  private:
    void mostrar(const std::string& titol, const resum_resultats& resum, const std::string& dia,
                 const std::string& fitxer_triat);
    void omplir_taula();
    void omplir_grafics(const resum_resultats& setmanes);
    [[nodiscard]] std::string llegir(const std::string& fitxer) const;
    // Asks where and writes there with escriure; tells what became of it.
    void exportar_amb(const std::string& nom,
                      bool (finestra_resultats::*escriure)(const std::string&) const);

    std::string carpeta_;
    textos_finestra_resultats textos_;
    triar_desti triar_;
    std::string avui_;
    // The day and the log text shown.
    std::string dia_;
    std::string text_log_;
    std::vector<resum_jugador> jugadors_;
    QLabel* origen_;
    QLabel* avis_;
    QTableWidget* taula_;
    QChart* encerts_;
    QChart* temps_;
};

} // namespace quorvel
