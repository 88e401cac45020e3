#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace reportdata::cli {
namespace {

// Runs write against a JsonWriter over a memory file and returns the bytes.
template <typename Write>
std::string Written(bool pretty, Write write) {
  char* data = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&data, &size);
  {
    JsonWriter json(out, pretty);
    write(json);
    EXPECT_TRUE(json.Flush());
  }
  std::fclose(out);
  std::string bytes(data, size);
  std::free(data);
  return bytes;
}

void Document(JsonWriter& json) {
  json.BeginObject();
  json.Field("name", "墙\\Q \"1\"\n\t\x01");
  json.Key("floors");
  json.BeginArray(true);
  json.String("2,5");
  json.String("6/8");
  json.EndArray();
  json.Key("records");
  json.BeginArray();
  json.BeginObject(true);
  json.Key("id");
  json.Int(-3);
  json.Key("quantity");
  json.Number("0.0936");
  json.Key("tags");
  json.BeginArray();
  json.EndArray();
  json.EndObject();
  json.EndArray();
  json.Key("empty");
  json.BeginObject();
  json.EndObject();
  json.EndObject();
}

TEST(JsonWriterTest, WritesPrettyWithOneLineContainers) {
  EXPECT_EQ(Written(true, Document),
            "{\n"
            "  \"name\": \"墙\\\\Q \\\"1\\\"\\n\\u0009\\u0001\",\n"
            "  \"floors\": [\"2,5\", \"6/8\"],\n"
            "  \"records\": [\n"
            "    {\"id\": -3, \"quantity\": 0.0936, \"tags\": []}\n"
            "  ],\n"
            "  \"empty\": {}\n"
            "}\n");
}

TEST(JsonWriterTest, WritesCompactWithoutBlanks) {
  EXPECT_EQ(Written(false, Document),
            "{\"name\":\"墙\\\\Q \\\"1\\\"\\n\\u0009\\u0001\",\"floors\":[\"2,5\",\"6/8\"],"
            "\"records\":[{\"id\":-3,\"quantity\":0.0936,\"tags\":[]}],\"empty\":{}}");
}

}  // namespace
}  // namespace reportdata::cli
