// Saving a file of the report data directory so that a failed or interrupted
// save never costs the table it replaces: the bytes go to a temporary file in
// the same directory, which is flushed to disk and then renamed over the old
// file in one step. A reader therefore sees either the old file or the whole
// new one, never a truncated table. SaveBatch (save_batch.h) does the
// flushing and renaming, for one file or a whole write sequence at once.
#ifndef REPORTDATA_PERSIST_ATOMIC_FILE_H_
#define REPORTDATA_PERSIST_ATOMIC_FILE_H_

#include <sys/types.h>

#include <string>
#include <string_view>

namespace reportdata {

// Where serialized bytes go. The XML writer talks to this narrow interface so
// that tests can write into memory.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(std::string_view bytes) = 0;
};

// Collects everything in memory.
class StringSink : public ByteSink {
 public:
  void Write(std::string_view bytes) override { bytes_.append(bytes); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A file being saved; SaveBatch lands it. Every failure throws
// TableFileError naming the target path. Until it is renamed the target is
// untouched; the destructor removes the temporary file of a save that did
// not land, so no temporary file is left behind by a failure the process
// survives, and the next save of a file removes those that killed processes
// left. The saved file keeps the permission bits of the file it replaces.
class AtomicFile : public ByteSink {
 public:
  // Creates the temporary file beside path (native UTF-8).
  explicit AtomicFile(std::string path);
  ~AtomicFile() override;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void Write(std::string_view bytes) override;

 private:
  friend class SaveBatch;
  friend class ReplacingFile;

  // Asks the system to start writing the bytes not yet handed to it to
  // disk, without waiting, so that the flush at the end finds them written.
  void StartWriteback();
  // Closes the temporary file; its bytes need not be on disk yet.
  void Close();
  // Renames the closed temporary file over the target.
  void Replace();
  [[noreturn]] void Fail(const std::string& what, int error);
  void Discard();
  void KeepMode();

  std::string path_;       // the file being replaced
  std::string dir_;        // the directory of path_
  std::string temp_path_;  // the temporary file beside it; empty once renamed or removed
  int fd_ = -1;            // open descriptor of the temporary file
  off_t written_ = 0;      // bytes written to the temporary file
  off_t handed_over_ = 0;  // bytes whose writeback StartWriteback has started
};

// Makes the renames in dir durable; a directory that cannot be opened or
// synced (some file systems refuse) does not undo a save that has happened.
void SyncDirectory(const std::string& dir);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_ATOMIC_FILE_H_
