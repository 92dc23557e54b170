// The editor's lint panel: the findings of the exercise as it stands, redone
// after every edit, each selecting the field it is about when chosen.
#include "platform/qt/editor_exercici.h"

#include "content/estat_contingut.h"
#include "core/text.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_comu.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

namespace fs = std::filesystem;

namespace quorvel {

using namespace editor;

QWidget* finestra_editor::construir_avisos() {
    avisos_ = new QListWidget;
    avisos_->setObjectName(QStringLiteral("editor_avisos"));
    avisos_->setWordWrap(true);
    connect(avisos_, &QListWidget::currentRowChanged, this,
            [this](int fila) { seleccionar_troballa(fila); });
    return avisos_;
}

void finestra_editor::revisar() {
    troballes_ = revisar_exercici(s_, fitxers_, de_utf8(cami_.string()), exercici_.document(),
                                  {caselles_->value(), columnes_->value()});
    avisos_->blockSignals(true);
    avisos_->clear();
    for (const troballa& t : troballes_) {
        avisos_->addItem(qtext(t.text));
    }
    if (troballes_.empty()) {
        avisos_->addItem(text(static_cast<int>(missatge::editor_sense_avisos)));
    }
    avisos_->blockSignals(false);
}

void finestra_editor::seleccionar_troballa(int fila) {
    if (fila < 0 || fila >= static_cast<int>(troballes_.size())) {
        return;
    }
    const std::size_t r = troballes_[static_cast<std::size_t>(fila)].registre;
    for (const auto& [c, e] :
         {std::pair{camp_general::titol, titol_}, std::pair{camp_general::autor, autor_},
          std::pair{camp_general::consigna, consigna_}}) {
        if (exercici_.registre_general(c) == r) {
            e->setFocus();
            e->selectAll();
            return;
        }
    }
    for (std::size_t i = 0; i < exercici_.n_items(); ++i) {
        if (exercici_.es_llista()) {
            if (exercici_.registre_entrada(i) == r) {
                items_->setCurrentRow(static_cast<int>(i));
                entrada_->setFocus();
                return;
            }
            continue;
        }
        for (std::size_t c = 0; c <= static_cast<std::size_t>(camp_item::escenari); ++c) {
            const auto camp = static_cast<camp_item>(c);
            if (exercici_.registre_item(i, camp) != r) {
                continue;
            }
            items_->setCurrentRow(static_cast<int>(i));
            QWidget* w = pregunta_;
            for (std::size_t b = 0; b < camps_tauler.size(); ++b) {
                if (camps_tauler[b] == camp) {
                    botons_camp_[b]->setChecked(true);
                    refrescar_tauler();
                    w = botons_camp_[b];
                }
            }
            for (std::size_t m = 0; m < camps_media.size(); ++m) {
                if (camps_media[m] == camp) {
                    w = media_[m];
                }
            }
            if (camp == camp_item::regla_columnes) {
                w = regla_columnes_;
            } else if (camp == camp_item::regla_files) {
                w = regla_files_;
            }
            w->setFocus();
            return;
        }
    }
    items_->setFocus();
}

} // namespace quorvel
