// Time of day and random numbers, from the platform so tests are deterministic.
#pragma once

namespace quorvel {

class servei_rellotge {
  public:
    virtual ~servei_rellotge() = default;
    // Seconds since midnight, with fractions.
    virtual double segons() = 0;
    // Uniform in [0, 1).
    virtual double aleatori() = 0;
    virtual void llavor(unsigned valor) = 0;
};

} // namespace quorvel
