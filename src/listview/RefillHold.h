#pragma once

// After a change of its tree an Inspector refills its list in place, the selection kept.
// While a RefillHold lives (a run of many deletions), the refills of every open Inspector
// wait, and each Inspector that missed one refills once when the hold ends: the list is then
// what it would have been, and a run of k deletions does not refill ten lists k times.

class CInspectrView;

// Refills `view`'s list, or notes that it owes a refill while one is held.
void RefillList(CInspectrView& view);

class RefillHold {
public:
    RefillHold();
    ~RefillHold();
    RefillHold(const RefillHold&) = delete;
    RefillHold& operator=(const RefillHold&) = delete;
};
