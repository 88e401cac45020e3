// The powers of ten that the quantity texts are read and printed by: 10^0 to
// 10^15, each exact in a double, as are the integers below 2^53 they scale.
#ifndef REPORTDATA_KEYS_POWERS_OF_TEN_H_
#define REPORTDATA_KEYS_POWERS_OF_TEN_H_

namespace reportdata {

inline constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_POWERS_OF_TEN_H_
