// Parses the XML files named with pugixml and exits: the yardstick for
// reopening a table file (`reportdata show`), timed as a whole process.
// Usage: xml_parse FILE...
#include <pugixml.hpp>

#include <cstdio>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    pugi::xml_document doc;
    if (!doc.load_file(argv[i])) {
      std::fprintf(stderr, "cannot parse %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
