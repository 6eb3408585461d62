// Drawing the content of embedded fields, and table rows' cell edges, on a device context: a bitmap image as its
// picture, stretched to the rectangle; a PNG or JPEG image, which the edit window cannot
// decode, and an object as a framed box with their label.
#pragma once
#include "richtext/RichDocument.h"

#include <vector>
#include <windows.h>

namespace richtext {

void DrawRichObject(HDC dc, const CRichObject& object, const RECT& rect);
// A table row's cell edges on a line (CTXLine::cellEdges) from top to bottom: solid black,
// or light grey for grid lines.
void DrawCellEdges(HDC dc, const std::vector<int>& edges, int dx, int top, int bottom, bool grid);
// The label a box shows: an object's name (or class), or the picture's format.
std::string ObjectLabel(const CRichObject& object);

} // namespace richtext
