// A host replaces a service with InstallService; the names a host knows then
// reach its implementation, and installing null brings the built-in back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "reportdata/services.h"

namespace reportdata {
namespace {

class ReversedUnits : public CompareService {
 public:
  int CompareTwoUnits(const CString& a, const CString& b) override {
    return a < b ? 1 : b < a ? -1 : 0;
  }
  int CompareFeatures(const SNYTJReportDEFeature&, const SNYTJReportDEFeature&) override {
    return 7;
  }
  int CompareCategories(const std::vector<SNYTJFenLeiVarDescInfo>&,
                        const std::vector<SNYTJFenLeiVarDescInfo>&) override {
    return 9;
  }
};

class FixedSystemDir : public SystemDataService {
 public:
  CString SystemDirectory() override { return L"/opt/system"; }
};

// Records what the progress dialogs did.
class RecordingSink : public ProgressSink {
 public:
  void Open(const std::wstring& title) override { log += L"open " + title + L";"; }
  void Message(const std::wstring& text) override { log += L"msg " + text + L";"; }
  void Close() override { log += L"close;"; }
  std::wstring log;
};

TEST(Registry, InstallReplacesAndNullRestores) {
  const std::shared_ptr<CompareService> builtin = InstallService(std::make_shared<ReversedUnits>());
  ASSERT_NE(builtin, nullptr);  // the built-in was current
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m2", L"m3"), 1);
  EXPECT_EQ(CNYRACompareMethod::IsDEFeatureALargerThanB({}, {}), 7);
  EXPECT_EQ(CNyQdDeDataAssistor::IsDeFenLeiSet1LargeThan2({}, {}), 9);

  const std::shared_ptr<CompareService> mine = InstallService(std::shared_ptr<CompareService>());
  EXPECT_NE(dynamic_cast<ReversedUnits*>(mine.get()), nullptr);
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m2", L"m3"), -1);
  // Installing what InstallService returned puts that implementation back.
  InstallService(mine);
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m2", L"m3"), 1);
  InstallService(builtin);
  EXPECT_EQ(CNYRACompareMethod::CompareTwoUnits(L"m2", L"m3"), -1);
  InstallService(std::shared_ptr<CompareService>());

  const CString builtin_dir = ISysCache::GetNYSysDir();
  InstallService(std::make_shared<FixedSystemDir>());
  EXPECT_EQ(ISysCache::GetNYSysDir(), L"/opt/system");
  InstallService(std::shared_ptr<SystemDataService>());
  EXPECT_EQ(ISysCache::GetNYSysDir(), builtin_dir);

  IDMDirector* builtin_director = GetIDMDirector();
  InstallService(std::shared_ptr<IDMDirector>());
  EXPECT_EQ(GetIDMDirector(), builtin_director);
}

TEST(Registry, ProgressDialogClosesWhenDestroyedOpen) {
  const auto sink = std::make_shared<RecordingSink>();
  InstallService(std::static_pointer_cast<ProgressSink>(sink));
  {
    NyProInterface dialog;
    dialog.SetShowInformation(L"before");  // not open yet: nothing shown
    dialog.ShowProgressDialog(L"处理清单编码中...", nullptr);
    dialog.SetShowInformation(L"正在初始化编码数据!");
  }
  EXPECT_EQ(sink->log, L"open 处理清单编码中...;msg 正在初始化编码数据!;close;");
  sink->log.clear();
  {
    NyProInterface dialog;
    dialog.ShowProgressDialog(L"a", nullptr);
    dialog.CloseProgressDialog();
    dialog.CloseProgressDialog();
  }
  EXPECT_EQ(sink->log, L"open a;close;");
  // A dialog opened before the service is replaced is closed where it opened.
  sink->log.clear();
  {
    NyProInterface dialog;
    dialog.ShowProgressDialog(L"b", nullptr);
    InstallService(std::shared_ptr<ProgressSink>());
  }
  EXPECT_EQ(sink->log, L"open b;close;");
}

}  // namespace
}  // namespace reportdata
