// Temporary file, fsync and rename.
#include "persist/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "reportdata/errors.h"

namespace reportdata {
namespace {

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Makes the rename itself durable; a directory that cannot be opened or
// synced (some file systems refuse) does not undo a save that has happened.
void SyncDirectory(const std::string& dir) {
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
  // The process id and a counter keep two saves of the same file, from this
  // process or another, off each other's temporary file.
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate =
        path_ + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    fd_ = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_path_ = std::move(candidate);
      return;
    }
    if (errno != EEXIST) Fail("cannot create a temporary file beside it", errno);
  }
  Fail("cannot create a temporary file beside it", EEXIST);
}

AtomicFile::~AtomicFile() { Discard(); }

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
  }
}

void AtomicFile::Commit() {
  if (fsync(fd_) != 0) Fail("cannot flush the file to disk", errno);
  const int fd = std::exchange(fd_, -1);
  if (close(fd) != 0) Fail("cannot close the file", errno);
  if (std::rename(temp_path_.c_str(), path_.c_str()) != 0) {
    Fail("cannot replace the file", errno);
  }
  temp_path_.clear();
  SyncDirectory(DirectoryOf(path_));
}

}  // namespace reportdata
