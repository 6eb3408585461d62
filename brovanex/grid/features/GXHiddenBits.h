// A bit set over row or column numbers kept in a CDWordArray (bit i of word i / 32 is
// number i; bits beyond the array are clear), with the edits that follow inserted,
// removed and moved rows or columns.
#pragma once
#include "core/GXDefs.h"

BOOL GXTestHiddenBit(const CDWordArray& bits, ROWCOL n);
// TRUE when the bit changed.
BOOL GXWriteHiddenBit(CDWordArray& bits, ROWCOL n, BOOL bSet);
// Bits after nTo move down by nTo - nFrom + 1.
void GXRemoveHiddenBits(CDWordArray& bits, ROWCOL nFrom, ROWCOL nTo);
// nCount clear bits at nAt; the bits from nAt on move up.
void GXInsertHiddenBits(CDWordArray& bits, ROWCOL nAt, ROWCOL nCount);
// The block nFrom..nTo moves so that it starts at nDest (numbers after the move).
void GXMoveHiddenBits(CDWordArray& bits, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
