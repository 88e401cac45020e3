// The built-in calculation-result service: the results stored in the
// project's calculation database, returned as stored. The classification was
// made when the results were stored, so the library keys and flags of the
// request do not change the answer. There is no classification or price
// dialog: the list dialog confirms the lists unchanged, and the price dialog
// reports that nothing was changed.
#include "services/builtins.h"
#include "services/cal_director.h"
#include "services/registry.h"

namespace reportdata {
namespace {

class BuiltinCalResultService : public CalResultService {
 public:
  bool GetQdDeClassResultData(const CString& dir, const SNYRAGetResultParam& /*param*/,
                              SNYRAQdDeClassResultInfo& result, bool /*all*/) override {
    CalDatabase* db = BuiltinDirector().OpenProject(dir.str());
    result = {};
    return db && db->ReadClassified(RecordTable::kClassified, result.items) &&
           db->ReadRecords(RecordTable::kLooseQuota, result.looseQuotas) &&
           ReadPartitionsAndFloors(*db, result);
  }

  bool GetQTXMQdDeClassResult(const CString& dir, const SNYRAGetResultParam& /*param*/,
                              SNYRAQdDeClassResultInfo& result) override {
    CalDatabase* db = BuiltinDirector().OpenProject(dir.str());
    result = {};
    return db && db->ReadClassified(RecordTable::kOtherItem, result.items) &&
           ReadPartitionsAndFloors(*db, result);
  }

  bool GetDeResultData(const CString& dir, const SNYRAGetResultParam& /*param*/,
                       SNYRADeResultInfo& result, bool /*all*/) override {
    CalDatabase* db = BuiltinDirector().OpenProject(dir.str());
    result = {};
    return db && db->ReadQuotaResults(result.quotas) && ReadPartitionsAndFloors(*db, result);
  }

  bool GetQTXMDeResult(const CString& dir, const SNYRAGetResultParam& /*param*/,
                       SNYRADeResultInfo& result) override {
    CalDatabase* db = BuiltinDirector().OpenProject(dir.str());
    result = {};
    return db && db->ReadOtherQuotaResults(result.quotas) && ReadPartitionsAndFloors(*db, result);
  }

  bool ShowQdListDialog(const CString& /*dir*/, const CString& /*billKey*/,
                        const CString& /*quotaKey*/, std::vector<SNYTJQdDeClassResult>& /*items*/,
                        std::vector<SNYTJQdDeClassResult>& /*otherItems*/) override {
    return true;
  }

  bool ShowDeListPriceDialog(const CString& /*dir*/, const CString& /*quotaKey*/) override {
    return false;
  }

 private:
  template <typename Result>
  static bool ReadPartitionsAndFloors(CalDatabase& db, Result& result) {
    return db.ReadPartitions(result.partitions) && db.ReadFloors(result.floors);
  }
};

}  // namespace

std::shared_ptr<CalResultService> MakeBuiltinCalResultService() {
  return std::make_shared<BuiltinCalResultService>();
}

}  // namespace reportdata
