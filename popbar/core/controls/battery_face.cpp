#include "controls/battery_face.h"

BatteryLevel DecodeBatteryLevel(DWORD dwStatus, const BatteryLevel& previous)
{
    const int nLevel = static_cast<int>((dwStatus >> 20) & 0xFF);
    BatteryLevel level = previous;
    if (nLevel > 100) {
        level.bNoLevel = true;
    } else if (nLevel == 100) {
        level = BatteryLevel{0, 0, true, false};
    } else {
        level = BatteryLevel{nLevel % 10, nLevel / 10, false, false};
    }
    return level;
}

int ShownPercent(const BatteryLevel& level)
{
    if (level.bNoLevel)
        return -1;
    return level.bFull ? 100 : level.nTens * 10 + level.nOnes;
}

namespace {

// Halves round down, also for faces narrower than their glyphs.
int Half(int n)
{
    return n >= 0 ? n / 2 : -((-n + 1) / 2);
}

} // namespace

std::vector<GlyphPlacement> BatteryGlyphs(int W, int H, const GlyphSize (&sizes)[kGlyphCount],
                                          const BatteryLevel& level)
{
    if (level.bNoLevel)
        return {};
    const GlyphSize g0 = sizes[0];
    const GlyphSize g1 = sizes[1];
    const GlyphSize p = sizes[kPercentGlyph];
    const int nOnes = level.nOnes;
    const int nTens = level.nTens;
    if (nOnes < 0 || nOnes > 9 || nTens < 0 || nTens > 9)
        return {};
    if (level.bFull) {
        return {
            {1, Half(W) - g1.w - g0.w, Half(H - g1.h), g1.w, g1.h},
            {0, Half(W) - g0.w, Half(H - g0.h), g0.w, g0.h},
            {0, Half(W), Half(H - g0.h), g0.w, g0.h},
            {kPercentGlyph, Half(W) + g0.w, Half(H - g0.h), g0.w, g0.h},
        };
    }
    if (nTens != 0) {
        const GlyphSize t = sizes[nTens];
        const GlyphSize u = sizes[nOnes];
        return {
            {nTens, Half(W - t.w) - t.w, Half(H - t.h), t.w, g0.h},
            {nOnes, Half(W - u.w), Half(H - g0.h), g0.w, g0.h},
            {kPercentGlyph, Half(W + p.w), Half(H - g1.h), g1.w, g1.h},
        };
    }
    return {
        {nOnes, Half(W) - g0.w, Half(H - g0.h), g0.w, g0.h},
        {kPercentGlyph, Half(W), Half(H - g1.h), g1.w, g1.h},
    };
}
