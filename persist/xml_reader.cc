// Loading with limits, and the leading-number rules.
#include "persist/xml_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "keys/plain_decimal.h"
#include "platform/text.h"
#include "reportdata/errors.h"

namespace reportdata {
namespace {

// Whitespace-only text between elements is dropped, as an indented file
// written by another tool would need; comments and processing instructions
// are kept so that they count as children that are not elements. Without
// parse_doctype a document type, and every entity it declares, is skipped.
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_comments | pugi::parse_pi;

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

const char* SkipBlanks(const char* text) {
  while (IsBlank(*text)) ++text;
  return text;
}

// Opens path as a regular file of at most kMaxXmlFileBytes; -1 when it
// cannot be opened or is not a regular file. Opened without waiting, so
// that a FIFO in the place of a table file is refused instead of holding
// the reader until something writes to it.
int OpenTableBytes(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return -1;
  }
  if (static_cast<uint64_t>(info.st_size) > kMaxXmlFileBytes) {
    close(fd);
    throw TableFileError(path, "file of " + std::to_string(info.st_size) +
                                   " bytes is larger than a table file can be");
  }
  return fd;
}

// Reads the whole of fd, from its start, into memory that pugixml then owns;
// null when it cannot be read.
char* ReadWhole(const std::string& path, int fd, size_t* size) {
  struct stat info;
  if (fstat(fd, &info) != 0) return nullptr;
  const size_t capacity = static_cast<size_t>(info.st_size);
  char* data = static_cast<char*>(pugi::get_memory_allocation_function()(capacity + 1));
  if (data == nullptr) throw TableFileError(path, "not enough memory to load the file");
  size_t filled = 0;
  while (filled < capacity) {
    const ssize_t got = pread(fd, data + filled, capacity - filled, static_cast<off_t>(filled));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    filled += static_cast<size_t>(got);
  }
  *size = filled;
  return data;
}

// Parses the whole of fd into doc; false, leaving doc empty, when the bytes
// cannot be read or are not well-formed XML.
bool ParseWhole(const std::string& path, int fd, pugi::xml_document& doc) {
  size_t size = 0;
  char* data = ReadWhole(path, fd, &size);
  if (data == nullptr) return false;
  // pugixml takes ownership of data, also when parsing fails.
  const pugi::xml_parse_result result =
      doc.load_buffer_inplace_own(data, size, kParseFlags, pugi::encoding_auto);
  if (!result) {
    doc.reset();
    return false;
  }
  return true;
}

// True when bytes begin with the start tag of root_name: a well-formed file
// that begins so has that root element.
bool OpensWith(std::string_view bytes, const char* root_name) {
  const size_t length = std::strlen(root_name);
  if (bytes.size() < length + 2) return false;
  const char after = bytes[length + 1];
  return bytes[0] == '<' && bytes.substr(1, length) == root_name &&
         (IsBlank(after) || after == '/' || after == '>');
}

// True when the bytes of fd begin with the start tag of root_name.
bool OpensWith(int fd, const char* root_name) {
  char head[64];
  const size_t wanted = std::strlen(root_name) + 2;
  if (wanted > sizeof head) return false;
  const ssize_t got = pread(fd, head, wanted, 0);
  return got == static_cast<ssize_t>(wanted) && OpensWith({head, wanted}, root_name);
}

// The end of the start tag that begins at bytes[0]: the offset after its
// '>', outside quoted values; 0 when there is none or the element is empty.
size_t StartTagEnd(std::string_view bytes) {
  char quote = 0;
  for (size_t i = 1; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return bytes[i - 1] == '/' ? 0 : i + 1;
    }
  }
  return 0;
}

// The file offset where the root's end tag begins, found in the file's last
// bytes after trailing blanks; 0 when the file does not end with the end tag
// of root_name (or with more blanks than a table file ends with).
uint64_t EndTagBegin(int fd, uint64_t file_size, const std::string& end_tag) {
  char tail[4096];
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(file_size, sizeof tail));
  const uint64_t tail_begin = file_size - wanted;
  if (pread(fd, tail, wanted, static_cast<off_t>(tail_begin)) != static_cast<ssize_t>(wanted)) {
    return 0;
  }
  std::string_view bytes(tail, wanted);
  while (!bytes.empty() && IsBlank(bytes.back())) bytes.remove_suffix(1);
  if (!bytes.ends_with(end_tag)) return 0;
  return tail_begin + bytes.size() - end_tag.size();
}

// Bytes from pugixml's allocation function, as every buffer of a read is:
// a host that gives pugixml an allocator of its own has it hold them too.
struct PugiFree {
  void operator()(char* data) const { pugi::get_memory_deallocation_function()(data); }
};
using PugiBytes = std::unique_ptr<char, PugiFree>;

PugiBytes AllocatePugiBytes(size_t size) {
  return PugiBytes(static_cast<char*>(pugi::get_memory_allocation_function()(size)));
}

// A run of a file's bytes held in one buffer that a read in pieces reuses:
// the bytes of a piece once visited are dropped and those after it moved to
// the front before more are read, so a table file of any size takes about a
// piece and a half of memory instead of its whole size.
class ByteWindow {
 public:
  ByteWindow(int fd, uint64_t file_size) : fd_(fd), file_size_(file_size) {}

  uint64_t begin() const { return begin_; }
  uint64_t end() const { return begin_ + held_; }
  char* data() { return data_.get(); }
  // The held bytes, at most up to file offset limit.
  std::string_view Bytes(uint64_t limit) const {
    return {data_.get(), static_cast<size_t>(std::min(limit, end()) - begin_)};
  }

  // Reads on until the bytes up to file offset until (or the file's end) are
  // held, filling the buffer, and growing it when it is too small. False when
  // there is no memory for them, or the file ends early, cannot be read or
  // holds a NUL byte: pugixml ends a document there, so a piece would end
  // without a fault where the whole file does not parse.
  bool Reach(uint64_t until) {
    until = std::min(until, file_size_);
    if (until - begin_ > capacity_) {
      const size_t grown = std::max(2 * capacity_, static_cast<size_t>(until - begin_));
      PugiBytes larger = AllocatePugiBytes(grown);
      if (larger == nullptr) return false;
      if (held_ > 0) std::memcpy(larger.get(), data_.get(), held_);
      data_ = std::move(larger);
      capacity_ = grown;
    }
    while (end() < until) {
      const size_t room =
          static_cast<size_t>(std::min<uint64_t>(capacity_ - held_, file_size_ - end()));
      const ssize_t got = pread(fd_, data_.get() + held_, room, static_cast<off_t>(end()));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      if (std::memchr(data_.get() + held_, '\0', static_cast<size_t>(got)) != nullptr) return false;
      held_ += static_cast<size_t>(got);
    }
    return true;
  }

  // Drops the bytes before file offset from.
  void DropBefore(uint64_t from) {
    const size_t dropped = static_cast<size_t>(from - begin_);
    std::memmove(data_.get(), data_.get() + dropped, held_ - dropped);
    held_ -= dropped;
    begin_ = from;
  }

 private:
  int fd_;
  uint64_t file_size_;
  PugiBytes data_;
  size_t capacity_ = 0;  // bytes data_ has room for
  uint64_t begin_ = 0;   // file offset of data_[0]
  size_t held_ = 0;      // bytes of the file in data_
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// How the module writes the root's children: numbered names of one prefix
// ("Chapter0", "Chapter1", ...), each end tag followed at once by the next
// start tag. A piece ends at such a place.
struct ChildTags {
  std::string closing;  // "</Chapter"
  std::string opening;  // "<Chapter"
};

// The tags of the children whose first begins at bytes[0]; empty when its
// name is not a prefix and a number.
ChildTags ChildTagsAt(std::string_view bytes) {
  size_t name_end = 1;
  while (name_end < bytes.size() && bytes[name_end] != ' ' && bytes[name_end] != '>' &&
         !IsDigit(bytes[name_end])) {
    ++name_end;
  }
  if (bytes.empty() || bytes[0] != '<' || name_end == 1 || name_end >= bytes.size() ||
      !IsDigit(bytes[name_end])) {
    return {};
  }
  const std::string_view prefix = bytes.substr(1, name_end - 1);
  return {"</" + std::string(prefix), "<" + std::string(prefix)};
}

constexpr uint64_t kNoPieceEnd = 0;

// Where the piece that is searched from file offset from ends: after the
// end tag of a child that the start tag of the next follows at once, the
// first such place at or past from and before body_end. kNoPieceEnd when
// there is none; nullopt when the bytes cannot be read.
std::optional<uint64_t> FindPieceEnd(ByteWindow& window, const ChildTags& tags, uint64_t from,
                                     uint64_t body_end, size_t read_ahead) {
  for (;;) {
    const std::string_view bytes = window.Bytes(body_end);
    const bool whole = window.end() >= body_end;  // bytes run to body_end
    const size_t found = bytes.find(tags.closing, static_cast<size_t>(from - window.begin()));
    if (found == std::string_view::npos) {
      if (whole) return kNoPieceEnd;
      // A tag cut by the end of the held bytes is searched again.
      from = std::max(from, window.end() - std::min<uint64_t>(window.end(), tags.closing.size()));
      if (!window.Reach(window.end() + read_ahead + 1)) return std::nullopt;
      continue;
    }
    size_t after = found + tags.closing.size();
    while (after < bytes.size() && IsDigit(bytes[after])) ++after;
    const size_t next = after + 1;
    const size_t digit = next + tags.opening.size();
    if (digit >= bytes.size() && !whole) {
      from = window.begin() + found;
      if (!window.Reach(window.end() + read_ahead + 1)) return std::nullopt;
      continue;
    }
    from = window.begin() + found + 1;
    if (after == found + tags.closing.size() || after >= bytes.size() || bytes[after] != '>') {
      continue;
    }
    if (bytes.substr(next, tags.opening.size()) != tags.opening) continue;
    if (digit >= bytes.size() || !IsDigit(bytes[digit])) continue;
    return window.begin() + next;
  }
}

size_t piece_bytes_of_reads = kXmlPieceBytes;

thread_local const HeldFile* reading_held = nullptr;

// The descriptor a read of path takes its bytes from: the held file's while
// one is read on this thread, else path's, opened into `opened`; -1 when
// path cannot be opened.
int OpenForRead(const std::string& path, std::unique_ptr<HeldFile>& opened) {
  if (reading_held != nullptr) return reading_held->fd();
  const int fd = OpenTableBytes(path);
  if (fd >= 0) opened = std::make_unique<HeldFile>(path, fd);
  return fd;
}

}  // namespace

size_t XmlPieceBytes() { return piece_bytes_of_reads; }

void SetXmlPieceBytesForTesting(size_t bytes) { piece_bytes_of_reads = bytes; }

HeldFile::~HeldFile() { close(fd_); }

std::unique_ptr<HeldFile> HoldXmlFile(const std::string& path, const char* root_name) {
  const int fd = OpenTableBytes(path);
  if (fd < 0) return nullptr;
  auto file = std::make_unique<HeldFile>(path, fd);
  if (OpensWith(fd, root_name)) return file;
  pugi::xml_document doc;
  if (!ParseWhole(path, fd, doc)) return nullptr;
  RequireRoot(doc, root_name, path);
  return file;
}

ReadingHeldFile::ReadingHeldFile(const HeldFile& file) : previous_(reading_held) {
  reading_held = &file;
}

ReadingHeldFile::~ReadingHeldFile() { reading_held = previous_; }

bool LoadXmlFile(const std::string& path, pugi::xml_document& doc) {
  doc.reset();
  std::unique_ptr<HeldFile> opened;
  const int fd = OpenForRead(path, opened);
  if (fd < 0) return false;
  return ParseWhole(reading_held != nullptr ? reading_held->path() : path, fd, doc);
}

bool ReadRootChildrenInPieces(const std::string& path, const char* root_name,
                              const std::function<void(pugi::xml_node)>& visit,
                              size_t piece_bytes) {
  std::unique_ptr<HeldFile> opened;
  const int fd = OpenForRead(path, opened);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || static_cast<uint64_t>(info.st_size) < 2 * piece_bytes) return false;
  const uint64_t file_size = static_cast<uint64_t>(info.st_size);
  // A piece is read while the rest of the one before it is held: a piece and
  // a half covers the common case, where a child is far smaller than a piece.
  const size_t read_ahead = piece_bytes / 2;
  ByteWindow window(fd, file_size);
  if (!window.Reach(piece_bytes + read_ahead)) return false;
  // The file opens with the root's start tag, with no declaration or byte
  // order mark (so it is UTF-8), and ends with its end tag.
  const std::string_view head = window.Bytes(file_size);
  const std::string end_tag = "</" + std::string(root_name) + ">";
  const size_t body_begin = OpensWith(head, root_name) ? StartTagEnd(head) : 0;
  if (body_begin == 0) return false;
  const uint64_t body_end = EndTagBegin(fd, file_size, end_tag);
  if (body_end < body_begin) return false;
  const ChildTags tags = ChildTagsAt(window.Bytes(body_end).substr(body_begin));
  if (tags.closing.empty()) return false;
  // The start tag must parse as it would in the whole file.
  pugi::xml_document envelope;
  const std::string empty_root = std::string(head.substr(0, body_begin)) + end_tag;
  if (!envelope.load_buffer(empty_root.data(), empty_root.size(), kParseFlags,
                            pugi::encoding_utf8)) {
    return false;
  }
  const pugi::xml_node root_element = envelope.document_element();

  // A fault in a child is reported once the rest of the file has parsed:
  // a file that does not parse is read whole, and skipped, as before.
  std::string fault;
  pugi::xml_document piece;
  for (uint64_t begin = body_begin;;) {
    // A piece runs to the first child boundary past its size, the last one
    // to the root's end tag once less than half a piece would follow; a file
    // whose first piece has no boundary is not split.
    uint64_t end = body_end;
    const uint64_t from = begin + piece_bytes;
    if (from + read_ahead < body_end) {
      const std::optional<uint64_t> found = FindPieceEnd(window, tags, from, body_end, read_ahead);
      if (!found) return false;
      if (*found != kNoPieceEnd) end = *found;
    }
    if (end == body_end && begin == body_begin) return false;
    if (!window.Reach(end + 1)) return false;
    // pugixml takes the last byte of a buffer it parses in place for the
    // terminating NUL: a piece is handed over with the byte after it, the
    // '<' of the next child or of the root's end tag, as that NUL, so that
    // none of the piece's own bytes is lost (a stray character before the
    // end tag would be).
    char* const piece_begin = window.data() + (begin - window.begin());
    char& after_piece = window.data()[end - window.begin()];
    const char after = std::exchange(after_piece, '\0');
    if (!piece.load_buffer_inplace(piece_begin, static_cast<size_t>(end - begin + 1),
                                   kParseFlags | pugi::parse_fragment, pugi::encoding_utf8)) {
      return false;
    }
    if (fault.empty()) {
      try {
        for (pugi::xml_node child = piece.first_child(); child; child = child.next_sibling()) {
          if (child.type() != pugi::node_element) throw HasNonElementChild(root_element);
          visit(child);
        }
      } catch (const MalformedTable& error) {
        fault = error.what();
      }
    }
    after_piece = after;
    if (end == body_end) break;
    window.DropBefore(end);
    begin = end;
  }
  if (!fault.empty()) throw TableFileError(path, fault);
  return true;
}

std::string DescribeDamage(const std::string& path, const char* root_name, const char* table_name,
                           const char* inner_prefix) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0)
    return "cannot read the file (" + std::string(std::strerror(errno)) + ")";
  if (!S_ISREG(info.st_mode)) return "not a file";
  if (info.st_size == 0) return "the file is empty";
  if (static_cast<uint64_t>(info.st_size) > kMaxXmlFileBytes)
    return "the file is larger than a table file can be";
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed =
      doc.load_file(path.c_str(), kParseFlags, pugi::encoding_auto);
  if (!parsed) {
    return "the file is damaged: " + std::string(parsed.description()) + " at byte " +
           std::to_string(parsed.offset);
  }
  const pugi::xml_node root = doc.document_element();
  if (!root) return "the file holds no element";
  if (std::strcmp(root.name(), root_name) != 0) {
    return "the root element is <" + ToUtf8(FromUtf8(root.name())) + ">, not <" + root_name + ">";
  }
  if (table_name != nullptr) {
    const char* found = root.attribute("Table_Name").value();
    if (std::strcmp(found, table_name) != 0) {
      return "the file holds the table \"" + ToUtf8(FromUtf8(found)) + "\", not \"" + table_name +
             "\"";
    }
  }
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element)
      return "the root element holds text or other non-elements";
  }
  if (inner_prefix != nullptr) {
    const pugi::xml_node inner = root.first_child().first_child();
    if (inner.type() == pugi::node_element &&
        std::strncmp(inner.name(), inner_prefix, std::strlen(inner_prefix)) != 0) {
      return "the file holds <" + ToUtf8(FromUtf8(inner.name())) + "> where the table holds <" +
             inner_prefix + "…>: it is another table's file";
    }
  }
  return {};
}

pugi::xml_node RequireRoot(const pugi::xml_document& doc, const char* root_name,
                           const std::string& path) {
  const pugi::xml_node root = doc.document_element();
  if (!root || std::strcmp(root.name(), root_name) != 0) {
    throw TableFileError(path, std::string("the root element is not <") + root_name + ">");
  }
  return root;
}

MalformedTable HasNonElementChild(pugi::xml_node parent) {
  return MalformedTable(std::string("element <") + parent.name() +
                        "> has a child that is not an element");
}

pugi::xml_node FindGroup(pugi::xml_node parent, const char* name) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && std::strcmp(child.name(), name) == 0) return child;
  }
  return pugi::xml_node();
}

std::wstring WideValue(const pugi::xml_attribute& attribute) { return FromUtf8(attribute.value()); }

int LeadingInt(const char* text) {
  text = SkipBlanks(text);
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*text - '0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double LeadingReal(const char* text) {
  double plain = 0.0;
  if (PlainDecimal(std::string_view(text), plain)) return plain;
  text = SkipBlanks(text);
  bool negative = false;
  const char* number = text;
  if (*number == '+' || *number == '-') negative = *number++ == '-';
  if (*number == '+' || *number == '-') return 0.0;
  double value = 0.0;
  const char* end = number + std::strlen(number);
  const auto result = std::from_chars(number, end, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = std::strtod(number, nullptr);
  } else if (result.ec != std::errc()) {
    return 0.0;
  }
  if (!std::isfinite(value)) return 0.0;  // "nan", "inf", "1e400": no number a table holds
  return negative ? -value : value;
}

}  // namespace reportdata
