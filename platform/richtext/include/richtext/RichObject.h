// Making and checking the content of embedded fields (CRichObject): images from picture
// files, objects from any file, and the byte codings the file formats carry them in. None
// of it needs a window.
#pragma once
#include "richtext/RichDocument.h"

#include <string>

namespace richtext {

// An image from a picture file's bytes: a bitmap file (kept as its device-independent
// bitmap), PNG or JPEG, sized as the file says (its resolution, else 96 pixels an inch) and
// brought within the largest size keeping its shape. False, with why in error, for anything
// else or a damaged picture.
bool ImageFromFile(const std::string& bytes, CRichObject& image, std::string& error);
// An object made from a file: its bytes, labelled with the file's name (the path's last part).
CRichObject ObjectFromFile(const std::string& path, const std::string& bytes);

// The size in pixels a picture's bytes give in its format (CRichObject::kDib, kPng, kJpeg);
// false when they are no sound picture of that format. A device-independent bitmap is
// sound when its header, colours and bits all lie within its bytes.
bool PictureSize(BYTE format, const std::string& data, int& width, int& height);
// A device-independent bitmap as a bitmap file (the file header put before it).
std::string DibToBitmapFile(const std::string& dib);

std::string HexEncode(const std::string& bytes);
std::string Base64Encode(const std::string& bytes);
// Both skip white space and stop at the first character that is not of their coding.
std::string HexDecode(const std::string& text);
std::string Base64Decode(const std::string& text);

} // namespace richtext
