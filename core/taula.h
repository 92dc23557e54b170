// Bounds-checked tables with explicit lower and upper bounds, as the program's
// shared tables are declared (0..n, 1..n). Access outside the bounds throws
// error_index; a table can be resized dropping or keeping its contents, and can
// have no storage at all until it is first sized.
#pragma once

#include "core/errors.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorvel {

// Largest number of entries a table may hold; a larger request is a failing
// step, not an allocation that could exhaust memory.
inline constexpr long long taula_maxim_entrades = 1LL << 24;

template <class T> class taula {
  public:
    taula() = default;
    taula(int inferior, int superior) { redimensionar(inferior, superior); }

    // New storage with bounds inferior..superior, every entry default-valued.
    // superior may be inferior - 1 (an empty table with storage).
    void redimensionar(int inferior, int superior) {
        comprovar_mida(inferior, superior);
        valors_.assign(static_cast<std::size_t>(superior - inferior + 1), T{});
        inferior_ = inferior;
        amb_emmagatzematge_ = true;
    }

    // Changes the upper bound keeping the entries that remain in range.
    void redimensionar_conservant(int superior) {
        if (!amb_emmagatzematge_) {
            redimensionar(0, superior);
            return;
        }
        comprovar_mida(inferior_, superior);
        valors_.resize(static_cast<std::size_t>(superior - inferior_ + 1));
    }

    // Drops the storage: every access fails until the next resize.
    void alliberar() {
        valors_.clear();
        valors_.shrink_to_fit();
        amb_emmagatzematge_ = false;
    }

    [[nodiscard]] bool te_emmagatzematge() const { return amb_emmagatzematge_; }
    [[nodiscard]] int inferior() const { return comprovat().inferior_; }
    [[nodiscard]] int superior() const {
        return comprovat().inferior_ + static_cast<int>(valors_.size()) - 1;
    }
    [[nodiscard]] bool dins(long long i) const {
        return amb_emmagatzematge_ && i >= inferior_ && i <= superior();
    }

    T& operator[](long long i) { return valors_[posicio(i)]; }
    const T& operator[](long long i) const { return valors_[posicio(i)]; }

    [[nodiscard]] const std::vector<T>& valors() const { return valors_; }

  private:
    static void comprovar_mida(long long inferior, long long superior) {
        const long long mida = superior - inferior + 1;
        if (mida < 0) {
            throw error_index("table bounds out of order");
        }
        if (mida > taula_maxim_entrades) {
            throw error_index("table too large");
        }
    }

    const taula& comprovat() const {
        if (!amb_emmagatzematge_) {
            throw error_index("table has no storage");
        }
        return *this;
    }

    std::size_t posicio(long long i) const {
        if (!dins(i)) {
            throw error_index("index " + std::to_string(i) + " out of table bounds");
        }
        return static_cast<std::size_t>(i - inferior_);
    }

    std::vector<T> valors_;
    int inferior_ = 0;
    bool amb_emmagatzematge_ = false;
};

// Two-dimensional table with bounds per subscript.
template <class T> class taula2 {
  public:
    taula2() = default;

    void redimensionar(int inferior1, int superior1, int inferior2, int superior2) {
        const long long files = static_cast<long long>(superior1) - inferior1 + 1;
        const long long columnes = static_cast<long long>(superior2) - inferior2 + 1;
        if (files < 0 || columnes < 0) {
            throw error_index("table bounds out of order");
        }
        if (files * columnes > taula_maxim_entrades) {
            throw error_index("table too large");
        }
        valors_.assign(static_cast<std::size_t>(files * columnes), T{});
        inferior1_ = inferior1;
        superior1_ = superior1;
        inferior2_ = inferior2;
        superior2_ = superior2;
        amb_emmagatzematge_ = true;
    }

    [[nodiscard]] bool te_emmagatzematge() const { return amb_emmagatzematge_; }
    [[nodiscard]] int inferior1() const { return inferior1_; }
    [[nodiscard]] int superior1() const { return superior1_; }
    [[nodiscard]] int inferior2() const { return inferior2_; }
    [[nodiscard]] int superior2() const { return superior2_; }
    [[nodiscard]] bool dins(long long i, long long j) const {
        return amb_emmagatzematge_ && i >= inferior1_ && i <= superior1_ && j >= inferior2_ &&
               j <= superior2_;
    }

    T& operator()(long long i, long long j) { return valors_[posicio(i, j)]; }
    const T& operator()(long long i, long long j) const { return valors_[posicio(i, j)]; }

  private:
    std::size_t posicio(long long i, long long j) const {
        if (!dins(i, j)) {
            throw error_index("index (" + std::to_string(i) + ", " + std::to_string(j) +
                              ") out of table bounds");
        }
        const long long columnes = static_cast<long long>(superior2_) - inferior2_ + 1;
        return static_cast<std::size_t>((i - inferior1_) * columnes + (j - inferior2_));
    }

    std::vector<T> valors_;
    int inferior1_ = 0;
    int superior1_ = -1;
    int inferior2_ = 0;
    int superior2_ = -1;
    bool amb_emmagatzematge_ = false;
};

} // namespace quorvel
