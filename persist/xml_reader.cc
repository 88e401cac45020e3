// Loading with limits, and the leading-number rules.
#include "persist/xml_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

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

// True when the bytes of fd begin with the start tag of root_name: a
// well-formed file that begins so has that root element.
bool OpensWith(int fd, const char* root_name) {
  const size_t length = std::strlen(root_name);
  char head[64];
  if (length + 2 > sizeof head) return false;
  const ssize_t got = pread(fd, head, length + 2, 0);
  if (got != static_cast<ssize_t>(length + 2)) return false;
  const char after = head[length + 1];
  return head[0] == '<' && std::memcmp(head + 1, root_name, length) == 0 &&
         (IsBlank(after) || after == '/' || after == '>');
}

// Bytes from pugixml's allocation function, freed with its deallocation
// function.
struct ParseBytes {
  char* data = nullptr;
  size_t size = 0;
  ~ParseBytes() {
    if (data != nullptr) pugi::get_memory_deallocation_function()(data);
  }
};

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

// Where the pieces of the root's children between body_begin and body_end
// end, the last at body_end: after the end tag of a child that the start
// tag of the next follows at once, as the module writes its children
// ("</Chapter3><Chapter4"), the first such place past each piece's size.
// Empty when the children are not numbered so or the body is one piece.
std::vector<size_t> PieceEnds(std::string_view bytes, size_t body_begin, size_t body_end,
                              size_t piece_bytes) {
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  std::vector<size_t> ends;
  size_t name_end = body_begin + 1;
  while (name_end < body_end && bytes[name_end] != ' ' && bytes[name_end] != '>' &&
         !is_digit(bytes[name_end])) {
    ++name_end;
  }
  if (bytes[body_begin] != '<' || name_end == body_begin + 1 || name_end >= body_end ||
      !is_digit(bytes[name_end])) {
    return ends;
  }
  const std::string prefix(bytes.substr(body_begin + 1, name_end - body_begin - 1));
  const std::string closing = "</" + prefix;
  const std::string opening = "<" + prefix;
  for (size_t from = body_begin + piece_bytes; from + piece_bytes / 2 < body_end;) {
    const size_t found = bytes.substr(0, body_end).find(closing, from);
    if (found == std::string_view::npos) break;
    size_t after = found + closing.size();
    while (after < body_end && is_digit(bytes[after])) ++after;
    from = found + 1;
    if (after == found + closing.size() || after >= body_end || bytes[after] != '>') continue;
    const size_t next = after + 1;
    if (bytes.substr(next, opening.size()) != opening) continue;
    const size_t digit = next + opening.size();
    if (digit >= body_end || !is_digit(bytes[digit])) continue;
    ends.push_back(next);
    from = next + piece_bytes;
  }
  if (!ends.empty()) ends.push_back(body_end);
  return ends;
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
  // The file opens with the root's start tag, with no declaration or byte
  // order mark (so it is UTF-8), and ends with its end tag.
  struct stat info;
  if (fstat(fd, &info) != 0 || static_cast<uint64_t>(info.st_size) < 2 * piece_bytes ||
      !OpensWith(fd, root_name)) {
    return false;
  }
  ParseBytes file;
  file.data = ReadWhole(path, fd, &file.size);
  if (file.data == nullptr) return false;
  // pugixml ends a document at a NUL byte: a piece would end there without
  // a fault where the whole file does not parse, so such a file is read
  // whole.
  if (std::memchr(file.data, '\0', file.size) != nullptr) return false;
  const std::string_view bytes(file.data, file.size);
  const std::string_view root(root_name);
  const size_t body_begin = StartTagEnd(bytes);
  size_t body_end = bytes.size();
  while (body_end > 0 && IsBlank(bytes[body_end - 1])) --body_end;
  const std::string end_tag = "</" + std::string(root) + ">";
  if (body_begin == 0 || body_end < body_begin + end_tag.size() ||
      bytes.substr(body_end - end_tag.size(), end_tag.size()) != end_tag) {
    return false;
  }
  body_end -= end_tag.size();
  const std::vector<size_t> ends = PieceEnds(bytes, body_begin, body_end, piece_bytes);
  if (ends.empty()) return false;
  // The start tag must parse as it would in the whole file.
  pugi::xml_document envelope;
  const std::string empty_root = std::string(bytes.substr(0, body_begin)) + end_tag;
  if (!envelope.load_buffer(empty_root.data(), empty_root.size(), kParseFlags,
                            pugi::encoding_utf8)) {
    return false;
  }
  const pugi::xml_node root_element = envelope.document_element();

  // A fault in a child is reported once the rest of the file has parsed:
  // a file that does not parse is read whole, and skipped, as before.
  std::string fault;
  size_t begin = body_begin;
  for (const size_t end : ends) {
    // pugixml takes the last byte of a buffer it parses in place for the
    // terminating NUL: a piece is handed over with the byte after it, the
    // '<' of the next child or of the root's end tag, as that NUL, so that
    // none of the piece's own bytes is lost (a stray character before the
    // end tag would be).
    const char after = std::exchange(file.data[end], '\0');
    pugi::xml_document piece;
    if (!piece.load_buffer_inplace(file.data + begin, end - begin + 1,
                                   kParseFlags | pugi::parse_fragment, pugi::encoding_utf8)) {
      return false;
    }
    begin = end;
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
    file.data[end] = after;
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
