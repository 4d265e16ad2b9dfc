#include "whole_text.h"

#include <vector>

std::string WholeText(const BufferFill& fill, UINT nFirstSize)
{
    std::vector<char> buffer(nFirstSize);
    UINT n = fill(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = fill(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    return n < buffer.size() ? std::string(buffer.data(), n) : std::string();
}
