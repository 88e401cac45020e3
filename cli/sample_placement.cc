// Where and how large each component instance of the sample building is:
// positions on the axis grid, dimensions, quantities and their formulas.
#include <algorithm>
#include <array>

#include "cli/sample_building.h"
#include "cli/sample_geometry.h"

namespace reportdata::cli {
namespace {

std::string Row(int row) { return std::string(1, kRows[static_cast<size_t>(row)]); }
std::string Size(int a, int b) { return std::to_string(a) + "×" + std::to_string(b); }
std::string Count(const SampleFloor& floor) {
  return floor.count > 1 ? "*" + std::to_string(floor.count) : std::string();
}

struct Face {
  std::string_view name;
  int length;
  int first_axis;
  int last_axis;
};
constexpr Face kFaces[] = {
    {"南立面", kLength, 1, 12},
    {"北立面", kLength, 1, 12},
    {"东立面", kDepth, 12, 12},
    {"西立面", kDepth, 1, 1},
};

std::string_view Grade(const SampleComponent& component, const SampleFloor& floor) {
  switch (component.shape) {
    case Shape::kRaft:
      return "C35";
    case Shape::kStrip:
      return "C40";
    case Shape::kWall:
    case Shape::kColumn:
      if (component.type_path == "Z\\GZ") return "C25";
      return floor.number <= 5 ? "C35" : "C30";
    case Shape::kBeam:
      // The secondary beams' drawings write the grade in lower case.
      return component.type_path == "L\\CL" ? "c30" : "C30";
    default:
      return "C30";
  }
}

}  // namespace

void SampleBuilding::PlaceComponent(const SampleComponent& component, const SampleFloor& floor,
                                    const EntrySink& sink) {
  const int count = component.per_floor * options_.scale;
  // A larger building has more component names of each kind.
  const int names = options_.low_merge ? 25 : std::min(30, 1 + (options_.scale - 1) / 8);
  const int height = floor.height;
  // Columns, doors and windows come in pairs of one type on one axis, as
  // they stand in a building; a pair in one partition merges into one record.
  const bool paired = component.shape == Shape::kColumn || component.shape == Shape::kDoor ||
                      component.shape == Shape::kWindow;
  const SampleVariant* pair_variant = nullptr;
  std::string pair_name;
  int pair_x = 1;
  int pair_axis = 1;
  for (int i = 0; i < count; ++i) {
    const bool second = paired && i % 2 == 1;
    if (!second) {
      pair_variant = &component.variants[static_cast<size_t>(
          random_.Below(static_cast<int>(component.variants.size())))];
      const int suffix = random_.Below(names);
      pair_name =
          std::string(pair_variant->name) + (suffix == 0 ? "" : "-" + std::to_string(suffix + 1));
      pair_x = 1 + random_.Below(11);
      pair_axis = 1 + random_.Below(12);
    }
    const SampleVariant& variant = *pair_variant;
    Instance in = NextInstance();
    in.name = pair_name;
    in.grade = component.concrete ? Grade(component, floor) : std::string_view();
    const int x = pair_x;
    in.first_axis = x;
    in.last_axis = x + 1;
    const std::string bay = std::to_string(x) + "-" + std::to_string(x + 1);
    switch (component.shape) {
      case Shape::kWall: {
        const bool outer = component.type_path == "Q\\TWQ";
        const int row = outer ? (random_.Chance(50) ? 0 : 5) : 1 + random_.Below(4);
        static constexpr int kLengths[] = {3600, 4200, 6000};
        const int length = kLengths[random_.Below(3)];
        const int h = height - 600;
        in.position = Row(row) + "/" + bay;
        in.thickness = std::to_string(variant.a);
        in.Set(Measure::kVolume, Volume(length, variant.a, h),
               M(length) + "*" + M(variant.a) + "*" + M(h));
        in.Set(Measure::kFormwork, Area(2 * length, h), "2*" + M(length) + "*" + M(h));
        break;
      }
      case Shape::kColumn: {
        const int axis = pair_axis;
        in.first_axis = in.last_axis = axis;
        in.position = Row(random_.Below(6)) + "/" + std::to_string(axis);
        in.size = Size(variant.a, variant.b);
        in.Set(Measure::kVolume, Volume(variant.a, variant.b, height),
               M(variant.a) + "*" + M(variant.b) + "*" + M(height));
        in.Set(Measure::kFormwork, Area(2 * (variant.a + variant.b), height),
               "2*(" + M(variant.a) + "+" + M(variant.b) + ")*" + M(height));
        break;
      }
      case Shape::kBeam: {
        const int axis = 1 + random_.Below(12);
        const int row = random_.Below(5);
        static constexpr int kLong[] = {6000, 7200, 4200};
        static constexpr int kShort[] = {3600, 4200};
        const int length = variant.a <= 200 ? kShort[random_.Below(2)] : kLong[random_.Below(3)];
        const int net = variant.b - 120;  // the slab takes the top of the beam
        in.first_axis = in.last_axis = axis;
        in.position = std::to_string(axis) + "/" + Row(row) + "-" + Row(row + 1);
        in.size = Size(variant.a, variant.b);
        in.Set(Measure::kVolume, Volume(variant.a, net, length),
               M(variant.a) + "*" + M(net) + "*" + M(length));
        in.Set(Measure::kFormwork, Area(2 * net + variant.a, length),
               "(2*" + M(net) + "+" + M(variant.a) + ")*" + M(length));
        break;
      }
      case Shape::kSlab: {
        const int rows = 1 + random_.Below(2);
        const int row = random_.Below(6 - rows);
        const int span = 3000 * rows;
        in.position = Row(row) + "-" + Row(row + rows) + "/" + bay;
        in.Set(Measure::kVolume, Volume(kBay, span, variant.a),
               M(kBay) + "*" + M(span) + "*" + M(variant.a));
        in.Set(Measure::kFormwork, Area(kBay, span), M(kBay) + "*" + M(span));
        break;
      }
      case Shape::kStair:
        in.position = "C-E/" + bay;
        in.Set(Measure::kArea, Area(variant.a, variant.b), M(variant.a) + "*" + M(variant.b));
        break;
      case Shape::kStrip: {
        static constexpr int kThickness = 250;  // basement floor slab
        in.position = bay + "/A-F";
        in.Set(Measure::kVolume, Volume(kDepth, variant.a, kThickness),
               M(kDepth) + "*" + M(variant.a) + "*" + M(kThickness));
        in.Set(Measure::kFormwork, Area(kDepth, variant.a), M(kDepth) + "*" + M(variant.a));
        break;
      }
      case Shape::kDoor:
      case Shape::kWindow:
        in.position = Row(component.shape == Shape::kWindow ? (random_.Chance(50) ? 0 : 5)
                                                            : 1 + random_.Below(4)) +
                      "/" + bay;
        in.size = Size(variant.a, variant.b);
        in.Set(Measure::kArea, Area(variant.a, variant.b), M(variant.a) + "*" + M(variant.b));
        in.Set(Measure::kCount, 1000, "1");
        doors_windows_.push_back(
            {component.door_window_type, floor.label, in.name, in.position, in.handle});
        break;
      case Shape::kFacade: {
        const Face& face = kFaces[static_cast<size_t>(i % 4)];
        in.first_axis = face.first_axis;
        in.last_axis = face.last_axis;
        in.position = std::string(face.name);
        in.Set(Measure::kArea, Area(face.length, static_cast<long long>(height) * floor.count),
               M(face.length) + "*" + M(height) + Count(floor));
        break;
      }
      case Shape::kFacadeOpening: {
        const Face& face = kFaces[static_cast<size_t>(i % 2)];
        in.first_axis = face.first_axis;
        in.last_axis = face.last_axis;
        in.position = std::string(face.name);
        in.Set(Measure::kArea, Area(8 * 2 * (1500 + 1800), 200) * floor.count,
               "8*2*(1.500+1.800)*0.200" + Count(floor));
        break;
      }
      case Shape::kExcavation: {
        const bool west = i % 2 == 0;
        in.first_axis = west ? 1 : 6;
        in.last_axis = west ? 6 : 12;
        in.position = west ? "1-6/A-F" : "6-12/A-F";
        const long long volume = Volume(21300, 18000, 8500);
        in.Set(Measure::kVolume, volume, "21.300*18.000*8.500");
        in.Set(Measure::kBackfill, volume * 18 / 100, "21.300*18.000*8.500*0.18");
        break;
      }
      case Shape::kRaft: {
        static constexpr std::array<int, 4> kCuts = {1, 4, 8, 12};
        const size_t piece = static_cast<size_t>(i % 3);
        in.first_axis = kCuts[piece];
        in.last_axis = kCuts[piece + 1];
        const int length = (in.last_axis - in.first_axis) * kBay;
        in.position = std::to_string(in.first_axis) + "-" + std::to_string(in.last_axis) + "/A-F";
        in.Set(Measure::kVolume, Volume(length, kDepth, variant.a),
               M(length) + "*" + M(kDepth) + "*" + M(variant.a));
        in.Set(Measure::kCushion, Volume(length, kDepth, 100),
               M(length) + "*" + M(kDepth) + "*0.100");
        in.Set(Measure::kFormwork, Area(2 * (length + kDepth), variant.a),
               "2*(" + M(length) + "+" + M(kDepth) + ")*" + M(variant.a));
        break;
      }
      default:
        break;
    }
    if (options_.low_merge) {
      MakeDistinct(in, false);
      if (component.shape == Shape::kDoor || component.shape == Shape::kWindow)
        doors_windows_.back().position = in.position;
    }
    Emit(in, component.type_path, component.sub_type, component.items, floor, sink);
  }
}

void SampleBuilding::PlaceRooms(const SampleFloor& floor, const EntrySink& sink) {
  struct Finish {
    std::string_view type_path;
    std::string_view dry_name;
    std::string_view wet_name;
    std::string_view place;
  };
  static constexpr Finish kFinishes[] = {
      {"ZS\\DMS", "楼地面1", "楼地面2", "楼地面"},
      {"ZS\\TPS", "天棚1", "天棚1", "天棚"},
      {"ZS\\NQS", "内墙面1", "内墙面2", "墙面"},
  };
  for (int unit = 0; unit < options_.scale; ++unit) {
    for (const SampleRoom& room : SampleRooms()) {
      const int x = 1 + random_.Below(11);
      const int row = random_.Below(5);
      const std::string position =
          Row(row) + "-" + Row(row + 1) + "/" + std::to_string(x) + "-" + std::to_string(x + 1);
      for (const Finish& finish : kFinishes) {
        Instance in = NextInstance();
        in.name = std::string(room.wet ? finish.wet_name : finish.dry_name);
        in.position = position;
        in.first_axis = x;
        in.last_axis = x + 1;
        in.room = room.name;
        in.place = finish.place;
        std::span<const SampleItem> items;
        if (finish.place == "墙面") {
          const int h = floor.height - 120;
          in.Set(Measure::kArea, Area(2 * (room.width + room.depth), h),
                 "2*(" + M(room.width) + "+" + M(room.depth) + ")*" + M(h));
          items = WallFinishItems(room.wet);
        } else {
          in.Set(Measure::kArea, Area(room.width, room.depth), M(room.width) + "*" + M(room.depth));
          items = finish.place == "天棚" ? CeilingItems() : FloorFinishItems(room.wet);
        }
        if (options_.low_merge) MakeDistinct(in, true);
        Emit(in, finish.type_path, "", items, floor, sink);
      }
    }
    // The corridor floor of each unit belongs to no room.
    Instance corridor = NextInstance();
    corridor.name = "楼地面1";
    corridor.position = "C-D/1-12";
    corridor.first_axis = 1;
    corridor.last_axis = 12;
    corridor.place = "楼地面";
    corridor.Set(Measure::kArea, Area(kLength - 600, 1800), M(kLength - 600) + "*" + M(1800));
    if (options_.low_merge) MakeDistinct(corridor, true);
    Emit(corridor, "ZS\\DMS", "", FloorFinishItems(false), floor, sink);
  }
}

void SampleBuilding::WalkLooseQuotas(const RecordSink& sink) {
  for (const SampleLooseQuota& loose : SampleLooseQuotas()) {
    for (const SampleFloor& floor : floors_) {
      long long milli = 0;
      switch (loose.measure) {
        case LooseMeasure::kSiteArea:
          if (floor.number == 0) milli = Area(kLength + 4000, kDepth + 4000) * options_.scale;
          break;
        case LooseMeasure::kFloorArea:
          milli = MainArea(floor);
          break;
        case LooseMeasure::kOuterLength:
          if (floor.number != 0) milli = 2 * (kLength + 300 + kDepth + 300) * options_.scale;
          break;
        case LooseMeasure::kMidLength:
          if (floor.number != 0) milli = 2 * (kLength + kDepth) * options_.scale;
          break;
      }
      if (milli == 0) continue;
      SampleRecord record;
      record.id = next_id_++;
      record.description = QuantityText(milli);
      record.quantity = QuantityText(milli, loose.factor);
      record.type_path = loose.type_path;
      record.component_name = std::string(loose.component);
      record.floor = floor.label;
      record.kind = "2";
      record.sub_code = loose.sub_code;
      record.quota_code = loose.code;
      record.quota_name = loose.name;
      record.quota_unit = loose.unit;
      record.partitions = Shares(1, 12, 0, milli, loose.factor);
      sink(record);
    }
  }
}

void SampleBuilding::WalkOtherItems(const EntrySink& sink) {
  long long area = 0;
  for (const SampleFloor& floor : floors_) area += MainArea(floor) * floor.count;
  const int eave = 4500 + 3000 * (std::max(1, options_.floors) - 1) + 450;
  Instance in;
  in.id = next_id_++;
  in.name = "其他项目";
  in.first_axis = 1;
  in.last_axis = 12;
  in.size = M(eave) + "m";
  in.thickness = std::to_string(std::max(1, options_.floors));
  in.Set(Measure::kArea, area, QuantityText(area));
  SampleFloor whole{"1", "首层", 1, 1, 4500, 0};
  Emit(in, "QTXM", "", SampleOtherItems(), whole, sink);
}

}  // namespace reportdata::cli
