#include "platform/local/rellotge_sistema.h"

#include <chrono>
#include <cstdint>
#include <ctime>

namespace quorvel {

rellotge_sistema::rellotge_sistema() {
    const auto ara = std::chrono::system_clock::now().time_since_epoch();
    generador_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ara).count()));
}

double rellotge_sistema::segons() {
    const auto ara = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(ara);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return 0.0;
    }
    const auto segon_sencer = std::chrono::system_clock::from_time_t(t);
    const double fraccio = std::chrono::duration<double>(ara - segon_sencer).count();
    const double segons_dia = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    // A leap second or a clock set back inside the second must not leave the day.
    const double resultat = segons_dia + (fraccio >= 0.0 && fraccio < 1.0 ? fraccio : 0.0);
    return resultat < 86400.0 ? resultat : 86399.0;
}

double rellotge_sistema::aleatori() {
    // 53 random bits scaled by 2^-53: never 1.0, unlike a rounded float division.
    const std::uint64_t alt = generador_() >> 5;
    const std::uint64_t baix = generador_() >> 6;
    return static_cast<double>((alt << 26) | baix) / 9007199254740992.0;
}

void rellotge_sistema::llavor(unsigned valor) {
    generador_.seed(valor);
}

} // namespace quorvel
