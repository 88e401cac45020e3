// The envelope every table file shares: root "工程数据" with "Version" = "10"
// and "Table_Name", one numbered top-level child per chapter or floor of the
// table, saved whole or not at all. Also the path rule of the report data
// directory and the two primitives every file of the module is written and
// read with.
#ifndef REPORTDATA_PERSIST_TABLE_FILE_H_
#define REPORTDATA_PERSIST_TABLE_FILE_H_

#include <pugixml.hpp>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "persist/atomic_file.h"
#include "persist/save_batch.h"
#include "persist/xml_reader.h"
#include "persist/xml_writer.h"
#include "reportdata/errors.h"

namespace reportdata {

inline constexpr char kTableRoot[] = "工程数据";

// One table file: its name in the report data directory (with the leading
// backslash), the "Table_Name" written into it and the name prefix of its
// top-level children.
struct TableFileLayout {
  const wchar_t* file_name;
  const char* table_name;
  const char* child_prefix;
};

// The native path of name in the report data directory dir. A file that
// exists under another letter case ("MJ.xml" for "\mj.xml") is that file, so
// a save replaces it instead of creating a second spelling beside it, and a
// read finds the file whichever spelling wrote it.
std::string ResolveFilePath(std::wstring_view dir, std::wstring_view name);

// Saves the document that produce(XmlWriter&) writes to path, replacing the
// file only when the whole document is on disk: at once, or with the other
// files of the save batch open on this thread. Throws TableFileError.
template <typename Produce>
void SaveXmlFile(const std::string& path, Produce&& produce) {
  auto file = std::make_unique<AtomicFile>(path);
  XmlWriter writer(*file);
  produce(writer);
  writer.Finish();
  SaveBatch::Land(std::move(file));
}

// Loads name from dir and calls read(root, path) with the root element
// "root_name". A missing or unparsable file is skipped; a wrong root, or a
// MalformedTable thrown by read, ends in a TableFileError naming the file.
template <typename Read>
void ReadXmlFile(std::wstring_view dir, std::wstring_view name, const char* root_name,
                 Read&& read) {
  const std::string path = ResolveFilePath(dir, name);
  pugi::xml_document doc;
  if (!LoadXmlFile(path, doc)) return;
  const pugi::xml_node root = RequireRoot(doc, root_name, path);
  try {
    read(root);
  } catch (const MalformedTable& error) {
    throw TableFileError(path, error.what());
  }
}

// Writes a table file: write_node(writer, node) fills the top-level element
// of each node of nodes, numbered from first_number (1 unless a file says
// otherwise) in list order.
template <typename List, typename WriteNode>
void WriteTableFile(std::wstring_view dir, const TableFileLayout& layout, const List& nodes,
                    WriteNode&& write_node, long long first_number = 1) {
  SaveXmlFile(ResolveFilePath(dir, layout.file_name), [&](XmlWriter& writer) {
    writer.StartElement(kTableRoot);
    writer.Attribute("Version", std::string_view("10"));
    writer.Attribute("Table_Name", std::string_view(layout.table_name));
    long long number = first_number;
    for (const auto& node : nodes) {
      writer.StartElement(layout.child_prefix, number++);
      write_node(writer, node);
      writer.EndElement();
    }
    writer.EndElement();
  });
}

// Reads a table file: read_child(element) is called for every child of the
// root in document order, whatever its name; it appends one node to the
// table. Neither "Version" nor "Table_Name" is looked at.
template <typename ReadChild>
void ReadTableFile(std::wstring_view dir, std::wstring_view file_name, ReadChild&& read_child) {
  ReadXmlFile(dir, file_name, kTableRoot,
              [&](pugi::xml_node root) { ForEachChildElement(root, read_child); });
}

// Reads a table file into list: each child of the root is read by
// read(element, node) into a fresh node, which is appended once complete, so
// a fault ends the list after the nodes before it. A large file is read a
// piece at a time (ReadRootChildrenInPieces), or else whole. The calling
// thread reads them all, so the trees it keeps come from its own heap.
template <typename Node, typename Read>
void ReadTopLevelNodes(std::wstring_view dir, std::wstring_view file_name, std::vector<Node>& list,
                       Read&& read) {
  const auto read_child = [&](pugi::xml_node element) {
    Node node;
    read(element, node);
    list.push_back(std::move(node));
  };
  const size_t before = list.size();
  if (ReadRootChildrenInPieces(ResolveFilePath(dir, file_name), kTableRoot, read_child)) return;
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(before), list.end());
  ReadTableFile(dir, file_name, read_child);
}

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_TABLE_FILE_H_
