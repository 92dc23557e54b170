// The editor's media rows, named by what each field does for the type, and
// the list entry of the list types: a file chosen and copied into the
// exercise's folder, a recording from the microphone, a sentence spoken by
// espeak-ng, and a play button.
#include "platform/qt/editor_exercici.h"

#include "content/estat_contingut.h"
#include "core/text.h"
#include "platform/local/fitxers_editor.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_comu.h"
#include "platform/qt/editor_so.h"
#include "platform/qt/editor_veu.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace fs = std::filesystem;

namespace quorvel {

using namespace editor;

void finestra_editor::afegir_botons_so(QHBoxLayout* capa_fila, std::size_t camp,
                                       const QString& nom) {
    const QStringList so = parts(static_cast<int>(missatge::editor_gravar));
    auto* gravar_boto = new QPushButton(so.value(0));
    gravar_boto->setObjectName(nom + QStringLiteral("_gravar"));
    auto* escoltar_boto = new QPushButton(so.value(2));
    escoltar_boto->setObjectName(nom + QStringLiteral("_escoltar"));
    capa_fila->addWidget(gravar_boto);
    capa_fila->addWidget(escoltar_boto);
    connect(gravar_boto, &QPushButton::clicked, this,
            [this, camp, gravar_boto] { gravar(camp, gravar_boto); });
    connect(escoltar_boto, &QPushButton::clicked, this, [this, camp] { escoltar(camp); });
}

QFormLayout* finestra_editor::construir_media() {
    so_ = new so_editor(this);
    connect(so_, &so_editor::gravat, this, [this](const QString& nom) {
        if (boto_gravant_ != nullptr) {
            boto_gravant_->setText(parts(static_cast<int>(missatge::editor_gravar)).value(0));
            boto_gravant_ = nullptr;
        }
        if (!nom.isEmpty()) {
            posar_media(camp_gravant_, nom.toStdString());
        }
    });
    const QStringList media_botons = parts(static_cast<int>(missatge::editor_botons_media));
    // The media, named by what they do.
    auto* media = new QFormLayout;
    const QStringList noms_media = parts(static_cast<int>(missatge::editor_media));
    for (std::size_t i = 0; i < camps_media.size(); ++i) {
        auto* fila = new QWidget;
        auto* capa_fila = new QHBoxLayout(fila);
        capa_fila->setContentsMargins(0, 0, 0, 0);
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("editor_media(%1)").arg(i + 1));
        auto* triar = new QPushButton(media_botons.value(0));
        triar->setObjectName(QStringLiteral("editor_media(%1)_triar").arg(i + 1));
        capa_fila->addWidget(e, 1);
        if (camps_media[i] != camp_item::escenari) {
            afegir_botons_so(capa_fila, i, QStringLiteral("editor_media(%1)").arg(i + 1));
        }
        capa_fila->addWidget(triar);
        connect(triar, &QPushButton::clicked, this, [this, i] { triar_media(i); });
        if (camps_media[i] != camp_item::escenari) {
            auto* dir = new QPushButton(media_botons.value(4));
            dir->setObjectName(QStringLiteral("editor_media(%1)_dir").arg(i + 1));
            capa_fila->addWidget(dir);
            connect(dir, &QPushButton::clicked, this, [this, i] { dir_media(i); });
        } else {
            auto* graella = new QPushButton(media_botons.value(5));
            graella->setObjectName(QStringLiteral("editor_escenari_imatges"));
            capa_fila->addWidget(graella);
            connect(graella, &QPushButton::clicked, this, [this] { escenari_imatges(); });
        }
        connect(e, &QLineEdit::editingFinished, this, [this, e, i] {
            if (!refrescant_ && item_actual() >= 0 &&
                exercici_.posar_item(static_cast<std::size_t>(item_actual()), camps_media[i],
                                     text_programa(e->text()))) {
                canviat();
            }
        });
        if (camps_media[i] == camp_item::escenari) {
            auto* tots = new QPushButton(media_botons.value(1));
            tots->setObjectName(QStringLiteral("editor_media(5)_tots"));
            capa_fila->addWidget(tots);
            connect(tots, &QPushButton::clicked, this, [this, e] {
                if (exercici_.posar_a_tots(camp_item::escenari, text_programa(e->text()))) {
                    canviat();
                }
            });
        }
        media_.push_back(e);
        files_media_.push_back(fila);
        media->addRow(noms_media.value(static_cast<int>(i)), fila);
    }
    // A list entry: one cell's recording or note.
    fila_entrada_ = new QWidget;
    auto* capa_entrada = new QHBoxLayout(fila_entrada_);
    capa_entrada->setContentsMargins(0, 0, 0, 0);
    entrada_ = new QLineEdit;
    entrada_->setObjectName(QStringLiteral("editor_entrada"));
    auto* triar_entrada = new QPushButton(media_botons.value(0));
    triar_entrada->setObjectName(QStringLiteral("editor_entrada_triar"));
    capa_entrada->addWidget(entrada_, 1);
    afegir_botons_so(capa_entrada, camps_media.size(), QStringLiteral("editor_entrada"));
    capa_entrada->addWidget(triar_entrada);
    auto* dir_entrada = new QPushButton(media_botons.value(4));
    dir_entrada->setObjectName(QStringLiteral("editor_entrada_dir"));
    capa_entrada->addWidget(dir_entrada);
    connect(dir_entrada, &QPushButton::clicked, this, [this] { dir_media(camps_media.size()); });
    connect(entrada_, &QLineEdit::editingFinished, this, [this] {
        if (!refrescant_ && item_actual() >= 0 &&
            exercici_.posar_entrada(static_cast<std::size_t>(item_actual()),
                                    text_programa(entrada_->text()))) {
            canviat();
        }
    });
    connect(triar_entrada, &QPushButton::clicked, this,
            [this] { triar_media(camps_media.size()); });
    media->addRow(fila_entrada_);
    capa_media_ = media;
    return media;
}

void finestra_editor::triar_media(std::size_t camp) {
    if (!amb_lloc(camp)) {
        return;
    }
    const fs::path carpeta = cami_.parent_path();
    const QString triat =
        QFileDialog::getOpenFileName(this, windowTitle(), QString::fromStdString(carpeta.string()));
    if (triat.isEmpty()) {
        return;
    }
    const fs::path origen(triat.toStdString());
    const bool escenari =
        camp < camps_media.size() && camps_media[camp] == camp_item::escenari && !es_imatge(origen);
    // Pictures go to imatge/, sounds to veu/, a scenario beside the exercise;
    // a file already there is named as it is.
    const fs::path desti = escenari            ? carpeta
                           : es_imatge(origen) ? carpeta / "imatge"
                                               : carpeta / "veu";
    std::string nom;
    std::error_code ec;
    if (fs::equivalent(origen.parent_path(), desti, ec)) {
        nom = origen.filename().string();
    } else {
        std::string error;
        nom = copiar_lliure(origen, desti, error);
        if (nom.empty()) {
            QMessageBox::warning(this, windowTitle(),
                                 text(static_cast<int>(missatge::editor_no_copiat),
                                      {de_utf8(origen.string()), de_utf8(desti.string()), error}));
            return;
        }
    }
    posar_media(camp, nom);
}

void finestra_editor::posar_media(std::size_t camp, const std::string& nom) {
    if (camp >= primer_camp_final) {
        if (exercici_.posar_final(final_de(camp), de_utf8(nom))) {
            canviat();
        }
        return;
    }
    const int i = item_actual();
    if (i < 0) {
        return;
    }
    const auto k = static_cast<std::size_t>(i);
    const bool fet = camp < camps_media.size()
                         ? exercici_.posar_item(k, camps_media[camp], de_utf8(nom))
                         : exercici_.posar_entrada(k, de_utf8(nom));
    if (fet) {
        canviat();
    }
}

std::string finestra_editor::valor_media(std::size_t camp) const {
    if (camp >= primer_camp_final) {
        return exercici_.valor_final(final_de(camp));
    }
    const int i = item_actual();
    if (i < 0) {
        return {};
    }
    const auto k = static_cast<std::size_t>(i);
    return camp < camps_media.size() ? exercici_.item(k, camps_media[camp]) : exercici_.entrada(k);
}

void finestra_editor::gravar(std::size_t camp, QPushButton* boto) {
    if (so_->gravant()) {
        so_->aturar();
        return;
    }
    if (!amb_lloc(camp)) {
        return;
    }
    const fs::path carpeta = cami_.parent_path() / "veu";
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    if (!so_->gravar(nom_lliure(carpeta, "gravacio.wav"))) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_sense_microfon)));
        return;
    }
    camp_gravant_ = camp;
    boto_gravant_ = boto;
    boto->setText(parts(static_cast<int>(missatge::editor_gravar)).value(1));
}

void finestra_editor::escoltar(std::size_t camp) {
    std::string nom = valor_media(camp);
    nom = nom.substr(0, nom.find('|'));
    std::replace(nom.begin(), nom.end(), '\\', '/');
    if (nom.empty()) {
        return;
    }
    // Looked for as the program looks: veu/, imatge/, then the folder itself.
    const fs::path carpeta = cami_.parent_path();
    const fs::path relatiu(a_utf8(nom));
    for (const fs::path& c :
         {carpeta / "veu" / relatiu, carpeta / "imatge" / relatiu, carpeta / relatiu}) {
        std::error_code ec;
        if (fs::is_regular_file(c, ec)) {
            so_->reproduir(c);
            return;
        }
    }
}

void finestra_editor::dir_media(std::size_t camp) {
    if (!amb_lloc(camp)) {
        return;
    }
    bool acceptat = false;
    const QString frase =
        QInputDialog::getText(this, windowTitle(), text(static_cast<int>(missatge::editor_frase)),
                              QLineEdit::Normal, {}, &acceptat);
    if (!acceptat || frase.trimmed().isEmpty()) {
        return;
    }
    // The file is named after the sentence's first words.
    QString base;
    for (const QChar c : frase.normalized(QString::NormalizationForm_KD)) {
        if (c.isLetterOrNumber() && c.unicode() < 128) {
            base += c.toLower();
        } else if (!base.isEmpty() && !base.endsWith(QLatin1Char('_'))) {
            base += QLatin1Char('_');
        }
    }
    base = base.left(24);
    while (base.endsWith(QLatin1Char('_'))) {
        base.chop(1);
    }
    const fs::path carpeta = cami_.parent_path() / "veu";
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    const fs::path wav = nom_lliure(
        carpeta, (base.isEmpty() ? QStringLiteral("frase") : base).toStdString() + ".wav");
    const QString veu = qtext(text_missatge(s_, missatge::codi_idioma)).left(2);
    const veu_sintetitzada r = dir_frase(frase, veu.isEmpty() ? QStringLiteral("ca") : veu, wav);
    if (r.resultat == resultat_veu::absent) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_espeak_absent)));
        return;
    }
    if (r.resultat == resultat_veu::error) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_espeak_error),
                                  {de_utf8(wav.string()), text_programa(r.error)}));
        return;
    }
    posar_media(camp, wav.filename().string());
}

} // namespace quorvel
