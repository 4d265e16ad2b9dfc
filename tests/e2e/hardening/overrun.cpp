// overrun.exe MODE: built with the programs' own hardening, it writes MODE's number of bytes into an
// 8-byte buffer on its stack and prints "carried on" if nothing stopped it.
//   fits      8 bytes: nothing overruns
//   copy      16 bytes by memcpy, whose size check the compiler adds (_FORTIFY_SOURCE)
//   loop      16 bytes one by one, over the guard that the stack protector checks on return
// Sixteen bytes reach no further than the frame's padding: built without the hardening, this program
// carries on in every mode, unaware.
#include <cstdio>
#include <cstring>

namespace {

const char kSource[16] = {'s', 'i', 'x', 't', 'e', 'e', 'n', ' ', 'b', 'y', 't', 'e', 's', '.', '.', '.'};

__attribute__((noipa)) int ByCopy(size_t nBytes)
{
    char buffer[8];
    std::memcpy(buffer, kSource, nBytes);
    const volatile char* pBuffer = buffer;
    return pBuffer[0];
}

// Knows nothing of the target's size: the compiler can neither check the copy nor leave it out.
__attribute__((noipa)) void Fill(char* pTarget, size_t nBytes)
{
    for (size_t i = 0; i < nBytes; ++i)
        pTarget[i] = kSource[i];
}

__attribute__((noipa)) int ByLoop(size_t nBytes)
{
    char buffer[8];
    Fill(buffer, nBytes);
    return buffer[0];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    // Chosen at run time, so the compiler cannot see the overrun coming.
    const size_t nBytes = std::strcmp(argv[1], "fits") == 0 ? 8 : sizeof(kSource);
    const int nResult = std::strcmp(argv[1], "loop") == 0 ? ByLoop(nBytes) : ByCopy(nBytes);
    std::printf("carried on %d\n", nResult);
    return 0;
}
