#include "ConsoleRun.h"

#include <csignal>

namespace {

TEST(Console, OpensTheDesktopInspectorAndPrintsItsRows) {
    ConsoleRun run = RunConsole("open\nrows 1\ninspectors\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("opened 1 \"Desktop - Inspector\""), std::string::npos);
    EXPECT_NE(run.output.find("0\tDesktop\t0\t0\t0\t0"), std::string::npos);
    EXPECT_NE(run.output.find("3\tOK\t470\t350\t80\t24\t420\t290\t1\t0\t1010\t1\t0"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("0\t1\t\"Desktop - Inspector\""), std::string::npos);
    EXPECT_NE(run.output.find("closed 1"), std::string::npos);
}

TEST(Console, WhereGivesScreenRectanglesOfWhatIsShown) {
    ConsoleRun run = RunConsole("open Stage\nwhere 1 9\nclick 1 9\nmenu 1 Edit/Geometry...\n"
                                "where dlg 1010\nwhere dlg help\nwhere dlg 4242\nwhere 1 99\n"
                                "dlg key Escape\nwhere dlg 1010\nwhere box ok\n"
                                "where popup 32702\nwhere box maybe\n");
    EXPECT_EQ(Count(run.output, "\n("), 3) << run.output;
    // The native window system shows message boxes and context menus as no windows.
    for (const char* expected :
         {"error: dialog 202 has no control 4242", "error: frame 1 has no row 99",
          "error: no dialog is open", "error: no message box is shown",
          "error: no context menu with item 32702 is shown", "error: usage: where N ROW"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(Count(run.output, "error: "), 6) << run.output;
}

TEST(Console, WhereRunsWhileABoxOrAMenuWaitsAndAnswersNothing) {
    std::string script;
    for (int i = 0; i < 11; ++i)
        script += "open Stage\n";
    script += "where box ok\nok\nrclick 1 9\nwhere popup 32702\nnone\ninspectors\n";
    ConsoleRun run = RunConsole(script);
    EXPECT_EQ(Count(run.output, "opened "), 10);
    EXPECT_NE(run.output.find("msgbox 32741 OK: Cannot open the Inspector."), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("error: no message box is shown"), std::string::npos);
    EXPECT_NE(run.output.find("error: no context menu with item 32702 is shown"),
              std::string::npos);
    EXPECT_EQ(Count(run.output, "error: "), 2) << "'ok' and 'none' still answered\n" << run.output;
    EXPECT_NE(run.output.find("10 open"), std::string::npos);
    EXPECT_EQ(Count(run.output, "closed "), 10);
}

TEST(Console, BadCommandsAreReportedAndFailTheScript) {
    ConsoleRun run = RunConsole("open Nowhere\nrows 7\nrows x\nfrobnicate\nopen #1001\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Count(run.output, "error: "), 4) << run.output;
    EXPECT_NE(run.output.find("opened 1 \"Stage - Inspector\""), std::string::npos);
}

TEST(Console, NumbersThatDoNotFitAndAnswersThatAreNoButtonAreErrors) {
    ConsoleRun run = RunConsole("list 4294967297\npad move Stage 99999999999 5\n"
                                "pad move Stage/Panel 2147483647 2147483647\n"
                                "pad paste Stage/Panel Stage 2147483647 0\n"
                                "pad resize Stage 40000 5\npad protect Stage 0x100000000\n"
                                "open #-1\npads\n"
                                "open\nopen\nopen\nopen\nopen\nopen\nopen\nopen\nopen\nopen\n"
                                "open\nyes\nok\ninspectors\n");
    EXPECT_EQ(run.status, 1);
    for (const char* expected :
         {"error: '4294967297' is out of range", "error: '99999999999' is out of range",
          "error: (2147483647,2147483647) would place pads outside the desktop",
          "error: '40000' is out of range (0 to 32767)", "error: '#-1' is not a pad ID",
          "error: 'yes' is not a button of this message box (ok)",
          "Stage [MvFramePad] #1001 (40,30"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(Count(run.output, "error: "), 8) << run.output;
    EXPECT_EQ(Count(run.output, "opened "), 10) << "open #-1 is no comment and opens nothing";
}

// Lines and numbers the console cannot take whole are refused with the place named, before
// anything runs: nothing is cut short, wrapped or waited out.
TEST(Console, LinesAndNumbersBeyondWhatTheSystemTakesAreRefused) {
    ConsoleRun run =
        RunConsole(std::string("open\nmove 1 100 100 2147483647 100\n"
                               "move 1 -40000 0\nwait 2147483647\n"
                               "drag 1 0 hold top 600001\nopen Stage") +
                   '\0' + "/Panel\npad rename Stage \"\xFF(\xFE\"\nwait 600000\npads\n");
    EXPECT_EQ(run.status, 1);
    ExpectInOrder(run.output, {"error: '2147483647' is out of range (1 to 32767)",
                               "error: '-40000' is out of range (-32768 to 32767)",
                               "error: '2147483647' is out of range (0 to 600000)",
                               "error: '600001' is out of range (0 to 600000)",
                               "error: a NUL byte at column 11 of the line",
                               "error: the line is not UTF-8 at column 19", "Stage [MvFramePad]"});
    EXPECT_EQ(Count(run.output, "error: "), 6) << run.output;
    EXPECT_EQ(Count(run.output, "opened "), 1) << run.output;
}

// A save the file system refuses (here a file-size limit, as a full disk would) says so in
// one line each time; the session goes on to its end, which fails the script.
TEST(Console, AFailedSaveIsSaidAndTheSessionGoesOn) {
    ConsoleRun run =
        RunConsole("open\nclose 1\nopen Stage\nclose 2\necho still here\n", "", "ulimit -f 0");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(Count(run.output, "cannot be written (File too large); settings are not saved"), 2)
        << run.output;
    ExpectInOrder(run.output, {"closed 1", "closed 2", "still here"});
}

// Waits until `process` catches `signal` with a handler of its own (the mask of caught
// signals in /proc), at most ten seconds.
void WaitUntilCaught(pid_t process, int signal) {
    for (int tries = 0; tries < 1000; ++tries) {
        std::ifstream status("/proc/" + std::to_string(process) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("SigCgt:", 0) == 0 &&
                (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0)
                return;
        usleep(10000);
    }
}

// Ctrl+C during a long wait ends the wait and the script, which closes as at its end; a
// second one would have nothing left to interrupt.
TEST(Console, CtrlCEndsAWaitAndTheScript) {
    char directory[] = "/tmp/mvdesk-interrupt-XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    std::string script = std::string(directory) + "/script.txt";
    {
        std::ofstream out(script);
        out << "open\necho waiting\n";
        for (int i = 0; i < 1000; ++i)
            out << "wait 600000\n";
        out << "echo never\n";
    }
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        dup2(output[1], STDERR_FILENO);
        close(output[0]);
        setenv("MVDESK_REGISTRY", (std::string(directory) + "/registry.json").c_str(), 1);
        std::string program = std::string(MV_BUILD_BIN_DIR) + "/mvdesk";
        execl(program.c_str(), program.c_str(), "--script", script.c_str(), nullptr);
        _exit(127);
    }
    close(output[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    bool signalled = false;
    while ((n = read(output[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<size_t>(n));
        if (!signalled && text.find("waiting\n") != std::string::npos) {
            // Outside a wait Ctrl+C still ends the program: signal once the wait catches it.
            WaitUntilCaught(child, SIGINT);
            kill(child, SIGINT);
            signalled = true;
        }
    }
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    std::system(("rm -rf " + std::string(directory)).c_str());
    ASSERT_TRUE(WIFEXITED(status)) << text;
    EXPECT_EQ(WEXITSTATUS(status), 1) << text;
    ExpectInOrder(text, {"waiting", "interrupted after ", "closed 1"});
    EXPECT_EQ(Count(text, "interrupted"), 1) << text;
    EXPECT_EQ(text.find("never"), std::string::npos) << text;
}

// Input from a pipe that has ended ends a wait at once when nothing is left to wait for, and
// not while lines of it are still to be read.
TEST(Console, TheEndOfTheInputEndsAWait) {
    struct Case {
        const char* input;
        std::vector<std::string> expected;
        const char* absent;
    };
    const Case cases[] = {
        {"open\\nwait 600000\\n", {"opened 1", "input ended after 0 ms", "closed 1"}, nullptr},
        {"open\\nwait 300\\necho after\\n", {"opened 1", "after", "closed 1"}, "input ended"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        char directory[] = "/tmp/mvdesk-ended-XXXXXX";
        ASSERT_NE(mkdtemp(directory), nullptr);
        std::string command = "printf '" + std::string(c.input) +
                              "' | MVDESK_REGISTRY=" + std::string(directory) + "/registry.json " +
                              MV_BUILD_BIN_DIR + "/mvdesk 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        int status = pclose(pipe);
        std::system(("rm -rf " + std::string(directory)).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
        ExpectInOrder(output, c.expected);
        if (c.absent != nullptr) {
            EXPECT_EQ(output.find(c.absent), std::string::npos) << output;
        }
    }
}

TEST(Console, FailuresOnDemandReachTheInspectorsFailurePaths) {
    ConsoleRun run = RunConsole("fail window 2\nopen\nok\nfail registry always\nopen\nclick 1 1\n"
                                "fail dialog 1\nmenu 1 Edit/Geometry...\nwindow 1\nclose 1\n");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* expected :
         {"failed on demand: window creation", "msgbox 32741 OK: Cannot open the Inspector.",
          "open refused", "opened 1 \"Desktop - Inspector\"",
          "failed on demand: dialog creation (202)", "visible enabled active",
          "failed on demand: registry write (InspArg)", "closed 1"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

// Pads nested far deeper than a stack allows a frame per level load and print.
TEST(Console, ADeepChainOfPadsLoadsAndPrints) {
    constexpr int kDepth = 100000;
    char path[] = "/tmp/mvdesk-deep-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    {
        std::ofstream scene(path);
        scene << R"({ "pads": [)";
        for (int i = 0; i < kDepth; ++i)
            scene << R"({ "name": "C", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                          "children": [)";
        for (int i = 0; i <= kDepth; ++i)
            scene << "] }";
    }
    ConsoleRun run = RunConsole("pads\n", std::string("--scene ") + path);
    unlink(path);
    EXPECT_EQ(run.status, 0) << run.output.substr(0, 500);
    EXPECT_EQ(Count(run.output, " [C] #"), kDepth);
    EXPECT_NE(run.output.find("(level 99999) C [C] #100000 (0,0 1x1)"), std::string::npos);
}

TEST(Console, AMalformedSceneStopsWithOneClearError) {
    char path[] = "/tmp/mvdesk-scene-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    const char bad[] = "{\n  \"pads\": [\n    {\"name\": \"A\",}\n  ]\n}\n";
    ASSERT_EQ(write(fd, bad, sizeof bad - 1), static_cast<ssize_t>(sizeof bad - 1));
    close(fd);
    ConsoleRun run = RunConsole("open\n", std::string("--scene ") + path);
    unlink(path);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(path), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(std::string(path) + ":3:"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("opened"), std::string::npos);
}

TEST(Console, ShowsAFrameAsAPersonSeesIt) {
    ConsoleRun run = RunConsole("open\nclick 1 1\nshow 1\nstatus 1\nwindow 1\n");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* expected : {"== \"Desktop - Inspector\"", "menu: Edit  Tools  Window  Help",
                                 "toolbar: 32705 32707(off)", "32721(on)", "*>[ ]   -Notes",
                                 "status: Notes | 1/27", "Notes\t1/27", "(0,0,"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

TEST(Console, MenusFollowTheirRulesAndChoosingRunsTheCommand) {
    ConsoleRun run = RunConsole("open Stage\nmenus 1\nmenu 1 Tools/Option/Update\n"
                                "menu 1 Tools/Option/Nested Label\nrows 1\nlist 1\n"
                                "menu 1 Tools/Inspector/Desktop\ntools\n"
                                "rclick 1 2\nInspector/Selected Pad\ninspectors\n");
    EXPECT_EQ(run.status, 1) << run.output; // choosing the disabled Update is an error
    EXPECT_NE(run.output.find("    Update\t32722\tdisabled"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("error: 'Tools/Option/Update' is disabled"), std::string::npos);
    EXPECT_NE(run.output.find("Stage\\Panel\\Form"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("opened 2 \"Desktop - Inspector\""), std::string::npos);
    EXPECT_NE(run.output.find("1\t2\t\"Desktop - Inspector\""), std::string::npos);
    EXPECT_NE(run.output.find("popup:"), std::string::npos);
}

TEST(Console, HelpRequestsArePrintedEndToEnd) {
    ConsoleRun run = RunConsole("open Stage\nkey 1 F1\ncmd 1 32731\ncmd 1 57668\n"
                                "key 1 Shift+F1\nshow 1\nmenu 1 Tools/Option/Nested Label\n"
                                "key 1 Shift+F1\nsyscmd 1 close\nstatus 1\n"
                                "key 1 Shift+F1\nkey 1 F1\nlist 1\n");
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string dir = "help \"C:\\Mosvane\\Help\\";
    for (std::string expected :
         {dir + "mvhelp.hlp\" HELP_FINDER 0\n", dir + "mvkinsp.hlp\" HELP_PARTIALKEY \"\"\n",
          dir + "mvdesk.hlp\" HELP_HELPONHELP 0\n", std::string("| 57669(on)\n"),
          std::string("status: Help Mode |"),
          dir + "mvkinsp.hlp\" HELP_CONTEXTPOPUP 98348\n",              // 65536 + Nested Label
          dir + "mvdesk.hlp\" HELP_CONTEXTPOPUP 126726\nStage\t0/14\n", // the Close topic
          std::string("closed 1\nhelp \"\" HELP_QUIT 0\n")})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(Count(run.output, "HELP_FINDER"), 2);
    EXPECT_EQ(run.output.find("Stage\\Panel"), std::string::npos); // nothing was run

    std::string scene = std::string("--scene ") + MV_SOURCE_DIR + "/desktop/scenes/demo.json";
    EXPECT_EQ(Count(RunConsole("open\nkey 1 F1\n", scene).output, "help "), 1); // HELP_QUIT
    EXPECT_NE(RunConsole("open\nkey 1 F1\n", scene + " --help-dir /h")
                  .output.find("help \"/h\\mvhelp.hlp\" HELP_FINDER 0"),
              std::string::npos);
}

TEST(Console, ASearchOpensAResultsFrameLikeAnyOther) {
    ConsoleRun run = RunConsole("open Stage\ncmd 1 32704\ndlg check 1040\ndlg click 1125\nok\n"
                                "dlg set 1041 Field\ndlg check 1048\ndlg set 1051 5\n"
                                "dlg click 1125\nok\ndlg uncheck 1048\ndlg click 1125\nlist 2\n"
                                "click 2 1\nstatus 1\nrows 2\ncmd 1 32704\ndlg\n"
                                "dlg set 1041 zzz\ndlg key Enter\nok\ninspectors\n",
                                "--lang ja");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Count(run.output, "msgbox 32655 OK: "), 2) << "nothing stated; a value alone";
    for (const char* expected :
         {"opened 2 \"Stage - 階層情報 [検索]\"\n", "0\tF\t0\tStage\\Panel\\Form\\NameField\t",
          "1\t-\t0\tStage\\Panel\\Form\\QtyField\t", "2枚のﾊﾟｯﾄﾞが検索されました\t1/14\n",
          "3\tQtyField\t150\t110\t80\t22\t",
          "1040\tcheckbox\t\":\"\tchecked focused\n1041\tedit\t\"Field\"\n",
          "1051\tedit\t\"5\"\tdisabled\n",
          "msgbox 32656 OK: ﾊﾟｯﾄﾞが見つかりませんでした。\nclosed 2\n", "1 open"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

TEST(Console, CustomizeAnswersHelpAndChangesTheColumns) {
    ConsoleRun run = RunConsole("open Stage\nmenu 1 Tools/Customize...\ndlg help 1132\n"
                                "dlg rclick 1140\nWhat's This?\ndlg rclick title\n"
                                "dlg click 1139\ndlg click 1143\nlist 1\n");
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string help = "help \"C:\\Mosvane\\Help\\mvkinsp.hlp\" HELP_CONTEXTPOPUP ";
    for (std::string expected : {"dialog 124 \"Customize\"\n" + help + "1132\npopup:\n",
                                 "What's This?\t32808\n" + help + "1140\ndialog closed 124\n",
                                 std::string("#\tLabel\n0\t")})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(Count(run.output, "popup:"), 1);
}

// W holds A (with A1), B, C and D; Inspector 1 shows W, Inspector 2 shows A. Each step's
// rows are those of the step before.
TEST(Console, InsertReplaceByDragAndByCommandReachesEveryInspector) {
    ConsoleRun run = RunConsole(
        "pad add desktop W 0 0 900 600\npad add W A 10 10 200 200\npad add W/A A1 10 10 50 50\n"
        "pad add W B 300 10 100 100\npad add W C 500 10 50 50\npad add W D 600 10 40 40\n"
        "open W\nopen W/A\n"
        // C under B, keeping its size; the drop target is marked meanwhile.
        "drag 1 4 3\nshow 1\ndlg click 1071\ndlg click 1088\ndlg click 1124\nlist 1\n"
        // D over A1, from the menu, neither moved nor resized.
        "click 1 5\nclick 1 2 ctrl\nmenu 1 Edit/Insert/Replace...\n"
        "dlg click 1080\ndlg click 1088\ndlg key Enter\nlist 1\nlist 2\n"
        // C under A1 at a typed place: 16384 is refused first.
        "drag 1 5 3\ndlg click 1071\ndlg click 1083\ndlg set 1084 16384\ndlg click 1124\nok\n"
        "dlg\ndlg set 1084 25\ndlg set 1086 30\ndlg click 1124\nlist 1\n"
        // A under its own A1, and A1 over A: loops both ways.
        "drag 1 1 3\ndlg click 1071\ndlg click 1124\nok\ndrag 1 3 1\ndlg click 1124\nok\n"
        // C replaced by B; a Move to left checked is still read.
        "drag 1 5 4\ndlg click 1083\ndlg set 1084 99999\ndlg click 1072\ndlg click 1124\nok\n"
        "dlg click 1070\ndlg click 1080\ndlg click 1072\ndlg click 1124\nlist 1\nlist 2\n"
        // A pad deleted while the dialog waits ends it; replacing Inspector 2's top pad
        // closes that Inspector.
        "pad add W E 700 10 40 40\npad add W F 800 10 9 9\ndrag 1 6 4\npad destroy W/F\n"
        "dlg click 1071\ndrag 1 5 1\ndlg click 1072\ndlg click 1124\npads\n"
        // Held in the top band of a scrolled list, the drop lands three rows higher.
        "open\nclick 3 32\ndrag 3 32 hold top 300\ndlg\ndlg key Escape\n");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* expected :
         {"+ [ ]   -B",
          "3\t-\t1\t  -B\t(  300,   10)\t(  100,  100)\t\t\n"
          "4\tSF\t0\t     -C\t(  300,   10)\t(   50,   50)",
          "2\tS\t1\t     -D\t(  600,   10)\t(   40,   40)\t\t\n"
          "3\tS\t0\t        -A1\t(   20,   20)",
          "0\tF\t1\tA\t(   10,   10)\t(  200,  200)\t\t\n1\t-\t1\t  -D\t",
          "msgbox 32652 OK: Position specified is out of range.", "1084\tedit\t\"16384\"\tfocused",
          "4\tSF\t0\t           -C\t(   25,   30)\t(   50,   50)",
          "msgbox 32667 OK: This paste will create a loop.",
          "3\t-\t0\t        -B\t(   25,   30)\t(   50,   50)", "closed 2\n",
          "  E [MvPad] #1087 (10,10 200x200)\n    D [MvPad] #1086 (600,10 40x40)\n"
          "      A1 [MvPad] #1083 (20,20 50x50)\n        B [MvPad] #1084 (25,30 50x50)\n",
          "1075\tedit\t\"StatusBar\"\tread-only\n1114\tlabel\t\"To:\"\n"
          "1076\tedit\t\"Chart\"\tread-only"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(Count(run.output, "msgbox 32667"), 2);
    EXPECT_EQ(Count(run.output, "msgbox 32652"), 2);
    EXPECT_EQ(Count(run.output, "dialog closed 102"), 9);
}

} // namespace
