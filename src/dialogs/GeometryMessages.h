#pragma once

// How the geometry rules speak to the user. The Geometry dialog shows each message as a
// message box owned by the window the rules name: itself while Reflect applies values, the
// Inspector frame after OK.
class GeometryMessages {
public:
    virtual ~GeometryMessages() = default;

    // Shows string `messageId` with OK only.
    virtual void Warn(unsigned messageId) = 0;
    // Shows string `messageId` with Yes and No; true when the user chose Yes.
    virtual bool Ask(unsigned messageId) = 0;
};
