// An instance text reads as the std::string the same changes would give, in
// each of the ways it holds its bytes; under the sanitizers, bytes freed
// too early or read from a moved buffer show here.
#include "model/instance_text.h"

#include <gtest/gtest.h>

#include <string>

#include "model/text_arena.h"

namespace reportdata {
namespace {

TEST(InstanceTextTest, ChangesReadAsAStringWouldInEveryHolding) {
  struct Start {
    const char* name;
    std::string text;
    bool borrow;
  };
  TextArena arena;
  const Start starts[] = {
      {"empty", "", false},
      {"short", "1-6/A-F", false},
      {"long", "$3A1$$3C3$$3E5$$3F9$$45B$$49F", false},
      {"borrowed", "1-6/A-F$6-12/A-F", true},
  };
  for (const Start& start : starts) {
    SCOPED_TRACE(start.name);
    InstanceText text;
    if (start.borrow) {
      text.Borrow(arena.Copy(start.text));
      EXPECT_TRUE(text.borrowed());
    } else {
      text = start.text;
    }
    std::string expected = start.text;
    // Merging instances grows the text past its own room and the heap's.
    for (int i = 0; i < 40; ++i) {
      const std::string handle = "$$" + std::to_string(i * 37);
      text += handle;
      expected += handle;
      // A piece of the text itself, appended where it may have to move.
      const std::string_view own = std::string_view(text).substr(text.size() / 2, 3);
      expected += std::string(own);
      text += own;
      ASSERT_EQ(text.view(), expected);
    }
    EXPECT_FALSE(text.borrowed());
    // A shorter text of its own bytes, then back to a short one.
    text = std::string_view(text).substr(5, 20);
    EXPECT_EQ(text.view(), expected.substr(5, 20));
    text = std::string_view(text).substr(2, 4);
    EXPECT_EQ(text.view(), expected.substr(7, 4));
    text.clear();
    EXPECT_TRUE(text.empty());
  }
  EXPECT_EQ(std::string(arena.Copy("1-6/A-F$6-12/A-F")), "1-6/A-F$6-12/A-F");
}

TEST(InstanceTextTest, CopiesAndChangesOfABorrowedTextOwnTheirBytes) {
  auto arena = std::make_unique<TextArena>();
  InstanceText borrowed;
  borrowed.Borrow(arena->Copy("$h1$$h2$$h3$$h4$$h5$$h6"));
  const InstanceText copy = borrowed;
  InstanceText moved = InstanceText(borrowed);
  borrowed += "$$h7";
  EXPECT_FALSE(copy.borrowed());
  EXPECT_FALSE(borrowed.borrowed());
  arena.reset();
  EXPECT_EQ(copy.view(), "$h1$$h2$$h3$$h4$$h5$$h6");
  EXPECT_EQ(moved.view(), "$h1$$h2$$h3$$h4$$h5$$h6");
  EXPECT_EQ(borrowed.view(), "$h1$$h2$$h3$$h4$$h5$$h6$$h7");
}

}  // namespace
}  // namespace reportdata
