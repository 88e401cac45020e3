// The physical-quantity tables (实物量表) of a project: the concrete tables
// and the decoration tables of the bill side (fed by bill records) and of the
// quota side (fed by quota records), and the base layers waiting for the
// finishing step of the decoration tables. The engine owns one
// PhysicalTables; the builds offer it every non-facade record, the table
// files write and read its four tables. What a record changes is its own
// side's alone, so one thread may file the bill side while another files the
// quota side.
#ifndef REPORTDATA_AREAS_PHYSICAL_TABLES_H_
#define REPORTDATA_AREAS_PHYSICAL_TABLES_H_

#include <string>
#include <string_view>
#include <vector>

#include "areas/decoration_table.h"
#include "keys/pooled_text.h"
#include "keys/record_keys.h"
#include "model/component_code_memo.h"
#include "model/concrete_table.h"

namespace reportdata {

class PhysicalTables {
 public:
  // Offers a record to the concrete and decoration tables of its side (bill
  // records: kind "1"). Records that are neither concrete nor a finish are
  // skipped; a base layer waits for FinishDecoration.
  void Add(const RecordKeys& record);
  // Add for a record of the given side, nothing for one of the other: a
  // thread that files one side while another files the other offers its
  // records here.
  void AddToSide(bool bill_side, const RecordKeys& record) {
    if (IsBillRecord(record) == bill_side) Add(record);
  }

  // Files the waiting base layers, in arrival order on each side, under the
  // kind of their surface, then forgets them.
  void FinishDecoration();

  // Sorts every table for its reports and files: floors by floor order,
  // groups, items and decoration kinds by their order.
  void Sort();

  // Empties both sides' tables and the waiting base layers.
  void Clear();
  // Empties the quota side only.
  void ClearQuotaSide();

  STongTable& concrete(bool bill_side) { return bill_side ? bill_concrete_ : quota_concrete_; }
  const STongTable& concrete(bool bill_side) const {
    return bill_side ? bill_concrete_ : quota_concrete_;
  }
  SDecTable& decoration(bool bill_side) { return bill_side ? bill_decoration_ : quota_decoration_; }
  const SDecTable& decoration(bool bill_side) const {
    return bill_side ? bill_decoration_ : quota_decoration_;
  }

 private:
  // A base layer waiting for FinishDecoration: what filing it under its
  // surface's kind takes of its record.
  struct BaseLayer {
    const DecorationKind* kind;  // of the surface
    PooledText unit;             // of its side
    double quantity;
    DecorationPlace place;
  };
  // The kind a record's finish files under, by its component code, and
  // whether the record is a base layer waiting for its surface.
  struct DecorationCode {
    const DecorationKind* kind = nullptr;
    bool base_layer = false;
  };
  // What filing the records of one side changes besides its tables.
  struct SideIntake {
    std::vector<BaseLayer> pending_base_layers;
    ComponentCodeMemo<DecorationCode> decoration_codes;
  };

  void AddDecoration(const RecordKeys& record);
  // Files quantity, given in unit, at place under kind on its side; an
  // area unit is rescaled to square metres, any other unit skipped.
  void AddFinish(const DecorationKind& kind, bool bill, std::wstring_view unit, double quantity,
                 const DecorationPlace& place);

  STongTable bill_concrete_;
  STongTable quota_concrete_;
  SDecTable bill_decoration_;
  SDecTable quota_decoration_;
  SideIntake bill_intake_;
  SideIntake quota_intake_;
  SideIntake& intake(bool bill_side) { return bill_side ? bill_intake_ : quota_intake_; }
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_PHYSICAL_TABLES_H_
