#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/headless_window_host.h"
#include "support/main_dialog_fixture.h"

class CStippleboxData;
class CStippleboxLayer;

// Small pictures written as rows of hexadecimal digits, one index a digit,
// top row first: {"0120", "3333"}.
using PixelRows = std::vector<std::string>;
void SetRows(CStippleboxLayer& layer, const PixelRows& rows);
PixelRows GetRows(const CStippleboxLayer& layer);
// A document of the rows' size with a layer for each picture (the first
// current) and the greyscale palette; background 0, drawing colour 9.
std::unique_ptr<CStippleboxData> MakeRowsDocument(const std::vector<PixelRows>& layers);

// Presses, drags and releases the left button on the canvas at image points
// (the middle of each zoomed pixel), as the mouse would.
class CCanvasDriver {
public:
    CCanvasDriver(CImageEditWnd& canvas, int zoom);

    // The canvas shows the image from its top-left at the driver's zoom.
    void ShowTopLeft();
    CPoint ToScreen(CPoint image) const;
    void Press(CPoint image);
    void Move(CPoint image);
    void Release(CPoint image);
    // Press at the first point, move through the others, release at the last.
    void Stroke(const std::vector<CPoint>& points);
    CHeadlessWindowHost& Host() { return m_host; }

private:
    CImageEditWnd& m_canvas;
    CHeadlessWindowHost m_host;
    int m_zoom;
};

// The real main dialog with a canvas the mouse can draw on.
class CEditorTest : public CMainDialogTest {
protected:
    CEditorTest();

    // Makes the document the open one and shows it from its top-left.
    void Open(std::unique_ptr<CStippleboxData> document);
    CStippleboxData& Document() { return *dialog.GetDocument(); }
    CStippleboxLayer& Layer(int index);
    CStippleboxLayer& CurrentLayer();
    void Command(unsigned id) { dialog.OnCommand(id); }
    bool Execute(std::unique_ptr<CCommand> command) { return dialog.ExecuteCommand(std::move(command)); }
    std::string UndoText() { return Update(57643).GetText().value_or(""); }
    std::string RedoText() { return Update(57644).GetText().value_or(""); }
    bool Undo() { return dialog.GetCommandManager().Undo(nullptr); }
    bool Redo() { return dialog.GetCommandManager().Redo(nullptr); }

    CCanvasDriver canvas;
};
