#include "bars/custom_bar_button.h"

#include <algorithm>

#include "bars/command_ids.h"
#include "bars/menu_manager.h"

namespace {

using Button = SCustomBarButton;

constexpr Button Command(unsigned id)
{
    return {id, Button::kCommand};
}

constexpr Button State(unsigned id)
{
    return {id, Button::kStateButton};
}

constexpr Button kButtons[] = {
    State(kCmdMenuButton), Command(kCmdFileNew), Command(kCmdFileOpen), Command(kCmdFileSave),
    Command(kCmdFileSaveAs), Command(kCmdExportLayers), Command(kCmdExportAnimatedGif),

    Command(kCmdUndo), Command(kCmdRedo), Command(kCmdCut), Command(kCmdCopy), Command(kCmdPaste),
    Command(kCmdDelete), Command(kCmdSelectAll), Command(kCmdSelectNone), Command(kCmdFlipHorizontal),
    Command(kCmdFlipVertical), Command(kCmdCanvasSize), Command(kCmdScaling), Command(kCmdRotate),

    State(kCmdToolButton), Command(kCmdToolScroll), Command(kCmdToolFreehand), Command(kCmdToolLine),
    Command(kCmdToolRectangle), Command(kCmdToolFilledRectangle), Command(kCmdToolEllipse),
    Command(kCmdToolFilledEllipse), Command(kCmdToolFill), Command(kCmdToolSelectRectangle),
    Command(kCmdToolSelectSameColor), Command(kCmdToolSelectColor), Command(kCmdToolSelectFree),
    State(kCmdPenSizeButton), Command(kCmdPenSizeFirst), Command(kCmdPenSizeFirst + 1),
    Command(kCmdPenSizeFirst + 2), Command(kCmdPenSizeFirst + 3), Command(kCmdPenSizeLast), State(kCmdToneButton),
    State(kCmdFillStyleButton), Command(kCmdSnapToGrid), Command(kCmdTransparentSelection), Command(kCmdEyedropper),

    State(kCmdZoomButton), Command(kCmdZoomIn), Command(kCmdZoomOut), Command(kCmdGrid), Command(kCmdOnionSkin),

    Command(kCmdLayerAdd), Command(kCmdLayerDelete), Command(kCmdLayerDuplicate), Command(kCmdLayerProperty),
    Command(kCmdLayerMergeDown), Command(kCmdLayerMergeAll), Command(kCmdLayerUp), Command(kCmdLayerDown),

    {kCmdColorDisplay, Button::kColorDisplay}, {kCmdMiniPalette, Button::kMiniPalette},
    Command(kCmdPaletteProperty), Command(kCmdGradation), Command(kCmdColorMaskClear), Command(kCmdColorMaskInvert),

    Command(kCmdPositionWindow), Command(kCmdLayerWindow), Command(kCmdPlayerWindow),
};

}  // namespace

std::span<const SCustomBarButton> GetCustomBarButtons()
{
    return kButtons;
}

const SCustomBarButton* FindCustomBarButton(unsigned id)
{
    const auto* found = std::find_if(std::begin(kButtons), std::end(kButtons),
                                     [id](const Button& button) { return button.id == id; });
    return found == std::end(kButtons) ? nullptr : found;
}

std::string GetCustomBarButtonLabel(const CMenuManager& menus, unsigned id)
{
    switch (id) {
    case kCmdColorDisplay:
        return "描画色と背景色";
    case kCmdMiniPalette:
        return "ミニパレット";
    default:
        return menus.FindLabel(id);
    }
}
