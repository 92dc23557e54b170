// The results log on the local disk: one file per day, "YYYY-MM-DD.csv", in
// a folder that is created when the first row comes; or, for the authors' dry
// run, every row in one given file. The folder may be one others can write
// to (a shared stick), so neither the log nor its folder is reached through
// a link, and rows are written whole or not at all.
#pragma once

#include "platform/servei_resultats.h"

#include <string>

namespace quorvel {

class resultats_disc : public servei_resultats {
  public:
    // carpeta: a local path (UTF-8); a relative one is taken from the
    // current folder now.
    explicit resultats_disc(std::string carpeta);
    // Every date's rows go to this local file.
    static resultats_disc un_fitxer(std::string fitxer);

    std::string data_avui() override;
    escriptura_resultats afegir(std::string_view data, std::string_view capcalera,
                                std::string_view files) override;
    std::string capcalera(std::string_view data) override;
    [[nodiscard]] std::string lloc() const override;

    // The file a date's rows go to.
    [[nodiscard]] std::string fitxer_de(std::string_view data) const;

  private:
    resultats_disc(std::string carpeta, std::string fitxer);

    std::string carpeta_;
    std::string fitxer_;
};

} // namespace quorvel
