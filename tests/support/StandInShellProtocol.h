// Messages the stand-in shell's Start button answers, to report the SetWindowPos calls it got.
#pragma once

#include <windows.h>

#include <cstdint>

namespace test_support {

constexpr UINT kStandInCallCount = WM_APP + 1;  // -> number of calls logged
constexpr UINT kStandInCall = WM_APP + 2;       // wParam: index -> PackCall(x, y, cx, cy)
constexpr UINT kStandInClearCalls = WM_APP + 3;

static_assert(sizeof(LRESULT) == 8, "a call is packed into one 64-bit result");

inline LRESULT PackCall(int x, int y, int cx, int cy) {
  auto part = [](int v, int shift) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v)) << shift;
  };
  return static_cast<LRESULT>(part(x, 0) | part(y, 16) | part(cx, 32) | part(cy, 48));
}

struct TLoggedCall {
  int x, y, cx, cy;
  bool operator==(const TLoggedCall&) const = default;
};

inline TLoggedCall UnpackCall(LRESULT packed) {
  auto value = static_cast<std::uint64_t>(packed);
  auto part = [value](int shift) {
    return static_cast<int>(static_cast<std::int16_t>(value >> shift));
  };
  return {part(0), part(16), part(32), part(48)};
}

}  // namespace test_support
