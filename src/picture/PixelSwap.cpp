#include "picture/PixelSwap.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <tmmintrin.h>
#define HALVANE_SHUFFLE_SWAP 1
#endif

namespace {

void swapScalar(std::uint8_t* pixels, std::size_t size)
{
    for (std::uint8_t* p = pixels; p + 2 < pixels + size; p += 3) {
        const std::uint8_t blue = p[0];
        p[0] = p[2];
        p[2] = blue;
    }
}

#ifdef HALVANE_SHUFFLE_SWAP
// Five pixels (15 bytes) per step through a 16-byte shuffle that leaves the 16th byte as it is.
// Each step loads the next block before it stores the current one, so no load waits on the
// store that overlaps it by one byte. Returns the bytes done; the rest is left to swapScalar.
__attribute__((target("ssse3"))) std::size_t swapShuffled(std::uint8_t* pixels, std::size_t size)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    std::size_t at = 0;
    if (size < 31)
        return 0;
    __m128i current = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    for (; at + 31 <= size; at += 15) {
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + at + 15));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + at), _mm_shuffle_epi8(current, order));
        current = next;
    }
    return at;
}
#endif

}  // namespace

void swapBlueAndRed(std::uint8_t* pixels, std::size_t size)
{
    std::size_t done = 0;
#ifdef HALVANE_SHUFFLE_SWAP
    static const bool shuffle = __builtin_cpu_supports("ssse3");
    if (shuffle)
        done = swapShuffled(pixels, size);
#endif
    swapScalar(pixels + done, size - done);
}
