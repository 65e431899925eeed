#pragma once

#include "model/geometry.h"

class CStippleboxData;
class CStippleboxLayer;
class CStippleboxLayerPtrArray;
class CStippleboxPalette;
class CStippleboxPalettePtrArray;
class CStippleboxImageSelection;
class CStippleboxColorSelection;
class CImageEditWnd;
class IMainDialog;

// The mixin through which commands, tools and windows reach the one open
// document, the canvas and the main dialog. It holds no data: it reads the
// application-wide context, which the main dialog fills and tests set for
// themselves.
class CStippleboxAccessor {
public:
    struct SContext {
        CStippleboxData* document = nullptr;
        CImageEditWnd* imageEditWnd = nullptr;  // the canvas
        IMainDialog* mainDialog = nullptr;
    };

    static SContext& GetContext();

    static CStippleboxData* GetData();
    static CStippleboxLayerPtrArray* GetLayers();
    static CStippleboxPalettePtrArray* GetPalettes();
    static CStippleboxLayer* GetCurrentLayer();
    static CStippleboxPalette* GetCurrentPalette();
    static CStippleboxImageSelection* GetCurrentImageSelection();
    static CStippleboxColorSelection* GetCurrentColorSelection();
    static CSize GetCanvasSize();
    static CImageEditWnd* GetImageEditWnd();
    static IMainDialog* GetMainDialog();
};

// Installs a context for its lifetime and puts the previous one back.
class CScopedAccessorContext {
public:
    explicit CScopedAccessorContext(const CStippleboxAccessor::SContext& context);
    ~CScopedAccessorContext();
    CScopedAccessorContext(const CScopedAccessorContext&) = delete;
    CScopedAccessorContext& operator=(const CScopedAccessorContext&) = delete;

private:
    CStippleboxAccessor::SContext m_previous;
};
