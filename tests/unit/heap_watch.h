// How much heap a piece of code takes at its peak, counted through the
// address sanitizer's allocation hooks (the unit tests always run under it).
// Counts are in bytes asked for, from the moment the watch starts.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, size_t),
                                              void (*free_hook)(const volatile void*));
size_t __sanitizer_get_allocated_size(const volatile void* p);
}
#endif

namespace tome {

class HeapWatch {
public:
    static bool Available() {
#if defined(__SANITIZE_ADDRESS__)
        return true;
#else
        return false;
#endif
    }

    HeapWatch() {
#if defined(__SANITIZE_ADDRESS__)
        static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
        (void)installed;
#endif
        State() = {};
        State().watching = true;
    }
    ~HeapWatch() { State().watching = false; }
    HeapWatch(const HeapWatch&) = delete;
    HeapWatch& operator=(const HeapWatch&) = delete;

    // The most that was held at once beyond what was held at the start.
    size_t peak() const { return static_cast<size_t>(State().peak); }
    size_t largestBlock() const { return State().largest; }

private:
    struct Counts {
        bool watching = false;
        int64_t current = 0;  // may dip below 0 when older blocks are freed
        int64_t peak = 0;
        size_t largest = 0;
    };
    static Counts& State() {
        static Counts counts;
        return counts;
    }
#if defined(__SANITIZE_ADDRESS__)
    static void OnMalloc(const volatile void*, size_t size) {
        Counts& c = State();
        if (!c.watching) return;
        c.current += static_cast<int64_t>(size);
        if (c.current > c.peak) c.peak = c.current;
        if (size > c.largest) c.largest = size;
    }
    static void OnFree(const volatile void* p) {
        Counts& c = State();
        if (c.watching && p != nullptr) c.current -= static_cast<int64_t>(__sanitizer_get_allocated_size(p));
    }
#endif
};

}  // namespace tome
