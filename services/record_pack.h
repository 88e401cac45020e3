// The list fields of a calculation-result record (partitions, categories and
// quota features) packed into one text column of its row, so that loading a
// record reads one row and nothing else. Lists are joined with the ASCII
// separator controls, from the outermost level inward:
//   FS (0x1C) between quota features,
//   GS (0x1D) between the fields of a quota feature (code, name, unit,
//             categories),
//   RS (0x1E) between the entries of a partition or category list,
//   US (0x1F) between the fields of one entry (name, formula, quantity; or
//             var, name, value).
// A text that contains ESC (0x1B) or one of the separators has each such
// byte preceded by ESC. An empty column is an empty list; a list of one entry
// whose texts are all empty still holds its separators. Quantities are
// written in the shortest form that reads back to the same double.
#ifndef REPORTDATA_SERVICES_RECORD_PACK_H_
#define REPORTDATA_SERVICES_RECORD_PACK_H_

#include <string>
#include <string_view>
#include <vector>

#include "keys/record_keys.h"
#include "reportdata/records.h"

namespace reportdata {

inline constexpr char kPackEscape = '\x1B';
inline constexpr char kPackFeature = '\x1C';
inline constexpr char kPackFeatureField = '\x1D';
inline constexpr char kPackEntry = '\x1E';
inline constexpr char kPackField = '\x1F';

// Builds a packed column from UTF-8 texts, in the order the writer visits
// them. The writer calls Entry/Feature before every entry or feature after
// the first of its list.
class PackWriter {
 public:
  void Text(std::string_view text);
  void Number(double value);
  void Separator(char separator) { out_ += separator; }
  const std::string& str() const { return out_; }
  void Clear() { out_.clear(); }

 private:
  std::string out_;
};

// Replaces out with the decoded list.
// Malformed packing yields what could be read; it never fails.
void UnpackPartitions(std::string_view packed, std::vector<SNYTJFenQuInfo>& out);
// The partition entries as pool entries, as a record's keys hold them.
void UnpackPartitionShares(std::string_view packed, std::vector<PartitionShare>& out);
void UnpackCategories(std::string_view packed, std::vector<SNYTJFenLeiVarDescInfo>& out);
void UnpackQuotaFeatures(std::string_view packed, std::vector<SNYTJReportDEFeature>& out);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_RECORD_PACK_H_
