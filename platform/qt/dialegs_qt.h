// The open and save file dialogs on Qt's standard file dialogs.
#pragma once

#include "platform/dialegs.h"

#include <QString>
#include <QWidget>

#include <string>

namespace quorvel {

// A NUL-separated "description, pattern, ..." filter as Qt name filters
// joined by ";;" ("Mapa MAP (*.map);;Tots els fitxers (*.*)"). A pattern list
// "*.bmp;*.gif" becomes "*.bmp *.gif"; a description without a pattern
// matches every file.
QString filtres_qt(const std::string& filtre);

class eines_qt;

class dialegs_qt : public servei_dialegs {
  public:
    // The finestra model is no widget: the dialogs open where the toolkit's
    // boxes do (above the stage on show), or on the active window without it.
    explicit dialegs_qt(const eines_qt* eines = nullptr) : eines_(eines) {}

    std::string obrir(finestra& propietari, const std::string& carpeta_inicial,
                      const std::string& filtre, const std::string& titol) override;
    std::string desar(const std::string& nom_proposat, finestra& propietari,
                      const std::string& carpeta, const std::string& filtre,
                      const std::string& titol) override;
    // A message box with Yes and No; No is the default, so a stray Enter
    // destroys nothing.
    bool preguntar(finestra& propietari, const std::string& text,
                   const std::string& titol) override;

  private:
    [[nodiscard]] QWidget* pare() const;

    const eines_qt* eines_;
};

} // namespace quorvel
