// What each member of an interchange file becomes: records and tables of the
// calculation database, and the project description. Checks every value
// before storing it, refusing the file at the first value of the wrong shape.
#ifndef REPORTDATA_SERVICES_IMPORT_SINK_H_
#define REPORTDATA_SERVICES_IMPORT_SINK_H_

#include <optional>
#include <string>

#include "services/cal_writer.h"
#include "services/import_reader.h"
#include "services/project_file.h"

namespace reportdata {

// The interchange format version this module reads.
inline constexpr int kInterchangeVersion = 1;

class InterchangeSink : public ImportSink {
 public:
  explicit InterchangeSink(CalWriter& writer) : writer_(writer) {}

  bool IsList(std::string_view key) const override;
  bool IsKnown(std::string_view key) const override;
  void Member(std::string_view key, const Json& value) override;
  void Element(std::string_view list, std::size_t index, const Json& value) override;

  // Checks the required members, fills defaults and records where the quota
  // results come from. seen holds the top-level keys of the file. Returns
  // the project description to write.
  ProjectDescription Finish(const std::set<std::string, std::less<>>& seen);
  std::size_t records() const { return records_; }

 private:
  void ClassifiedEntry(RecordTable table, const Json& value, const Place& place);

  CalWriter& writer_;
  std::optional<ProjectDescription> project_;
  std::size_t records_ = 0;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_IMPORT_SINK_H_
