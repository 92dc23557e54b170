#include "core/lector.h"

namespace quorvel {

void lector::saltar_final_de_linia() {
    if (pos_ < text_.size() && text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
        ++linia_;
    } else if (pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
        ++linia_;
    }
}

std::string lector::llegir_element() {
    const std::size_t n = text_.size();
    while (pos_ < n && text_[pos_] == ' ') {
        ++pos_;
    }
    if (pos_ >= n) {
        return {};
    }
    std::string element;
    if (text_[pos_] == '"') {
        const std::size_t inici = pos_ + 1;
        std::size_t fi = text_.find('"', inici);
        if (fi == std::string::npos) {
            fi = n;
        }
        element.assign(text_, inici, fi - inici);
        for (char c : element) {
            linia_ += c == '\n' ? 1 : 0;
        }
        pos_ = fi < n ? fi + 1 : n;
        // Whatever follows the closing quote up to the delimiter is not part
        // of the item.
        while (pos_ < n && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n') {
            ++pos_;
        }
    } else {
        const std::size_t inici = pos_;
        while (pos_ < n && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n') {
            ++pos_;
        }
        std::size_t fi = pos_;
        while (fi > inici && text_[fi - 1] == ' ') {
            --fi;
        }
        element.assign(text_, inici, fi - inici);
    }
    if (pos_ < n && text_[pos_] == ',') {
        ++pos_;
    } else {
        saltar_final_de_linia();
    }
    return element;
}

} // namespace quorvel
