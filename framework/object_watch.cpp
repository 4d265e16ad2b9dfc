#include "object_watch.h"

namespace fw {

namespace {

ObjectWatcher s_pfnWatcher = nullptr;

} // namespace

void WatchObjects(ObjectWatcher watcher)
{
    s_pfnWatcher = watcher;
}

void NoteObject(CountedObject kind, LONG delta)
{
    if (s_pfnWatcher)
        s_pfnWatcher(kind, delta);
}

} // namespace fw
