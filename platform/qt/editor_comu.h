// What the editor's panels share: the families offered in the type chooser,
// the shape codes of the shape buttons, the fields the drawn board picks
// cells for with their colours, the media fields in the order of their rows,
// and how a list entry's note is shown.
#pragma once

#include "content/exercici_editable.h"
#include "content/tipus_exercici.h"
#include "i18n/missatges.h"
#include "platform/qt/conversions_qt.h"

#include <QColor>
#include <QString>

#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <vector>

namespace quorvel::editor {

struct familia_editor {
    familia_exercici familia;
    missatge text;
    std::vector<int> tipus;
};

inline const std::vector<familia_editor>& families() {
    static const std::vector<familia_editor> totes = {
        {familia_exercici::escoltar_tauler, missatge::editor_familia_escoltar_tauler, {3, 4}},
        {familia_exercici::midi, missatge::editor_familia_midi, {5}},
        {familia_exercici::recorregut, missatge::editor_familia_recorregut, {6, 7, 8}},
        {familia_exercici::parelles, missatge::editor_familia_parelles, {9}},
        {familia_exercici::escoltar_i_trobar, missatge::editor_familia_escoltar_i_trobar, {11, 12}},
        {familia_exercici::camins_fletxes, missatge::editor_familia_camins_fletxes, {15, 16, 17}},
        {familia_exercici::comptar, missatge::editor_familia_comptar, {20, 21, 22}},
        {familia_exercici::comptar_fins, missatge::editor_familia_comptar_fins, {23, 24, 25}},
        {familia_exercici::cursa, missatge::editor_familia_cursa, {30, 31}},
        {familia_exercici::caselles_marcades, missatge::editor_familia_caselles_marcades, {50, 51}},
    };
    return totes;
}

inline constexpr std::array<std::string_view, 15> codis_forma = {
    "(LU)",  "(LD)",  "(LL)",  "(LR)",  "(LMV)", "(LMH)", "(PUL)", "(PUM)",
    "(PUR)", "(PDL)", "(PDM)", "(PDR)", "(PLM)", "(PRM)", "(PCE)"};

// The fields the board picks cells for, in the order of their buttons.
inline constexpr std::array<camp_item, 3> camps_tauler = {
    camp_item::correctes, camp_item::sequencia, camp_item::especials};
inline const std::array<QColor, 3> colors_camp = {QColor(120, 200, 120), QColor(120, 170, 230),
                                                  QColor(240, 170, 80)};

inline constexpr std::array<camp_item, 5> camps_media = {camp_item::media_1, camp_item::media_2,
                                                         camp_item::media_3, camp_item::media_4,
                                                         camp_item::escenari};

// The media fields' numbers past the item's: the list entry, then the four
// media after a list body.
inline constexpr std::size_t camp_entrada = camps_media.size();
inline constexpr std::size_t primer_camp_final = camp_entrada + 1;
inline camp_final final_de(std::size_t camp) {
    return static_cast<camp_final>(static_cast<std::size_t>(camp_final::media_1) + camp -
                                   primer_camp_final);
}

inline bool es_imatge(const std::filesystem::path& cami) {
    std::string ext = cami.extension().string();
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return ext == ".png" || ext == ".gif" || ext == ".jpg" || ext == ".jpeg" || ext == ".bmp";
}

inline char lletra(int casella) {
    return static_cast<char>(65 + casella);
}

// A MIDI note number of a list entry by name and number, "C4 (60)" (middle C
// is C4); anything else as it is written.
inline QString nom_nota(const std::string& entrada) {
    static const std::array<const char*, 12> noms = {"C",  "C#", "D",  "D#", "E",  "F",
                                                     "F#", "G",  "G#", "A",  "A#", "B"};
    bool es_nombre = false;
    const int n = QString::fromLatin1(entrada.data(), static_cast<qsizetype>(entrada.size()))
                      .trimmed()
                      .toInt(&es_nombre);
    if (!es_nombre || n < 0 || n > 127) {
        return qtext(entrada);
    }
    return QStringLiteral("%1%2 (%3)")
        .arg(QLatin1String(noms[static_cast<std::size_t>(n % 12)]))
        .arg(n / 12 - 1)
        .arg(n);
}

} // namespace quorvel::editor
