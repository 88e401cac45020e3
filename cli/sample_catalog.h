// What the sample generator builds with: the kinds of component it places on
// the floors of a building, and for each the calculation items it yields, each
// classified under a bill item of GB50854-2013 with its quota items of
// DE-TJ-2024. The rows live in data/samples/sample-catalog.json, which the
// build compiles in; sample_building.cc walks them.
#ifndef CLI_SAMPLE_CATALOG_H_
#define CLI_SAMPLE_CATALOG_H_

#include <span>
#include <string_view>

namespace reportdata::cli {

// Which quantity of a component instance an item measures.
enum class Measure {
  kVolume,    // m3 of the body
  kFormwork,  // m2 of formwork in contact with the concrete
  kArea,      // m2 of the face (finishes, doors, windows, stairs, scaffolding)
  kCushion,   // m3 of the cushion under a foundation
  kBackfill,  // m3 filled back around the basement after excavation
  kCount,     // pieces (樘 of doors and windows)
  kAsItem,    // a quota's measure: the same as its bill item's
};

// Measures an instance records, kCount included.
inline constexpr int kMeasures = 6;

// How an instance is shaped, which decides its dimensions and position text.
enum class Shape {
  kWall,
  kColumn,
  kBeam,
  kSlab,
  kStair,
  kDoor,
  kWindow,
  kFloorFinish,
  kCeiling,
  kWallFinish,
  kFacade,
  kFacadeOpening,
  kExcavation,
  kRaft,
  kStrip,
};

// Floors on which a kind of component stands.
enum class Levels {
  kFoundation,   // the foundation floor "0"
  kBasement,     // the basement storeys
  kGround,       // the ground floor
  kAboveGround,  // every storey above ground
  kUpper,        // the storeys above the ground floor
  kBuilding,     // basements and storeys above ground
};

struct SampleQuota {
  std::string_view code;
  std::string_view name;
  std::string_view unit;
  int factor;   // the unit's multiple of the base unit: "10m3" is 10
  bool graded;  // carries the concrete grade as a classification variable
  Measure measure = Measure::kAsItem;
};

// One calculation item of a component with the bill item it is classified
// under. In feature texts "{grade}", "{name}", "{size}" and "{thick}" stand
// for the instance's concrete grade, component name, opening size and wall
// thickness.
struct SampleItem {
  std::string_view sub_code;   // calculation-item id
  std::string_view calc_item;  // its name
  std::string_view bill_code;
  std::string_view bill_name;
  std::string_view bill_unit;
  std::string_view feature;
  Measure measure;
  std::span<const SampleQuota> quotas;
};

// A variant of a component kind: its name and the sizes it comes in (mm).
struct SampleVariant {
  std::string_view name;
  int a;  // thickness, section width, opening width or slab span
  int b;  // section depth, opening height or second span (0 when unused)
};

struct SampleComponent {
  std::string_view type_path;
  std::string_view sub_type;
  Shape shape;
  Levels levels;
  int per_floor;  // instances on one storey at scale 1
  bool concrete;
  std::span<const SampleVariant> variants;
  std::span<const SampleItem> items;
  int door_window_type;  // component type number of doors and windows, else 0
};

// Every kind the generator places, in the order it places them on a floor.
std::span<const SampleComponent> SampleComponents();

// The other items (其他项目) of a project: scaffolding and vertical transport.
std::span<const SampleItem> SampleOtherItems();

// A room kind: its name, floor and wall finish variants.
struct SampleRoom {
  std::string_view name;
  int width;
  int depth;
  bool wet;  // kitchens and bathrooms are tiled
};
std::span<const SampleRoom> SampleRooms();

// The items of a room's finishes, for dry and wet rooms.
std::span<const SampleItem> FloorFinishItems(bool wet);
std::span<const SampleItem> CeilingItems();
std::span<const SampleItem> WallFinishItems(bool wet);

// What a quota item outside every bill item measures.
enum class LooseMeasure {
  kSiteArea,     // the site levelled around the building, on the foundation floor
  kFloorArea,    // a storey's building area
  kOuterLength,  // a storey's outer wall length measured outside
  kMidLength,    // a storey's outer wall length measured on the centre line
};

// Quota items that stand outside every bill item. The common calculation
// parameters among them carry codes that no quota chapter knows.
struct SampleLooseQuota {
  std::string_view type_path;
  std::string_view component;
  std::string_view sub_code;
  std::string_view code;
  std::string_view name;
  std::string_view unit;
  int factor;
  LooseMeasure measure;
};
std::span<const SampleLooseQuota> SampleLooseQuotas();

// Component directories of the project with their index codes and category
// paths.
struct SampleIndexEntry {
  std::string_view comp_dir;
  std::string_view index;
  std::string_view category;
};
std::span<const SampleIndexEntry> SampleComponentIndex();

}  // namespace reportdata::cli

#endif  // CLI_SAMPLE_CATALOG_H_
