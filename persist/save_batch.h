// The files of a write sequence, landed together. While a batch is open on a
// thread, every save of that thread writes its temporary file and hands it
// to the batch instead of replacing its target at once, its writeback
// started. Commit() then flushes them to disk, renames them over their
// targets in the order they were saved and syncs each directory once: the
// disk writes the files side by side and the renames cost one directory
// sync instead of one per file, a fixed cost that a small project would
// otherwise feel. A batch that ends without Commit (an exception on the way)
// removes its temporary files, so a failed sequence replaces none of its
// files. The batch owns the temporary files handed to it.
#ifndef REPORTDATA_PERSIST_SAVE_BATCH_H_
#define REPORTDATA_PERSIST_SAVE_BATCH_H_

#include <functional>
#include <memory>
#include <vector>

#include "persist/atomic_file.h"

namespace reportdata {

class SaveBatch {
 public:
  // Opens the batch of this thread. A batch opened inside another one takes
  // the saves until it ends and lands them with the outer batch.
  SaveBatch();
  ~SaveBatch();
  SaveBatch(const SaveBatch&) = delete;
  SaveBatch& operator=(const SaveBatch&) = delete;

  // Lands every file handed to the batch, or hands them to the outer batch.
  // Throws TableFileError: a failed flush replaces nothing; a failed rename
  // leaves the files before it replaced and removes the temporary files
  // after it.
  void Commit();

  // Replaces file's target now, as a batch of its own, when no batch is
  // open on this thread, else hands file to the open batch. REQUIRES: file
  // holds the whole document.
  static void Land(std::unique_ptr<AtomicFile> file);

  // Runs the steps of a write sequence on two threads (two_threads.h) and
  // hands the files they save to the batch open on this thread in the
  // order of the steps, as if they had run one after another. When steps
  // throw, what the first of them in step order threw is thrown again once
  // every step has ended, and the files of every step are removed.
  // REQUIRES: no two steps write one file or change what another reads.
  static void RunSteps(const std::vector<std::function<void()>>& steps);

 private:
  // Hands file, its writeback started, to the batch open on this thread,
  // or replaces its target now when none is open.
  static void Keep(std::unique_ptr<AtomicFile> file);

  std::vector<std::unique_ptr<AtomicFile>> files_;  // in the order they were saved
  SaveBatch* outer_;                                // the batch open before this one
};

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_SAVE_BATCH_H_
