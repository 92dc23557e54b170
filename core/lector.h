// Item-by-item reading of a text file already loaded into memory, the way the
// content files delimit their items: an item ends at a comma or at a line end
// (CR LF, LF or CR); an item that begins with a double quote runs to the next
// double quote (commas and line ends inside belong to it, the quotes do not);
// spaces before an item are skipped and an unquoted item loses its trailing
// spaces; TABs are kept; an empty line, or nothing between two commas, is an
// empty item.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

class lector {
  public:
    lector() = default;
    explicit lector(std::string text) : text_(std::move(text)) {}

    // The next item; empty text at the end of the file.
    std::string llegir_element();
    [[nodiscard]] bool al_final() const { return pos_ >= text_.size(); }
    // Number of the line the next item starts on, counted from 1.
    [[nodiscard]] std::size_t linia() const { return linia_; }

  private:
    void saltar_final_de_linia();
    std::string text_;
    std::size_t pos_ = 0;
    std::size_t linia_ = 1;
};

} // namespace quorvel
