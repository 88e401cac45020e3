// Exact bytes of each bill and quota table file for a small tree, and the
// reading rules that differ from writing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "persist/report_table_files.h"
#include "platform/text.h"
#include "support/file_error.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::TempDir;

// Two pieces at A-1 and B-2, shared by two partitions.
const SQdRecordNode kRecord{.positions = "A-1$B-2",
                            .description = L"2.5*2||x",
                            .quantity = 2.5,
                            .count = 2,
                            .handles = "$h1$$h2",
                            .partitions = {{L"一区", L"1.5*2", 1.5}, {L"二区", L"1*2", 1.0}}};

SQdCompNode Wall(SQdRecordNode record = kRecord) {
  return {{L"墙", L"Q\\TWQ"}, L"sub", {record}, {}};
}

// One chapter, one bill item with an own quota, floor 2,5, a wall with one
// record shared by two partitions.
SQdChapterNode BillChapter() {
  SQdItemNode item{{L"010401", L"砖墙", L"m3"},
                   L"M5 <砂浆>",
                   {{CString(L"A1-1"),
                     CString(L"砌砖"),
                     CString(L"m3"),
                     {{CString(L"v"), CString(L"强度"), CString(L"M5")}}}},
                   L"附",
                   {},
                   {}};
  item.floors.push_back({{L"2,5", 4, 20}, L"m3", {Wall()}, {}});
  return {.name = L"砌筑工程", .order_id = L"04", .items = {item}};
}

constexpr char kBillItemBytes[] =
    "<Qd0 D=\"010401\" N=\"砖墙\" U=\"m3\" NI=\"M5 &lt;砂浆>\" P=\"附\">"
    "<OwnDe><OwnDeNode I=\"A1-1\" N=\"砌砖\" U=\"m3\"><DeCategory>"
    "<CategoryNode Var=\"v\" Name=\"强度\" Value=\"M5\"/></DeCategory></OwnDeNode></OwnDe>"
    "<F0 N=\"2,5\"><O0 N=\"墙\" T=\"Q\\TWQ\">";

TEST(BillTableFilesTest, WritesTheBillSummaryExactly) {
  TempDir dir;
  WriteBillSummary(dir.wpath(), {BillChapter()}, L"");
  EXPECT_EQ(dir.Read("qd.xml"),
            std::string("<工程数据 Version=\"10\" Table_Name=\"清单汇总表\">"
                        "<Chapter1 N=\"砌筑工程\" ChapterOrderId=\"04\">") +
                kBillItemBytes +
                "<R0 F=\"2.5*2||x\" P=\"A-1$B-2\" Q=\"2.500000\" Num=\"2\" H=\"$h1$$h2\">"
                "<分区信息 Name=\"一区\" Quant=\"1.500000\" Formula=\"1.5*2\"/>"
                "<分区信息 Name=\"二区\" Quant=\"1.000000\" Formula=\"1*2\"/>"
                "</R0></O0></F0></Qd0></Chapter1></工程数据>");

  // With a current partition the record text is that partition's formula,
  // empty where the record has no share; the shares are all written.
  WriteBillSummary(dir.wpath(), {BillChapter()}, L"二区");
  EXPECT_NE(dir.Read("qd.xml").find("<R0 F=\"1*2\" P="), std::string::npos);
  WriteBillSummary(dir.wpath(), {BillChapter()}, L"三区");
  const std::string bytes = dir.Read("qd.xml");
  EXPECT_NE(bytes.find("<R0 F=\"\" P="), std::string::npos);
  EXPECT_NE(bytes.find("Name=\"二区\""), std::string::npos);
}

SQdXhlChapterNode ConsumptionChapter() {
  SQdXhlItemNode item{.bill = BillChapter().items[0]};
  SDeItemNode quota{{{L"A1-1", L"砌砖", L"10m3"}, {}}, L"010401", {}, {}};
  SQdFloorNode floor = item.bill.floors[0];
  floor.unit = L"10m3";
  floor.components[0].records[0].partitions.clear();
  quota.floors.push_back(floor);
  item.quotas.push_back(quota);
  return {{L"砌筑工程", L"04", {item}, {}}, L"0104"};
}

TEST(BillTableFilesTest, WritesTheBillConsumptionAndItsExportExactly) {
  TempDir dir;
  WriteBillConsumption(dir.wpath(), {ConsumptionChapter()}, L"");
  const std::string bytes = dir.Read("qdxhl.xml");
  EXPECT_EQ(bytes.substr(0, bytes.find("<R0")),
            std::string("<工程数据 Version=\"10\" Table_Name=\"清单消耗量表\">"
                        "<Chapter1 ChapterName=\"砌筑工程\" Index=\"0104\" ChapterOrderId=\"04\">"
                        "<Qd0><清单节点") +
                std::string(kBillItemBytes).substr(4));
  EXPECT_NE(bytes.find("</清单节点><De0 D=\"A1-1\" N=\"砌砖\" U=\"10m3\" QD=\"010401\">"
                       "<F0 N=\"2,5\" Num=\"4\" G=\"20\" Unit=\"10m3\"><O0 N=\"墙\" T=\"Q\\TWQ\">"
                       "<R0 F=\"2.5*2||x\" P=\"A-1$B-2\" Q=\"2.500000\" Num=\"2\" H=\"$h1$$h2\"/>"
                       "</O0></F0></De0></Qd0></Chapter1></工程数据>"),
            std::string::npos);

  // The export: quantities as the rows show them (4 floors of 2 pieces of 2.5).
  ExportBillConsumption(dir.File("out.xml"), {ConsumptionChapter()}, L"");
  EXPECT_EQ(dir.Read("out.xml"),
            "<工程数据 Type=\"R\" Version=\"6.0\" Table_Name=\"清单定额\">"
            "<Chapter0 Type=\"P\" Index=\"0104\" Name=\"砌筑工程\">"
            "<ListCode0 Type=\"B\" Index=\"010401\" Name=\"砖墙\" Unit=\"m3\" "
            "Quantity=\"20.000000\" Parameter=\"M5 &lt;砂浆>\">"
            "<name1 Type=\"D\" DENum=\"A1-1\" Name=\"砌砖\" Unit=\"10m3\" Quantity=\"20.000000\" "
            "Para=\"\"/></ListCode0></Chapter0></工程数据>");
  ExportBillConsumption(dir.File("out.xml"), {ConsumptionChapter()}, L"一区");
  EXPECT_NE(dir.Read("out.xml").find("Quantity=\"12.000000\" Parameter"), std::string::npos);
}

SDeChapterNode QuotaChapter() {
  SDeItemNode quota = ConsumptionChapter().items[0].quotas[0];
  quota.categories = {{CString(L"c"), CString(L"类别"), CString(L"甲")}};
  quota.floors[0].components[0].records[0].partitions = {{L"一区", L"f", 0.25}};
  return {.name = L"定额章A", .order_id = L"A", .items = {quota}};
}

TEST(QuotaTableFilesTest, ConsumptionAndQuotaSummariesDifferOnlyByTheBillCode) {
  TempDir dir;
  WriteConsumptionSummary(dir.wpath(), {QuotaChapter()}, L"");
  WriteQuotaSummary(dir.wpath(), {QuotaChapter()}, L"");
  const std::string body =
      " Name=\"砌砖\" Unit=\"10m3\"%<DeCategory><CategoryNode Var=\"c\" Name=\"类别\" "
      "Value=\"甲\"/></DeCategory><Floor0 Name=\"2,5\" Num=\"4\" Grade=\"20\">"
      "<Obj0 Name=\"墙\" Type=\"Q\\TWQ\"><Rec0 Formula=\"2.5*2||x\" Position=\"A-1$B-2\" "
      "Quantity=\"2.500000\" Num=\"2\" Handle=\"$h1$$h2\"><分区信息 Name=\"一区\" "
      "Quant=\"0.250000\" Formula=\"f\"/></Rec0></Obj0></Floor0></De0></Chapter1></工程数据>";
  auto with = [&](const std::string& head, const std::string& bill_code) {
    std::string text = head + body;
    text.replace(text.find('%'), 1, bill_code + ">");
    return text;
  };
  EXPECT_EQ(dir.Read("de.xml"),
            with("<工程数据 Version=\"10\" Table_Name=\"消耗量汇总表\"><Chapter1 "
                 "ChapterName=\"定额章A\" ChapterOrderId=\"A\"><De0 ID=\"A1-1\"",
                 " QdID=\"010401\""));
  EXPECT_EQ(dir.Read("de1.xml"),
            with("<工程数据 Version=\"10\" Table_Name=\"定额汇总表\"><Chapter1 "
                 "ChapterName=\"定额章A\" ChapterOrderId=\"A\"><De0 ID=\"A1-1\"",
                 ""));

  // The quota summary's reader does not know "QdID".
  std::vector<SDeChapterNode> read;
  dir.Write("de1.xml", dir.Read("de.xml"));
  ReadQuotaSummary(dir.wpath(), read);
  ReadConsumptionSummary(dir.wpath(), read);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].items.at(0).bill_code, L"");
  EXPECT_EQ(read[1].items.at(0).bill_code, L"010401");
}

TEST(QuotaTableFilesTest, PerFloorFilesKeepWhatTheirRowsShow) {
  TempDir dir;
  SQdRecordNode record = kRecord;
  record.description = L"a+b||c";
  record.count = 3;
  record.partitions = {{L"一区", L"f", 0.5}};
  SDeFloorItemNode floor_quota{{{L"A1-1", L"砌砖", L"m3"}, {}}, {Wall(record)}, {}};
  SDeFloorGroupNode floor{{L"3", 1, 30}, {}, {}};
  floor.chapters.push_back({L"定额章A", L"A", {floor_quota}, {}});
  WriteQuotaByFloor(dir.wpath(), {floor});
  EXPECT_EQ(dir.Read("de2.xml"),
            "<工程数据 Version=\"10\" Table_Name=\"分层汇总定额表\">"
            "<Floor1 Name=\"3\" Num=\"1\" Grade=\"30\"><Chapter0 ChapterName=\"定额章A\" "
            "ChapterOrderId=\"A\"><De0 ID=\"A1-1\" Name=\"砌砖\" Unit=\"m3\">"
            "<Att0 Name=\"墙\" Type=\"Q\\TWQ\"><Rec0 Formula=\"a+b\" Position=\"A-1$B-2\" "
            "Quantity=\"2.500000\" Num=\"3\" Handle=\"$h1$$h2\"/></Att0></De0></Chapter0>"
            "</Floor1></工程数据>");

  SDeCalcQuotaNode calc_quota{{{L"A1-1", L"砌砖", L"m3"}, {}}, 4, {record}, {}};
  SDeCompGroupNode group{{L"墙", L"Q\\TWQ"}, {}, {}};
  group.calc_items.push_back({{{calc_quota}, {}}, L"12"});
  SDeFloorCompGroupNode component_floor{{L"2,5", 4, 20}, {group}, {}};
  WriteQuotaByFloorComponent(dir.wpath(), {component_floor}, L"一区");
  EXPECT_EQ(dir.Read("de3.xml"),
            "<工程数据 Version=\"10\" Table_Name=\"分层分构件汇总定额表\">"
            "<Floor1 Name=\"2,5\" Num=\"4\" Grade=\"20\"><Att0 Name=\"墙\" Type=\"Q\\TWQ\">"
            "<Cal0 ID=\"12\"><De0 ID=\"A1-1\" Name=\"砌砖\" Unit=\"m3\" Num=\"4\">"
            "<Rec0 Formula=\"a+b\" Position=\"A-1\" Quantity=\"1.500000\" Handle=\"$h1$$h2\"/>"
            "</De0></Cal0></Att0></Floor1></工程数据>");

  std::vector<SDeFloorCompGroupNode> read;
  ReadQuotaByFloorComponent(dir.wpath(), read);
  const SQdRecordNode& back =
      read.at(0).components.at(0).calc_items.at(0).quotas.at(0).records.at(0);
  EXPECT_EQ(back.count, 1);
  EXPECT_EQ(back.quantity, 1.5);
  EXPECT_EQ(back.positions, "A-1");
}

TEST(TableFileReadingTest, ReadsByNameAndDocumentOrderAndAppends) {
  TempDir dir;
  // Children in another order than their numbers, other names, attributes
  // in any order, "Version" absent, an unknown attribute, a share with its
  // attributes swapped (read by position) and one with two attributes.
  dir.Write("de1.xml",
            "<工程数据 Table_Name=\"x\"><Chapter2 ChapterName=\"第二\"/>"
            "<Anything ChapterOrderId=\"1\" ChapterName=\"第一\">"
            "<De7 Unit=\"m\" ID=\"B\" Name=\"n\" QdID=\"ignored\">"
            "<Floor0 Grade=\"-5x\" Name=\"-1\" Num=\"\"/>"
            "<DeCategory><Other/><CategoryNode Var=\"1\"/><Next Name=\"2\"/></DeCategory>"
            "<DeCategory><CategoryNode Var=\"second group\"/></DeCategory>"
            "<Floor1 Name=\"2\"><Obj0 Type=\"T\"><Rec0 Num=\"3\" Quantity=\"1.5e1\">"
            "<分区信息 Formula=\"f\" Quant=\"2\" Name=\"一区\"/>"
            "<分区信息 Name=\"二区\" Quant=\"1\"/></Rec0></Obj0></Floor1></De7></Anything>"
            "</工程数据>");
  std::vector<SDeChapterNode> read;
  ReadQuotaSummary(dir.wpath(), read);
  ReadQuotaSummary(dir.wpath(), read);
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(testing::Joined({read[0].name, read[1].name, read[2].name, read[3].name}),
            L"第二|第一|第二|第一");
  const SDeItemNode& quota = read[1].items.at(0);
  EXPECT_EQ(quota.code.str() + L"|" + quota.unit.str(), L"B|m");
  ASSERT_EQ(quota.categories.size(), 2u);  // from the first CategoryNode on
  EXPECT_EQ(quota.categories[0].var.str() + L"|" + quota.categories[1].name.str(), L"1|2");
  ASSERT_EQ(quota.floors.size(), 2u);
  const SQdFloorNode& floor = quota.floors[0];
  EXPECT_EQ(std::tuple(floor.floor_text, floor.order_key, floor.count),
            std::tuple(std::wstring(L"-1"), -5, 0));
  const SQdRecordNode& record = quota.floors[1].components.at(0).records.at(0);
  EXPECT_EQ(std::pair(record.count, record.quantity), std::pair(3, 15.0));
  ASSERT_EQ(record.partitions.size(), 1u);
  const PartitionShare& share = record.partitions[0];
  EXPECT_EQ(std::tuple(share.name, share.quantity, share.formula),
            std::tuple(std::wstring(L"f"), 2.0, std::wstring(L"一区")));
}

TEST(TableFileReadingTest, ForeignShapesThrowAfterWhatWasRead) {
  TempDir dir;
  std::vector<SQdChapterNode> chapters;
  dir.Write("qd.xml", "<清单><Chapter1 N=\"a\"/></清单>");
  EXPECT_THROW(ReadBillSummary(dir.wpath(), chapters), TableFileError);
  EXPECT_TRUE(chapters.empty());

  dir.Write("qd.xml",
            "<工程数据><Chapter1 N=\"a\"/><Chapter2 N=\"b\"><Qd0 D=\"1\">text</Qd0></Chapter2>"
            "<Chapter3 N=\"c\"/></工程数据>");
  EXPECT_EQ(testing::FileError([&] { ReadBillSummary(dir.wpath(), chapters); }),
            dir.File("qd.xml") + ": element <Qd0> has a child that is not an element");
  ASSERT_EQ(chapters.size(), 1u);
  EXPECT_EQ(chapters[0].name, L"a");

  dir.Write("qd.xml", "<工程数据><!-- note --></工程数据>");
  EXPECT_THROW(ReadBillSummary(dir.wpath(), chapters), TableFileError);

  // Missing and damaged files are skipped.
  dir.Write("qd.xml", "<工程数据><Chapter1 N=\"a\">");
  ReadBillSummary(dir.wpath(), chapters);
  std::vector<SQdXhlChapterNode> consumption;
  ReadBillConsumption(dir.wpath(), consumption);
  EXPECT_EQ(chapters.size(), 1u);
  EXPECT_TRUE(consumption.empty());
}

// A large file is read a piece at a time; one damaged past its first piece
// is skipped whole, as a file read whole is.
TEST(TableFileReadingTest, ALargeFileDamagedLateIsSkippedWhole) {
  std::string chapters;
  for (int i = 1; chapters.size() < 2 * kXmlPieceBytes + kXmlPieceBytes / 4; ++i) {
    chapters += "<Chapter" + std::to_string(i) + " N=\"c\"><Qd0 D=\"" + std::string(4000, '1') +
                "\"/></Chapter" + std::to_string(i) + ">";
  }
  TempDir dir;
  dir.Write("qd.xml", "<工程数据>" + chapters + "</工程数据>");
  std::vector<SQdChapterNode> read;
  ReadBillSummary(dir.wpath(), read);
  const size_t count = read.size();
  EXPECT_GT(count, 2000u);
  dir.Write("qd.xml", "<工程数据>" + chapters + "<Chapter0></工程数据>");
  ReadBillSummary(dir.wpath(), read);
  EXPECT_EQ(read.size(), count);
}

TEST(TableFileWritingTest, AnEmptyTableIsAnEnvelope) {
  TempDir dir;
  WriteBillSummary(dir.wpath(), {}, L"");
  EXPECT_EQ(dir.Read("qd.xml"), "<工程数据 Version=\"10\" Table_Name=\"清单汇总表\"/>");
}

}  // namespace
}  // namespace reportdata
