// Files a build's records into the cloud-index data by their keys. The data
// finds a record's member, item and lists through indexes of wide texts,
// whose keys cost more to build than the rest of filing the record;
// consecutive records repeat them. The intake remembers what it has filed by
// the records' pool entries and goes to the data's own steps only for a
// member, item, component name or partition new to it, so the data ends as
// CCloudDataMng::AddData of the same records, in the same order, leaves it.
// One intake per build, on one thread; the data must be neither cleared nor
// read from a file while the intake lives.
#ifndef REPORTDATA_SERVICES_CLOUD_DATA_INTAKE_H_
#define REPORTDATA_SERVICES_CLOUD_DATA_INTAKE_H_

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "keys/parsed_units.h"
#include "keys/record_keys.h"
#include "reportdata/cloud_data.h"

namespace reportdata {

class CloudDataIntake {
 public:
  explicit CloudDataIntake(CCloudDataMng& data) : data_(data) {}

  // As AddData of the record the keys were read from, with component_name
  // in place of its own (a facade record's carries its floor).
  void Add(const RecordKeys& keys, const PooledText& component_name);

 private:
  struct MemberKey {
    PooledText kind, unit, floor, type_path, code;
    bool operator==(const MemberKey&) const = default;
  };
  struct MemberKeyHash {
    size_t operator()(const MemberKey& key) const;
  };
  struct Item {
    int id;
    PooledText name;
    size_t at;  // in the member's items
  };
  struct Member {
    CCloudDataMng::MemberPos pos;
    std::vector<Item> items;
    std::vector<PooledText> partitions;
  };
  // A component name listed under a member of members_.
  struct Listed {
    size_t member;
    PooledText name;
    bool operator==(const Listed&) const = default;
  };
  struct ListedHash {
    size_t operator()(const Listed& listed) const;
  };

  // The member of a record of the bill kind or not; at is its place in
  // members_.
  Member& MemberOf(const RecordKeys& keys, bool bill, const ParsedUnits::Unit& unit, size_t& at);

  CCloudDataMng& data_;
  // A unit as the data files it: its base unit, or the text itself when it
  // has none, and the factor its quantities are scaled by.
  ParsedUnits units_;
  std::vector<Member> members_;
  std::unordered_map<MemberKey, size_t, MemberKeyHash> member_index_;
  std::unordered_set<Listed, ListedHash> listed_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CLOUD_DATA_INTAKE_H_
