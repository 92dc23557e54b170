// The exercise editor's window: the type by family, the general fields, the
// items with their cells picked on a drawn board and their media chosen from
// files, the lint as the teacher edits, undo and redo, saving, and "Provar".
#pragma once

#include "content/exercici_editable.h"
#include "content/revisio_exercici.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace quorvel {

struct estat_contingut;
class servei_fitxers;
class tauler_editor;
class so_editor;

class finestra_editor : public QMainWindow {
    Q_OBJECT

  public:
    // s: the language, the program folder and the board in use; carpeta_usuari:
    // where an exercise whose folder cannot be written is saved as a copy.
    finestra_editor(const estat_contingut& s, servei_fitxers& fitxers,
                    std::filesystem::path carpeta_usuari, QWidget* pare = nullptr);
    ~finestra_editor() override;

    // Opens the exercise at cami; a file that does not exist is created as a
    // new exercise of type 6. False, with a message, when it cannot be.
    bool obrir(const std::filesystem::path& cami);
    bool desar();

    [[nodiscard]] const exercici_editable& exercici() const { return exercici_; }
    [[nodiscard]] const std::filesystem::path& cami() const { return cami_; }
    [[nodiscard]] const std::vector<troballa>& troballes() const { return troballes_; }

    // "Provar": plays the copy (a file beside a view of the exercise's folder)
    // on a board of that many cells and columns.
    std::function<void(const std::filesystem::path& copia, int caselles, int columnes)> en_provar;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void construir();
    QLayout* construir_generals();
    QWidget* construir_item();
    QFormLayout* construir_media();
    // The records after a list body or type 51's items.
    QWidget* construir_finals();
    void refrescar_finals();
    void confirmar_finals();
    // True when the media field can be set now (an item's needs an item chosen).
    [[nodiscard]] bool amb_lloc(std::size_t camp) const;
    QWidget* construir_avisos();
    // A record and a play button, named nom_gravar and nom_escoltar, for a sound field (or, past
    // them, the list entry).
    void afegir_botons_so(QHBoxLayout* capa_fila, std::size_t camp, const QString& nom);
    void refrescar();
    void refrescar_item();
    void refrescar_tauler();
    void revisar();
    void canviat();
    void confirmar_edicions();
    [[nodiscard]] int item_actual() const;
    [[nodiscard]] camp_item camp_actual() const;
    void clic_casella(int casella);
    void afegir_forma(int index);
    void triar_media(std::size_t camp);
    // A sentence spoken into veu/ by espeak-ng for a sound field (or the list entry).
    void dir_media(std::size_t camp);
    // A grid scenario made from pictures, named in every item's scenario field.
    void escenari_imatges();
    // Puts a name in a media field (camp_media) or, past them, the list entry.
    void posar_media(std::size_t camp, const std::string& nom);
    // Records from the microphone into veu/ for the field (a second click stops).
    void gravar(std::size_t camp, QPushButton* boto);
    // Plays the field's sound as the exercise's folder resolves it.
    void escoltar(std::size_t camp);
    [[nodiscard]] std::string valor_media(std::size_t camp) const;
    void seleccionar_troballa(int fila);
    void provar();
    [[nodiscard]] QString text(int missatge,
                               std::initializer_list<std::string_view> valors = {}) const;
    [[nodiscard]] QStringList parts(int missatge) const;
    [[nodiscard]] QString descriure(const std::string& valor) const;

    const estat_contingut& s_;
    servei_fitxers& fitxers_;
    std::filesystem::path carpeta_usuari_;
    std::filesystem::path cami_;
    exercici_editable exercici_;
    std::vector<troballa> troballes_;
    bool refrescant_ = false;

    QAction* desar_ = nullptr;
    QAction* desfer_ = nullptr;
    QAction* refer_ = nullptr;
    QAction* provar_ = nullptr;
    QComboBox* familia_ = nullptr;
    QComboBox* tipus_ = nullptr;
    QLabel* descripcio_ = nullptr;
    QLineEdit* titol_ = nullptr;
    QLineEdit* autor_ = nullptr;
    QLineEdit* consigna_ = nullptr;
    QSpinBox* caselles_ = nullptr;
    QSpinBox* columnes_ = nullptr;
    QListWidget* items_ = nullptr;
    QWidget* panell_item_ = nullptr;
    QWidget* panell_cel_les_ = nullptr;
    QLineEdit* pregunta_ = nullptr;
    QButtonGroup* camps_ = nullptr;
    std::vector<QRadioButton*> botons_camp_;
    std::vector<QLabel*> valors_camp_;
    QWidget* panell_regles_ = nullptr;
    QLineEdit* regla_columnes_ = nullptr;
    QLineEdit* regla_files_ = nullptr;
    std::vector<QLineEdit*> media_;
    std::vector<QWidget*> files_media_;
    QFormLayout* capa_media_ = nullptr;
    QLineEdit* entrada_ = nullptr;
    QWidget* panell_finals_ = nullptr;
    QSpinBox* instrument_ = nullptr;
    QLabel* nom_instrument_ = nullptr;
    QSpinBox* canal_ = nullptr;
    // By camp_final: each record's row, and its text field (none for the numbers).
    std::vector<QWidget*> files_finals_;
    std::vector<QLineEdit*> linies_finals_;
    QWidget* fila_entrada_ = nullptr;
    tauler_editor* tauler_ = nullptr;
    QListWidget* avisos_ = nullptr;
    so_editor* so_ = nullptr;
    QPushButton* boto_gravant_ = nullptr;
    std::size_t camp_gravant_ = 0;
};

} // namespace quorvel
