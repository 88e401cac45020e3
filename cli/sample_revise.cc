#include "cli/sample_revise.h"

#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>

#include "cli/input_error.h"
#include "cli/quantity_format.h"

namespace reportdata::cli {
namespace {

using Json = nlohmann::ordered_json;

// Records of the added storey get ids beyond those of any real project.
constexpr long long kIdOffset = 100000000;
constexpr std::string_view kDoorPath = "MCD\\M";
constexpr std::string_view kWallPrefix = "Q\\";
constexpr std::string_view kThinWall = "100厚";
constexpr std::string_view kThickWall = "200厚";

std::optional<int> SingleFloor(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::string TextOf(const Json& object, const char* key) {
  const auto it = object.find(key);
  return it != object.end() && it->is_string() ? it->get<std::string>() : "";
}

class Reviser {
 public:
  Reviser(std::FILE* out, const std::string& name) : out_(out), name_(name) {}

  // The parser's callback: writes every top-level member as it completes
  // and each element of a top-level array on its own, then lets it go.
  bool OnEvent(int depth, Json::parse_event_t event, Json& parsed) {
    using Event = Json::parse_event_t;
    if (depth == 0) {
      if (event == Event::object_start) Put("{");
      if (event == Event::object_end) Put("}\n");
      return true;
    }
    if (depth == 1 && event == Event::key) {
      Put(members_++ ? ",\"" : "\"");
      Put(parsed.get<std::string>());
      Put("\":");
      key_ = parsed.get<std::string>();
      return true;
    }
    if (depth == 1 && event == Event::array_start) {
      Put("[");
      in_array_ = true;
      elements_ = 0;
      return true;
    }
    if (depth == 1 && event == Event::array_end && in_array_) {
      if (key_ == "floors") Element(Json(counts_.added_floor));
      Put("]");
      in_array_ = false;
      return false;
    }
    if (depth == 1 && (event == Event::object_end || event == Event::value)) {
      if (key_ == "project" && parsed.is_object()) ReviseProject(parsed);
      Put(parsed.dump(-1, ' ', false, Json::error_handler_t::strict));
      return false;
    }
    if (depth == 2 && in_array_ && (event == Event::object_end || event == Event::value)) {
      Take(parsed);
      return false;
    }
    return true;
  }

  void Finish() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
  }
  const RevisionCounts& counts() const { return counts_; }

 private:
  void Put(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() > (1 << 20)) Finish();
  }
  void Element(const Json& value) {
    Put(elements_++ ? "," : "");
    Put(value.dump(-1, ' ', false, Json::error_handler_t::strict));
  }

  // The top storey and the storeys the revision touches, from the project's
  // floors; the added storey in its floors, base data and summary.
  void ReviseProject(Json& project) {
    int top = 0;
    std::set<int> singles;
    if (project.contains("floors") && project["floors"].is_array()) {
      for (const Json& floor : project["floors"]) {
        if (!floor.is_string()) continue;
        if (const auto number = SingleFloor(floor.get<std::string>())) singles.insert(*number);
      }
    }
    for (int number : singles) top = std::max(top, number);
    if (top <= 0) throw InputError(name_ + ": the project has no storey above ground to revise");
    top_floor_ = std::to_string(top);
    counts_.added_floor = std::to_string(top + 1);
    if (singles.count(top - 1)) counts_.wall_floor = std::to_string(top - 1);
    door_floor_ = singles.count(1) ? "1" : top_floor_;
    project["floors"].push_back(counts_.added_floor);
    if (project.contains("floorBase") && project["floorBase"].is_array()) {
      Json& bases = project["floorBase"];
      for (const Json& base : Json(bases)) {
        if (!base.is_object() || base.value("number", 0) != top) continue;
        Json added = base;
        added["name"] = counts_.added_floor;
        added["label"] = counts_.added_floor;
        added["number"] = top + 1;
        const double bottom = std::atof(TextOf(base, "bottomElevation").c_str()) +
                              std::atof(TextOf(base, "height").c_str());
        added["bottomElevation"] = Fixed(bottom, 3);
        bases.push_back(added);
        break;
      }
    }
    if (project.contains("summary") && project["summary"].is_array()) {
      for (Json& pair : project["summary"]) {
        if (!pair.is_object() || TextOf(pair, "name") != "地上层数") continue;
        if (const auto floors = SingleFloor(TextOf(pair, "value")))
          pair["value"] = std::to_string(*floors + 1);
      }
    }
  }

  bool IsRemovedDoor(const Json& record) const {
    return TextOf(record, "typePath") == kDoorPath && TextOf(record, "floor") == door_floor_;
  }

  void ReviseWall(Json& record) {
    if (counts_.wall_floor.empty() || TextOf(record, "floor") != counts_.wall_floor ||
        !TextOf(record, "typePath").starts_with(kWallPrefix))
      return;
    std::string feature = TextOf(record, "feature");
    bool changed = false;
    for (size_t at = feature.find(kThinWall); at != std::string::npos;
         at = feature.find(kThinWall, at + kThickWall.size())) {
      feature.replace(at, kThinWall.size(), kThickWall);
      changed = true;
    }
    if (!changed) return;
    record["feature"] = feature;
    ++counts_.walls_changed;
  }

  // A record copied onto the added storey.
  static void MoveUp(Json& record, const std::string& floor) {
    record["floor"] = floor;
    if (record.contains("id") && record["id"].is_number_integer())
      record["id"] = record["id"].get<long long>() + kIdOffset;
  }

  // One element of a top-level array: written revised, left out, or written
  // twice (the second time on the added storey).
  void Take(Json& element) {
    if (!element.is_object()) return Element(element);
    const bool entry = key_ == "classified" || key_ == "otherItems";
    const bool record = key_ == "looseQuotas" || key_ == "quotaResults";
    if (entry && element.contains("bill")) {
      Json& bill = element["bill"];
      if (IsRemovedDoor(bill)) {
        removed_doors_.insert(TextOf(bill, "componentName"));
        ++counts_.doors_removed;
        return;
      }
      ReviseWall(bill);
      Element(element);
      if (TextOf(bill, "floor") != top_floor_) return;
      MoveUp(bill, counts_.added_floor);
      if (element.contains("quotas") && element["quotas"].is_array()) {
        for (Json& quota : element["quotas"]) MoveUp(quota, counts_.added_floor);
      }
      ++counts_.records_added;
      return Element(element);
    }
    if (record && IsRemovedDoor(element)) {
      ++counts_.doors_removed;
      return;
    }
    if (key_ == "doorsWindows" && TextOf(element, "floor") == door_floor_ &&
        removed_doors_.count(TextOf(element, "typeName"))) {
      ++counts_.doors_removed;
      return;
    }
    Element(element);
    const bool storey_bound = record || key_ == "doorsWindows" || key_ == "floorAreas";
    if (!storey_bound || TextOf(element, "floor") != top_floor_) return;
    if (record) {
      MoveUp(element, counts_.added_floor);
      ++counts_.records_added;
    } else {
      element["floor"] = counts_.added_floor;
    }
    Element(element);
  }

  std::FILE* out_;
  const std::string& name_;
  std::string buffer_;
  std::string key_;                      // of the top-level member being read
  int members_ = 0;                      // top-level members written
  bool in_array_ = false;                // the member is an array, written element by element
  int elements_ = 0;                     // of that array, written
  std::string top_floor_;                // copied onto the added storey
  std::string door_floor_;               // whose doors are removed
  std::set<std::string> removed_doors_;  // door types removed there
  RevisionCounts counts_;
};

}  // namespace

RevisionCounts ReviseProject(std::istream& in, const std::string& name, std::FILE* out) {
  Reviser reviser(out, name);
  try {
    // The members written as they came; what the parser keeps is nothing.
    const Json rest = Json::parse(in, [&](int depth, Json::parse_event_t event, Json& parsed) {
      return reviser.OnEvent(depth, event, parsed);
    });
    (void)rest;
  } catch (const Json::exception& error) {
    throw InputError(name + ": " + error.what());
  }
  reviser.Finish();
  if (reviser.counts().added_floor.empty())
    throw InputError(name + ": not a project in the interchange form");
  return reviser.counts();
}

}  // namespace reportdata::cli
