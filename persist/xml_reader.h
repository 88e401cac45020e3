// Reading the module's XML files. A file is never trusted: it is loaded only
// up to a size limit, entities are not expanded (no document type is read),
// and the node readers walk a fixed number of levels, so deep nesting,
// garbage and oversized values give a skip or a TableFileError, never a crash
// or unbounded memory. The helpers here also hold the reading rules shared by
// every file: children in document order, names not examined, attributes
// matched by exact name, numbers taken as their leading integer or real.
#ifndef REPORTDATA_PERSIST_XML_READER_H_
#define REPORTDATA_PERSIST_XML_READER_H_

#include <pugixml.hpp>

#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "keys/pooled_text.h"

namespace reportdata {

// Files above this size are not loaded: the table file of a project with a
// million measurement records stays well below it, and the parsed document
// needs about as much memory again.
constexpr uint64_t kMaxXmlFileBytes = uint64_t{1} << 30;

// A document structure that no table file has (a child that is not an
// element). Thrown by node readers, which do not know the file; the file
// reader turns it into a TableFileError naming the file.
class MalformedTable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Loads path into doc. Returns false, leaving doc empty, when the file is
// missing, unreadable or not well-formed XML: such a file is skipped.
// Throws TableFileError for a file larger than kMaxXmlFileBytes.
bool LoadXmlFile(const std::string& path, pugi::xml_document& doc);

// A table file opened by a reload and read at the first query of its table.
// Holding it open keeps its bytes as they were when it was opened: a save
// replaces a file by renaming a new one over it and never changes a file in
// place, so the open file stays the one the reload saw.
class HeldFile {
 public:
  HeldFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile();
  const std::string& path() const { return path_; }
  int fd() const { return fd_; }

 private:
  std::string path_;
  int fd_;
};

// Opens path for a later read with root element root_name, and checks now
// what would end a read at its start. Returns null for a file the read would
// skip: missing, unreadable, or (when its first bytes do not open the element
// root_name, so the whole file is parsed now) not well-formed. Throws
// TableFileError for a file larger than kMaxXmlFileBytes and for a
// well-formed file of another root element.
std::unique_ptr<HeldFile> HoldXmlFile(const std::string& path, const char* root_name);

// A file is read in pieces of about this size: small enough that the
// document of one piece is a fraction of a large table's, large enough
// that a piece holds many children.
constexpr size_t kXmlPieceBytes = size_t{4} << 20;

// The piece size of reads that name none: kXmlPieceBytes, or the smaller one
// a test harness set so that the files it can make, of a few kilobytes, are
// read in pieces as a large project's are. REQUIRES: set before any read.
size_t XmlPieceBytes();
void SetXmlPieceBytesForTesting(size_t bytes);

// Reads the children of the root element root_name of path, as LoadXmlFile
// and a walk of the root's children would, but a file of two pieces or more
// a piece at a time: each piece, a run of whole children, is parsed on its
// own, visit called with its children, and its document freed before the
// next piece is parsed, whose nodes then take the memory back. The file is
// never held whole: its bytes pass through one buffer of about a piece and a
// half, larger only while a child is longer than half a piece. Returns false
// when the file does not split so (small, not as the module writes its
// files, or holding a NUL byte) or a piece does not parse, possibly after
// visiting the children of earlier pieces: the caller then undoes those and
// reads the file whole. Throws TableFileError for a file larger than
// kMaxXmlFileBytes, and for the MalformedTable visit or a child that is not
// an element raises in a file that parses.
bool ReadRootChildrenInPieces(const std::string& path, const char* root_name,
                              const std::function<void(pugi::xml_node)>& visit,
                              size_t piece_bytes = XmlPieceBytes());

// While it lives, LoadXmlFile in this thread reads the bytes of the held file
// instead of the path it is given: a reader run inside it reads its file as
// it was when held.
class ReadingHeldFile {
 public:
  explicit ReadingHeldFile(const HeldFile& file);
  ReadingHeldFile(const ReadingHeldFile&) = delete;
  ReadingHeldFile& operator=(const ReadingHeldFile&) = delete;
  ~ReadingHeldFile();

 private:
  const HeldFile* previous_;
};

// Why path cannot be read as a file with root element root_name and, when
// table_name is not null, "Table_Name" = table_name: missing, not a regular
// file, empty, not well-formed XML (truncated, or not XML at all), another
// root element, another table, or a child of the root that is not an
// element; and, when inner_prefix is not null, the first element of the
// root's first child named otherwise than inner_prefix and a number, as in
// the file of another table of the same "Table_Name". Empty when none of
// these holds. The readers skip such a file silently, so a tool that shows a
// table asks here to tell a damaged file from an empty table.
std::string DescribeDamage(const std::string& path, const char* root_name, const char* table_name,
                           const char* inner_prefix = nullptr);

// The document's root element when it is named root_name; otherwise throws
// TableFileError naming path.
pugi::xml_node RequireRoot(const pugi::xml_document& doc, const char* root_name,
                           const std::string& path);

// The MalformedTable of parent holding a child that is not an element.
MalformedTable HasNonElementChild(pugi::xml_node parent);

// Calls visit(child) for every child of parent in document order. Throws
// MalformedTable at the first child that is not an element (text, CDATA, a
// comment or a processing instruction), after the children before it.
template <typename Visit>
void ForEachChildElement(pugi::xml_node parent, Visit&& visit) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) throw HasNonElementChild(parent);
    visit(child);
  }
}

// An attribute with its name, read once: a reader tries each attribute
// against the names it knows in turn.
struct NamedAttribute : pugi::xml_attribute {
  const char* own_name;
};

// The attributes of node in document order, with their names, for a
// range-for. pugixml's own range takes three calls into the library per
// attribute and two more to begin, and a name read once per name it is tried
// against; this one takes three per attribute, its name included.
struct AttributesOf {
  struct Iterator {
    pugi::xml_attribute attribute;
    NamedAttribute operator*() const { return {attribute, attribute.name()}; }
    Iterator& operator++() {
      attribute = attribute.next_attribute();
      return *this;
    }
    bool operator!=(std::default_sentinel_t) const { return static_cast<bool>(attribute); }
  };
  Iterator begin() const { return {node.first_attribute()}; }
  std::default_sentinel_t end() const { return {}; }

  pugi::xml_node node;
};

// The first child element named name, or an empty node.
pugi::xml_node FindGroup(pugi::xml_node parent, const char* name);

inline bool NameIs(const NamedAttribute& attribute, const char* name) {
  // The attribute names of a node mostly differ in their first letter, and
  // a record's are single letters in the bill tables: two letters decide
  // most names without a call.
  const char* own = attribute.own_name;
  if (own[0] != name[0]) return false;
  if (name[0] == '\0') return true;
  if (own[1] != name[1]) return false;
  return name[1] == '\0' || std::strcmp(own + 2, name + 2) == 0;
}

// Wide text of a UTF-8 attribute value.
std::wstring WideValue(const pugi::xml_attribute& attribute);

// The same text from the text pool: a text read before costs no decoding.
inline PooledText PooledValue(const pugi::xml_attribute& attribute) {
  return PooledText::FromUtf8(attribute.value());
}

// The leading decimal integer of text after blanks, as the C runtime's _wtoi
// takes it: 0 when there is none, clamped to the int range.
int LeadingInt(const char* text);
// The leading decimal real of text after blanks, as _wtof takes it: 0 when
// there is none or it is not finite.
double LeadingReal(const char* text);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_XML_READER_H_
