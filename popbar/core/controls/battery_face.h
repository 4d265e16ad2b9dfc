#pragma once
// The battery button's number: the level read from the menu status word, and where its glyphs go.
#include <windows.h>

#include <vector>

// The battery button's level members, as the button keeps them.
struct BatteryLevel {
    int nOnes = 0;
    int nTens = 0;
    bool bFull = false;
    bool bNoLevel = false;
};

// The level is bits 20-27 of the status word. Above 100 means "no level known": only the no-level
// flag changes, the digits keep what the last known level set.
BatteryLevel DecodeBatteryLevel(DWORD dwStatus, const BatteryLevel& previous);

// The percentage the level's digits show; -1 for no level.
int ShownPercent(const BatteryLevel& level);

// Glyph indices: 0-9 the digits, 10 the percent sign.
constexpr int kGlyphCount = 11;
constexpr int kPercentGlyph = 10;

struct GlyphSize {
    int w = 0;
    int h = 0;
};

struct GlyphPlacement {
    int nGlyph;
    int x, y, w, h;
    bool operator==(const GlyphPlacement& other) const
    {
        return nGlyph == other.nGlyph && x == other.x && y == other.y && w == other.w && h == other.h;
    }
};

// The glyphs to draw over a W x H battery face, left to right, each stretched to its rectangle.
// The layout borrows the sizes of the glyphs 0 and 1 in places, as the skin's glyphs all share one
// size. Nothing is drawn for no level. A missing glyph picture counts as 0 x 0.
std::vector<GlyphPlacement> BatteryGlyphs(int nWidth, int nHeight, const GlyphSize (&sizes)[kGlyphCount],
                                          const BatteryLevel& level);
