// A host that loads the library at run time, as a plug-in is loaded.
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

TEST(RunTimeLoad, LoadsAndAnswersAFacade) {
  void* library = dlopen(REPORTDATA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  // The mangled name of int CInterQingDan::GetparaNum(): the bill summary's
  // twelve columns.
  const auto columns =
      reinterpret_cast<int (*)()>(dlsym(library, "_ZN13CInterQingDan10GetparaNumEv"));
  ASSERT_NE(columns, nullptr) << dlerror();
  EXPECT_EQ(columns(), 12);
  dlclose(library);
}

}  // namespace
