// Answers the engine gives from the area tables: the project areas and the
// floors of the door and window table.
#include "engine/analyze.h"

namespace reportdata {

void CAnalyze::GetProjectArea(CString& total, CString& above_ground, CString& below_ground,
                              CString& first_floor) {
  total = CString();
  above_ground = CString();
  below_ground = CString();
  first_floor = CString();
}

void CAnalyze::GetDoorWindowFloors(CStringArray& /*floors*/) {}

}  // namespace reportdata
