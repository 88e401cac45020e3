// Project settings over the INI layer.
#include "engine/project_settings.h"

#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <optional>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/paths.h"

namespace reportdata {

namespace {

constexpr const wchar_t* kProjInfoFile = L"\\ProjInfo.ini";
constexpr const wchar_t* kReportHandleFile = L"\\ReportHandle.ini";
constexpr size_t kMaxHandleText = 255;

std::optional<uint32_t> HexDigit(wchar_t ch) {
  if (ch >= L'0' && ch <= L'9') return ch - L'0';
  if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
  if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
  return std::nullopt;
}

// "%x" of scanf: blanks, an optional sign, an optional "0x", hex digits; the
// value wraps to 32 bits. nullopt when no digit follows.
std::optional<uint32_t> ParseHex(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i + 2 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X') &&
      HexDigit(text[i + 2])) {
    i += 2;
  }
  if (i >= text.size() || !HexDigit(text[i])) return std::nullopt;
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const std::optional<uint32_t> digit = HexDigit(text[i]);
    if (!digit) break;
    value = (value << 4) | *digit;
  }
  return negative ? 0u - value : value;
}

std::optional<uint32_t> ReadHexKey(const std::string& path, const wchar_t* section,
                                   const wchar_t* key) {
  std::wstring text = ReadIniString(path, section, key, L"");
  if (text.size() > kMaxHandleText) text.resize(kMaxHandleText);
  return ParseHex(text);
}

std::wstring Hex8(uint32_t value) {
  wchar_t text[16];
  std::swprintf(text, sizeof(text) / sizeof(text[0]), L"%08x", value);
  return text;
}

}  // namespace

bool IsUserDeUnitFromFile(const std::wstring& dir) {
  return ReadIniInt(JoinPath(dir, kProjInfoFile), L"ReportDisPlayUnit", L"DeUnit", 1) == 1;
}

void SetUserDeUnitToFile(const std::wstring& dir, bool user_unit) {
  WriteIniString(JoinPath(dir, kProjInfoFile), L"ReportDisPlayUnit", L"DeUnit",
                 user_unit ? L"1" : L"0");
}

bool OwnQuotaMergeFlag(const std::wstring& dir) {
  return ReadIniInt(JoinPath(dir, kProjInfoFile), L"QdMergeConfig", L"OwnerDeSame", 0) == 0;
}

const wchar_t* ReportHandleSection(int kind) { return kind == 1 ? L"NewReport" : L"OldReport"; }

void WriteReportHandle(const std::wstring& dir, int kind, void* handle, unsigned long pid) {
  const std::string path = JoinPath(dir, kReportHandleFile);
  const auto handle_bits = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle));
  WriteIniString(path, ReportHandleSection(kind), L"ReportHandle", Hex8(handle_bits));
  WriteIniString(path, ReportHandleSection(kind), L"ReportPID", Hex8(static_cast<uint32_t>(pid)));
}

void ReadReportHandle(const std::wstring& dir, int kind, void*& handle, unsigned long& pid) {
  const std::string path = JoinPath(dir, kReportHandleFile);
  constexpr uint64_t kHighBits = ~uint64_t{0xFFFFFFFF};
  if (const auto low = ReadHexKey(path, ReportHandleSection(kind), L"ReportHandle")) {
    const auto bits = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(handle));
    handle = reinterpret_cast<void*>(static_cast<uintptr_t>((bits & kHighBits) | *low));
  }
  if (const auto low = ReadHexKey(path, ReportHandleSection(kind), L"ReportPID")) {
    pid = static_cast<unsigned long>((static_cast<uint64_t>(pid) & kHighBits) | *low);
  }
}

}  // namespace reportdata
