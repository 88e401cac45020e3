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
  std::wstring& code = code_;
  code.assign(record.typePath.str()).append(record.subCode.str());
  const DecorationKind* kind = FindDecorationKind(code);
  if (!kind) {
    if (IsBaseLayerCode(code)) {
      TJQd& base_layer = pending_base_layers_.emplace_back(record);
      base_layer.subCode = L"28";
    }
    return;
  }
  const bool bill = IsBillRecord(record);
  const int factor = AreaUnitFactor(bill ? record.billUnit.str() : record.quotaUnit.str());
  if (factor == 0) return;
  // The quantity goes through its "%f" text, as a rescaled record carries it.
  const double quantity = factor == 1
                              ? ParseQuantity(record.quantity)
                              : ParseQuantity(ScaleQuantityText(record.quantity.str(), factor));
  decoration(bill).Add(record, *kind, quantity);
}

void PhysicalTables::FinishDecoration() {
  std::vector<TJQd> pending;
  pending.swap(pending_base_layers_);
  for (const TJQd& record : pending) AddDecoration(record);
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
