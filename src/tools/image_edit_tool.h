#pragma once

#include "model/stipplebox_accessor.h"
#include "views/image_tool.h"

class CImageEditWnd;

// A pointer tool of the canvas that edits the document. It tells the main
// dialog which of the shared drawing settings it uses, so that their menu
// items are offered only while they take effect.
class CImageEditTool : public CImageTool, public CStippleboxAccessor {
public:
    virtual bool UsesPenSize() const { return false; }
    virtual bool UsesTone() const { return false; }
    virtual bool UsesSnap() const { return false; }
    virtual bool UsesSelectionOption() const { return false; }
    virtual bool UsesFillStyle() const { return false; }

protected:
    CImageEditWnd& GetEditWindow() const;
};
