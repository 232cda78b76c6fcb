#pragma once
// A fixed-size array whose every access is bounds-checked: an index outside
// the table stops the operation with std::out_of_range instead of touching
// memory outside it.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace miravel {

template <class T, std::size_t N>
class CheckedArray {
public:
    T& operator[](long index) { return data_[checked(index)]; }
    const T& operator[](long index) const { return data_[checked(index)]; }

    static constexpr std::size_t size() { return N; }
    T* begin() { return data_.data(); }
    T* end() { return data_.data() + N; }
    const T* begin() const { return data_.data(); }
    const T* end() const { return data_.data() + N; }
    void fill(const T& value) { data_.fill(value); }

    bool operator==(const CheckedArray& other) const { return data_ == other.data_; }
    bool operator!=(const CheckedArray& other) const { return data_ != other.data_; }

private:
    static std::size_t checked(long index)
    {
        if (index < 0 || static_cast<std::size_t>(index) >= N)
            throw std::out_of_range("index " + std::to_string(index) + " outside 0.." + std::to_string(N - 1));
        return static_cast<std::size_t>(index);
    }

    std::array<T, N> data_{};
};

} // namespace miravel
