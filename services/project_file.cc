#include "services/project_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/text.h"

namespace reportdata {
namespace {

CString Wide(std::string_view text) { return CString(FromUtf8(text)); }

std::string Utf8(const CString& text) { return ToUtf8(text.str()); }

// A library record: four texts in order, or an object naming them.
NS_NYProject::SBillQuotaLibInfo ParseLibrary(const Json& value, const Place& place) {
  NS_NYProject::SBillQuotaLibInfo library;
  if (value.is_object()) {
    CheckObject(value, place, {"name", "key", "region", "version"});
    library.name = Wide(TextMember(value, "name", place));
    library.key = Wide(TextMember(value, "key", place));
    library.region = Wide(TextMember(value, "region", place));
    library.version = Wide(TextMember(value, "version", place));
    return library;
  }
  if (!value.is_array()) {
    Refuse(place, std::string("expected an array or an object, found ") + KindName(value));
  }
  if (value.size() != 4) {
    Refuse(place,
           "expected 4 texts (name, key, region, version), found " + std::to_string(value.size()));
  }
  library.name = Wide(TextValue(value[0], place.Index(0)));
  library.key = Wide(TextValue(value[1], place.Index(1)));
  library.region = Wide(TextValue(value[2], place.Index(2)));
  library.version = Wide(TextValue(value[3], place.Index(3)));
  return library;
}

Json LibraryJson(const NS_NYProject::SBillQuotaLibInfo& library) {
  return Json::array(
      {Utf8(library.name), Utf8(library.key), Utf8(library.region), Utf8(library.version)});
}

// Reads the whole of a regular file into text. A FIFO or a device in its
// place is refused before it is read, and opened without waiting for a
// writer, so that it cannot hold a build; a directory is refused too.
bool ReadRegularFile(const std::string& path, std::string& text) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool read_all = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  if (read_all) {
    text.resize(static_cast<size_t>(info.st_size));
    size_t filled = 0;
    while (filled < text.size()) {
      const ssize_t got = read(fd, text.data() + filled, text.size() - filled);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      filled += static_cast<size_t>(got);
    }
    text.resize(filled);
  }
  close(fd);
  return read_all;
}

}  // namespace

ProjectDescription ParseProject(const Json& value, const Place& place) {
  CheckObject(value, place,
              {"name", "floors", "billLibrary", "quotaLibrary", "summary", "outdoorDesignLevel",
               "floorBase"});
  ProjectDescription project;
  project.name = Wide(TextMember(value, "name", place));
  if (const Json* floors = ArrayMember(value, "floors", place)) {
    const Place list = place.Key("floors");
    for (std::size_t i = 0; i < floors->size(); ++i) {
      project.floors.push_back(Wide(TextValue((*floors)[i], list.Index(i))));
    }
  }
  if (value.contains("billLibrary")) {
    project.billLibrary = ParseLibrary(value["billLibrary"], place.Key("billLibrary"));
  }
  if (value.contains("quotaLibrary")) {
    project.quotaLibrary = ParseLibrary(value["quotaLibrary"], place.Key("quotaLibrary"));
  }
  if (const Json* summary = ArrayMember(value, "summary", place)) {
    const Place list = place.Key("summary");
    for (std::size_t i = 0; i < summary->size(); ++i) {
      const Place entry = list.Index(i);
      CheckObject((*summary)[i], entry, {"name", "value"});
      project.summary.push_back(SNYPair{Wide(TextMember((*summary)[i], "name", entry)),
                                        Wide(TextMember((*summary)[i], "value", entry))});
    }
  }
  if (value.contains("outdoorDesignLevel")) {
    project.outdoorDesignLevel =
        Wide(TextValue(value["outdoorDesignLevel"], place.Key("outdoorDesignLevel")));
  }
  if (const Json* floors = ArrayMember(value, "floorBase", place)) {
    const Place list = place.Key("floorBase");
    for (std::size_t i = 0; i < floors->size(); ++i) {
      const Place entry = list.Index(i);
      const Json& floor = (*floors)[i];
      CheckObject(floor, entry,
                  {"name", "label", "number", "kind", "remark", "height", "bottomElevation"});
      FloorBase& base = project.floorBase.emplace_back();
      base.name = Wide(TextMember(floor, "name", entry));
      base.label = Wide(TextMember(floor, "label", entry));
      base.number = static_cast<int>(IntMember(floor, "number", entry, 0));
      base.kind = Wide(TextMember(floor, "kind", entry));
      base.remark = Wide(TextMember(floor, "remark", entry));
      base.height = Wide(TextMember(floor, "height", entry));
      base.bottomElevation = Wide(TextMember(floor, "bottomElevation", entry));
    }
  }
  return project;
}

std::string ProjectFileText(const ProjectDescription& project) {
  Json doc = Json::object();
  doc["format"] = kProjectFormat;
  doc["version"] = kProjectVersion;
  doc["name"] = Utf8(project.name);
  doc["floors"] = Json::array();
  for (const CString& floor : project.floors) doc["floors"].push_back(Utf8(floor));
  if (project.billLibrary) doc["billLibrary"] = LibraryJson(*project.billLibrary);
  if (project.quotaLibrary) doc["quotaLibrary"] = LibraryJson(*project.quotaLibrary);
  doc["summary"] = Json::array();
  for (const SNYPair& pair : project.summary) {
    doc["summary"].push_back({{"name", Utf8(pair.name)}, {"value", Utf8(pair.value)}});
  }
  if (project.outdoorDesignLevel) doc["outdoorDesignLevel"] = Utf8(*project.outdoorDesignLevel);
  doc["floorBase"] = Json::array();
  for (const FloorBase& base : project.floorBase) {
    doc["floorBase"].push_back({{"name", Utf8(base.name)},
                                {"label", Utf8(base.label)},
                                {"number", base.number},
                                {"kind", Utf8(base.kind)},
                                {"remark", Utf8(base.remark)},
                                {"height", Utf8(base.height)},
                                {"bottomElevation", Utf8(base.bottomElevation)}});
  }
  return doc.dump(2) + "\n";
}

std::optional<ProjectDescription> ReadProjectFile(const std::string& native_path) {
  std::string text;
  if (!ReadRegularFile(native_path, text)) return std::nullopt;
  Json doc = Json::parse(text, nullptr, false);
  if (!doc.is_object() || doc.find("format") == doc.end() || doc.find("version") == doc.end() ||
      doc["format"] != kProjectFormat || doc["version"] != kProjectVersion) {
    return std::nullopt;
  }
  doc.erase("format");
  doc.erase("version");
  try {
    return ParseProject(doc, kFileRoot);
  } catch (const ImportError&) {
    return std::nullopt;
  }
}

}  // namespace reportdata
