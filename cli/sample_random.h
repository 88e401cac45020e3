// The random source of the sample generator. Its own mapping from the seed to
// numbers (SplitMix64 and plain remainders) keeps a generated project the
// same, byte for byte, whatever standard library the tool is built with; the
// standard distributions make no such promise.
#ifndef CLI_SAMPLE_RANDOM_H_
#define CLI_SAMPLE_RANDOM_H_

#include <cstdint>

namespace reportdata::cli {

class SampleRandom {
 public:
  explicit SampleRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A number from 0 to n - 1 (0 when n is below 2).
  int Below(int n) { return n < 2 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  // True in percent cases out of a hundred.
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

}  // namespace reportdata::cli

#endif  // CLI_SAMPLE_RANDOM_H_
