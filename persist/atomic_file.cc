// Temporary file, fsync and rename, for the table saves and for a host's own
// outputs.
#include "persist/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/process.h"
#include "reportdata/errors.h"
#include "reportdata/replacing_file.h"

namespace reportdata {
namespace {

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Removes the temporary files "<name>.tmp<pid>-<n>" that saves of path left
// when their process was killed. A file of a process that still runs may be
// a save in progress and is left alone.
void RemoveStaleTemporaries(const std::string& path, const std::string& dir) {
  const size_t slash = path.rfind('/');
  const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp";
  DIR* listing = opendir(dir.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    const char* name = entry->d_name;
    if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0) continue;
    char* end = nullptr;
    const long pid = std::strtol(name + prefix.size(), &end, 10);
    if (pid <= 0 || *end != '-') continue;
    if (ProcessRuns(pid)) continue;
    unlink((dir + "/" + name).c_str());
  }
  closedir(listing);
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)), dir_(DirectoryOf(path_)) {
  RemoveStaleTemporaries(path_, dir_);
  // The process id and a counter keep two saves of the same file, from this
  // process or another, off each other's temporary file; two threads may
  // save at once.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate =
        path_ + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    fd_ = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_path_ = std::move(candidate);
      KeepMode();
      return;
    }
    if (errno != EEXIST) Fail("cannot create a temporary file beside it", errno);
  }
  Fail("cannot create a temporary file beside it", EEXIST);
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::KeepMode() {
  struct stat old_file;
  if (stat(path_.c_str(), &old_file) != 0) return;  // a new file gets the usual mode
  // Found now rather than at the rename, so that a batch fails before it
  // has replaced any of its files.
  if (S_ISDIR(old_file.st_mode)) Fail("cannot replace the file", EISDIR);
  if (fchmod(fd_, old_file.st_mode & 07777) != 0) Fail("cannot keep the file's mode", errno);
}

void AtomicFile::Discard() {
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  if (!temp_path_.empty()) {
    unlink(temp_path_.c_str());
    temp_path_.clear();
  }
}

void AtomicFile::Fail(const std::string& what, int error) {
  Discard();
  throw TableFileError(path_, what + " (" + std::strerror(error) + ")");
}

void AtomicFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("cannot write the file", errno);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
    written_ += written;
  }
  // A table file of a large project is hundreds of megabytes: the disk
  // writes each stretch while the next is produced, instead of all of it
  // at the flush.
  constexpr off_t kWritebackStretch = off_t{8} << 20;
  if (written_ - handed_over_ >= kWritebackStretch) StartWriteback();
}

void AtomicFile::StartWriteback() {
#if defined(__linux__)
  if (written_ > handed_over_) {
    // Only a hint: a refusal leaves the bytes to the flush.
    sync_file_range(fd_, handed_over_, written_ - handed_over_, SYNC_FILE_RANGE_WRITE);
  }
#endif
  handed_over_ = written_;
}

void AtomicFile::Close() {
  const int fd = std::exchange(fd_, -1);
  if (close(fd) != 0) Fail("cannot close the file", errno);
}

void AtomicFile::Replace() {
  if (std::rename(temp_path_.c_str(), path_.c_str()) != 0) {
    Fail("cannot replace the file", errno);
  }
  temp_path_.clear();
}

void SyncDirectory(const std::string& dir) {
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

ReplacingFile::ReplacingFile(std::string path)
    : file_(std::make_unique<AtomicFile>(std::move(path))) {}

ReplacingFile::~ReplacingFile() = default;

void ReplacingFile::Write(std::string_view bytes) { file_->Write(bytes); }

std::string ReplacingFile::WritablePath() const {
  return "/proc/self/fd/" + std::to_string(file_->fd_);
}

void ReplacingFile::Commit() {
  if (fdatasync(file_->fd_) != 0) file_->Fail("cannot flush the file to disk", errno);
  file_->Close();
  file_->Replace();
  SyncDirectory(file_->dir_);
}

}  // namespace reportdata
