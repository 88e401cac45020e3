#include "cli/xlsx_library.h"

#include <dlfcn.h>

#include <string>

#include "cli/input_error.h"

namespace reportdata::cli {
namespace {

template <typename Function>
void Resolve(void* library, const char* name, Function& out) {
  out = reinterpret_cast<Function>(dlsym(library, name));
  if (!out) {
    throw InputError(std::string("cannot use ") + REPORTDATA_XLSXWRITER_SONAME + ": it has no " +
                     name);
  }
}

XlsxLibrary Load() {
  // Kept open for the life of the process.
  void* library = dlopen(REPORTDATA_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    throw InputError(std::string("cannot load the workbook library: ") + dlerror());
  }
  XlsxLibrary xlsx;
#define REPORTDATA_RESOLVE(name) Resolve(library, #name, xlsx.name)
  REPORTDATA_RESOLVE(workbook_new);
  REPORTDATA_RESOLVE(workbook_add_format);
  REPORTDATA_RESOLVE(workbook_add_worksheet);
  REPORTDATA_RESOLVE(workbook_close);
  REPORTDATA_RESOLVE(format_set_num_format);
  REPORTDATA_RESOLVE(format_set_bold);
  REPORTDATA_RESOLVE(format_set_bottom);
  REPORTDATA_RESOLVE(format_set_text_wrap);
  REPORTDATA_RESOLVE(format_set_align);
  REPORTDATA_RESOLVE(worksheet_outline_settings);
  REPORTDATA_RESOLVE(worksheet_freeze_panes);
  REPORTDATA_RESOLVE(worksheet_write_string);
  REPORTDATA_RESOLVE(worksheet_write_number);
  REPORTDATA_RESOLVE(worksheet_set_row_opt);
  REPORTDATA_RESOLVE(worksheet_set_column);
  REPORTDATA_RESOLVE(lxw_strerror);
#undef REPORTDATA_RESOLVE
  return xlsx;
}

}  // namespace

const XlsxLibrary& Xlsx() {
  static const XlsxLibrary xlsx = Load();
  return xlsx;
}

}  // namespace reportdata::cli
