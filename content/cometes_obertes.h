// Double quotes that run a record on past its line. A record that begins with
// a double quote runs to the next double quote, whatever lies between: one
// left open takes in the rest of the file as a single text, which the author
// never meant. The check finds where such a quote opens.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quorvel {

struct cometa_llarga {
    std::size_t linia = 0;       // where the quote opens
    std::size_t linia_tanca = 0; // where it closes; 0 when it never does
    std::size_t linies = 0;      // lines it spans, its own included
};

// The quoted records of a content file that never close, or that close only
// after taking in lines that look like records of their own (a TAB on them),
// in the order of the file; at most `maxim` of them.
std::vector<cometa_llarga> cometes_llargues(std::string_view text, std::size_t maxim = 10);

} // namespace quorvel
