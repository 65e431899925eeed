#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model/geometry.h"

class CCanvasDriver;
class CScriptedDialogs;
class CStippleboxDlg;

// Random edits of the open document as a user makes them: strokes of the
// tools through the canvas, menu commands, dialogs filled in at random, and
// the commands that the layer window sends. Each kind of edit is an action
// with a weight; a family of edits is registered by one Add...Actions
// function, so new commands join by adding a function.
class CRandomEditor {
public:
    using Action = std::function<void(CRandomEditor&)>;

    CRandomEditor(CStippleboxDlg& dialog, CScriptedDialogs& dialogs, CCanvasDriver& canvas, uint32_t seed);

    void AddAction(std::string name, int weight, Action action);
    // Runs one action drawn by weight and notes its name in the trace.
    void Step();
    // The actions run so far, for the message of a failing run.
    std::string GetTrace() const;

    // For the actions.
    int Uniform(int low, int high);
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }
    // A point on the canvas or a little beside it.
    CPoint PointNearCanvas();
    // Sends the menu command when its item is enabled, as only then can it
    // be chosen; false when it is not.
    bool Choose(unsigned id);
    CStippleboxDlg& Dialog() { return m_dialog; }
    CScriptedDialogs& Dialogs() { return m_dialogs; }
    CCanvasDriver& Canvas() { return m_canvas; }

private:
    struct SAction {
        std::string name;
        int weight;
        Action action;
    };

    CStippleboxDlg& m_dialog;
    CScriptedDialogs& m_dialogs;
    CCanvasDriver& m_canvas;
    std::mt19937 m_random;
    std::vector<SAction> m_actions;
    int m_totalWeight = 0;
    std::vector<std::string> m_trace;
};

// Strokes of every drawing tool with random pens, tones, fill styles and
// snapping.
void AddDrawingActions(CRandomEditor& editor);
// The clipboard, delete, flips, canvas size, scaling and rotation.
void AddEffectActions(CRandomEditor& editor);
// Adding, deleting, duplicating, merging, stepping through, linking,
// reordering and retiming layers.
void AddLayerActions(CRandomEditor& editor);
// Selections made by every selection tool, dragged, nudged and dropped, with
// and without snapping and the transparent background option.
void AddSelectionActions(CRandomEditor& editor);
// Palettes added, deleted, switched and renamed; colours copied, changed,
// swapped and moved, with and without keep-look; entry selections, their
// drags and gradations. What the palette window shows live during a drag is
// done as it would do it, then its command is executed.
void AddPaletteActions(CRandomEditor& editor);
