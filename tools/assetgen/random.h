// The generator's one source of randomness: a fixed-seed PCG32, so that every asset comes
// out the same on every run and machine.
#pragma once

#include <cstdint>

class Pcg32 {
  public:
    explicit Pcg32(uint64_t seed, uint64_t stream = 1) : inc_((stream << 1) | 1) {
        next();
        state_ += seed;
        next();
    }
    uint32_t next() {
        uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + inc_;
        uint32_t xorshifted = static_cast<uint32_t>(((old >> 18) ^ old) >> 27);
        uint32_t rot = static_cast<uint32_t>(old >> 59);
        return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
    }
    // Uniform in [0, 1).
    double uniform() { return next() * (1.0 / 4294967296.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform in [-1, 1): white noise for the synthesiser.
    float bipolar() { return static_cast<float>(uniform() * 2.0 - 1.0); }

  private:
    uint64_t state_ = 0;
    uint64_t inc_;
};

// A stateless hash of integer coordinates into [0, 1): lattice noise and per-tile values.
inline double Hash01(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
                 seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h * (1.0 / 4294967296.0);
}
