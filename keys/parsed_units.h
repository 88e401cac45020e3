// The unit texts of a build's records with their base units and factors,
// each parsed once (ParseUnit): a build measures in a handful of units and
// asks for one with every record. One per filing, on one thread.
#ifndef REPORTDATA_KEYS_PARSED_UNITS_H_
#define REPORTDATA_KEYS_PARSED_UNITS_H_

#include <string>
#include <vector>

#include "keys/pooled_text.h"

namespace reportdata {

class ParsedUnits {
 public:
  struct Unit {
    PooledText text;
    bool known = false;  // ParseUnit recognises the text
    std::wstring base;   // as ParseUnit writes it; the text itself when not known
    int factor = 1;
  };
  // The unit of text; the reference holds until the next call.
  const Unit& Of(const PooledText& text);

 private:
  std::vector<Unit> units_;
};

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_PARSED_UNITS_H_
