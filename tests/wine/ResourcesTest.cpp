// The version block and the manifest of the shipped executable, read as Windows reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ProgramUnderTest.h"

namespace {

struct TModuleFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

TEST(Resources, VersionBlockNamesVersion134InOneUsEnglishStringTable) {
  const std::string exe = test_support::CalvorinExe();
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  ASSERT_NE(size, 0u) << exe;
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(34, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(34, 1));
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);  // one table
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 0x04E4);

  const std::map<std::string, std::string> expected{
      {"CompanyName", "Calvorin Labs"}, {"FileDescription", "Calvorin 1.34 Home Edition"},
      {"FileVersion", "1.34.0.0"},      {"InternalName", ""},
      {"LegalCopyright", ""},           {"LegalTrademarks", ""},
      {"OriginalFilename", ""},         {"ProductName", "Calvorin 1.34 Home Edition"},
      {"ProductVersion", "1.34.0.0"},   {"Comments", ""},
  };
  for (const auto& [name, value] : expected) {
    char* text = nullptr;
    std::string path = "\\StringFileInfo\\040904E4\\" + name;
    ASSERT_TRUE(
        VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
        << name << " is missing";
    EXPECT_EQ(std::string(text), value) << name;
  }
}

TEST(Resources, ManifestAsksForCommonControls6) {
  std::unique_ptr<std::remove_pointer_t<HMODULE>, TModuleFreer> exe(
      LoadLibraryExA(test_support::CalvorinExe().c_str(), nullptr,
                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_NE(exe, nullptr);
  HRSRC found = FindResourceExA(exe.get(), MAKEINTRESOURCEA(24) /* RT_MANIFEST */,
                                MAKEINTRESOURCEA(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(exe.get(), found)));
  std::string manifest(data, SizeofResource(exe.get(), found));
  for (const char* part : {"xmlns=\"urn:schemas-microsoft-com:asm.v1\"", "manifestVersion=\"1.0\"",
                           "type=\"win32\" name=\"CalvorinLabs.Calvorin\" version=\"1.0.0.0\" "
                           "processorArchitecture=\"*\"",
                           "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                           "publicKeyToken=\"6595b64144ccf1df\" language=\"*\""}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
}

}  // namespace
