#pragma once

// Undo kinds recorded before a geometry change.
enum UndoType : int {
    kUndoMove = 1,
    kUndoResize = 2,
};

class MvSimplePad;

class UndoBuffer {
public:
    virtual ~UndoBuffer() = default;
    virtual void SetUndoBuffer(UndoType kind, MvSimplePad* pad) = 0;
};

class MvPadManager {
public:
    virtual ~MvPadManager() = default;
    virtual UndoBuffer* getUndoBuffer() = 0;
};

class MvDeskTop {
public:
    virtual ~MvDeskTop() = default;
    virtual MvPadManager* get_padmanager() = 0;
};
