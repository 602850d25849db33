#include "AllocationCounter.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <dlfcn.h>
#include <execinfo.h>

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
thread_local AllocationCount counts;
thread_local bool inside = false;
bool attributing = false;

bool inRuntime(const char* file)
{
    return file && (std::strstr(file, "/libc.so") || std::strstr(file, "/libstdc++.so"));
}

// True when the first caller outside the allocator and the runtime libraries is this executable.
__attribute__((noinline)) bool calledByHalvane()
{
    void* frames[24];
    const int depth = backtrace(frames, 24);
    Dl_info self{};
    dladdr(reinterpret_cast<void*>(&calledByHalvane), &self);
    for (int i = 3; i < depth; ++i) {  // past this function, count and the allocator entry
        Dl_info caller{};
        if (!dladdr(frames[i], &caller))
            return false;
        if (!inRuntime(caller.dli_fname))
            return caller.dli_fbase == self.dli_fbase;
    }
    return false;
}

__attribute__((noinline)) void count()
{
    if (inside)
        return;
    inside = true;
    ++counts.all;
    if (attributing && calledByHalvane())
        ++counts.byHalvane;
    inside = false;
}

}  // namespace

AllocationCount allocationsOnThisThread()
{
    return counts;
}

void attributeAllocations(bool on)
{
    attributing = on;
}

extern "C" {

void* malloc(std::size_t size)
{
    count();
    return __libc_malloc(size);
}

void* calloc(std::size_t number, std::size_t size)
{
    count();
    return __libc_calloc(number, size);
}

void* realloc(void* pointer, std::size_t size)
{
    count();
    return __libc_realloc(pointer, size);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    count();
    void* pointer = __libc_memalign(alignment, size);
    if (!pointer)
        return ENOMEM;
    *result = pointer;
    return 0;
}

void* valloc(std::size_t size)
{
    count();
    return __libc_valloc(size);
}

void* pvalloc(std::size_t size)
{
    count();
    return __libc_pvalloc(size);
}

void free(void* pointer)
{
    __libc_free(pointer);
}
}
