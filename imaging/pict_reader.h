// The PICT reader of the extended-formats importer: version 2 pictures
// drawn from their bitmap opcodes (BitsRect, BitsRgn, PackBitsRect,
// PackBitsRgn, DirectBitsRect, DirectBitsRgn with 1- to 8-bit indexed,
// 16-bit and 32-bit pixels, packed or not) and from QuickTime-compressed
// JPEG images, onto a white canvas of the picture's frame. Drawing opcodes
// other than those are walked over, not drawn. A picture is read from its
// size word on: a file's picture follows a 512-byte header, one kept as a
// resource (a preview) starts at once.
#pragma once

#include <cstdint>

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

class ByteSource;

struct PictFacts {
  LRect Frame;               // the canvas, in the picture's own coordinates
  int16_t Depth = 0;         // bits per pixel of the first image the picture draws
  int32_t XResolution = 72;  // whole dots per inch
  int32_t YResolution = 72;
};

// The frame, depth and resolution of a version 2 picture; false when it is
// not one, its frame is empty, or it draws no image the reader knows.
bool ReadPictFacts(const ByteSource& picture, PictFacts& facts);

// The picture drawn at its frame's size; null with `message` 10401 (not a
// version 2 picture, bad opcode data) or 10413 (memory, decode limit).
BitmapPtr DrawPict(const ByteSource& picture, int& message);

// Where a file's picture starts: after the 512-byte header, or at 0 for
// files written without one. False when neither place holds a version 2
// picture.
bool FindPictInFile(const ByteSource& file, uint64_t& start);

}  // namespace tl
