#pragma once

#include "CRuntimeClass.h"
#include "CommCtrl.h"
#include "WinTypes.h"

#include <type_traits>

class CCmdUI;

// Something that receives commands. A command is handled when OnCmdMsg says so; an update
// request (code CN_UPDATE_COMMAND_UI) asks the target to set the state of a menu item or
// button through the CCmdUI passed as `extra`; CN_QUERY_HANDLER only asks whether a command
// handler exists. A class binds commands to its member functions in a message map (below);
// window messages reach the virtual handlers of CWnd instead.
class CCmdTarget : public CObject {
public:
    enum : int { CN_COMMAND = 0, CN_UPDATE_COMMAND_UI = -1, CN_QUERY_HANDLER = -2 };

    // One binding of a message map: commands firstId..lastId with notification `code`
    // (CN_COMMAND for menus, accelerators and buttons) or their update handler; or, with
    // `notify`, the WM_NOTIFY notices of that code from controls firstId..lastId.
    struct MessageMapEntry {
        int code = 0;
        UINT firstId = 0;
        UINT lastId = 0;
        // Runs the handler; false passes the command on along the route.
        BOOL (*handler)(CCmdTarget& target, UINT id, CCmdUI* cmdUI) = nullptr;
        void (*notify)(CCmdTarget& target, NMHDR* header, LRESULT* result) = nullptr;
    };
    // A class's entries, ended by an entry without handler, and the map of its base class.
    struct MessageMap {
        const MessageMap* (*baseMap)() = nullptr;
        const MessageMapEntry* entries = nullptr;
    };

    // Looks the command up in the message maps of this class and its bases, the most derived
    // first; the first entry that fits decides.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra);
    // A control's WM_NOTIFY notice, looked up as commands are; false when no entry takes it.
    BOOL OnNotifyMsg(UINT id, UINT code, NMHDR* header, LRESULT* result);

    void BeginWaitCursor();
    void EndWaitCursor();

    template <class T, auto Fn> static BOOL CallCommand(CCmdTarget& target, UINT, CCmdUI*) {
        static_assert(std::is_invocable_r_v<void, decltype(Fn), T&>,
                      "ON_COMMAND takes a member function void ()");
        (static_cast<T&>(target).*Fn)();
        return TRUE;
    }
    template <class T, auto Fn> static BOOL CallCommandRange(CCmdTarget& target, UINT id, CCmdUI*) {
        static_assert(std::is_invocable_r_v<void, decltype(Fn), T&, UINT>,
                      "ON_COMMAND_RANGE takes a member function void (UINT id)");
        (static_cast<T&>(target).*Fn)(id);
        return TRUE;
    }
    template <class T, auto Fn> static BOOL CallCommandEx(CCmdTarget& target, UINT id, CCmdUI*) {
        static_assert(std::is_same_v<std::invoke_result_t<decltype(Fn), T&, UINT>, BOOL>,
                      "ON_COMMAND_EX takes a member function BOOL (UINT id)");
        return (static_cast<T&>(target).*Fn)(id);
    }
    template <class T, auto Fn> static BOOL CallUpdate(CCmdTarget& target, UINT, CCmdUI* cmdUI) {
        static_assert(std::is_invocable_r_v<void, decltype(Fn), T&, CCmdUI*>,
                      "ON_UPDATE_COMMAND_UI takes a member function void (CCmdUI*)");
        (static_cast<T&>(target).*Fn)(cmdUI);
        return TRUE;
    }

    template <class T, auto Fn>
    static void CallNotify(CCmdTarget& target, NMHDR* header, LRESULT* result) {
        static_assert(std::is_invocable_r_v<void, decltype(Fn), T&, NMHDR*, LRESULT*>,
                      "ON_NOTIFY takes a member function void (NMHDR*, LRESULT*)");
        (static_cast<T&>(target).*Fn)(header, result);
    }

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};

// In the class: DECLARE_MESSAGE_MAP(). In its source file:
//   BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
//       ON_COMMAND(ID_EDIT_DELETE, &CMainFrame::OnEditDelete)
//       ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE, &CMainFrame::OnUpdateEditDelete)
//   END_MESSAGE_MAP()
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const CCmdTarget::MessageMap* GetThisMessageMap();                                      \
    const CCmdTarget::MessageMap* GetMessageMap() const override;

// clang-format off
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const CCmdTarget::MessageMap* theClass::GetMessageMap() const {                                \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const CCmdTarget::MessageMap* theClass::GetThisMessageMap() {                                  \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>, "the base class comes second"); \
        static const CCmdTarget::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
            CCmdTarget::MessageMapEntry{}};                                                        \
        static const CCmdTarget::MessageMap map{&TheBaseClass::GetThisMessageMap, entries};        \
        return &map;                                                                               \
    }
// clang-format on

#define ON_COMMAND(id, memberFn)                                                                   \
    CCmdTarget::MessageMapEntry{CCmdTarget::CN_COMMAND, (id), (id),                                \
                                &CCmdTarget::CallCommand<ThisClass, memberFn>},
#define ON_COMMAND_RANGE(firstId, lastId, memberFn)                                                \
    CCmdTarget::MessageMapEntry{CCmdTarget::CN_COMMAND, (firstId), (lastId),                       \
                                &CCmdTarget::CallCommandRange<ThisClass, memberFn>},
// The handler returns FALSE to pass the command on to the next target of the route.
#define ON_COMMAND_EX(id, memberFn)                                                                \
    CCmdTarget::MessageMapEntry{CCmdTarget::CN_COMMAND, (id), (id),                                \
                                &CCmdTarget::CallCommandEx<ThisClass, memberFn>},
// A control's notification, e.g. an edit control's EN_CHANGE; the handler takes no argument.
#define ON_CONTROL(code, id, memberFn)                                                             \
    CCmdTarget::MessageMapEntry{static_cast<int>(code), (id), (id),                                \
                                &CCmdTarget::CallCommand<ThisClass, memberFn>},
#define ON_BN_CLICKED(id, memberFn) ON_COMMAND(id, memberFn)
// A control's WM_NOTIFY notice, e.g. an up-down control's UDN_DELTAPOS.
#define ON_NOTIFY(code, id, memberFn)                                                              \
    CCmdTarget::MessageMapEntry{static_cast<int>(code), (id), (id), nullptr,                       \
                                &CCmdTarget::CallNotify<ThisClass, memberFn>},
#define ON_UPDATE_COMMAND_UI(id, memberFn)                                                         \
    CCmdTarget::MessageMapEntry{CCmdTarget::CN_UPDATE_COMMAND_UI, (id), (id),                      \
                                &CCmdTarget::CallUpdate<ThisClass, memberFn>},
#define ON_UPDATE_COMMAND_UI_RANGE(firstId, lastId, memberFn)                                      \
    CCmdTarget::MessageMapEntry{CCmdTarget::CN_UPDATE_COMMAND_UI, (firstId), (lastId),             \
                                &CCmdTarget::CallUpdate<ThisClass, memberFn>},
