// Internal entry to the message box of include/reportdata/message_box.h: the
// module calls ShowMessageBox, the installed handler (or the standard-error
// default) shows it.
#ifndef REPORTDATA_PLATFORM_MESSAGE_BOX_H_
#define REPORTDATA_PLATFORM_MESSAGE_BOX_H_

#include "reportdata/framework.h"
#include "reportdata/message_box.h"

namespace reportdata {

// The texts of the one message the module shows.
inline constexpr const wchar_t* kSettingsErrorText = L"初始化工程设置数据出错!";
inline constexpr const wchar_t* kMessageBoxCaption = L"青禾土建报表";

void ShowMessageBox(const CString& text, const CString& caption, MessageBoxIcon icon);

}  // namespace reportdata

#endif  // REPORTDATA_PLATFORM_MESSAGE_BOX_H_
