// Offering records to the physical-quantity tables.
#include "areas/physical_tables.h"

#include <string>

#include "keys/units.h"
#include "model/concrete_catalogue.h"
#include "model/tree_insert.h"

namespace reportdata {

void PhysicalTables::Add(const RecordKeys& record) {
  concrete(IsBillRecord(record)).Add(record);
  AddDecoration(record);
}

void PhysicalTables::AddDecoration(const RecordKeys& record) {
  const bool bill = IsBillRecord(record);
  SideIntake& side = intake(bill);
  const DecorationCode& code =
      side.decoration_codes.Get(record.type_path, record.sub_code, [&](const std::wstring& joined) {
        DecorationCode found{FindDecorationKind(joined), false};
        if (found.kind == nullptr && IsBaseLayerCode(joined)) {
          // Filed under the kind of its surface, the same kind with sub-code "28".
          found = {FindDecorationKind(record.type_path.str() + L"28"), true};
        }
        return found;
      });
  if (code.kind == nullptr) return;
  const PooledText& unit = OwnUnit(record);
  const DecorationPlace place{record.component_name, record.type_path, record.room, record.floor};
  if (code.base_layer) {
    side.pending_base_layers.push_back(BaseLayer{code.kind, unit, record.quantity, place});
  } else {
    AddFinish(*code.kind, bill, unit, record.quantity, place);
  }
}

void PhysicalTables::AddFinish(const DecorationKind& kind, bool bill, std::wstring_view unit,
                               double quantity, const DecorationPlace& place) {
  const int factor = AreaUnitFactor(unit);
  if (factor == 0) return;
  // The quantity goes through its "%f" text, as a rescaled record carries it.
  const double area = factor == 1 ? quantity : ScaleQuantity(quantity, factor);
  decoration(bill).Add(place, kind, area);
}

void PhysicalTables::FinishDecoration() {
  for (const bool bill : {true, false}) {
    for (const BaseLayer& layer : intake(bill).pending_base_layers) {
      AddFinish(*layer.kind, bill, layer.unit, layer.quantity, layer.place);
    }
    intake(bill).pending_base_layers.clear();
  }
}

void PhysicalTables::Sort() {
  bill_concrete_.Sort();
  quota_concrete_.Sort();
  bill_decoration_.Sort();
  quota_decoration_.Sort();
}

void PhysicalTables::Clear() {
  bill_concrete_.Clear();
  bill_decoration_.Clear();
  bill_intake_ = {};
  ClearQuotaSide();
}

void PhysicalTables::ClearQuotaSide() {
  quota_concrete_.Clear();
  quota_decoration_.Clear();
  quota_intake_ = {};
}

}  // namespace reportdata
