// One item of an exercise: what the players must press and the media that go
// with it. Item 0 of the session's table is the current question.
#pragma once

#include <cstddef>
#include <string>

namespace quorvel {

struct element_exercici {
    std::string consigna;
    std::string correctes;
    std::string sequencia;
    std::string text_1;
    std::string text_2;
    std::string especials;
    std::string media_1;
    std::string media_2;
    std::string media_3;
    std::string media_4;
    std::string media_5;
};

// The lines an item's cell lists stand on in its file (0 when not known).
struct linies_element {
    std::size_t correctes = 0;
    std::size_t sequencia = 0;
    std::size_t especials = 0;
};

} // namespace quorvel
