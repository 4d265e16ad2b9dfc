#include "picture_roles.h"

#include "controls/battery_face.h"
#include "menu/menu_layout.h"

#include <algorithm>

namespace {

constexpr const char* kSlotNames[kButtonCount] = {
    "display: laptop only", "display: monitor only", "display: duplicate", "display: extend",
    "brightness -",         "brightness +",          "screen ON",          "screen OFF",
    "resolution normal",    "resolution high",       "Bluetooth ON",       "Bluetooth OFF",
    "wireless ON",          "wireless OFF",          "wired LAN ON",       "wired LAN OFF",
    "battery",
};

constexpr FaceSlot kFaces[] = {FaceSlot::OnNormal,  FaceSlot::OnPressed,  FaceSlot::OnHover,
                               FaceSlot::OffNormal, FaceSlot::OffPressed, FaceSlot::OffHover};

WORD GlyphPicture(int nGlyph)
{
    return static_cast<WORD>(kButtonTable[kBatterySlot].nFirstGlyph + nGlyph);
}

bool SamePictures(const ButtonSlot& a, const ButtonSlot& b)
{
    return std::equal(std::begin(a.images), std::end(a.images), std::begin(b.images));
}

} // namespace

const char* SlotName(int nSlot)
{
    return nSlot >= 0 && nSlot < kButtonCount ? kSlotNames[nSlot] : "";
}

const char* FaceName(FaceSlot face)
{
    switch (face) {
    case FaceSlot::OnNormal: return "lit";
    case FaceSlot::OnPressed: return "lit pressed";
    case FaceSlot::OnHover: return "lit hover";
    case FaceSlot::OffNormal: return "unlit";
    case FaceSlot::OffPressed: return "unlit pressed";
    case FaceSlot::OffHover: return "unlit hover";
    }
    return "";
}

std::vector<WORD> PicturesTheMenuLoads()
{
    std::vector<WORD> ids{kBackgroundImage};
    auto add = [&](WORD nID) {
        if (std::find(ids.begin(), ids.end(), nID) == ids.end())
            ids.push_back(nID);
    };
    for (const ButtonSlot& slot : kButtonTable)
        for (FaceSlot face : kFaces)
            add(FacePicture(slot, face));
    for (int nGlyph = 0; nGlyph < kGlyphCount; ++nGlyph)
        add(GlyphPicture(nGlyph));
    return ids;
}

std::string PictureRole(WORD nID)
{
    if (nID == kBackgroundImage)
        return "background";
    for (int nGlyph = 0; nGlyph < kGlyphCount; ++nGlyph) {
        if (nID == GlyphPicture(nGlyph))
            return nGlyph == kPercentGlyph ? "percent sign" : "digit " + std::to_string(nGlyph);
    }
    // The face of its first use, and every button that shows it.
    std::string role;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        for (FaceSlot face : kFaces) {
            if (FacePicture(kButtonTable[nSlot], face) != nID)
                continue;
            role += role.empty() ? std::string(FaceName(face)) + " face of " : std::string(", ");
            role += kSlotNames[nSlot];
            break;
        }
    }
    return role;
}

std::vector<ButtonRow> ButtonTableRows()
{
    std::vector<ButtonRow> rows;
    for (int nSlot = 0; nSlot < kBatterySlot; ++nSlot) {
        const auto same = std::find_if(rows.begin(), rows.end(), [&](const ButtonRow& row) {
            return SamePictures(kButtonTable[row.nSlot], kButtonTable[nSlot]);
        });
        if (same == rows.end()) {
            rows.push_back({nSlot, kSlotNames[nSlot], {nSlot}});
        } else {
            same->names += std::string(", ") + kSlotNames[nSlot];
            same->slots.push_back(nSlot);
        }
    }
    return rows;
}
