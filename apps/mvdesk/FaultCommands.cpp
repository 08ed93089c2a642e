#include "FaultCommands.h"

#include "Console.h"
#include "DesktopHost.h"
#include "DesktopSession.h"

#include <climits>

namespace {

using Args = Console::Args;
using Kind = FaultInjector::Kind;

constexpr char kUsage[] = "fail window|accelerators|dialog|registry N|always|off, or fail off";

void Fail(Console& console, const Args& args) {
    FaultInjector& faults = console.Session().Host().Faults();
    if (args.size() == 1 && args[0] == "off") {
        faults.DisarmAll();
        return;
    }
    if (!console.ArgCount(args, 2, 2, kUsage))
        return;
    std::optional<Kind> kind = FaultInjector::Named(args[0]);
    if (!kind) {
        console.Error("unknown kind of failure '" + args[0] + "' (usage: " + kUsage + ")");
        return;
    }
    long nth = 1;
    if (args[1] == "off") {
        faults.Disarm(*kind);
    } else if (args[1] == "always") {
        faults.Arm(*kind, 1, true);
    } else if (console.IntArg(args[1], nth, 1, INT_MAX)) {
        faults.Arm(*kind, static_cast<int>(nth), false);
    }
}

} // namespace

void RegisterFaultCommands(Console& console) {
    console.Session().Host().Faults().SetObserver([&console](Kind kind, const std::string& what) {
        console.Print(std::string("failed on demand: ") + FaultInjector::Operation(kind) + " (" +
                      what + ")");
    });
    console.Define("fail", "fail KIND N|always|off",
                   "make the Nth next window creation, accelerator loading, dialog creation or "
                   "registry write fail, or every one (always), or none (off)",
                   [&console](const Args& args) { Fail(console, args); });
}
