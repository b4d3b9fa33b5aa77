// The start-with-Windows value from the executable's path: name, data and type.
#include <gtest/gtest.h>

#include "platform/abf/AutoRunValue.h"

namespace {

using abf::RunValueFor;
using abf::TRunValueType;

TEST(AutoRunValue, NameDataAndTypeFromThePath) {
  struct Case {
    const char* what;
    const char* path;
    const char* name;
    const char* data;
    TRunValueType type;
  };
  for (const Case& c : {
           Case{"plain", R"(C:\Tools\calvorin.exe)", "calvorin.exe", R"(C:\Tools\calvorin.exe)",
                TRunValueType::String},
           Case{"a space is quoted", R"(C:\Program Files\Calvorin\calvorin.exe)", "calvorin.exe",
                R"("C:\Program Files\Calvorin\calvorin.exe")", TRunValueType::String},
           Case{"a space in the file name", R"(C:\Tools\my calvorin.exe)", "my calvorin.exe",
                R"("C:\Tools\my calvorin.exe")", TRunValueType::String},
           Case{"a percent sign expands", R"(C:\100%\calvorin.exe)", "calvorin.exe",
                R"(C:\100%\calvorin.exe)", TRunValueType::ExpandString},
           Case{"percent sign and space", R"(C:\50% off\x.exe)", "x.exe", R"("C:\50% off\x.exe")",
                TRunValueType::ExpandString},
           Case{"a percent sign in the name", R"(C:\Tools\%TEMP%.exe)", "%TEMP%.exe",
                R"(C:\Tools\%TEMP%.exe)", TRunValueType::ExpandString},
           Case{"slash last", R"(C:\Tools/sub/calvorin.exe)", "calvorin.exe",
                R"(C:\Tools/sub/calvorin.exe)", TRunValueType::String},
           Case{"colon last", "C:calvorin.exe", "calvorin.exe", "C:calvorin.exe",
                TRunValueType::String},
           Case{"backslash after a slash", R"(C:/Tools\calvorin.exe)", "calvorin.exe",
                R"(C:/Tools\calvorin.exe)", TRunValueType::String},
           Case{"UNC path", R"(\\server\share\calvorin.exe)", "calvorin.exe",
                R"(\\server\share\calvorin.exe)", TRunValueType::String},
           Case{"no folder", "calvorin.exe", "calvorin.exe", "calvorin.exe", TRunValueType::String},
           Case{"no extension", R"(C:\Tools\calvorin)", "calvorin", R"(C:\Tools\calvorin)",
                TRunValueType::String},
           Case{"dots in folders", R"(C:\a.b\c.d.exe)", "c.d.exe", R"(C:\a.b\c.d.exe)",
                TRunValueType::String},
           Case{"ends in a separator", R"(C:\Tools\)", "", R"(C:\Tools\)", TRunValueType::String},
           Case{"empty", "", "", "", TRunValueType::String},
       }) {
    abf::TRunValue value = RunValueFor(c.path);
    EXPECT_EQ(value.name, c.name) << c.what;
    EXPECT_EQ(value.data, c.data) << c.what;
    EXPECT_EQ(value.type, c.type) << c.what;
  }
}

}  // namespace
