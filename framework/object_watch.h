#pragma once
// A seam through which a test build watches the GDI objects, device contexts and GDI+ objects that
// the handle vocabulary holds (the platform's own count, GetGuiResources, answers 0 under Wine).
// Nothing watches unless the test build's instrumentation installs a watcher as the program starts.
#include <windows.h>

namespace fw {

enum class CountedObject { GdiObject, DeviceContext, GdiplusObject };

// Told of each counted object as an owner takes it (+1) and lets it go (-1).
using ObjectWatcher = void (*)(CountedObject kind, LONG delta);
void WatchObjects(ObjectWatcher watcher);
void NoteObject(CountedObject kind, LONG delta);

// The handle vocabulary's counting policies: an owner tells the watcher what it takes and lets go.
struct Uncounted {
    static constexpr bool kCounted = false;
    static void Took() {}
    static void LetGo() {}
};
template <CountedObject Kind>
struct CountedAs {
    static constexpr bool kCounted = true;
    static void Took() { NoteObject(Kind, 1); }
    static void LetGo() { NoteObject(Kind, -1); }
};

} // namespace fw
