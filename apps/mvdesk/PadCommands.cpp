#include "PadCommands.h"

#include "CommandLine.h"
#include "Console.h"
#include "Desktop.h"
#include "DesktopPad.h"
#include "DesktopSession.h"
#include "PadLimits.h"

#include <functional>
#include <map>

namespace {

using Args = Console::Args;

struct PadCommand {
    const char* usage;
    size_t arguments; // after the pad
    std::function<bool(Console&, Desktop&, DesktopPad*, const Args&)> run;
};

bool Ints(Console& console, const Args& args, size_t from, long* out, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (!console.IntArg(args[from + i], out[i]))
            return false;
    }
    return true;
}

bool Size(Console& console, const Args& args, size_t from, long* out) {
    return console.IntArg(args[from], out[0], 0, kPadSizeMax) &&
           console.IntArg(args[from + 1], out[1], 0, kPadSizeMax);
}

// The place must keep the pad, and everything on it, within the desktop's positions.
bool Fits(Console& console, Desktop& desktop, DesktopPad* pad, DesktopPad* parent, long x, long y) {
    if (pad != nullptr ? desktop.PlaceFits(*pad, parent, x, y) : desktop.PlaceFits(parent, x, y))
        return true;
    console.Error("(" + std::to_string(x) + "," + std::to_string(y) + ") would place " +
                  (pad != nullptr && pad->ChildCount() > 0 ? "pads" : "the pad") +
                  " outside the desktop, whose positions run from " +
                  std::to_string(kPadPositionMin) + " to " + std::to_string(kPadPositionMax));
    return false;
}

// Every pad command names a pad first; `pad add` and `pad paste` may name the desktop.
const std::map<std::string, PadCommand>& PadCommands() {
    using D = Desktop;
    auto simple = [](bool (D::*op)(DesktopPad*)) {
        return [op](Console&, Desktop& d, DesktopPad* p, const Args&) { return (d.*op)(p); };
    };
    static const std::map<std::string, PadCommand> commands = {
        {"move",
         {"pad move PAD X Y", 2,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              long v[2];
              return Ints(c, a, 2, v, 2) && Fits(c, d, p, p->Parent(), v[0], v[1]) &&
                     d.MovePad(p, int(v[0]), int(v[1]));
          }}},
        {"resize",
         {"pad resize PAD W H", 2,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              long v[2];
              return Size(c, a, 2, v) && d.ResizePad(p, int(v[0]), int(v[1]));
          }}},
        {"hide", {"pad hide PAD", 0, simple(&D::HidePad)}},
        {"show", {"pad show PAD", 0, simple(&D::ShowPad)}},
        {"delete", {"pad delete PAD", 0, simple(&D::DeletePad)}},
        {"destroy", {"pad destroy PAD", 0, simple(&D::DestroyPad)}},
        {"select", {"pad select PAD", 0, simple(&D::SelectPad)}},
        {"deselect", {"pad deselect PAD", 0, simple(&D::DeselectPad)}},
        {"group",
         {"pad group PAD", 0,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              if (p->get_groupDepth() < kPadGroupDepthMax)
                  return d.GroupPad(p);
              c.Error("'" + a[1] + "' is grouped " + std::to_string(kPadGroupDepthMax) +
                      " deep already, the most there is");
              return false;
          }}},
        {"ungroup", {"pad ungroup PAD", 0, simple(&D::UngroupPad)}},
        {"rename",
         {"pad rename PAD NAME", 1,
          [](Console&, Desktop& d, DesktopPad* p, const Args& a) { return d.RenamePad(p, a[2]); }}},
        {"connect",
         {"pad connect PAD SLOT", 1,
          [](Console&, Desktop& d, DesktopPad* p, const Args& a) {
              return d.ConnectPad(p, a[2]);
          }}},
        {"slot",
         {"pad slot PAD SLOT VALUE", 2,
          [](Console&, Desktop& d, DesktopPad* p, const Args& a) {
              return d.SetSlotValue(p, a[2], a[3]);
          }}},
        {"output",
         {"pad output PAD SLOT", 1,
          [](Console&, Desktop& d, DesktopPad* p, const Args& a) { return d.SetOutput(p, a[2]); }}},
        {"protect",
         {"pad protect PAD BITS", 1,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              ParsedNumber bits = ParseInteger(a[2], 0, 0xFFFFFFFF, true);
              if (bits.result != ParsedNumber::Ok) {
                  c.Error("'" + a[2] + "' is not a number from 0 to 0xFFFFFFFF");
                  return false;
              }
              return d.SetProtection(p, static_cast<unsigned>(bits.value));
          }}},
        {"paste",
         {"pad paste PAD ONTO|desktop X Y", 3,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              DesktopPad* onto = nullptr;
              long v[2];
              if (a[2] != "desktop" && !c.PadArg(a[2], onto))
                  return false;
              return Ints(c, a, 3, v, 2) && Fits(c, d, p, onto, v[0], v[1]) &&
                     d.RepastePad(p, onto, int(v[0]), int(v[1]));
          }}},
    };
    return commands;
}

void AddPad(Console& console, const Args& args) {
    // pad add PARENT NAME X Y W H [CLASS]
    if (!console.ArgCount(args, 7, 8, "pad add PARENT|desktop NAME X Y W H [CLASS]"))
        return;
    DesktopPad* parent = nullptr;
    if (args[1] != "desktop" && !console.PadArg(args[1], parent))
        return;
    long v[4];
    Desktop& desktop = console.Session().GetDesktop();
    if (!Ints(console, args, 3, v, 2) || !Size(console, args, 5, v + 2) ||
        !Fits(console, desktop, nullptr, parent, v[0], v[1]))
        return;
    DesktopPad* pad = desktop.AddPad(parent, args[2], int(v[0]), int(v[1]), int(v[2]), int(v[3]),
                                     args.size() == 8 ? args[7] : "MvPad");
    if (pad == nullptr)
        console.Error("the desktop refused to add the pad");
    else
        console.Print("pad #" + std::to_string(pad->GetCreatePadID()));
}

void RunPadCommand(Console& console, const Args& args) {
    if (args.empty()) {
        console.Error("usage: pad add|move|resize|hide|show|delete|destroy|select|deselect|"
                      "rename|paste|connect|slot|output|group|ungroup|protect ...");
        return;
    }
    if (args[0] == "add") {
        AddPad(console, args);
        return;
    }
    auto it = PadCommands().find(args[0]);
    if (it == PadCommands().end()) {
        console.Error("unknown pad command '" + args[0] + "'");
        return;
    }
    const PadCommand& command = it->second;
    if (!console.ArgCount(args, 2 + command.arguments, 2 + command.arguments, command.usage))
        return;
    DesktopPad* pad = nullptr;
    if (!console.PadArg(args[1], pad))
        return;
    Desktop& desktop = console.Session().GetDesktop();
    int errorsBefore = console.errorCount();
    // An argument the command could not read has been reported already.
    if (!command.run(console, desktop, pad, args) && console.errorCount() == errorsBefore)
        console.Error("the desktop refused: " + std::string(command.usage));
}

} // namespace

void RegisterPadCommands(Console& console) {
    console.Define("pad", "pad OPERATION PAD ...",
                   "change the desktop (add move resize hide show delete destroy select "
                   "deselect rename paste connect slot output group ungroup protect)",
                   [&console](const Args& args) { RunPadCommand(console, args); });
    console.Define("undo", "undo", "revert the desktop's newest move, resize or undoable delete",
                   [&console](const Args& args) {
                       if (!console.ArgCount(args, 0, 0, "undo"))
                           return;
                       if (!console.Session().GetDesktop().Undo())
                           console.Error("nothing to undo");
                   });
}
