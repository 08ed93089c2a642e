#include "platform/native/SystemClasses.h"

#include "platform/CommCtrl.h"
#include "platform/WinDialog.h"
#include "platform/native/ListViewClass.h"

namespace native {

void RegisterSystemClasses(ClassTable& classes) {
    struct SystemClass {
        const char* name;
        WNDPROC proc;
    };
    // Registered under the names GetClassNameA reports; lookups ignore case. The bars draw
    // nothing and answer nothing: the framework's bars keep their own state.
    const SystemClass systemClasses[] = {
        {WC_DIALOG, DefDlgProcA},
        {"Button", ButtonProc},
        {"Static", StaticProc},
        {"Edit", EditProc},
        {"ListBox", ListBoxProc},
        {"ComboBox", ComboBoxProc},
        {UPDOWN_CLASS, UpDownProc},
        {TOOLBARCLASSNAME, DefWindowProcA},
        {STATUSCLASSNAME, DefWindowProcA},
    };
    for (const SystemClass& each : systemClasses) {
        if (classes.Find(each.name) != nullptr) {
            continue;
        }
        WNDCLASSA wc;
        wc.lpfnWndProc = each.proc;
        wc.lpszClassName = each.name;
        classes.Register(wc);
    }
    RegisterListViewClass(classes);
}

} // namespace native
