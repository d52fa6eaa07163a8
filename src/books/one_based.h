// A growable array indexed from 1, as every array of the collection is.
#pragma once

#include <cassert>
#include <cstdint>
#include <vector>

namespace tome {

template <class T>
class OneBased {
public:
    OneBased() = default;
    OneBased(std::initializer_list<T> items) : items_(items) {}

    int32_t count() const { return static_cast<int32_t>(items_.size()); }
    bool empty() const { return items_.empty(); }

    T& operator[](int32_t n) {
        assert(n >= 1 && n <= count());
        return items_[static_cast<size_t>(n - 1)];
    }
    const T& operator[](int32_t n) const {
        assert(n >= 1 && n <= count());
        return items_[static_cast<size_t>(n - 1)];
    }

    void append(T value) { items_.push_back(std::move(value)); }
    // Puts value at position n (1..count+1); later elements move one place on.
    void insertAt(int32_t n, T value) {
        assert(n >= 1 && n <= count() + 1);
        items_.insert(items_.begin() + (n - 1), std::move(value));
    }
    // Removes position n; later elements move one place down.
    void removeAt(int32_t n) {
        assert(n >= 1 && n <= count());
        items_.erase(items_.begin() + (n - 1));
    }
    void clear() { items_.clear(); }
    void reserve(size_t n) { items_.reserve(n); }
    void resize(int32_t n) { items_.resize(static_cast<size_t>(n)); }

    std::vector<T>& raw() { return items_; }
    const std::vector<T>& raw() const { return items_; }

    bool operator==(const OneBased& other) const { return items_ == other.items_; }

private:
    std::vector<T> items_;
};

}  // namespace tome
