// A streaming XML writer for the module's files. It writes exactly what a
// DOM saved without declaration and without indentation gives (pugixml's raw
// format): attributes in the order they are added, `/>` closing an element
// without children, `&amp; &lt; &quot;` and `&#NN;` for control characters in
// values. Streaming keeps a write of a million measurement records linear and
// its memory flat: no document is built.
#ifndef REPORTDATA_PERSIST_XML_WRITER_H_
#define REPORTDATA_PERSIST_XML_WRITER_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keys/pooled_text.h"
#include "persist/atomic_file.h"

namespace reportdata {

class XmlWriter {
 public:
  // The sink must outlive the writer.
  explicit XmlWriter(ByteSink& sink);
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  // Opens a child of the current element (or the root). Names are UTF-8.
  void StartElement(std::string_view name);
  // Opens prefix + number ("Qd0", "Chapter1").
  void StartElement(std::string_view prefix, long long number);
  // Attributes belong to the element opened last and must come before its
  // first child.
  void Attribute(std::string_view name, std::wstring_view value);
  void Attribute(std::string_view name, std::string_view utf8_value);
  void Attribute(std::string_view name, const std::wstring& value) {
    Attribute(name, std::wstring_view(value));
  }
  void Attribute(std::string_view name, const PooledText& value) {
    Attribute(name, std::string_view(value.utf8()));
  }
  // "%d".
  void IntAttribute(std::string_view name, long long value);
  // "%f": six decimals.
  void RealAttribute(std::string_view name, double value);
  void EndElement();
  // Hands everything still buffered to the sink. REQUIRES: every element closed.
  void Finish();

 private:
  void CloseStartTag();
  // Room for n more bytes at the end of the buffer, handing what it holds to
  // the sink first when they do not fit. Inline: every attribute asks.
  char* Reserve(size_t n) {
    if (size_ + n > capacity_) MakeRoom(n);
    return buffer_.get() + size_;
  }
  void MakeRoom(size_t n);
  void Append(std::string_view bytes);
  // Writes ` name="`, then put_value(out), which writes at most value_room
  // bytes at out and returns their end, then the closing quote.
  template <typename PutValue>
  void PutAttribute(std::string_view name, size_t value_room, PutValue&& put_value);
  void Flush();

  ByteSink& sink_;
  std::unique_ptr<char[]> buffer_;  // bytes not yet handed to the sink
  size_t size_ = 0;                 // bytes used in buffer_
  size_t capacity_;                 // bytes allocated for buffer_
  std::vector<std::string> open_;   // names of the open elements, outermost first
  size_t depth_ = 0;                // number of open elements; open_ keeps spare entries
  bool start_tag_open_ = false;     // the last start tag still takes attributes
};

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_XML_WRITER_H_
