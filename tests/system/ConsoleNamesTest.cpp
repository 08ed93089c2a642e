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
