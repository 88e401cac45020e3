// Offering records to the physical-quantity tables.
#include "areas/physical_tables.h"

#include <string>

#include "model/concrete_catalogue.h"
#include "model/tree_insert.h"
#include "model/units.h"

namespace reportdata {
namespace {

bool IsBillRecord(const TJQd& record) { return record.kind == L"1"; }

}  // namespace

void PhysicalTables::Add(const TJQd& record) {
  concrete(IsBillRecord(record)).Add(record);
  AddDecoration(record);
}

void PhysicalTables::AddDecoration(const TJQd& record) {
  const bool bill = IsBillRecord(record);
  const std::wstring& unit = bill ? record.billUnit.str() : record.quotaUnit.str();
  const DecorationPlace place{record.componentName.str(), record.typePath.str(), record.room.str(),
                              record.floor.str()};
  if (const DecorationKind* kind = KindOf(record.typePath.str(), record.subCode.str())) {
    AddFinish(*kind, bill, unit, record.quantity, place);
  } else if (IsBaseLayerCode(code_)) {
    pending_base_layers_.push_back(BaseLayer{bill, unit, record.quantity, place.component,
                                             place.type_path, place.room, place.floor});
  }
}

const DecorationKind* PhysicalTables::KindOf(std::wstring_view type_path,
                                             std::wstring_view sub_code) {
  code_.assign(type_path).append(sub_code);
  return FindDecorationKind(code_);
}

void PhysicalTables::AddFinish(const DecorationKind& kind, bool bill, std::wstring_view unit,
                               const CString& quantity, const DecorationPlace& place) {
  const int factor = AreaUnitFactor(unit);
  if (factor == 0) return;
  // The quantity goes through its "%f" text, as a rescaled record carries it.
  const double area = factor == 1 ? ParseQuantity(quantity)
                                  : ParseQuantity(ScaleQuantityText(quantity.str(), factor));
  decoration(bill).Add(place, kind, area);
}

void PhysicalTables::FinishDecoration() {
  std::vector<BaseLayer> pending;
  pending.swap(pending_base_layers_);
  for (const BaseLayer& layer : pending) {
    const DecorationPlace place{layer.component, layer.type_path, layer.room, layer.floor};
    if (const DecorationKind* kind = KindOf(layer.type_path, L"28")) {
      AddFinish(*kind, layer.bill, layer.unit, layer.quantity, place);
    } else if (IsBaseLayerCode(code_)) {
      pending_base_layers_.push_back(layer);
    }
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
  ClearQuotaSide();
}

void PhysicalTables::ClearQuotaSide() {
  quota_concrete_.Clear();
  quota_decoration_.Clear();
  pending_base_layers_.clear();
}

}  // namespace reportdata
