// Qt's own texts (the standard buttons of message boxes, the file dialogs) in
// the program's language, from the toolkit's translation catalogues.
#pragma once

#include <QTranslator>

#include <memory>
#include <string>

namespace quorvel {

class traduccions_qt {
  public:
    // Installs the toolkit's catalogue for the language code ("ca", "es",
    // "en") in place of the one in force. A code without a catalogue leaves
    // the toolkit's texts in English; true when one was installed.
    bool aplicar(const std::string& codi);

  private:
    std::unique_ptr<QTranslator> traductor_;
    std::string codi_;
};

} // namespace quorvel
