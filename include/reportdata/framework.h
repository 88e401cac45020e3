// The small set of application-framework types that the exported interface is
// written in: wide text (CString), the string array, the typed array and the
// root object class. They keep the names and members a host written for the
// Windows framework expects; inside the module plain std::wstring and
// std::vector are used wherever the interface does not require these.
#ifndef REPORTDATA_FRAMEWORK_H_
#define REPORTDATA_FRAMEWORK_H_

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using INT_PTR = std::intptr_t;

// Root object class of the framework: only a virtual destructor.
class CObject {
 public:
  virtual ~CObject() = default;
};

// Wide text. Holds a std::wstring; never null, so operator const wchar_t*
// always yields a terminated string.
class CString {
 public:
  CString() = default;
  CString(const wchar_t* text) : text_(text ? text : L"") {}
  CString(const wchar_t* text, int length) : text_(text, text ? length : 0) {}
  CString(wchar_t ch, int repeat = 1) : text_(repeat > 0 ? repeat : 0, ch) {}
  CString(std::wstring text) : text_(std::move(text)) {}
  CString(std::wstring_view text) : text_(text) {}

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  wchar_t GetAt(int index) const { return text_[index]; }
  void SetAt(int index, wchar_t ch) { text_[index] = ch; }
  wchar_t operator[](int index) const { return text_[index]; }
  operator const wchar_t*() const { return text_.c_str(); }
  const wchar_t* GetString() const { return text_.c_str(); }
  // Access to the held text for code that works with the standard library.
  const std::wstring& str() const { return text_; }
  std::wstring& str() { return text_; }
  operator std::wstring_view() const { return text_; }

  // Position of the first occurrence at or after start, or -1.
  int Find(wchar_t ch, int start = 0) const { return Position(text_.find(ch, Start(start))); }
  int Find(const wchar_t* sub, int start = 0) const {
    return Position(text_.find(sub ? sub : L"", Start(start)));
  }
  int ReverseFind(wchar_t ch) const { return Position(text_.rfind(ch)); }

  CString Left(int count) const { return text_.substr(0, Clamp(count)); }
  CString Right(int count) const {
    const size_t n = Clamp(count);
    return text_.substr(text_.size() - n);
  }
  CString Mid(int first) const { return Mid(first, GetLength()); }
  CString Mid(int first, int count) const {
    const size_t from = Clamp(first);
    if (count < 0) count = 0;
    return text_.substr(from, static_cast<size_t>(count));
  }

  // Replaces every occurrence; returns the number of replacements.
  int Replace(const wchar_t* old_text, const wchar_t* new_text);
  int Replace(wchar_t old_ch, wchar_t new_ch);
  int Remove(wchar_t ch);
  CString& Trim();
  CString& TrimLeft();
  CString& TrimRight();
  CString& MakeUpper();
  CString& MakeLower();

  // printf-style formatting with the framework's wide conventions: %s and %c
  // take wide arguments.
  void Format(const wchar_t* format, ...);
  void AppendFormat(const wchar_t* format, ...);
  void FormatV(const wchar_t* format, va_list args);

  int Compare(const wchar_t* other) const { return text_.compare(other ? other : L""); }

  CString& operator=(const wchar_t* text) {
    text_ = text ? text : L"";
    return *this;
  }
  CString& operator+=(const CString& other) {
    text_ += other.text_;
    return *this;
  }
  CString& operator+=(const wchar_t* other) {
    if (other) text_ += other;
    return *this;
  }
  CString& operator+=(wchar_t ch) {
    text_ += ch;
    return *this;
  }

  friend CString operator+(const CString& a, const CString& b) { return a.text_ + b.text_; }
  friend CString operator+(const CString& a, const wchar_t* b) { return a.text_ + (b ? b : L""); }
  friend CString operator+(const wchar_t* a, const CString& b) { return (a ? a : L"") + b.text_; }
  friend CString operator+(const CString& a, wchar_t b) { return a.text_ + b; }
  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, const wchar_t* b) { return a.text_ == (b ? b : L""); }
  friend bool operator==(const wchar_t* a, const CString& b) { return b == a; }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
  friend bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
  friend bool operator<(const CString& a, const CString& b) { return a.text_ < b.text_; }
  friend bool operator>(const CString& a, const CString& b) { return b.text_ < a.text_; }

 private:
  size_t Start(int start) const { return start < 0 ? 0 : static_cast<size_t>(start); }
  size_t Clamp(int count) const {
    if (count < 0) return 0;
    return static_cast<size_t>(count) > text_.size() ? text_.size() : static_cast<size_t>(count);
  }
  static int Position(size_t pos) { return pos == std::wstring::npos ? -1 : static_cast<int>(pos); }

  std::wstring text_;
};

// Growable typed array. Elements are held by value.
template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  INT_PTR GetSize() const { return static_cast<INT_PTR>(items_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  bool IsEmpty() const { return items_.empty(); }
  void SetSize(INT_PTR size) { items_.resize(size > 0 ? static_cast<size_t>(size) : 0); }
  void RemoveAll() { items_.clear(); }

  const TYPE& GetAt(INT_PTR index) const { return items_[index]; }
  TYPE& GetAt(INT_PTR index) { return items_[index]; }
  TYPE& ElementAt(INT_PTR index) { return items_[index]; }
  void SetAt(INT_PTR index, ARG_TYPE value) { items_[index] = value; }
  const TYPE& operator[](INT_PTR index) const { return items_[index]; }
  TYPE& operator[](INT_PTR index) { return items_[index]; }
  const TYPE* GetData() const { return items_.data(); }
  TYPE* GetData() { return items_.data(); }

  INT_PTR Add(ARG_TYPE value) {
    items_.push_back(value);
    return GetSize() - 1;
  }
  INT_PTR Append(const CArray& other) {
    const INT_PTR first = GetSize();
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    return first;
  }
  void Copy(const CArray& other) { items_ = other.items_; }
  void InsertAt(INT_PTR index, ARG_TYPE value, INT_PTR count = 1) {
    items_.insert(items_.begin() + index, static_cast<size_t>(count), value);
  }
  void RemoveAt(INT_PTR index, INT_PTR count = 1) {
    items_.erase(items_.begin() + index, items_.begin() + index + count);
  }

  // Standard-library access for code that iterates.
  typename std::vector<TYPE>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<TYPE>::const_iterator end() const { return items_.end(); }
  typename std::vector<TYPE>::iterator begin() { return items_.begin(); }
  typename std::vector<TYPE>::iterator end() { return items_.end(); }
  std::vector<TYPE>& items() { return items_; }
  const std::vector<TYPE>& items() const { return items_; }

 private:
  std::vector<TYPE> items_;
};

// Array of wide texts.
class CStringArray : public CArray<CString, const CString&> {
 public:
  using CArray::Add;
  INT_PTR Add(const wchar_t* text) { return CArray::Add(CString(text)); }
};

// Inline definitions: the types stay header-only so a host needs nothing but
// this header to use them.

inline int CString::Replace(const wchar_t* old_text, const wchar_t* new_text) {
  const std::wstring from = old_text ? old_text : L"";
  const std::wstring to = new_text ? new_text : L"";
  if (from.empty()) return 0;
  int count = 0;
  std::wstring result;
  size_t pos = 0;
  for (size_t hit; (hit = text_.find(from, pos)) != std::wstring::npos; pos = hit + from.size()) {
    result.append(text_, pos, hit - pos).append(to);
    ++count;
  }
  if (count == 0) return 0;
  result.append(text_, pos, std::wstring::npos);
  text_ = std::move(result);
  return count;
}

inline int CString::Replace(wchar_t old_ch, wchar_t new_ch) {
  int count = 0;
  for (wchar_t& ch : text_) {
    if (ch == old_ch) {
      ch = new_ch;
      ++count;
    }
  }
  return count;
}

inline int CString::Remove(wchar_t ch) {
  const size_t before = text_.size();
  std::erase(text_, ch);
  return static_cast<int>(before - text_.size());
}

inline CString& CString::TrimLeft() {
  size_t first = 0;
  while (first < text_.size() && std::iswspace(text_[first])) ++first;
  text_.erase(0, first);
  return *this;
}

inline CString& CString::TrimRight() {
  size_t last = text_.size();
  while (last > 0 && std::iswspace(text_[last - 1])) --last;
  text_.erase(last);
  return *this;
}

inline CString& CString::Trim() { return TrimRight().TrimLeft(); }

inline CString& CString::MakeUpper() {
  for (wchar_t& ch : text_) ch = static_cast<wchar_t>(std::towupper(ch));
  return *this;
}

inline CString& CString::MakeLower() {
  for (wchar_t& ch : text_) ch = static_cast<wchar_t>(std::towlower(ch));
  return *this;
}

inline void CString::FormatV(const wchar_t* format, va_list args) {
  // The framework's wide printf reads %s and %c as wide; the C library reads
  // them as narrow unless marked with 'l'. Add the mark where it is missing.
  std::wstring conversion;
  for (const wchar_t* p = format ? format : L""; *p; ++p) {
    conversion += *p;
    if (*p != L'%') continue;
    if (p[1] == L'%') {
      conversion += *++p;
      continue;
    }
    while (p[1] && std::wcschr(L"-+ #0123456789.*", p[1])) conversion += *++p;
    const bool has_length = p[1] && std::wcschr(L"hlLqjzt", p[1]);
    if (!has_length && (p[1] == L's' || p[1] == L'c')) conversion += L'l';
  }
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    const int written = std::vswprintf(buffer.data(), buffer.size(), conversion.c_str(), copy);
    va_end(copy);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
      text_.assign(buffer.data(), static_cast<size_t>(written));
      return;
    }
    if (buffer.size() > (size_t{1} << 26)) {  // a format that never fits
      text_.clear();
      return;
    }
    buffer.resize(buffer.size() * 4);
  }
}

inline void CString::Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

inline void CString::AppendFormat(const wchar_t* format, ...) {
  CString tail;
  va_list args;
  va_start(args, format);
  tail.FormatV(format, args);
  va_end(args);
  text_ += tail.text_;
}

#endif  // REPORTDATA_FRAMEWORK_H_
