// Gathering a build's floor names.
#include "engine/floor_names.h"

#include <algorithm>

#include "keys/floor_text.h"

namespace reportdata {

bool FloorNames::Contains(const Name& floor) {
  return FindFirst(
             names_, index_, [&] { return floor.hash; }, [](const Name& name) { return name.hash; },
             [&](const Name& name) { return name.text == floor.text; }) >= 0;
}

void FloorNames::Add(std::wstring_view floor, uint64_t hash) {
  const Name name{floor, HashFold(hash)};
  if (!Contains(name)) names_.push_back(name);
}

void FloorNames::AddUncovered(const FloorNames& decoration) {
  // Only the ranges and lists are asked whether they cover a floor, so that
  // a tall project's storeys are not each compared with every other.
  std::vector<std::wstring_view> groups;
  const auto take = [&](const Name& name) {
    if (!IsSingleFloor(name.text)) groups.push_back(name.text);
  };
  for (const Name& name : names_) take(name);
  for (const Name& floor : decoration.names_) {
    const bool covered =
        Contains(floor) || std::ranges::any_of(groups, [&](std::wstring_view group) {
          return CoversFloor(group, floor.text);
        });
    if (covered) continue;
    names_.push_back(floor);
    take(floor);
  }
}

std::vector<std::wstring_view> FloorNames::Texts() const {
  std::vector<std::wstring_view> texts;
  texts.reserve(names_.size());
  for (const Name& name : names_) texts.emplace_back(name.text);
  return texts;
}

}  // namespace reportdata
