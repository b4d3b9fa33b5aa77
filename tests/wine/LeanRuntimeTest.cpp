// The program's replacements for the runtime's error reports still raise exceptions that callers
// can catch, with the library's message.
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

std::string MessageOf(const std::function<void()>& misuse) {
  try {
    misuse();
  } catch (const std::exception& raised) {
    return raised.what();
  }
  return "nothing raised";
}

TEST(LeanRuntime, MisusedContainersRaiseAnExceptionWithTheLibrarysMessage) {
  struct Case {
    const char* what;
    std::function<void()> misuse;
    const char* messageStart;
  };
  const char* volatile noText = nullptr;
  const Case cases[] = {
      {"vector beyond max_size",
       [] { std::vector<int>().reserve(std::vector<int>().max_size() + 1); }, "vector::reserve"},
      {"string::at out of range", [] { (void)std::string("ab").at(2); }, "basic_string::at"},
      {"string from a null pointer", [&] { std::string text(noText); },
       "basic_string: construction"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MessageOf(c.misuse).rfind(c.messageStart, 0), 0u) << MessageOf(c.misuse);
  }
}

TEST(LeanRuntime, AnAllocationBeyondTheAllocatorsLimitStillRaisesBadAlloc) {
  std::allocator<double> allocator;
  auto tooMany = std::allocator_traits<std::allocator<double>>::max_size(allocator) + 1;
  EXPECT_THROW((void)allocator.allocate(tooMany), std::bad_alloc);
}

}  // namespace
