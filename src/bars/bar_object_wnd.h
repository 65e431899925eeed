#pragma once

#include "platform/window.h"

// A tool bar object that is a small window of its own (the colour display,
// the mini palette): it paints what it shows from the open document when
// the main dialog asks.
class CBarObjectWnd : public CWnd {
public:
    virtual void Redraw() = 0;
};
