#include "HelpLine.h"

#include "Console.h"

namespace {

std::string CommandName(UINT command) {
    switch (command) {
    case HELP_CONTEXT:
        return "HELP_CONTEXT";
    case HELP_QUIT:
        return "HELP_QUIT";
    case HELP_HELPONHELP:
        return "HELP_HELPONHELP";
    case HELP_CONTEXTPOPUP:
        return "HELP_CONTEXTPOPUP";
    case HELP_FINDER:
        return "HELP_FINDER";
    case HELP_PARTIALKEY:
        return "HELP_PARTIALKEY";
    default:
        return std::to_string(command);
    }
}

} // namespace

std::string DescribeHelpCall(const HelpCall& call, const Console& console) {
    std::string data = call.command == HELP_PARTIALKEY
                           ? "\"" + console.FromCodePage(call.keyword) + "\""
                           : std::to_string(call.data);
    return "help \"" + console.FromCodePage(call.file) + "\" " + CommandName(call.command) + " " +
           data;
}
