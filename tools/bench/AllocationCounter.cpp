#include "AllocationCounter.h"

#include <cerrno>
#include <cstddef>

// glibc's own allocator, under the names it exports for programs that wrap it.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
void __libc_free(void* pointer);
}

namespace {

// Per thread, so that the renderer's own worker threads do not blur the main thread's count.
thread_local unsigned long long allocations = 0;

}  // namespace

unsigned long long allocationsOnThisThread()
{
    return allocations;
}

extern "C" {

void* malloc(std::size_t size)
{
    ++allocations;
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
    ++allocations;
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size)
{
    ++allocations;
    return __libc_realloc(pointer, size);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    ++allocations;
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    ++allocations;
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    ++allocations;
    void* pointer = __libc_memalign(alignment, size);
    if (!pointer)
        return ENOMEM;
    *result = pointer;
    return 0;
}

void* valloc(std::size_t size)
{
    ++allocations;
    return __libc_valloc(size);
}

void* pvalloc(std::size_t size)
{
    ++allocations;
    return __libc_pvalloc(size);
}

void free(void* pointer)
{
    __libc_free(pointer);
}
}
