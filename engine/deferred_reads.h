// The table files a reload has opened but not read yet. A reload reads the
// small files of its sequence at once and opens the others, checking their
// start; each of those is read at the first query of its table, from the
// file it opened (docs/table-files.md, "Reading at first use"). The engine
// owns one list; every engine operation that reads or changes its tables
// loads what it needs from here first.
#ifndef REPORTDATA_ENGINE_DEFERRED_READS_H_
#define REPORTDATA_ENGINE_DEFERRED_READS_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace reportdata {

class HeldFile;

class DeferredReads {
 public:
  // The tables read on their own: the bill and quota trees, by the table
  // type code of their layout A rows. Every other table read later is kOther.
  static constexpr int kOther = 0;

  DeferredReads();
  ~DeferredReads();
  DeferredReads(const DeferredReads&) = delete;
  DeferredReads& operator=(const DeferredReads&) = delete;

  // Opens the file at path, whose root element is root_name, for read(),
  // which fills `table`; nothing when the read would skip the file. Throws
  // TableFileError as the read would at the start of the file.
  void Hold(int table, const std::string& path, const char* root_name, std::function<void()> read);
  // A step of `table` without a file, run after the reads held before it.
  void Then(int table, std::function<void()> step);

  // Runs the held reads of `table` (every held read for kOther), in the
  // order they were held; a code's table definition says which table its
  // queries read. A read that throws is dropped; the others stay.
  void LoadFor(int table);
  void LoadAll();
  // Forgets every held read, closing the files.
  void Clear();

 private:
  struct Step;
  void Load(bool all, int table);

  std::vector<Step> steps_;
};

}  // namespace reportdata

#endif  // REPORTDATA_ENGINE_DEFERRED_READS_H_
