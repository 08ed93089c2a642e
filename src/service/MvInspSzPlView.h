#pragma once

#include "InspExport.h"
#include "host/MvPadView.h"

// A pad view whose lookup by point is the framework's own. Exported for pads that name it.
class MVKINSP_EXPORT MvInspSzPlView : public MvPadView {
public:
    MwView* FindViewRedef(int x, int y);
};
