// The built-in attribute proxy service: the project-settings object made
// from a project's "\project.ld". The object holds the whole description, so
// its answers need no further file access.
#include <memory>

#include "services/builtins.h"
#include "services/paths.h"
#include "services/project_file.h"

namespace reportdata {
namespace {

class ProjectObject : public IEAPObject {
 public:
  explicit ProjectObject(ProjectDescription project) : project_(std::move(project)) {}

  bool GetBillLibInfo(NS_NYProject::SBillQuotaLibInfo& library) override {
    if (!project_.billLibrary) return false;
    library = *project_.billLibrary;
    return true;
  }

  // The project has one quota library record: it is also the project's own.
  bool GetQuotaLibInfo(NS_NYProject::SBillQuotaLibInfo& library, bool /*ownLibrary*/) override {
    if (!project_.quotaLibrary) return false;
    library = *project_.quotaLibrary;
    return true;
  }

  bool GetFloorNames(std::vector<CString>& names) override {
    names.insert(names.end(), project_.floors.begin(), project_.floors.end());
    return true;
  }

  bool GetFloorBaseInfo(const CString& floor, CString& name, CString& label, int& number,
                        CString& kind, CString& remark, CString& height,
                        CString& bottomElevation) override {
    for (const FloorBase& base : project_.floorBase) {
      if (base.name != floor) continue;
      name = base.name;
      label = base.label;
      number = base.number;
      kind = base.kind;
      remark = base.remark;
      height = base.height;
      bottomElevation = base.bottomElevation;
      return true;
    }
    return false;
  }

  bool GetProjectSummary(std::vector<SNYPair>& pairs) override {
    pairs.insert(pairs.end(), project_.summary.begin(), project_.summary.end());
    return true;
  }

  bool GetOutDesignLevel(CString& level) override {
    if (!project_.outdoorDesignLevel) return false;
    level = *project_.outdoorDesignLevel;
    return true;
  }

 private:
  ProjectDescription project_;
};

class BuiltinAttrProxyService : public AttrProxyService {
 public:
  std::unique_ptr<IEAPObject> Open(const CString& path, const CString& /*text*/, int /*mode*/,
                                   int /*flag*/) override {
    std::optional<ProjectDescription> project = ReadProjectFile(NativePath(path.str()));
    if (!project) return nullptr;
    return std::make_unique<ProjectObject>(std::move(*project));
  }
};

}  // namespace

std::shared_ptr<AttrProxyService> MakeBuiltinAttrProxyService() {
  return std::make_shared<BuiltinAttrProxyService>();
}

}  // namespace reportdata
