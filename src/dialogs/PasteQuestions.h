#pragma once

// How the paste rules speak to the user. The Insert/Replace dialog shows each message as a
// message box it owns; the rules only need the answer.
class PasteQuestions {
public:
    virtual ~PasteQuestions() = default;

    // Shows string `messageId` with OK and Cancel; true when the user chose OK.
    virtual bool Confirm(unsigned messageId) = 0;
    // Shows string `messageId` with OK only.
    virtual void Inform(unsigned messageId) = 0;
};
