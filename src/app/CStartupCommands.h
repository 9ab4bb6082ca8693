#pragma once

#include <functional>

class CCommandRouter;
class QObject;

// For tests that drive the real program from outside (the recovery test
// kills it): VELDRA2_TEST_COMMANDS lists command ids to run through the
// router once the window is up, separated by commas; "@N" waits N
// milliseconds before the next, "select:N" selects the layout's object N
// (0 = the front one) as a click would. Unset, nothing happens.
namespace CStartupCommands {

void Schedule(CCommandRouter& router, QObject* context, std::function<void(int object)> select);

} // namespace CStartupCommands
