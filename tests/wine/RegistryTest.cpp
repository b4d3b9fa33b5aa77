// The registry object against Wine's registry, in a key of the tests' own.
#include <gtest/gtest.h>

#include <string>

#include "platform/vcl/Registry.h"

namespace {

const char* const kTestsKey = R"(Software\Calvorin Tests)";
const std::string kKey = R"(Software\Calvorin Tests\Registry)";

struct TStored {
  DWORD type = REG_NONE;
  std::string data;
};

TStored Stored(const std::string& key, const std::string& name) {
  char data[512] = {};
  DWORD size = sizeof data;
  TStored stored;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                   &stored.type, data, &size) == ERROR_SUCCESS) {
    stored.data = data;
  }
  return stored;
}

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestsKey); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestsKey); }
};

TEST_F(Registry, OpensOrCreatesAKeyAndWritesAndDeletesItsValues) {
  vcl::TRegistry registry;
  EXPECT_EQ(registry.RootKey(), HKEY_CURRENT_USER);
  EXPECT_EQ(registry.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));
  EXPECT_FALSE(registry.OpenKey(kKey, false));  // missing, and not created
  EXPECT_EQ(registry.CurrentKey(), nullptr);
  ASSERT_TRUE(registry.OpenKey(kKey, true));

  registry.WriteString("plain", R"(C:\Tools\calvorin.exe)");
  registry.WriteExpandString("expand", R"(%SystemRoot%\calvorin.exe)");
  EXPECT_EQ(Stored(kKey, "plain").type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Stored(kKey, "plain").data, R"(C:\Tools\calvorin.exe)");
  EXPECT_EQ(Stored(kKey, "expand").type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(Stored(kKey, "expand").data, R"(%SystemRoot%\calvorin.exe)");

  EXPECT_TRUE(registry.ValueExists("plain"));
  EXPECT_FALSE(registry.ValueExists("missing"));
  EXPECT_TRUE(registry.DeleteValue("plain"));
  EXPECT_FALSE(registry.ValueExists("plain"));
  EXPECT_FALSE(registry.DeleteValue("plain"));
  EXPECT_TRUE(registry.ValueExists("expand"));
}

TEST_F(Registry, PathsAreBelowTheCurrentKeyUnlessTheyStartAtTheRoot) {
  vcl::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("top", "0");
  ASSERT_TRUE(registry.OpenKey("Below", true));
  registry.WriteString("here", "1");
  EXPECT_EQ(Stored(kKey + R"(\Below)", "here").data, "1");
  EXPECT_FALSE(registry.ValueExists("top"));

  ASSERT_TRUE(registry.OpenKey("\\" + kKey, false));
  EXPECT_TRUE(registry.ValueExists("top"));
}

TEST_F(Registry, AWriteThatCannotBeMadeRaises) {
  vcl::TRegistry reading(KEY_READ);
  ASSERT_TRUE(reading.OpenKey(kKey, true));
  EXPECT_THROW(reading.WriteString("refused", "x"), vcl::ERegistryException);
  EXPECT_THROW(reading.WriteExpandString("refused", "x"), vcl::ERegistryException);
  EXPECT_EQ(Stored(kKey, "refused").type, static_cast<DWORD>(REG_NONE));

  vcl::TRegistry closed;
  ASSERT_TRUE(closed.OpenKey(kKey, true));
  closed.CloseKey();
  EXPECT_EQ(closed.CurrentKey(), nullptr);
  EXPECT_THROW(closed.WriteString("refused", "x"), vcl::ERegistryException);
}

}  // namespace
