#include "PadCommands.h"

#include "Console.h"
#include "Desktop.h"
#include "DesktopPad.h"
#include "DesktopSession.h"

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
              return Ints(c, a, 2, v, 2) && d.MovePad(p, int(v[0]), int(v[1]));
          }}},
        {"resize",
         {"pad resize PAD W H", 2,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              long v[2];
              return Ints(c, a, 2, v, 2) && d.ResizePad(p, int(v[0]), int(v[1]));
          }}},
        {"hide", {"pad hide PAD", 0, simple(&D::HidePad)}},
        {"show", {"pad show PAD", 0, simple(&D::ShowPad)}},
        {"delete", {"pad delete PAD", 0, simple(&D::DeletePad)}},
        {"destroy", {"pad destroy PAD", 0, simple(&D::DestroyPad)}},
        {"select", {"pad select PAD", 0, simple(&D::SelectPad)}},
        {"deselect", {"pad deselect PAD", 0, simple(&D::DeselectPad)}},
        {"group", {"pad group PAD", 0, simple(&D::GroupPad)}},
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
              char* end = nullptr;
              unsigned long bits = std::strtoul(a[2].c_str(), &end, 0);
              if (a[2].empty() || *end != '\0') {
                  c.Error("'" + a[2] + "' is not a number");
                  return false;
              }
              return d.SetProtection(p, static_cast<unsigned>(bits));
          }}},
        {"paste",
         {"pad paste PAD ONTO|desktop X Y", 3,
          [](Console& c, Desktop& d, DesktopPad* p, const Args& a) {
              DesktopPad* onto = nullptr;
              long v[2];
              if (a[2] != "desktop" && !c.PadArg(a[2], onto))
                  return false;
              return Ints(c, a, 3, v, 2) && d.RepastePad(p, onto, int(v[0]), int(v[1]));
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
    if (!Ints(console, args, 3, v, 4))
        return;
    Desktop& desktop = console.Session().GetDesktop();
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
