// Parses the XML files named with pugixml and exits: the yardstick for
// reopening a table file (`reportdata show`), timed as a whole process.
// With --walk it also visits every element and attribute of the documents
// and measures their values, as any reader that builds its tree from
// pugixml's document must: the floor under such a reader.
// Usage: xml_parse [--walk] FILE...
#include <pugixml.hpp>

#include <cstdio>
#include <cstring>

namespace {

size_t Walk(pugi::xml_node node) {
  size_t bytes = 0;
  for (pugi::xml_attribute attribute : node.attributes()) bytes += std::strlen(attribute.value());
  for (pugi::xml_node child : node.children()) bytes += Walk(child);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const bool walk = argc > 1 && std::strcmp(argv[1], "--walk") == 0;
  size_t bytes = 0;
  for (int i = walk ? 2 : 1; i < argc; ++i) {
    pugi::xml_document doc;
    if (!doc.load_file(argv[i])) {
      std::fprintf(stderr, "cannot parse %s\n", argv[i]);
      return 1;
    }
    if (walk) bytes += Walk(doc);
  }
  if (walk) std::printf("%zu bytes of attribute values\n", bytes);
  return 0;
}
