// What a catalogue of the physical-quantity tables says of a record's
// component code: the kind code (type path) and the sub-part's
// calculation-item id, joined as the catalogues key them. A project has a
// few hundred such pairs and a million records, so a table looks each pair
// up once and keeps the answer by the pair's two pool entries.
#ifndef REPORTDATA_MODEL_COMPONENT_CODE_MEMO_H_
#define REPORTDATA_MODEL_COMPONENT_CODE_MEMO_H_

#include <cstddef>
#include <string>
#include <unordered_map>

#include "keys/hash_index.h"
#include "keys/pooled_text.h"

namespace reportdata {

template <typename Answer>
class ComponentCodeMemo {
 public:
  // The answer for the pair: look_up(code) with the joined code the first
  // time, the kept answer after.
  template <typename LookUp>
  const Answer& Get(const PooledText& type_path, const PooledText& sub_code, LookUp&& look_up) {
    const auto [found, added] = answers_.try_emplace(Pair{type_path, sub_code});
    if (added) found->second = look_up(type_path.str() + sub_code.str());
    return found->second;
  }

 private:
  struct Pair {
    PooledText type_path;
    PooledText sub_code;
    bool operator==(const Pair&) const = default;
  };
  struct PairHash {
    std::size_t operator()(const Pair& pair) const {
      return HashMix(pair.type_path.hash(), pair.sub_code.hash());
    }
  };
  std::unordered_map<Pair, Answer, PairHash> answers_;
};

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_COMPONENT_CODE_MEMO_H_
