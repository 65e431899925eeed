#pragma once

// The command IDs that menu items, tool bar buttons and shortcut keys send to
// the main dialog. Groups of consecutive IDs are given by their first and
// last members.
enum ECommandID : unsigned {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdExportLayers = 33066,
    kCmdExportAnimatedGif = 33068,
    kCmdExportSpriteSheet = 34181,
    kCmdExit = 32775,
    kCmdOpenGifLayers = 34160,  // every frame of an animated GIF as a layer

    kCmdUndo = 57643,
    kCmdRedo = 57644,
    kCmdCut = 57635,
    kCmdCopy = 57634,
    kCmdPaste = 57637,
    kCmdDelete = 32815,
    kCmdFlipHorizontal = 33023,
    kCmdFlipVertical = 33024,
    kCmdCanvasSize = 33020,
    kCmdScaling = 33022,
    kCmdRotate = 33021,
    kCmdSelectAll = 33082,
    kCmdSelectNone = 33075,

    kCmdToolScroll = 32794,
    kCmdToolFreehand = 32795,
    kCmdToolLine = 32796,
    kCmdToolRectangle = 32797,
    kCmdToolFilledRectangle = 32798,
    kCmdToolEllipse = 32800,
    kCmdToolFilledEllipse = 32801,
    kCmdToolFill = 32802,
    kCmdToolSelectRectangle = 32803,
    kCmdToolSelectSameColor = 32804,
    kCmdToolSelectColor = 32805,
    kCmdToolSelectFree = 32807,

    kCmdPenSizeFirst = 32850,  // sizes 1, 2, 4, 6, 10
    kCmdPenSizeLast = 32854,
    kCmdToneFirst = 32858,  // 100 % down to 12.5 %
    kCmdToneLast = 32865,
    kCmdFillStyleFirst = 32906,  // normal, inner edge, outer edge, horizontal, vertical
    kCmdFillStyleLast = 32910,
    kCmdSnapToGrid = 32882,
    kCmdTransparentSelection = 32883,
    kCmdEyedropper = 32838,
    kCmdPixelPerfect = 34180,

    kCmdGrid = 33071,
    kCmdGridSettings = 33027,
    kCmdZoom1 = 32824,
    kCmdZoom2 = 32825,
    kCmdZoom4 = 32826,
    kCmdZoom8 = 32827,
    kCmdZoom12 = 33069,
    kCmdZoom16 = 32900,
    kCmdZoom24 = 32960,
    kCmdZoom32 = 32961,
    kCmdZoomIn = 32828,
    kCmdZoomOut = 32829,
    kCmdScrollLeft = 32895,
    kCmdScrollRight = 32896,
    kCmdScrollUp = 32897,
    kCmdScrollDown = 32898,
    kCmdOnionSkin = 32887,

    kCmdLayerAdd = 32915,
    kCmdLayerDelete = 32916,
    kCmdLayerDuplicate = 33077,
    kCmdLayerProperty = 32918,
    kCmdLayerMergeDown = 32994,
    kCmdLayerMergeAll = 32992,
    kCmdLayerUp = 32972,
    kCmdLayerDown = 32973,
    kCmdDelayAll = 32996,
    kCmdDelayUnitFirst = 33006,  // units 1 to 8
    kCmdDelayUnitLast = 33013,

    kCmdPaletteProperty = 33042,
    kCmdGradation = 33034,
    kCmdColorMaskClear = 33080,
    kCmdColorMaskInvert = 33081,
    // Ours: open the palette window for the drawing or the background colour.
    kCmdEditDrawingColor = 34130,
    kCmdEditBackgroundColor = 34131,

    // The palette window's own commands.
    kCmdPaletteToolNormal = 32931,
    kCmdPaletteToolMask = 32932,
    kCmdPaletteToolSelectLine = 32933,
    kCmdPaletteToolSelectRect = 32934,
    kCmdPaletteDragCopy = 32935,  // the drag option is the ID minus 32934
    kCmdPaletteDragSwap = 32936,
    kCmdPaletteDragInsert = 32937,
    kCmdPaletteKeepLook = 32938,
    kCmdPaletteToolButton = 32942,
    kCmdColorSpaceFirst = 32949,  // RGB, HSV, HLS
    kCmdColorSpaceLast = 32951,
    kCmdPaletteAdd = 33040,
    kCmdPaletteDelete = 33041,
    kCmdPaletteChooseFirst = 33053,  // one per palette, up to ten
    kCmdPaletteChooseLast = 33062,
    kCmdPaletteImport = 34182,
    kCmdPaletteExport = 34183,

    // The player's and the navigator's own commands.
    kCmdPlayerRewind = 32982,
    kCmdPlayerPlay = 32983,
    kCmdPlayerLoop = 32984,
    kCmdPlayerOrderThereAndBack = 32986,
    kCmdPlayerOrderFirstToLast = 32987,
    kCmdPlayerOrderButton = 32988,
    kCmdPlayerToolFrame = 32989,
    kCmdPlayerToolButton = 32991,
    kCmdPlayerSpeed100 = 33073,
    kCmdPositionTool = 32889,
    kCmdPositionToolButton = 33088,
    kCmdPositionZoomButton = 33089,

    kCmdPositionWindow = 32885,
    kCmdLayerWindow = 32879,
    kCmdPlayerWindow = 32877,
    kCmdToolbarFirst = 33099,  // the seven tool bars
    kCmdToolbarLast = 33105,
    kCmdCustomizeToolbars = 33106,
    kCmdShortcutKeys = 33028,
    kCmdToolSubKeys = 33064,
    kCmdGeneralSettings = 33110,
    kCmdVersion = 32958,

    // Commands every tool window has.
    kCmdWindowPin = 32920,
    kCmdWindowClose = 32953,

    // Which layers the canvas shows: display modes 0 to 5.
    kCmdLayerDisplayModeFirst = 34100,
    kCmdLayerDisplayModeLast = 34105,

    // Tool bar state buttons that open popup menus.
    kCmdMenuButton = 32781,
    kCmdZoomButton = 32833,
    kCmdToolButton = 32835,
    kCmdPenSizeButton = 32856,
    kCmdToneButton = 32873,
    kCmdFillStyleButton = 32912,

    // Tool bar objects: the drawing and background colours, the palette.
    kCmdColorDisplay = 32944,
    kCmdMiniPalette = 33108,
};
