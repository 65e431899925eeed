#pragma once

class CSerializerList;

// Registers the formats the editor reads and writes, in the order of the file
// dialogs' entries and of matching a path's extension.
void AddStandardSerializers(CSerializerList& list);
