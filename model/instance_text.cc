#include "model/instance_text.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace reportdata {
namespace {

// The room of the first owned bytes; merging doubles it from here.
constexpr size_t kFirstCapacity = 32;
constexpr size_t kMaxSize = size_t{1} << 31;

// The size stored in the text's four size bytes.
void RequireStorable(size_t size) {
  if (size > kMaxSize) throw std::length_error("an instance text of more than 2 GB");
}

char* Allocate(size_t size) {
  RequireStorable(size);
  char* bytes = static_cast<char*>(std::malloc(size));
  if (bytes == nullptr) throw std::bad_alloc();
  return bytes;
}

}  // namespace

size_t InstanceText::HeapCapacity(size_t size) {
  return std::bit_ceil(std::max(size, kFirstCapacity));
}

void InstanceText::Release() {
  if (mode() == kOwned) std::free(HeapData());
  MakeEmpty();
}

void InstanceText::AssignSlowly(std::string_view text) {
  if (mode() == kOwned && text.size() <= HeapCapacity(size())) {
    if (!text.empty()) std::memmove(HeapData(), text.data(), text.size());
    SetHeapSize(text.size());
    return;
  }
  // Copied before the old bytes go: the text may lie in them.
  char* bytes = Allocate(HeapCapacity(text.size()));
  std::memcpy(bytes, text.data(), text.size());
  Release();
  SetHeap(bytes, text.size(), kOwned);
}

void InstanceText::Borrow(std::string_view bytes) {
  RequireStorable(bytes.size());
  Release();
  SetHeap(const_cast<char*>(bytes.data()), bytes.size(), kBorrowed);
}

void InstanceText::AppendSlowly(std::string_view text) {
  const size_t had = size();
  const size_t total = had + text.size();
  if (mode() == kOwned) {
    char* old = HeapData();
    // Text taken from this text's own bytes moves with them.
    const bool own_bytes = text.data() >= old && text.data() < old + had;
    const size_t offset = own_bytes ? static_cast<size_t>(text.data() - old) : 0;
    RequireStorable(total);
    char* grown = static_cast<char*>(std::realloc(old, HeapCapacity(total)));
    if (grown == nullptr) throw std::bad_alloc();
    if (own_bytes) text = std::string_view(grown + offset, text.size());
    std::memcpy(grown + had, text.data(), text.size());
    SetHeap(grown, total, kOwned);
    return;
  }
  // Inline or borrowed bytes stay where they are until copied.
  char* bytes = Allocate(HeapCapacity(total));
  std::memcpy(bytes, data(), had);
  std::memcpy(bytes + had, text.data(), text.size());
  SetHeap(bytes, total, kOwned);
}

}  // namespace reportdata
