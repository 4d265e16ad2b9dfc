#pragma once
// What a test build's program publishes of itself (instrumentation/), read by its process id.
#include "published_counts.h"

#include <windows.h>

#include <optional>

namespace driver {

// The objects the program holds, while it runs; nothing when it publishes none (a shipped build).
std::optional<instrumentation::ObjectCounts> ReadObjectCounts(DWORD nProcessId);
// Popbar's last opening and its loop's messages, while it runs; nothing when it publishes none.
std::optional<instrumentation::OpenProfile> ReadOpenProfile(DWORD nProcessId);

} // namespace driver
