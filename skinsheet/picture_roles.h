#pragma once
// The pictures Popbar's menu loads from a skin library and what each one is for, in a designer's words.
#include "controls/button_face.h"

#include <windows.h>

#include <string>
#include <vector>

// The button of a slot: "screen ON", "display: laptop only", "battery".
const char* SlotName(int nSlot);
// A face of a button: "lit", "lit pressed", "lit hover", "unlit", "unlit pressed", "unlit hover".
const char* FaceName(FaceSlot face);

// Every picture the menu loads, each once: the background, the buttons' faces in slot order, then
// the battery's glyphs.
std::vector<WORD> PicturesTheMenuLoads();
// What a picture is for: "background", "lit face of screen ON, Bluetooth ON, ...", "digit 4",
// "percent sign"; empty for a picture the menu does not load.
std::string PictureRole(WORD nID);

// A row of the sheet's button table: a slot and the names of every button that shows the same
// pictures (rows 2, 4, 5 and 6 share theirs), with their slots.
struct ButtonRow {
    int nSlot;
    std::string names;
    std::vector<int> slots;
};
// The display faces, brightness, the pairs and resolution: each set of pictures once, in slot order.
std::vector<ButtonRow> ButtonTableRows();
