#include "ConsoleRun.h"

namespace {

// Each name form beside its number, and each way a name can fail, on the demo desktop.
TEST(ConsoleNames, NamesStandBesideNumbers) {
    const struct {
        const char* script;
        std::vector<std::string> expected;
    } cases[] = {
        {"open stage\n", {"opened 1 \"Stage - Inspector\""}},
        {"open STAGE/panel/ok\n", {"opened 1 \"OK - Inspector\""}},
        {"pad move OK 10 10\n", {"error: no pad 'OK'; did you mean 'Stage/Panel/OK'?"}},
        {"open Stag\n", {"error: no pad 'Stag'; did you mean 'Stage'?"}},
        {"open Stage\nclick 1 Panel\nstatus 1\n", {"Panel"}},
        {"open Stage\nclick 1 pnel\n", {"error: no row 'pnel'; did you mean 'Panel'?"}},
        {"open Stage\nclick 1 \"1\"\n", {"error: no row '1'"}},
        {"open Stage\ndrag 1 OK Form\n", {"dialog 102 \"Insert/Replace\""}},
        {"open Stage\nkey 1 down ctrl+a\nstatus 1\n", {"14/14"}},
        {"open Stage\nkey 1 dwn\n", {"error: unknown key 'dwn'; did you mean 'Down'?"}},
        {"open Stage\nclick 1 OK\nmenu 1 edit/geometry\ndlg set x 500\ndlg click ok\nrows 1\n",
         {"dialog 202 \"Geometry\"", "dialog closed 202", "\tOK\t500\t"}},
        {"open Stage\nclick 1 OK\nbutton 1 Geometry\ndlg click Cancle\n",
         {"dialog 202 \"Geometry\"", "error: no control 'Cancle'; did you mean 'Cancel'?"}},
        {"open Stage\nclick 1 OK\nbutton 1 Geometry\ndlg help X\n",
         {"error: 'X' names 2 controls: '&X:' (1105), '&X' (1019)"}},
        {"open Stage\nmenu 1 Edit/Geomtry\n",
         {"error: no menu item 'Edit/Geomtry'; did you mean 'Edit/Geometry...'?"}},
        {"open Stage\nbutton 1 Nowhere\n", {"error: no button 'Nowhere'"}},
        {"opne\n", {"error: unknown command 'opne'; did you mean 'open'? (try help)"}},
    };
    for (const auto& c : cases) {
        ConsoleRun run = RunConsole(c.script);
        SCOPED_TRACE(c.script);
        ExpectInOrder(run.output, c.expected);
    }
}

// English menu paths name the same commands in a Japanese session, beside the Japanese ones.
TEST(ConsoleNames, EnglishMenuPathsWorkInAJapaneseSession) {
    ConsoleRun run = RunConsole("open Stage\nmenu 1 Edit/Search...\ndlg key Escape\n"
                                "menu 1 edit/search\ndlg key Escape\nmenu 1 Edit/Nowhere\n"
                                "click 1 Panel\nbutton 1 Geometry\ndlg key Escape\n",
                                "--lang ja");
    ExpectInOrder(run.output,
                  {"dialog 204", "dialog closed 204", "dialog 204", "dialog closed 204",
                   "error: no menu item 'Edit/Nowhere'", "dialog 202", "dialog closed 202"});
}

// A prompt lets no typo pass: a context menu asks again, a message box takes its captions,
// and quit cancels what waits.
TEST(ConsoleNames, PromptsAskAgainAfterATypo) {
    const struct {
        const char* script;
        std::vector<std::string> expected;
        int status;
    } cases[] = {
        {"open Stage\nrclick 1 OK\nGeomtry...\nnone\n",
         {"popup:", "error: no menu item 'Geomtry...'; did you mean 'Geometry...'?"},
         1},
        {"open Stage\nrclick 1 OK\ngeometry\ndlg click Cancel\n",
         {"popup:", "dialog 202 \"Geometry\"", "dialog closed 202"},
         0},
        {"fail window 1\nopen\nOK\ninspectors\n", {"msgbox 32741 OK", "0 open"}, 0},
        {"fail window 1\nopen\nquit\necho not run\n", {"msgbox 32741 OK"}, 0},
        {"open Stage\nclick 1 OK\nbutton 1 Geometry\nquit\necho not run\n",
         {"dialog 202 \"Geometry\"", "dialog closed 202", "closed 1"},
         0},
    };
    for (const auto& c : cases) {
        ConsoleRun run = RunConsole(c.script);
        SCOPED_TRACE(c.script);
        ExpectInOrder(run.output, c.expected);
        EXPECT_EQ(run.output.find("not run"), std::string::npos) << run.output;
        EXPECT_EQ(run.status, c.status) << run.output;
    }
}

} // namespace

namespace {

std::string Capture(const std::string& arguments, int& status) {
    // A registry of its own, which these runs do not write.
    std::string registry = "/tmp/mvdesk-options-" + std::to_string(getpid()) + ".json";
    std::string command =
        "MVDESK_REGISTRY=" + registry + " " + MV_BUILD_BIN_DIR + "/mvdesk " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    int result = pclose(pipe);
    std::remove(registry.c_str());
    status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

TEST(ConsoleOptions, HelpVersionAndUnknownOptions) {
    const struct {
        const char* arguments;
        int status;
        std::vector<std::string> expected;
    } cases[] = {
        {"--help",
         0,
         {"usage: mvdesk", "--lang en|ja", "--scene FILE", "--script FILE", "--registry FILE",
          "--help-dir DIR", "-e COMMAND", "--version"}},
        {"--version", 0, {"mvdesk 1."}},
        {"--bogus", 2, {"mvdesk: unknown option '--bogus'", "usage: mvdesk"}},
        {"--scene", 2, {"mvdesk: --scene needs a value"}},
    };
    for (const auto& c : cases) {
        int status = -1;
        std::string output = Capture(c.arguments, status);
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(status, c.status) << output;
        ExpectInOrder(output, c.expected);
    }
}

TEST(ConsoleOptions, APipeSeesNoDemoStart) {
    int status = -1;
    std::string output = Capture("-e \"echo only\" < /dev/null", status);
    EXPECT_EQ(output.find("opened"), std::string::npos) << output;
    output = Capture("< /dev/null", status);
    EXPECT_EQ(output, "help \"\" HELP_QUIT 0\n")
        << "today's start: nothing but the desktop's close";
    EXPECT_EQ(status, 0);
}

TEST(ConsoleHelp, HelpTellsOneWordAndGroupsTheRest) {
    ConsoleRun run = RunConsole("help dlg\nhelp clik\nhelp\n");
    ExpectInOrder(run.output, {"usage: dlg", "prints: ", "example: dlg click",
                               "error: no command 'clik'; did you mean 'click'?",
                               "frames:", "mouse and keys:", "dialogs:", "pads:", "failures:"});
}

} // namespace
