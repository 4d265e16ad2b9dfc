#include "instrumentation_readers.h"

#include "published_block.h"

namespace driver {

std::optional<instrumentation::ObjectCounts> ReadObjectCounts(DWORD nProcessId)
{
    return instrumentation::ReadPublishedBlock<instrumentation::ObjectCounts>(instrumentation::kObjectCountsBlock,
                                                                              nProcessId);
}

std::optional<instrumentation::OpenProfile> ReadOpenProfile(DWORD nProcessId)
{
    return instrumentation::ReadPublishedBlock<instrumentation::OpenProfile>(instrumentation::kOpenProfileBlock,
                                                                             nProcessId);
}

} // namespace driver
