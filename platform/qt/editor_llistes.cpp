// The editor's records after the body: the instrument (with its General MIDI
// name) and the channel of the note types, the four media of the listen and
// find types as media rows, and the five hints of the hidden cell.
#include "platform/qt/editor_exercici.h"

#include "core/nombres.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_comu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>
#include <charconv>

namespace quorvel {

using namespace editor;

namespace {

constexpr std::array<const char*, 128> noms_general_midi = {"Acoustic Grand Piano",
                                                            "Bright Acoustic Piano",
                                                            "Electric Grand Piano",
                                                            "Honky-tonk Piano",
                                                            "Electric Piano 1",
                                                            "Electric Piano 2",
                                                            "Harpsichord",
                                                            "Clavinet",
                                                            "Celesta",
                                                            "Glockenspiel",
                                                            "Music Box",
                                                            "Vibraphone",
                                                            "Marimba",
                                                            "Xylophone",
                                                            "Tubular Bells",
                                                            "Dulcimer",
                                                            "Drawbar Organ",
                                                            "Percussive Organ",
                                                            "Rock Organ",
                                                            "Church Organ",
                                                            "Reed Organ",
                                                            "Accordion",
                                                            "Harmonica",
                                                            "Tango Accordion",
                                                            "Acoustic Guitar (nylon)",
                                                            "Acoustic Guitar (steel)",
                                                            "Electric Guitar (jazz)",
                                                            "Electric Guitar (clean)",
                                                            "Electric Guitar (muted)",
                                                            "Overdriven Guitar",
                                                            "Distortion Guitar",
                                                            "Guitar Harmonics",
                                                            "Acoustic Bass",
                                                            "Electric Bass (finger)",
                                                            "Electric Bass (pick)",
                                                            "Fretless Bass",
                                                            "Slap Bass 1",
                                                            "Slap Bass 2",
                                                            "Synth Bass 1",
                                                            "Synth Bass 2",
                                                            "Violin",
                                                            "Viola",
                                                            "Cello",
                                                            "Contrabass",
                                                            "Tremolo Strings",
                                                            "Pizzicato Strings",
                                                            "Orchestral Harp",
                                                            "Timpani",
                                                            "String Ensemble 1",
                                                            "String Ensemble 2",
                                                            "Synth Strings 1",
                                                            "Synth Strings 2",
                                                            "Choir Aahs",
                                                            "Voice Oohs",
                                                            "Synth Voice",
                                                            "Orchestra Hit",
                                                            "Trumpet",
                                                            "Trombone",
                                                            "Tuba",
                                                            "Muted Trumpet",
                                                            "French Horn",
                                                            "Brass Section",
                                                            "Synth Brass 1",
                                                            "Synth Brass 2",
                                                            "Soprano Sax",
                                                            "Alto Sax",
                                                            "Tenor Sax",
                                                            "Baritone Sax",
                                                            "Oboe",
                                                            "English Horn",
                                                            "Bassoon",
                                                            "Clarinet",
                                                            "Piccolo",
                                                            "Flute",
                                                            "Recorder",
                                                            "Pan Flute",
                                                            "Blown Bottle",
                                                            "Shakuhachi",
                                                            "Whistle",
                                                            "Ocarina",
                                                            "Lead 1 (square)",
                                                            "Lead 2 (sawtooth)",
                                                            "Lead 3 (calliope)",
                                                            "Lead 4 (chiff)",
                                                            "Lead 5 (charang)",
                                                            "Lead 6 (voice)",
                                                            "Lead 7 (fifths)",
                                                            "Lead 8 (bass + lead)",
                                                            "Pad 1 (new age)",
                                                            "Pad 2 (warm)",
                                                            "Pad 3 (polysynth)",
                                                            "Pad 4 (choir)",
                                                            "Pad 5 (bowed)",
                                                            "Pad 6 (metallic)",
                                                            "Pad 7 (halo)",
                                                            "Pad 8 (sweep)",
                                                            "FX 1 (rain)",
                                                            "FX 2 (soundtrack)",
                                                            "FX 3 (crystal)",
                                                            "FX 4 (atmosphere)",
                                                            "FX 5 (brightness)",
                                                            "FX 6 (goblins)",
                                                            "FX 7 (echoes)",
                                                            "FX 8 (sci-fi)",
                                                            "Sitar",
                                                            "Banjo",
                                                            "Shamisen",
                                                            "Koto",
                                                            "Kalimba",
                                                            "Bagpipe",
                                                            "Fiddle",
                                                            "Shanai",
                                                            "Tinkle Bell",
                                                            "Agogo",
                                                            "Steel Drums",
                                                            "Woodblock",
                                                            "Taiko Drum",
                                                            "Melodic Tom",
                                                            "Synth Drum",
                                                            "Reverse Cymbal",
                                                            "Guitar Fret Noise",
                                                            "Breath Noise",
                                                            "Seashore",
                                                            "Bird Tweet",
                                                            "Telephone Ring",
                                                            "Helicopter",
                                                            "Applause",
                                                            "Gunshot"};

constexpr std::size_t n_finals = static_cast<std::size_t>(camp_final::pista_esquerra) + 1;

// A record's whole number, or fallback when it holds none.
int enter_de(const std::string& text, int fallback) {
    int n = 0;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    return ec == std::errc() && p == text.data() + text.size() ? n : fallback;
}

} // namespace

bool finestra_editor::amb_lloc(std::size_t camp) const {
    return camp >= primer_camp_final || item_actual() >= 0;
}

QWidget* finestra_editor::construir_finals() {
    panell_finals_ = new QWidget;
    panell_finals_->setObjectName(QStringLiteral("editor_finals"));
    auto* capa = new QVBoxLayout(panell_finals_);
    capa->setContentsMargins(0, 0, 0, 0);
    const QStringList etiquetes = parts(static_cast<int>(missatge::editor_finals));
    const QStringList noms_media = parts(static_cast<int>(missatge::editor_media));
    const QStringList media_botons = parts(static_cast<int>(missatge::editor_botons_media));
    files_finals_.assign(n_finals, nullptr);
    linies_finals_.assign(n_finals, nullptr);
    const auto fila = [&](camp_final c, const QString& etiqueta) {
        auto* w = new QWidget;
        auto* capa_fila = new QHBoxLayout(w);
        capa_fila->setContentsMargins(0, 0, 0, 0);
        auto* l = new QLabel(etiqueta);
        l->setMinimumWidth(160);
        capa_fila->addWidget(l);
        files_finals_[static_cast<std::size_t>(c)] = w;
        capa->addWidget(w);
        return capa_fila;
    };
    const auto numero = [&](QSpinBox* caixa, int minim, int maxim) {
        caixa->setRange(minim, maxim);
        // A number typed is one change, taken when it is confirmed.
        caixa->setKeyboardTracking(false);
        connect(caixa, &QSpinBox::valueChanged, this, [this, caixa](int v) {
            const bool es_canal = caixa == canal_;
            // The file numbers the channels from 0.
            if (!refrescant_ &&
                exercici_.posar_final(es_canal ? camp_final::canal : camp_final::instrument,
                                      text_decimal(es_canal ? v - 1 : v))) {
                canviat();
            }
        });
    };

    instrument_ = new QSpinBox;
    instrument_->setObjectName(QStringLiteral("editor_instrument"));
    nom_instrument_ = new QLabel;
    nom_instrument_->setObjectName(QStringLiteral("editor_instrument_nom"));
    auto* fila_instrument = fila(camp_final::instrument, etiquetes.value(0));
    fila_instrument->addWidget(instrument_);
    fila_instrument->addWidget(nom_instrument_, 1);
    numero(instrument_, 0, 127);
    canal_ = new QSpinBox;
    canal_->setObjectName(QStringLiteral("editor_canal"));
    auto* fila_canal = fila(camp_final::canal, etiquetes.value(1));
    fila_canal->addWidget(canal_);
    fila_canal->addStretch(1);
    numero(canal_, 1, 16);

    const auto linia = [&](camp_final c, const QString& nom) {
        auto* e = new QLineEdit;
        e->setObjectName(nom);
        e->setMinimumWidth(150);
        linies_finals_[static_cast<std::size_t>(c)] = e;
        connect(e, &QLineEdit::editingFinished, this, [this, e, c] {
            if (!refrescant_ && exercici_.posar_final(c, text_programa(e->text()))) {
                canviat();
            }
        });
        return e;
    };
    for (std::size_t m = 0; m < 4; ++m) {
        const std::size_t camp = primer_camp_final + m;
        const camp_final c = final_de(camp);
        const QString nom = QStringLiteral("editor_final(%1)").arg(m + 1);
        auto* capa_fila = fila(c, noms_media.value(static_cast<int>(m)));
        capa_fila->addWidget(linia(c, nom), 1);
        afegir_botons_so(capa_fila, camp, nom);
        auto* triar = new QPushButton(media_botons.value(0));
        triar->setObjectName(nom + QStringLiteral("_triar"));
        capa_fila->addWidget(triar);
        connect(triar, &QPushButton::clicked, this, [this, camp] { triar_media(camp); });
        auto* dir = new QPushButton(media_botons.value(4));
        dir->setObjectName(nom + QStringLiteral("_dir"));
        capa_fila->addWidget(dir);
        connect(dir, &QPushButton::clicked, this, [this, camp] { dir_media(camp); });
    }
    for (std::size_t p = 0; p < 5; ++p) {
        const auto c =
            static_cast<camp_final>(static_cast<std::size_t>(camp_final::pista_a_prop) + p);
        fila(c, etiquetes.value(static_cast<int>(p) + 2))
            ->addWidget(linia(c, QStringLiteral("editor_pista(%1)").arg(p + 1)), 1);
    }
    return panell_finals_;
}

void finestra_editor::refrescar_finals() {
    const bool abans = refrescant_;
    refrescant_ = true;
    bool algun = false;
    for (std::size_t k = 0; k < n_finals; ++k) {
        const auto c = static_cast<camp_final>(k);
        const bool te = exercici_.te_final(c);
        algun = algun || te;
        files_finals_[k]->setVisible(te);
        if (linies_finals_[k] != nullptr) {
            linies_finals_[k]->setText(qtext(exercici_.valor_final(c)));
        }
    }
    panell_finals_->setVisible(algun);
    const int instrument = enter_de(exercici_.valor_final(camp_final::instrument), 0);
    instrument_->setValue(instrument);
    nom_instrument_->setText(
        instrument >= 0 && instrument < 128
            ? QString::fromLatin1(noms_general_midi[static_cast<std::size_t>(instrument)])
            : QString());
    canal_->setValue(enter_de(exercici_.valor_final(camp_final::canal), 0) + 1);
    refrescant_ = abans;
}

void finestra_editor::confirmar_finals() {
    for (std::size_t k = 0; k < n_finals; ++k) {
        const auto c = static_cast<camp_final>(k);
        if (linies_finals_[k] != nullptr && exercici_.te_final(c) &&
            text_programa(linies_finals_[k]->text()) != exercici_.valor_final(c)) {
            exercici_.posar_final(c, text_programa(linies_finals_[k]->text()));
        }
    }
}

} // namespace quorvel
