// The clock and the random numbers of a real run: seconds since local
// midnight from the system clock, and a Mersenne Twister seeded from it.
#pragma once

#include "platform/rellotge.h"

#include <random>

namespace quorvel {

class rellotge_sistema : public servei_rellotge {
  public:
    rellotge_sistema();
    double segons() override;
    double aleatori() override;
    void llavor(unsigned valor) override;

  private:
    std::mt19937 generador_;
};

} // namespace quorvel
