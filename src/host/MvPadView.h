#pragma once

#include "MwView.h"

class MvSimplePad;
class MvDeskTop;

// The view of one pad.
class MvPadView : public MwView {
public:
    virtual MvSimplePad* GetPad() = 0;
    virtual MvDeskTop* GetDeskTop() = 0;
};
