// Files a build's records into the cloud-index data by their keys. The data
// finds a record's member by its texts; consecutive records repeat a few
// thousand members, whose texts cost more to hash and compare than the rest
// of filing the record. The intake remembers the members it has filed by the
// records' pool entries (compared by identity, hashed by their stored
// hashes) and asks the data to find one only when it is new to the intake;
// items, component names and partitions go through the data's own steps, so
// the data ends as CCloudDataMng::AddData of the same records, in the same
// order, leaves it. One intake per build, on one thread; the data must be
// neither cleared nor read from a file while the intake lives.
#ifndef REPORTDATA_SERVICES_CLOUD_DATA_INTAKE_H_
#define REPORTDATA_SERVICES_CLOUD_DATA_INTAKE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "keys/hash_index.h"
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
    uint32_t Hash() const;
  };
  struct Member {
    MemberKey key;
    CCloudDataMng::MemberPos pos;
  };

  // The data's member of a record of the bill kind or not.
  const CCloudDataMng::MemberPos& MemberOf(const RecordKeys& keys, bool bill,
                                           const ParsedUnits::Unit& unit);

  CCloudDataMng& data_;
  // A unit as the data files it: its base unit, or the text itself when it
  // has none, and the factor its quantities are scaled by.
  ParsedUnits units_;
  std::vector<Member> members_;  // in order of first filing
  HashIndex member_index_;       // members_ by MemberKey::Hash
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CLOUD_DATA_INTAKE_H_
