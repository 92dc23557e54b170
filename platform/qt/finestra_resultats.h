// The results window ("Fitxers > Resultats"): per player, the presses, right
// and wrong answers, the share right and the median response time of one log
// (today's, or one the teacher chooses); below, the share right and the
// median response time of each day over the last weeks, one line per player.
// The figures come from the results log's summary; the window only shows them.
#pragma once

#include "content/resultats.h"

#include <QWidget>

#include <string>

class QLabel;
class QTableWidget;
QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace quorvel {

class finestra_resultats : public QWidget {
    Q_OBJECT
  public:
    // How far back the chart goes.
    static constexpr int dies_grafic = 56;

    // carpeta: the folder of the day logs (a local path).
    explicit finestra_resultats(std::string carpeta, QWidget* pare = nullptr);

    // Today's log and the weeks before it.
    void mostrar_avui(const std::string& dia);
    // A chosen log, and the weeks of the folder's logs up to its last day.
    void mostrar_fitxer(const std::string& fitxer);
    // Writes the table as CSV; false when it cannot be written.
    [[nodiscard]] bool exportar(const std::string& fitxer) const;

    [[nodiscard]] const QTableWidget& taula() const { return *taula_; }
    [[nodiscard]] QChart& grafic_encerts() const { return *encerts_; }
    [[nodiscard]] QChart& grafic_temps() const { return *temps_; }

  private:
    void mostrar(const std::string& titol, const resum_resultats& resum, const std::string& dia,
                 const std::string& fitxer_triat);
    void omplir_taula();
    void omplir_grafics(const resum_resultats& setmanes);
    [[nodiscard]] std::string llegir(const std::string& fitxer) const;

    std::string carpeta_;
    std::string avui_;
    std::vector<resum_jugador> jugadors_;
    QLabel* origen_;
    QTableWidget* taula_;
    QChart* encerts_;
    QChart* temps_;
};

} // namespace quorvel
