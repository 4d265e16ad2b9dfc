#include "skin_check.h"

#include "controls/battery_face.h"
#include "controller/menu_placement.h"
#include "menu/menu_layout.h"
#include "picture_roles.h"
#include "protocol/screen_hub.h"

#include <set>

namespace {

constexpr FaceSlot kOtherFaces[] = {FaceSlot::OnPressed, FaceSlot::OnHover, FaceSlot::OffNormal,
                                    FaceSlot::OffPressed, FaceSlot::OffHover};

// The picture's facts when it is there and decodes; null otherwise.
const PictureFacts* Usable(const SkinPictures& pictures, WORD nID)
{
    const auto it = pictures.find(nID);
    return it != pictures.end() && it->second.bPresent && it->second.bDecodes ? &it->second : nullptr;
}

std::string SizeText(int nWidth, int nHeight)
{
    return std::to_string(nWidth) + " x " + std::to_string(nHeight);
}

std::string RectText(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + ", " +
           std::to_string(rc.bottom) + ")";
}

bool Inside(const RECT& rc, int nWidth, int nHeight)
{
    return rc.left >= 0 && rc.top >= 0 && rc.right <= nWidth && rc.bottom <= nHeight;
}

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

WORD LitFace(int nSlot)
{
    return FacePicture(kButtonTable[nSlot], FaceSlot::OnNormal);
}

WORD Glyph(int nGlyph)
{
    return static_cast<WORD>(kButtonTable[kBatterySlot].nFirstGlyph + nGlyph);
}

// Where the menu puts the slot's button: at its grid place, the size of its lit face.
RECT ButtonRect(int nSlot, const PictureFacts& lit)
{
    const ButtonSlot& slot = kButtonTable[nSlot];
    const POINT at = ButtonPosition(slot.nRow, slot.bRightColumn, lit.nWidth, lit.nHeight);
    return {at.x, at.y, at.x + lit.nWidth, at.y + lit.nHeight};
}

void Append(std::vector<SkinProblem>& all, std::vector<SkinProblem> more)
{
    all.insert(all.end(), more.begin(), more.end());
}

} // namespace

std::vector<SkinProblem> CheckPictures(const SkinPictures& pictures)
{
    std::vector<SkinProblem> problems;
    for (WORD nID : PicturesTheMenuLoads()) {
        const auto it = pictures.find(nID);
        if (it == pictures.end() || !it->second.bPresent)
            problems.push_back({nID, "missing from the library"});
        else if (!it->second.bDecodes)
            problems.push_back({nID, "present, but not a picture that decodes (empty or corrupt PNG)"});
    }
    return problems;
}

std::vector<SkinProblem> CheckFaceSizes(const SkinPictures& pictures)
{
    std::vector<SkinProblem> problems;
    std::set<WORD> checked;
    for (int nSlot = 0; nSlot < kButtonCount; ++nSlot) {
        const PictureFacts* pLit = Usable(pictures, LitFace(nSlot));
        if (!pLit)
            continue;
        for (FaceSlot face : kOtherFaces) {
            const WORD nID = FacePicture(kButtonTable[nSlot], face);
            const PictureFacts* pFace = Usable(pictures, nID);
            if (!pFace || !checked.insert(nID).second)
                continue;
            if (pFace->nWidth != pLit->nWidth || pFace->nHeight != pLit->nHeight) {
                problems.push_back({nID, "is " + SizeText(pFace->nWidth, pFace->nHeight) + ", but its button is " +
                                             SizeText(pLit->nWidth, pLit->nHeight) + " (its lit face " +
                                             std::to_string(LitFace(nSlot)) + "): Popbar stretches it to that size"});
            }
        }
    }
    return problems;
}

std::vector<SkinProblem> CheckRows(const SkinPictures& pictures)
{
    std::vector<SkinProblem> problems;
    const PictureFacts* pBackground = Usable(pictures, kBackgroundImage);
    if (!pBackground)
        return problems;
    const std::string background = "the " + SizeText(pBackground->nWidth, pBackground->nHeight) + " background";
    for (int a = 0; a < kButtonCount; ++a) {
        const PictureFacts* pLitA = Usable(pictures, LitFace(a));
        if (!pLitA)
            continue;
        const RECT ra = ButtonRect(a, *pLitA);
        if (!Inside(ra, pBackground->nWidth, pBackground->nHeight)) {
            problems.push_back({LitFace(a), "the " + std::string(SlotName(a)) + " button at " + RectText(ra) +
                                                " reaches past " + background});
        }
        for (int b = 0; b < a; ++b) {
            const PictureFacts* pLitB = Usable(pictures, LitFace(b));
            // The display-mode faces share one place: only one of them shows.
            if (!pLitB || (a < kDisplayFaceCount && b < kDisplayFaceCount))
                continue;
            const RECT rb = ButtonRect(b, *pLitB);
            if (Overlap(ra, rb)) {
                problems.push_back({LitFace(a), "the " + std::string(SlotName(a)) + " button at " + RectText(ra) +
                                                    " overlaps the " + SlotName(b) + " button at " + RectText(rb)});
            }
        }
    }
    return problems;
}

std::vector<SkinProblem> CheckDesktopFit(const SkinPictures& pictures)
{
    const PictureFacts* pBackground = Usable(pictures, kBackgroundImage);
    if (!pBackground)
        return {};
    const SIZE menu{pBackground->nWidth, pBackground->nHeight};
    const POINT at = OpenMenuPlace(kSmallestDesktop.cx, menu);
    if (at.x >= 0 && at.y >= 0 && at.y + menu.cy <= kSmallestDesktop.cy)
        return {};
    return {{kBackgroundImage, "is " + SizeText(menu.cx, menu.cy) + ": opened at the top-right corner of an " +
                                   SizeText(kSmallestDesktop.cx, kSmallestDesktop.cy) +
                                   " desktop, the menu would reach past its edge"}};
}

std::vector<SkinProblem> CheckGlyphs(const SkinPictures& pictures)
{
    std::vector<SkinProblem> problems;
    GlyphSize sizes[kGlyphCount];
    for (int nGlyph = 0; nGlyph < kGlyphCount; ++nGlyph) {
        if (const PictureFacts* pGlyph = Usable(pictures, Glyph(nGlyph)))
            sizes[nGlyph] = {pGlyph->nWidth, pGlyph->nHeight};
    }
    if (Usable(pictures, Glyph(0))) {
        for (int nGlyph = 1; nGlyph < kGlyphCount; ++nGlyph) {
            if (Usable(pictures, Glyph(nGlyph)) && (sizes[nGlyph].w != sizes[0].w || sizes[nGlyph].h != sizes[0].h)) {
                problems.push_back({Glyph(nGlyph), "is " + SizeText(sizes[nGlyph].w, sizes[nGlyph].h) +
                                                       ", but the glyphs share one size, digit 0's " +
                                                       SizeText(sizes[0].w, sizes[0].h) +
                                                       ": Popbar draws some of them at digit 0's size"});
            }
        }
    }
    const PictureFacts* pFace = Usable(pictures, LitFace(kBatterySlot));
    if (!pFace)
        return problems;
    // The first level whose number does not fit; the others are most likely alike.
    for (DWORD nLevel = 0; nLevel <= 100; ++nLevel) {
        const BatteryLevel level = DecodeBatteryLevel(nLevel << kBatteryShift, BatteryLevel{});
        for (const GlyphPlacement& glyph : BatteryGlyphs(pFace->nWidth, pFace->nHeight, sizes, level)) {
            // A glyph that is not there draws nothing: CheckPictures names it.
            if (!Usable(pictures, Glyph(glyph.nGlyph)))
                continue;
            const RECT rc{glyph.x, glyph.y, glyph.x + glyph.w, glyph.y + glyph.h};
            if (!Inside(rc, pFace->nWidth, pFace->nHeight)) {
                problems.push_back({Glyph(glyph.nGlyph), "at " + std::to_string(nLevel) + " % it is drawn at " +
                                                             RectText(rc) + ", outside the " +
                                                             SizeText(pFace->nWidth, pFace->nHeight) +
                                                             " battery face"});
                return problems;
            }
        }
    }
    return problems;
}

std::vector<SkinProblem> CheckSkin(const SkinPictures& pictures)
{
    std::vector<SkinProblem> problems = CheckPictures(pictures);
    Append(problems, CheckFaceSizes(pictures));
    Append(problems, CheckRows(pictures));
    Append(problems, CheckDesktopFit(pictures));
    Append(problems, CheckGlyphs(pictures));
    return problems;
}
