// One flush for many files: syncfs where the system has it, a flush per file
// elsewhere.
#include "persist/save_batch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <string>

namespace reportdata {
namespace {

thread_local SaveBatch* open_batch = nullptr;

}  // namespace

SaveBatch::SaveBatch() : outer_(open_batch) { open_batch = this; }

SaveBatch::~SaveBatch() { open_batch = outer_; }

void SaveBatch::Land(std::unique_ptr<AtomicFile> file) {
  if (open_batch == nullptr) {
    file->Commit();
  } else {
    open_batch->files_.push_back(std::move(file));
  }
}

void SaveBatch::FlushAll() {
#if defined(__linux__)
  // syncfs writes back every dirty page of a file system and waits once, so
  // the files of one file system cost one wait whatever their number.
  std::set<dev_t> synced;
  for (const std::unique_ptr<AtomicFile>& file : files_) {
    struct stat status;
    if (fstat(file->fd_, &status) != 0) file->Fail("cannot flush the file to disk", errno);
    if (!synced.insert(status.st_dev).second) continue;
    if (syncfs(file->fd_) != 0) file->Fail("cannot flush the file to disk", errno);
  }
#else
  for (const std::unique_ptr<AtomicFile>& file : files_) {
    if (fsync(file->fd_) != 0) file->Fail("cannot flush the file to disk", errno);
  }
#endif
}

void SaveBatch::Commit() {
  if (outer_ != nullptr) {
    for (std::unique_ptr<AtomicFile>& file : files_) outer_->files_.push_back(std::move(file));
    files_.clear();
    return;
  }
  FlushAll();
  for (const std::unique_ptr<AtomicFile>& file : files_) file->Close();
  std::set<std::string> dirs;
  for (const std::unique_ptr<AtomicFile>& file : files_) {
    file->Replace();
    dirs.insert(file->dir_);
  }
  for (const std::string& dir : dirs) SyncDirectory(dir);
  files_.clear();
}

}  // namespace reportdata
