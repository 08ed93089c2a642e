#include "CommandHelp.h"

#include <algorithm>

namespace {

constexpr const char* kFrames = "frames";
constexpr const char* kMouse = "mouse and keys";
constexpr const char* kDialogs = "dialogs";
constexpr const char* kPads = "pads";
constexpr const char* kSettings = "settings and the session";
constexpr const char* kFailures = "failures";

const CommandHelp kHelp[] = {
    {"open", kFrames, "opened N \"TITLE\" for the new frame, or open refused", "open Stage/Panel"},
    {"inspectors", kFrames, "the count, then index, frame number and title per Inspector",
     "inspectors"},
    {"rows", kFrames, "one row a line, TAB-separated: depth, label, position, size and more",
     "rows 1"},
    {"list", kFrames, "a header line, then index, state letters, image and cells per item",
     "list 1"},
    {"show", kFrames, "title, menu bar, toolbar, the table with its rows numbered, status panes",
     "show 1"},
    {"status", kFrames, "the two status panes, TAB-separated", "status 1"},
    {"window", kFrames, "the rectangle (x,y,width,height) and the window's state", "window 1"},
    {"move", kFrames, "nothing; the frame moves", "move 1 300 200 400 300"},
    {"close", kFrames, "closed N when the frame closes", "close 1"},
    {"cmd", kFrames, "what the command does", "cmd 1 32704"},
    {"syscmd", kFrames, "what the system command does", "syscmd 1 minimize"},
    {"menus", kFrames, "the menu bar, an item a line with its id and state", "menus 1"},
    {"menu", kFrames, "what the command does; error: when the item is disabled",
     "menu 1 Edit/Geometry"},
    {"activate", kFrames, "nothing; the frame becomes active", "activate 2"},
    {"tools", kFrames, "the count, then index, frame number and title per tool window", "tools"},
    {"closeall", kFrames, "closed N for every Inspector", "closeall"},
    {"click", kMouse, "what the click changes (see show, status)", "click 1 Panel ctrl"},
    {"dblclick", kMouse, "what the double click does", "dblclick 1 Panel"},
    {"rclick", kMouse, "popup: and the menu's items; choose> then takes one, or none",
     "rclick 1 OK"},
    {"drag", kMouse, "what the drop does, e.g. dialog 102 \"Insert/Replace\"", "drag 1 OK Form"},
    {"key", kMouse, "what the keys do", "key 1 Down Shift+Down ctrl+a"},
    {"button", kMouse, "what the button's command does", "button 1 Geometry"},
    {"where", kMouse, "the screen rectangle (x,y,width,height) a person would click",
     "where dlg 1010"},
    {"desk", kMouse, "what the click, double click or drag on the desktop window does",
     "desk click 500 360 ctrl"},
    {"dlg", kDialogs,
     "alone: the dialog and its controls, one a line; with an action: nothing when it works",
     "dlg click \"Delete Child Pads\""},
    {"pads", kPads, "the pad tree, topmost first, indented per level", "pads"},
    {"pad", kPads, "pad #ID for pad add; nothing else when the change is made",
     "pad move Stage/Panel/OK 400 300"},
    {"save", kPads, "saved FILE, or error: with the reason; the old file stays whole",
     "save my-scene.json"},
    {"load", kPads, "loaded FILE; Inspectors on pads that went close", "load my-scene.json"},
    {"undo", kPads, "nothing; error: nothing to undo when there is none", "undo"},
    {"props", kPads, "what the pad-property window last received", "props"},
    {"wait", kSettings, "what falls due meanwhile (timers)", "wait 500"},
    {"echo", kSettings, "its text", "echo -- after the move --"},
    {"help", kSettings, "the commands by group, or one command's usage, output and example",
     "help dlg"},
    {"quit", kSettings, "closed N for every frame; a box or dialog waiting is cancelled", "quit"},
    {"fail", kFailures, "failed on demand: OPERATION (WHAT) for each failure made",
     "fail dialog 1"},
};

} // namespace

const CommandHelp* FindCommandHelp(std::string_view word) {
    auto it = std::find_if(std::begin(kHelp), std::end(kHelp),
                           [&](const CommandHelp& help) { return word == help.word; });
    return it == std::end(kHelp) ? nullptr : it;
}

const std::vector<const char*>& HelpGroups() {
    static const std::vector<const char*> groups = {kFrames, kMouse,    kDialogs,
                                                    kPads,   kSettings, kFailures};
    return groups;
}
