// The session end asks the running applications and does not force them: a window that refuses
// keeps the session, and this test process, alive. Runs in a prefix of its own, since a session
// end that forced would end every process of the prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/abf/Shutdown.h"
#include "platform/vcl/MessageWindow.h"
#include "tests/wine/InProcess.h"

namespace {

using abf::TabfShutdown;
using abf::TabfShutdownActionType;

struct TEndSessionMessage {
  UINT message;
  WPARAM wParam;
  bool operator==(const TEndSessionMessage&) const = default;
};

TEST(SessionQuery, ApplicationsAreAskedAndOneThatRefusesKeepsTheSession) {
  for (TabfShutdownActionType action :
       {TabfShutdownActionType::aatLogOff, TabfShutdownActionType::aatShutdown}) {
    SCOPED_TRACE(static_cast<int>(action));
    std::vector<TEndSessionMessage> received;
    vcl::TMessageWindow refuser({.className = "SessionQueryRefuser"},
                                [&](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
                                  if (message == WM_QUERYENDSESSION) {
                                    received.push_back({message, wParam});
                                    return FALSE;
                                  }
                                  if (message == WM_ENDSESSION) {
                                    received.push_back({message, wParam});
                                    return 0;
                                  }
                                  return std::nullopt;
                                });
    TabfShutdown shutdown(nullptr, "abfShutdown1");
    shutdown.SetActionType(action);
    EXPECT_TRUE(shutdown.Execute());
    EXPECT_TRUE(test_support::PumpUntil([&] { return received.size() >= 2; }, 15000));
    test_support::PumpFor(1000);
    EXPECT_EQ(received,
              (std::vector<TEndSessionMessage>{{WM_QUERYENDSESSION, 0}, {WM_ENDSESSION, FALSE}}));
  }
}

}  // namespace
