// Line breaking, measuring and line drawing of prompter paragraphs: cuts a paragraph's
// formatted runs into lines that fit the text width and draws a line's pieces.
#pragma once
#include <windows.h>

#include <vector>

#include "SelvatraApi.h"

class prmptFormatedText;
class prmptCBitmap;
class tagFormatedLine;
class prmptFormatedPtrList;

// What the prompter hands the line breaker and the line renderer.
struct SELVATRA_API PromptLayoutSettings
{
    HDC hdcRef = nullptr; // reference for the memory DCs (null: the display)
    BOOL bCenterText = FALSE; // centre lines, trimming the blanks at their ends
    BOOL bRightJust = FALSE; // right-justify (paragraphs run right to left)
    int nLineHeight = 1;
    int nTextWidth = 0; // the usable width of the off-screen bitmaps
    LOGFONTA lfBase = {}; // the prompter font
    COLORREF crBack = RGB(255, 255, 255);
};

// Text extent of a run's text as it will be drawn: UTF-16 for Unicode runs and plain text,
// the ANSI code page for code-page runs.
SELVATRA_API SIZE MeasureText(HDC hdc, const wchar_t* text, int length, int stringType);

// Creates the run's font (base font with the run's character set and style bits) and selects
// it; returns the font that was selected before. The caller deletes *created after deselecting.
SELVATRA_API HFONT SelectRunFont(const PromptLayoutSettings& settings, HDC hdc,
                                 const prmptFormatedText* run, HFONT* created);

// The line breaker: appends lines to bitmap.m_lstLines and grows bitmap.m_nHeight by the line
// height for each. Every line holds at least one character, whatever the widths. Returns the
// number of lines added. The runs are read, not consumed.
SELVATRA_API int FormatLines(const PromptLayoutSettings& settings, prmptFormatedPtrList& runs,
                             prmptCBitmap& bitmap);

// Where each piece of a line stands: the pieces in visual order with their left x. A
// right-to-left piece within a left-to-right line, or the reverse, takes its place in the
// line's reading order (the paragraph's direction), so no piece covers another; centred lines
// are centred, right-to-left paragraphs stand against the right edge.
struct PlacedPiece
{
    prmptFormatedText* piece;
    int x;
};
SELVATRA_API std::vector<PlacedPiece> ArrangeLine(const PromptLayoutSettings& settings,
                                                  tagFormatedLine* line);

// Draws one line's pieces at height y, in visual order; returns the x after the last.
SELVATRA_API int DrawLine(const PromptLayoutSettings& settings, HDC hdc, tagFormatedLine* line,
                          int y);

// Draws one piece with its left edge at x; returns x plus the piece's width. The system
// orders the characters inside the piece (right-to-left reading for a right-to-left piece).
SELVATRA_API int DrawRun(const PromptLayoutSettings& settings, HDC hdc, prmptFormatedText* piece,
                         int x, int y);
