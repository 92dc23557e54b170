// Where the results log goes: appending rows to the day's log. Appending is
// a platform service so that the logic that makes the rows runs without a
// disk, and so that the program and the authors' dry run can send the rows
// to different places.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// What became of rows sent to the log.
enum class escriptura_resultats {
    feta,
    // Nothing was written: the disk or the folder would not take the rows.
    fallida,
    // Nothing was written: a link stood where the log or its folder goes,
    // and a link may lead anywhere (a shared stick, another user's file).
    enllac,
};

class servei_resultats {
  public:
    virtual ~servei_resultats() = default;
    // Today's local date, "YYYY-MM-DD".
    virtual std::string data_avui() = 0;
    // Appends rows (UTF-8, CR LF ended) to the log of that date, writing the
    // header first when the log is new or empty: all of them or nothing.
    virtual escriptura_resultats afegir(std::string_view data, std::string_view capcalera,
                                        std::string_view files) = 0;
    // The first line of that date's log, with its line end; empty when the
    // log is missing, empty or unreadable. Rows added to a log must match
    // the header it already has.
    virtual std::string capcalera(std::string_view data) = 0;
    // Where the logs go, as the operator is told (UTF-8).
    [[nodiscard]] virtual std::string lloc() const = 0;
};

} // namespace quorvel
