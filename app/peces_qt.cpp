#include "app/peces_qt.h"

#include "app/sessio.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/qt/finestra_resultats.h"
#include "platform/qt/teclat_filtre.h"

#include <QApplication>

#include <utility>

namespace quorvel {

peces_qt::peces_qt(joystick_amb_teclat& teclat, std::string carpeta_resultats, QWidget& consola)
    : teclat_(teclat), carpeta_resultats_(std::move(carpeta_resultats)),
      resultats_(carpeta_resultats_), consola_(&consola) {}

peces_qt::~peces_qt() = default;

void peces_qt::filtrar_teclat(std::function<bool()> llegint_pads) {
    filtre_ = std::make_unique<filtre_teclat>(teclat_, std::move(llegint_pads));
    qApp->installEventFilter(filtre_.get());
}

void peces_qt::mostrar_resultats(const sessio& s) {
    if (!finestra_) {
        const auto text = [&s](missatge m, std::string_view valor = {}) {
            return a_utf8(text_missatge(s, m, {valor}));
        };
        finestra_ = std::make_unique<finestra_resultats>(
            carpeta_resultats_,
            textos_finestra_resultats{
                text(missatge::resultats_tancar), text(missatge::resultats_exportar_resum),
                text(missatge::resultats_exportar_files), text(missatge::resultats_desat, "%1"),
                text(missatge::resultats_no_desat, "%1")});
    }
    finestra_->mostrar_avui(resultats_.data_avui());
    if (consola_) {
        finestra_->obrir_sota(*consola_);
    }
}

} // namespace quorvel
