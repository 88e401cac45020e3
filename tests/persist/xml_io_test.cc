// The streaming writer against pugixml's own raw output, the leading-number
// rules, untrusted input, and saves that fail without costing the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "persist/global_files.h"
#include "persist/table_file.h"
#include "platform/text.h"
#include "reportdata/errors.h"
#include "support/file_error.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

TEST(XmlWriterTest, WritesWhatADomSavedRawWouldWrite) {
  std::vector<std::wstring> values = {
      L"",
      L"plain",
      L"a&b<c>d\"e'f",
      L"tab\tline\nret\r\x01\x1f",
      L"中文 墙 ±½",
      std::wstring(L"pair ") + wchar_t(0xD83D) + wchar_t(0xDE00) + L" astral \U0001F600",
  };
  // Plain texts are scanned a word of eight bytes at a time: a character to
  // escape at every place of a word, and beside the bytes of a multi-byte one.
  for (const wchar_t* special : {L"&", L"<", L"\"", L"\x1f", L"\x01", L"中&"}) {
    for (size_t at = 0; at <= 17; ++at)
      values.push_back(std::wstring(at, L'x') + special + L"墙yz");
  }
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("工程数据");
  StringSink sink;
  XmlWriter writer(sink);
  writer.StartElement("工程数据");
  // Numbers as printf writes them, negative and longer than most included.
  const double reals[] = {2.5, 12.5, -0.0000004, 1e20, 2.0000005};
  int index = 0;
  for (const std::wstring& value : values) {
    const double real = reals[index % 5];
    char printed[64];
    std::snprintf(printed, sizeof printed, "%f", real);
    pugi::xml_node node = root.append_child(("Rec" + std::to_string(index)).c_str());
    node.append_attribute("Formula").set_value(ToUtf8(value).c_str());
    node.append_attribute("Utf8").set_value(ToUtf8(value).c_str());
    node.append_attribute("Quantity").set_value(printed);
    node.append_attribute("Num").set_value(std::to_string(index - 42).c_str());
    node.append_child("分区信息");
    writer.StartElement("Rec", index);
    writer.Attribute("Formula", value);
    writer.Attribute("Utf8", std::string_view(ToUtf8(value)));
    writer.RealAttribute("Quantity", real);
    writer.IntAttribute("Num", index++ - 42);
    writer.StartElement("分区信息");
    writer.EndElement();
    writer.EndElement();
  }
  writer.EndElement();
  writer.Finish();
  std::ostringstream expected;
  doc.save(expected, "", pugi::format_raw | pugi::format_no_declaration);
  EXPECT_EQ(sink.bytes(), expected.str());
}

// Out of range integers clamp; a real that is not finite is no number. (A
// plain decimal is read in one pass, the same reading the floor and
// quantity texts use and check against wcstod.)
TEST(XmlReaderTest, TakesLeadingNumbersAsTheRuntimeDoes) {
  const std::pair<const char*, int> ints[] = {{"42", 42},
                                              {"  -7层", -7},
                                              {"+3.9", 3},
                                              {"abc", 0},
                                              {"99999999999999999999", 2147483647},
                                              {"-99999999999999999999", -2147483647 - 1}};
  for (const auto& [text, value] : ints) EXPECT_EQ(LeadingInt(text), value) << text;
  const std::pair<const char*, double> reals[] = {
      {"2.500000", 2.5}, {" -1.25e2x", -125.0}, {"+.5", 0.5}, {"12,5", 12.0},
      {"--1", 0.0},      {"1e999", 0.0},        {"nan", 0.0}};
  for (const auto& [text, value] : reals) EXPECT_EQ(LeadingReal(text), value) << text;
}

// Untrusted files: entities never expanded (a document type is skipped with
// everything it declares), deep nesting and huge values read like any other,
// an oversized file refused before anything is loaded, a directory in the
// place of the file taken as no file.
TEST(XmlReaderTest, UntrustedFilesGiveASkipOrAClearError) {
  TempDir dir;
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<d>";
  for (int i = 0; i < 200000; ++i) deep += "</d>";
  const std::string huge(8 << 20, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"<!DOCTYPE a [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY ext SYSTEM \"file:///etc/passwd\">]>"
       "<工程数据><Floor0 FloorName=\"&b;&ext;&lt;\"/></工程数据>",
       "&b;&ext;<"},
      {"<工程数据><Floor0 FloorName=\"9\">" + deep + "</Floor0></工程数据>", "9"},
      {"<工程数据><Floor0 FloorName=\"" + huge + "\"/></工程数据>", huge},
  };
  for (const auto& [bytes, floor] : cases) {
    dir.Write("CalFloor.xml", bytes);
    std::vector<CString> floors;
    ReadCalFloor(dir.wpath(), floors);
    EXPECT_EQ(floors, std::vector<CString>{CString(FromUtf8(floor))}) << floor.substr(0, 9);
  }
  std::vector<CString> floors;
  std::filesystem::resize_file(dir.File("CalFloor.xml"), kMaxXmlFileBytes + 1);
  EXPECT_EQ(
      testing::FileError([&] { ReadCalFloor(dir.wpath(), floors); }),
      dir.File("CalFloor.xml") + ": file of 1073741825 bytes is larger than a table file can be");
  std::filesystem::remove(dir.File("CalFloor.xml"));
  std::filesystem::create_directory(dir.File("CalFloor.xml"));
  ReadCalFloor(dir.wpath(), floors);
  EXPECT_TRUE(floors.empty());
}

TEST(AtomicFileTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  WriteCalFloor(dir.wpath(), {CString(L"1")});
  const std::string old_bytes = dir.Read("CalFloor.xml");

  // A producer that fails halfway leaves the old file whole.
  EXPECT_THROW(SaveXmlFile(dir.File("CalFloor.xml"),
                           [](XmlWriter& writer) {
                             writer.StartElement("工程数据");
                             writer.Finish();
                             throw TableFileError("x", "interrupted");
                           }),
               TableFileError);
  EXPECT_EQ(dir.Read("CalFloor.xml"), old_bytes);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"CalFloor.xml"});

  // A report data directory that is a regular file: nothing can be created.
  dir.Write("plain", "not a directory");
  EXPECT_EQ(testing::FileError([&] { WriteCalFloor(dir.wpath() + L"/plain", {}); }),
            dir.File("plain") +
                "/CalFloor.xml: cannot create a temporary file beside it (Not a directory)");
  EXPECT_EQ(dir.Read("plain"), "not a directory");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"CalFloor.xml", "plain"}));
}

// Temporary files of saves whose process was killed go with the next save of
// their file; those of a running process, or of another file, stay.
TEST(AtomicFileTest, NextSaveRemovesTemporariesOfKilledSavesAndKeepsTheMode) {
  TempDir dir;
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child);
  const std::string live = std::to_string(getpid());
  for (const std::string& name :
       {"CalFloor.xml.tmp" + dead + "-1", "CalFloor.xml.tmp" + live + "-999",
        "GlobalParas.xml.tmp" + dead + "-1"}) {
    dir.Write(name, "partial");
  }
  dir.Write("CalFloor.xml", "old");
  chmod(dir.File("CalFloor.xml").c_str(), 0640);
  WriteCalFloor(dir.wpath(), {CString(L"1")});
  EXPECT_EQ(dir.Entries(),
            (std::vector<std::string>{"CalFloor.xml", "CalFloor.xml.tmp" + live + "-999",
                                      "GlobalParas.xml.tmp" + dead + "-1"}));
  EXPECT_EQ(std::filesystem::status(dir.File("CalFloor.xml")).permissions(),
            std::filesystem::perms(0640));
}

TEST(AtomicFileTest, SaveReplacesTheFileWhateverItsLetterCase) {
  TempDir dir;
  dir.Write("CALFLOOR.XML", "old");
  WriteCalFloor(dir.wpath(), {CString(L"2")});
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"CALFLOOR.XML"});
  std::vector<CString> floors;
  ReadCalFloor(dir.wpath(), floors);
  EXPECT_EQ(floors, (std::vector<CString>{CString(L"2")}));
}

// The "N" of each child of the root, the file read whole.
std::vector<std::string> ChildrenReadWhole(const std::string& path) {
  pugi::xml_document whole;
  EXPECT_TRUE(LoadXmlFile(path, whole));
  std::vector<std::string> names;
  for (pugi::xml_node child : whole.document_element().children())
    names.push_back(child.attribute("N").value());
  return names;
}

// A file read in pieces gives the children a whole read gives, or says it
// must be read whole; a fault in a child is reported only for a file that
// parses.
TEST(XmlPiecesTest, PiecesGiveWhatTheWholeFileGivesOrDeclineIt) {
  const auto chapter = [](int number, const std::string& inside) {
    const std::string name = "Chapter" + std::to_string(number);
    return "<" + name + " N=\"c" + std::to_string(number) + "\">" + inside + "</" + name + ">";
  };
  std::string chapters;
  for (int i = 1; i <= 12; ++i) chapters += chapter(i, "<Qd0 N=\"a>b\"/>");
  const std::string head = "<工程数据 Version=\"10\" Table_Name=\"a>b\">";
  const std::string tail = "</工程数据>";
  struct Case {
    const char* name;
    std::string bytes;
    bool in_pieces;
    bool throws;
  };
  const Case cases[] = {
      {"pieces", head + chapters + tail + "\n", true, false},
      {"one piece", head + chapter(1, "") + tail, false, false},
      {"indented", head + "\n " + chapter(1, "") + "\n " + chapter(2, "") + "\n" + tail, false,
       false},
      {"a boundary inside a comment",
       head + chapter(1, "<Qd0 N=\"" + std::string(80, 'x') + "\"/><!-- </Chapter1><Chapter2 -->") +
           chapters + tail,
       false, false},
      {"truncated", head + chapters, false, false},
      {"unclosed child", head + chapters + "<Chapter13>" + tail, false, false},
      {"a comment between children", head + chapters + "<!-- x -->" + chapters + tail, true, true},
      {"a stray character before the end tag", head + chapters + "x" + tail, true, true},
      {"a comment between children, an unclosed child after",
       head + chapters + "<!-- x -->" + chapters + "<Chapter13>" + tail, false, false},
      // pugixml ends a document at a NUL byte, which a piece would end at
      // without a fault where the whole file does not parse.
      {"a NUL byte between children",
       head + chapters + std::string(1, '\0') + chapter(13, "") + tail, false, false},
  };
  TempDir dir;
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    dir.Write("t.xml", test.bytes);
    std::vector<std::string> read;
    const auto visit = [&](pugi::xml_node child) { read.push_back(child.attribute("N").value()); };
    bool in_pieces = false;
    if (test.throws) {
      EXPECT_THROW(ReadRootChildrenInPieces(dir.File("t.xml"), "工程数据", visit, 64),
                   TableFileError);
      // The children before the fault, and no more.
      EXPECT_EQ(read.size(), 12u);
      continue;
    }
    in_pieces = ReadRootChildrenInPieces(dir.File("t.xml"), "工程数据", visit, 64);
    EXPECT_EQ(in_pieces, test.in_pieces);
    if (in_pieces) {
      EXPECT_EQ(read, ChildrenReadWhole(dir.File("t.xml")));
    }
  }
}
// A large file read in pieces is never held whole: the largest block the
// read takes from pugixml's allocator (the one a host can give it) is a few
// pieces however long the file, with a child longer than a piece and a half
// in it, and the children are those of the whole file.
size_t largest_block = 0;
void* AllocateCounted(size_t size) {
  largest_block = std::max(largest_block, size);
  return std::malloc(size);
}

TEST(XmlPiecesTest, ALargeFileIsNeverHeldWhole) {
  constexpr size_t kPiece = 16 << 10;
  std::string bytes = "<工程数据 Version=\"10\">";
  for (int i = 0; bytes.size() < 40 * kPiece; ++i) {
    const std::string name = "Chapter" + std::to_string(i);
    bytes += "<" + name + " N=\"c" + std::to_string(i) + "\">";
    for (int record = 0; record < (i == 100 ? 800 : 10); ++record)
      bytes += "<R" + std::to_string(record) + " F=\"2*4.200*3.300\" P=\"A/1\" Q=\"1.0\"/>";
    bytes += "</" + name + ">";
  }
  bytes += "</工程数据>\n";
  TempDir dir;
  dir.Write("qd.xml", bytes);
  std::vector<std::string> read;
  const pugi::allocation_function allocate = pugi::get_memory_allocation_function();
  const pugi::deallocation_function deallocate = pugi::get_memory_deallocation_function();
  pugi::set_memory_management_functions(AllocateCounted, std::free);
  const bool in_pieces = ReadRootChildrenInPieces(
      dir.File("qd.xml"), "工程数据",
      [&](pugi::xml_node child) { read.push_back(child.attribute("N").value()); }, kPiece);
  pugi::set_memory_management_functions(allocate, deallocate);
  ASSERT_TRUE(in_pieces);
  EXPECT_LT(largest_block, 8 * kPiece);
  EXPECT_EQ(read, ChildrenReadWhole(dir.File("qd.xml")));
}
}  // namespace
}  // namespace reportdata
