#include "SelectedRows.h"

#include "CInspectrView.h"
#include "Selection.h"

RowList* SelectedRows::get() const {
    return view_.selectedPadSet.Rows(
        [this](const MvSimplePad* pad) { return SelectedCopyOf(view_, pad); });
}

SelectedRows::operator bool() const {
    return view_.selectedPadSet.Live();
}
