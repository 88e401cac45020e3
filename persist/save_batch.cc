// Flushing, renaming and syncing the files of a batch.
#include "persist/save_batch.h"

#include <unistd.h>

#include <cerrno>
#include <exception>
#include <set>
#include <string>

#include "platform/two_threads.h"

namespace reportdata {
namespace {

thread_local SaveBatch* open_batch = nullptr;

}  // namespace

SaveBatch::SaveBatch() : outer_(open_batch) { open_batch = this; }

SaveBatch::~SaveBatch() { open_batch = outer_; }

void SaveBatch::Land(std::unique_ptr<AtomicFile> file) {
  file->StartWriteback();
  Keep(std::move(file));
}

void SaveBatch::Keep(std::unique_ptr<AtomicFile> file) {
  if (open_batch != nullptr) {
    open_batch->files_.push_back(std::move(file));
    return;
  }
  SaveBatch alone;
  alone.files_.push_back(std::move(file));
  alone.Commit();
}

void SaveBatch::RunSteps(const std::vector<std::function<void()>>& steps) {
  // Each step saves into a batch of its own, on whichever thread runs it;
  // the files wait here until every step has ended.
  std::vector<std::vector<std::unique_ptr<AtomicFile>>> saved(steps.size());
  const std::vector<std::exception_ptr> faults = RunOnTwoThreads(steps.size(), [&](size_t i) {
    SaveBatch step;
    steps[i]();
    saved[i] = std::move(step.files_);
  });
  for (const std::exception_ptr& fault : faults) {
    if (fault) std::rethrow_exception(fault);
  }
  for (std::vector<std::unique_ptr<AtomicFile>>& files : saved) {
    for (std::unique_ptr<AtomicFile>& file : files) Keep(std::move(file));
  }
}

void SaveBatch::Commit() {
  if (outer_ != nullptr) {
    for (std::unique_ptr<AtomicFile>& file : files_) outer_->files_.push_back(std::move(file));
    files_.clear();
    return;
  }
  // Every file's writeback is under way (see Land), so these waits overlap
  // instead of each starting its own write. Each file is flushed for itself
  // rather than the whole file system, so a build does not wait for what
  // other programs have written.
  for (const std::unique_ptr<AtomicFile>& file : files_) {
    if (fdatasync(file->fd_) != 0) file->Fail("cannot flush the file to disk", errno);
    file->Close();
  }
  std::set<std::string> dirs;
  for (const std::unique_ptr<AtomicFile>& file : files_) {
    file->Replace();
    dirs.insert(file->dir_);
  }
  for (const std::string& dir : dirs) SyncDirectory(dir);
  files_.clear();
}

}  // namespace reportdata
