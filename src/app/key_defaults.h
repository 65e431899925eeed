#pragma once

#include <span>
#include <vector>

#include "app/key_files.h"
#include "app/tool_sub_key.h"

// The shortcut keys the editor starts with until "Accelerator.dat" is saved:
// the arrow keys scroll, and the keys desktop programs share (Ctrl+Z, Ctrl+S,
// Delete, a letter per tool, ...) do what users expect of them.
std::span<const SKeyBinding> GetDefaultShortcutKeys();

// The tool sub-key items in the order of IMainDialog::EToolSubKey; the
// eyedropper's key is Alt until "ToolSubKey.dat" says otherwise.
std::vector<CToolSubKey::SItem> GetToolSubKeyItems();
