#pragma once

#include <memory>

class CStippleboxData;

// The palette and background choices of a new document, in the order the
// new-document dialog lists them.
enum class ENewDocumentPalette { Default = 0, Second = 1, Greyscale = 2, AllBlack = 3 };
enum class ENewDocumentBackground { White = 0, Black = 1, EntryZero = 2 };

// A one-layer document of the size with the chosen palette, filled with the
// chosen background colour; the drawing colour stays 0.
std::unique_ptr<CStippleboxData> CreateNewDocument(int width, int height, ENewDocumentPalette palette,
                                                   ENewDocumentBackground background);

// The document the editor starts with: 64 × 64, default palette, drawing
// colour black and background white (entry 159).
std::unique_ptr<CStippleboxData> CreateStartupDocument();
