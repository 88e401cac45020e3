#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace reportdata::cli {
namespace {

// The pretty layout is pinned by the shipped sample the tool writes; the
// compact one and the escapes of texts the sample never holds are not.
TEST(JsonWriterTest, WritesCompactWithoutBlanksAndEscapesControlCharacters) {
  char* data = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&data, &size);
  {
    JsonWriter json(out, false);
    json.BeginObject();
    json.Field("name", "墙\\Q \"1\"\n\t\x01");
    json.Key("floors");
    json.BeginArray(true);
    json.String("2,5");
    json.String("6/8");
    json.EndArray();
    json.EndObject();
    EXPECT_TRUE(json.Flush());
  }
  std::fclose(out);
  EXPECT_EQ(std::string(data, size),
            "{\"name\":\"墙\\\\Q \\\"1\\\"\\n\\u0009\\u0001\",\"floors\":[\"2,5\",\"6/8\"]}");
  std::free(data);
}

}  // namespace
}  // namespace reportdata::cli
