// The names of the two single-instance mutexes.
#include <gtest/gtest.h>

#include "platform/abf/InstanceNames.h"

namespace {

TEST(InstanceNames, FromTheTitleOrThePath) {
  struct Case {
    const char* what;
    abf::TInstanceIdentity identity;
    const char* base;
  };
  const char* path = R"(C:\Program Files\Calvorin\calvorin.exe)";
  for (const Case& c : {
           Case{"the title", {.title = "Calvorin", .exeName = path}, "Calvorin.OneInstance."},
           Case{"title and identifier",
                {.title = "Calvorin", .identifier = "-x", .exeName = path},
                "Calvorin-x.OneInstance."},
           Case{"backslashes in the title",
                {.title = R"(a\b\\c)", .exeName = path},
                "a/b//c.OneInstance."},
           Case{"backslash in the identifier",
                {.title = "Calvorin", .identifier = R"(\x)", .exeName = path},
                "Calvorin/x.OneInstance."},
           Case{"the path upper-cased in place of the title",
                {.title = "Calvorin", .exeNameAsIdentifier = true, .exeName = path},
                "C:/PROGRAM FILES/CALVORIN/CALVORIN.EXE.OneInstance."},
           Case{"the path and the identifier",
                {.title = "Calvorin",
                .identifier = "id",
                .exeNameAsIdentifier = true,
                .exeName = "c:/a%b/x.exe"},
                "C:/A%B/X.EXEid.OneInstance."},
           Case{"empty title", {.title = "", .exeName = path}, ".OneInstance."},
       }) {
    abf::TInstanceNames names = abf::InstanceNames(c.identity);
    EXPECT_EQ(names.criticalSection, std::string(c.base) + "CriticalSection") << c.what;
    EXPECT_EQ(names.defaultMutex, std::string(c.base) + "Default") << c.what;
  }
}

}  // namespace
