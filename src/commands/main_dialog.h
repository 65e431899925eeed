#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class CClipboard;
class CCommand;
struct SToolOptions;

// What commands, tools and tool windows ask of the main dialog after they
// changed the document: the document sends no notifications, so the code
// that changed it says what to refresh.
class IMainDialog {
public:
    enum EColorIndex { kBackgroundColor = 0, kDrawingColor = 1 };
    // The functions of the tool sub-keys, by their place in the table.
    enum EToolSubKey : size_t { kToolSubKeyEyedropper = 0 };

    virtual ~IMainDialog() = default;

    // Runs the command through the open document's history.
    virtual bool ExecuteCommand(std::unique_ptr<CCommand> command) = 0;

    // The layer set, the current layer or visibility changed: rebuild the
    // composite, the canvas's backup and selection outline, and repaint.
    virtual void OnLayersChanged(bool layerList) = 0;
    // A layer's name or delay, the delay unit or the current layer changed:
    // the layer window shows its rows anew (thumbnails stay).
    virtual void OnLayerRowsChanged() = 0;
    // The document has a new size.
    virtual void OnCanvasResized() = 0;
    // Sets the drawing or the background colour; a new background colour
    // changes what is transparent, so the picture is rebuilt.
    virtual void SetColorIndex(EColorIndex which, uint8_t index) = 0;
    virtual void OnPaletteEntryChanged(int index, bool refreshBars, bool repaint) = 0;
    virtual void OnPaletteChanged(bool repaint, bool bars, bool list, bool resetList) = 0;
    virtual void OnCurrentPaletteChanged() = 0;

    // The editor's own image clipboard.
    virtual CClipboard& GetClipboard() = 0;
    // The options every tool shares (snap, eyedropper, pick by long press).
    virtual SToolOptions& GetToolOptions() = 0;
    // Whether the key of a tool sub-key function is held down.
    virtual bool IsToolSubKeyHeld(EToolSubKey function) const = 0;
};
