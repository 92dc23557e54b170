// The editor's grid scenario from pictures: the chosen pictures copied into
// the exercise's imatge/ folder and laid out one per cell in a scenario file
// beside the exercise (the default scenario's layout), named in every item.
#include "platform/qt/editor_exercici.h"

#include "content/escenari_graella.h"
#include "content/estat_contingut.h"
#include "content/exercici_fitxer.h"
#include "core/nombres.h"
#include "core/text.h"
#include "platform/local/escriptura_atomica.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/fitxers_editor.h"
#include "platform/qt/conversions_qt.h"

#include <QFileDialog>
#include <QMessageBox>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace quorvel {

void finestra_editor::escenari_imatges() {
    const QStringList triades = QFileDialog::getOpenFileNames(
        this, windowTitle(), QString::fromStdString(cami_.parent_path().string()),
        QStringLiteral("*.png *.gif *.jpg *.jpeg *.bmp *.PNG *.GIF *.JPG *.JPEG *.BMP"));
    if (triades.isEmpty()) {
        return;
    }
    const fs::path carpeta = cami_.parent_path();
    const fs::path programa = fs::path(fitxers_disc::cami_local(s_.carpeta_programa));
    std::string error;
    const auto copiar = [&](const fs::path& origen) {
        std::error_code ec;
        if (fs::equivalent(origen.parent_path(), carpeta / "imatge", ec)) {
            return origen.filename().string();
        }
        return copiar_lliure(origen, carpeta / "imatge", error);
    };
    std::vector<std::string> imatges;
    for (const QString& t : triades) {
        imatges.push_back(de_utf8(copiar(fs::path(t.toStdString()))));
        if (imatges.back().empty()) {
            QMessageBox::warning(
                this, windowTitle(),
                text(static_cast<int>(missatge::editor_no_copiat),
                     {text_programa(t), de_utf8((carpeta / "imatge").string()), error}));
            return;
        }
    }
    // The default scenario's background and released picture come along.
    std::ifstream entrada(programa / "graella.esc", std::ios::binary);
    std::ostringstream bytes;
    bytes << entrada.rdbuf();
    const document_exercici plantilla = document_llegir(bytes.view());
    const auto nom_de = [&](std::size_t registre) {
        return registre < plantilla.registres.size()
                   ? std::string(valor_de(plantilla.registres[registre].text))
                   : std::string();
    };
    const std::string fons = de_utf8(copiar(programa / "imatge" / nom_de(3)));
    const std::string deixat = de_utf8(copiar(programa / "imatge" / nom_de(13)));
    const std::string n = text_decimal(static_cast<long long>(imatges.size()));
    const document_exercici escenari = escenari_graella(
        plantilla, text_missatge(s_, missatge::editor_titol_graella, {n}), fons, deixat, imatges);
    const fs::path esc = nom_lliure(carpeta, "graella_" + n + ".esc");
    if (const std::string e = substituir_fitxer(esc, document_escriure(escenari)); !e.empty()) {
        QMessageBox::warning(
            this, windowTitle(),
            text(static_cast<int>(missatge::editor_no_desat), {de_utf8(esc.string()), e}));
        return;
    }
    if (exercici_.n_items() > 0 &&
        exercici_.posar_a_tots(camp_item::escenari, de_utf8(esc.filename().string()))) {
        canviat();
    }
}

} // namespace quorvel
