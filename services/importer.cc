// ImportProject: one interchange file into a project directory. The
// database and the description are written to temporary files beside their
// final names and renamed into place only after the whole file was
// accepted, so a refused import leaves the directory as it was.
#include "reportdata/importer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/process.h"
#include "platform/text.h"
#include "services/cal_writer.h"
#include "services/import_reader.h"
#include "services/import_sink.h"
#include "services/json_file_input.h"
#include "services/project_file.h"

namespace reportdata {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// "line L, column C (byte B)" of the byte at offset, B counted from 0.
std::string PlaceInFile(const std::string& json_path, std::uint64_t offset) {
  std::size_t line = 1;
  std::size_t column = 1;
  std::ifstream in(json_path, std::ios::binary);
  char ch = 0;
  for (std::uint64_t i = 0; i < offset && in.get(ch); ++i) {
    if (ch == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + " (byte " +
         std::to_string(offset) + ")";
}

// "syntax error at line L, column C (byte B): reason".
std::string SyntaxMessage(const std::string& json_path, const SyntaxError& error) {
  // The reader counts the offending character as read.
  const std::size_t offset = error.byte > 0 ? error.byte - 1 : 0;
  return json_path + ": syntax error at " + PlaceInFile(json_path, offset) +
         // Bad bytes of the file show as U+FFFD, so the message is valid text.
         ": " + ToUtf8(FromUtf8(error.reason));
}

// Removes the temporary files, and the directory when the import made it.
class Cleanup {
 public:
  Cleanup(fs::path db, fs::path description, fs::path dir, bool created_dir)
      : db_(std::move(db)),
        description_(std::move(description)),
        dir_(std::move(dir)),
        created_dir_(created_dir) {}
  ~Cleanup() {
    std::error_code ignored;
    fs::remove(db_, ignored);
    fs::remove(description_, ignored);
    if (created_dir_ && !kept_) fs::remove(dir_, ignored);
  }
  void Keep() { kept_ = true; }

 private:
  fs::path db_, description_, dir_;
  bool created_dir_;
  bool kept_ = false;
};

void Store(const std::string& json_path, std::FILE* file, std::uint64_t total,
           const ImportProgress& progress, const fs::path& db_path,
           const fs::path& description_path, ImportResult& result) {
  CalWriter writer(db_path.string());
  InterchangeSink sink(writer);
  ImportReader reader(sink);
  JsonFileInput input(file, total, progress);
  // Input cut at a bound ends early, which the reader takes for a syntax
  // error or, after the whole top-level object, for the end of the file.
  const auto refuse_cut = [&] {
    throw ImportError(json_path + ": " + input.bound_exceeded() + " at " +
                      PlaceInFile(json_path, input.bound_byte()) + ": " + input.bound());
  };
  try {
    Json::sax_parse(input.begin(), input.end(), &reader);
  } catch (const SyntaxError&) {
    if (input.cut()) refuse_cut();
    throw;
  }
  if (input.cut()) refuse_cut();
  if (input.failed()) throw ImportError(json_path + ": cannot read: " + std::strerror(errno));
  const ProjectDescription project = sink.Finish(reader.seen());
  writer.Commit();
  std::ofstream out(description_path, std::ios::binary | std::ios::trunc);
  out << ProjectFileText(project);
  out.close();
  if (!out) throw ImportError(description_path.string() + ": cannot write");
  result.records = sink.records();
}

constexpr std::string_view kTemporaryInfix = ".import-";

// The process id of a temporary file of an import, 0 for any other name.
long ImportTemporaryPid(std::string_view name) {
  for (const std::string_view file :
       {std::string_view(".CalResult.mdb"), std::string_view(".project.ld")}) {
    if (!name.starts_with(file) || !name.substr(file.size()).starts_with(kTemporaryInfix)) continue;
    const std::string_view digits = name.substr(file.size() + kTemporaryInfix.size());
    if (digits.empty() || digits.size() > 9) return 0;
    long pid = 0;
    for (const char ch : digits) {
      if (ch < '0' || ch > '9') return 0;
      pid = pid * 10 + (ch - '0');
    }
    return pid;
  }
  return 0;
}

}  // namespace

void RemoveAbandonedImports(const std::string& project_dir) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(project_dir, error)) {
    const long pid = ImportTemporaryPid(entry.path().filename().native());
    if (pid > 0 && pid != getpid() && !ProcessRuns(pid)) fs::remove(entry.path(), error);
  }
}

ImportResult ImportProject(const std::string& json_path, const std::string& project_dir,
                           const ImportProgress& progress) {
  ImportResult result;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(json_path.c_str(), "rb"));
  if (!file) {
    result.message = json_path + ": cannot read: " + std::strerror(errno);
    return result;
  }
  std::error_code error;
  if (fs::is_directory(json_path, error)) {
    result.message = json_path + ": cannot read: " + std::strerror(EISDIR);
    return result;
  }
  const std::uint64_t total = fs::file_size(json_path, error);

  const fs::path dir(project_dir);
  bool created_dir = false;
  if (!fs::exists(dir, error)) {
    created_dir = fs::create_directories(dir, error);
    if (error) {
      result.message = project_dir + ": cannot create the project directory: " + error.message();
      return result;
    }
  } else if (!fs::is_directory(dir, error)) {
    result.message = project_dir + ": not a directory";
    return result;
  }

  const std::string suffix = std::string(kTemporaryInfix) + std::to_string(getpid());
  const fs::path db_temp = dir / (".CalResult.mdb" + suffix);
  const fs::path description_temp = dir / (".project.ld" + suffix);
  Cleanup cleanup(db_temp, description_temp, dir, created_dir);
  RemoveAbandonedImports(project_dir);
  fs::remove(db_temp, error);
  fs::remove(description_temp, error);
  try {
    Store(json_path, file.get(), total, progress, db_temp, description_temp, result);
  } catch (const SyntaxError& syntax) {
    result.message = SyntaxMessage(json_path, syntax);
    return result;
  } catch (const RefusedValue& refused) {
    result.message = json_path + ": " + refused.what();
    return result;
  } catch (const ImportError& failure) {
    result.message = failure.what();
    return result;
  }

  fs::rename(db_temp, dir / "CalResult.mdb", error);
  if (!error) fs::rename(description_temp, dir / "project.ld", error);
  if (error) {
    result.message = project_dir + ": cannot put the project in place: " + error.message();
    result.records = 0;
    return result;
  }
  cleanup.Keep();
  result.ok = true;
  return result;
}

}  // namespace reportdata
