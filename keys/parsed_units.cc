#include "keys/parsed_units.h"

#include "keys/units.h"

namespace reportdata {

const ParsedUnits::Unit& ParsedUnits::Of(const PooledText& text) {
  for (const Unit& unit : units_) {
    if (unit.text == text) return unit;
  }
  Unit& unit = units_.emplace_back();
  unit.text = text;
  unit.known = ParseUnit(text.str(), &unit.base, &unit.factor);
  if (!unit.known) unit.base = text.str();
  return unit;
}

}  // namespace reportdata
