// The workbook library, loaded when the first workbook is started. Linked
// into the tool, it and the libraries it pulls in (compression and a
// cryptography library of some 21,000 relocations) were about a third of
// every command's start, and the tool starts twice per command; only
// `export` writes workbooks.
#ifndef CLI_XLSX_LIBRARY_H_
#define CLI_XLSX_LIBRARY_H_

#include <xlsxwriter.h>

namespace reportdata::cli {

// The library's functions that the workbook writer calls, with their own
// types.
struct XlsxLibrary {
  decltype(&::workbook_new) workbook_new;
  decltype(&::workbook_add_format) workbook_add_format;
  decltype(&::workbook_add_worksheet) workbook_add_worksheet;
  decltype(&::workbook_close) workbook_close;
  decltype(&::format_set_num_format) format_set_num_format;
  decltype(&::format_set_bold) format_set_bold;
  decltype(&::format_set_bottom) format_set_bottom;
  decltype(&::format_set_text_wrap) format_set_text_wrap;
  decltype(&::format_set_align) format_set_align;
  decltype(&::worksheet_outline_settings) worksheet_outline_settings;
  decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
  decltype(&::worksheet_write_string) worksheet_write_string;
  decltype(&::worksheet_write_number) worksheet_write_number;
  decltype(&::worksheet_set_row_opt) worksheet_set_row_opt;
  decltype(&::worksheet_set_column) worksheet_set_column;
  decltype(&::lxw_strerror) lxw_strerror;
};

// Loads the library on the first call. Throws InputError naming the library
// when it cannot be loaded or lacks one of the functions.
const XlsxLibrary& Xlsx();

}  // namespace reportdata::cli

#endif  // CLI_XLSX_LIBRARY_H_
