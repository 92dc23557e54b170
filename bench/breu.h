// Brief runs: the debug build runs every benchmark once as a test, so that
// none stops building or running unnoticed. With QUORVEL_BENCH_BREU set, a
// benchmark repeats once and does a small part of its work; without it, it
// measures in full.
#pragma once

#include <cstdlib>

namespace quorvel::bench {

// mesura in a measurement, breu in a brief run.
inline int quantitat(int mesura, int breu) {
    return std::getenv("QUORVEL_BENCH_BREU") != nullptr ? breu : mesura;
}

} // namespace quorvel::bench
