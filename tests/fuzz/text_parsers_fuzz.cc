// The text parsers: floor texts (counts, order keys, expansion, coverage),
// condition floor keys and order, handle texts, units and quantity texts.
// Each line of the input is one text; any crash, hang or sanitizer report
// is a finding.
#include <cmath>
#include <cstdint>
#include <cwchar>

#include "engine/condition_floor.h"
#include "engine/handle_text.h"
#include "fuzz_input.h"
#include "keys/floor_text.h"
#include "keys/units.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace reportdata;
  const std::vector<std::wstring> lines = fuzz::WideLines(data, size);
  CStringArray condition_floors;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::wstring& text = lines[i];
    const std::wstring& other = lines[(i + 1) % lines.size()];
    ParseFloorKey(text);
    std::vector<std::wstring> floors;
    ExpandFloors(text, floors);
    CoversFloor(text, other);
    IsSingleFloor(text);
    ConditionFloorKey(text);
    condition_floors.Add(CString(text));
    std::wstring base;
    int factor = 1;
    if (ParseUnit(text, &base, &factor)) ScaleQuantityText(other, factor);
    ScaleQuantityText(text, 1000);
    LeadingInt(text);
    // The decimal fast path must read every text as wcstod does.
    const double leading = LeadingDouble(text);
    const double wide = std::wcstod(text.c_str(), nullptr);
    if (leading != (std::isfinite(wide) ? wide : 0.0)) __builtin_trap();

    CStringArray cells;
    for (const std::wstring& cell : lines) cells.Add(CString(cell));
    for (int floor_cell : {0, 2, 3}) {
      CString floor;
      CStringArray out;
      ParseHandles(floor_cell, cells, CString(text), floor, out);
    }
  }
  SortConditionFloor(condition_floors);
  return 0;
}
