#include "ConsoleRun.h"

namespace {

// The demo scene's Stage Inspector lists Stage, Panel, Form, Labels (grouped), NameLabel,
// QtyLabel, NameField, QtyField, Express, OK, Cancel, a Japanese button (#1012), Logo (locked
// and not deletable) and StatusBar, in rows 0 to 13.
TEST(DialogScripts, GeometryThroughEveryPath) {
    ConsoleRun run = RunConsole(
        // One locked pad: every value arranged, nothing to edit.
        "open Stage\nclick 1 12\nmenu 1 Edit/Geometry...\ndlg\ndlg key Escape\n"
        // OK, StatusBar and the grouped Labels: nothing arranged yet.
        "click 1 9\nclick 1 13 ctrl\nclick 1 3 ctrl\nbutton 1 32702\ndlg\n"
        "dlg check 1019\ndlg set 1010 abc\ndlg check 1020\nok\ndlg click 1016\nok\ndlg\n"
        // Relative X and Y from each pad's own parent; No keeps everything, Yes applies and
        // Cancel keeps what Reflect applied.
        "dlg set 1010 7\ndlg click 1016\ndlg check 1020\ndlg set 1011 5\ndlg click 1014\nno\n"
        "rows 1\ndlg click 1014\nyes\ndlg key Escape\nrows 1\n"
        // A confined pad is refused, by the dialog during Reflect and by the frame after OK
        // (Enter); the other pad moves.
        "pad protect Stage/Panel/Cancel 0x400\nclick 1 10\nclick 1 11 ctrl\nrclick 1 11\n"
        "Geometry...\ndlg check 1019\ndlg set 1010 5000\ndlg click 1014\nok\n"
        "dlg set 1010 5000\ndlg key Enter\nok\nrows 1\n"
        // Reflect after its pad went ends the dialog; a gone row opens nothing.
        "click 1 11\ncmd 1 32702\npad delete #1012\ndlg click 1014\n"
        "menu 1 Tools/Option/Auto Update\nclick 1 10\npad delete Stage/Panel/Cancel\n"
        "cmd 1 32702\ndlg\n");
    ExpectInOrder(run.output,
                  {"dialog 202 \"Geometry\"",
                   "1010\tedit\t\"490\"\tdisabled\n",
                   "1019\tcheckbox\t\"&X\"\tchecked disabled\n",
                   "dialog closed 202",
                   "1010\tedit\t\"470\"\tdisabled\n",
                   "1019\tcheckbox\t\"&X\"\tfocused\n",
                   "1018\tcheckbox\t\"&Width\"\n",
                   "msgbox 32652 OK:",
                   "msgbox 32652 OK:",
                   "1010\tedit\t\"abc\"\tfocused\n",
                   "1020\tcheckbox\t\"&Y\"\n",
                   "1015\tradio\t\"&Absolute\"\tchecked\n",
                   "msgbox 32658 YESNO:",
                   "2\tOK\t470\t350\t80\t24\t420\t290\t",
                   "msgbox 32658 YESNO:",
                   "dialog closed 202",
                   "3\tLabels\t70\t80\t70\t90\t10\t10\t",
                   "2\tOK\t7\t65\t80\t24\t-43\t5\t",
                   "1\tStatusBar\t-3\t35\t620\t22\t-43\t5\t",
                   "msgbox 32662 OK: Pad cannot move out of parent pad.\n",
                   "dialog closed 202\nmsgbox 32662 OK: Pad cannot move out of parent pad.",
                   "2\tCancel\t560\t350\t80\t24\t510\t290\t",
                   "\t5000\t350\t80\t24\t4950\t290\t",
                   "dialog 202",
                   "dialog closed 202",
                   "error: no dialog is open"});
    EXPECT_EQ(Count(run.output, "msgbox 32662"), 2) << run.output;
    EXPECT_EQ(Count(run.output, "dialog closed 202"), 4);
}

TEST(DialogScripts, DeleteThroughEveryPath) {
    ConsoleRun run = RunConsole(
        // Logo may not be deleted and Labels is grouped: no dialog, no message.
        "open Stage\nclick 1 12\nclick 1 3 ctrl\nkey 1 Delete\ndlg\n"
        "click 1 9 ctrl\nkey 1 Delete\nok\ndlg\ndlg key Escape\n"
        // OK is offered before Panel, selected first; Cancel rebuilds without OK.
        "click 1 1\nclick 1 9 ctrl\nmenu 1 Edit/Delete...\ndlg click 1122\ndlg\ndlg click 1123\n"
        "rows 1\n"
        // Form goes alone: its children stay in place on Panel, ungrouped.
        "click 1 2\nkey 1 Delete\ndlg uncheck 1063\ndlg click 1122\nrows 1\n"
        // Next when the only other candidate has gone meanwhile ends the dialog.
        "click 1 2\nclick 1 3 ctrl\nrclick 1 3\nDelete...\npad delete #1012\ndlg click 1062\n"
        "click 1 9\nclick 1 10 ctrl\nkey 1 Delete\ndlg click 1060\ncancel\ndlg click 1060\nok\n"
        "list 1\n"
        // The top pad goes after the dialog has closed, and its Inspector with it.
        "open Stage/Panel\nclick 2 0\nkey 2 Delete\ndlg key Enter\ninspectors\n");
    ExpectInOrder(run.output,
                  {"opened 1 \"Stage - Inspector\"\nerror: no dialog is open\n",
                   "msgbox 32659 OK: Some pads cannot be deleted.\ndialog 201 \"Delete\"",
                   "1000\tedit\t\"OK\"\tread-only focused\n",
                   "1063\tcheckbox\t\"&Delete Child Pads\"\tchecked disabled\n",
                   "1060\tbutton\t\"DeleteAll\"\tdisabled\n",
                   "1062\tbutton\t\"Next\"\tdisabled\n",
                   "dialog closed 201",
                   "1000\tedit\t\"Panel\"\tread-only\n",
                   "1063\tcheckbox\t\"&Delete Child Pads\"\tchecked\n",
                   "dialog closed 201",
                   "2\tForm\t60\t70\t400\t200\t10\t10\t",
                   "2\tCancel\t",
                   "dialog closed 201",
                   "2\tLabels\t70\t80\t70\t90\t20\t20\t0\t0\t",
                   "2\tNameField\t150\t80\t200\t22\t100\t20\t",
                   "1\tStatusBar\t",
                   "dialog closed 201",
                   "msgbox 32657 OKCANCEL:",
                   "msgbox 32657 OKCANCEL:",
                   "dialog closed 201",
                   "2\t-\t0\t     -Cancel\t",
                   "8\t-\t0\t     -QtyField\t",
                   "dialog closed 201\nclosed 2\n1 open\n"});
    EXPECT_EQ(run.output.find("\tOK\t", run.output.find("dialog closed 201")), std::string::npos);
    EXPECT_EQ(run.output.find("Express", run.output.rfind("msgbox 32657")), std::string::npos);
    EXPECT_EQ(Count(run.output, "msgbox 32659"), 1) << run.output;
}

} // namespace
