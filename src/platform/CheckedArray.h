// Fixed-size arrays with arbitrary integer index ranges [Lo, Hi] (1-based tables,
// negative lower bounds of the series' perturbation tables). Every access is
// checked and raises tv::ERangeError outside the range. Value type, zero
// initialised like the program's globals. No Qt, no other module.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "Errors.h"

namespace tv {

[[noreturn]] void ThrowIndexError(long long index, long long lo, long long hi);

template <typename T, int Lo, int Hi>
class CheckedArray {
  static_assert(Hi >= Lo, "empty index range");

 public:
  static constexpr int Low = Lo;
  static constexpr int High = Hi;
  static constexpr std::size_t Count = static_cast<std::size_t>(Hi - Lo + 1);

  constexpr T& operator[](long long i) { return Items_[Offset(i)]; }
  constexpr const T& operator[](long long i) const { return Items_[Offset(i)]; }

  static constexpr std::size_t size() { return Count; }
  constexpr T* begin() { return Items_.data(); }
  constexpr T* end() { return Items_.data() + Count; }
  constexpr const T* begin() const { return Items_.data(); }
  constexpr const T* end() const { return Items_.data() + Count; }
  constexpr T* data() { return Items_.data(); }
  constexpr const T* data() const { return Items_.data(); }
  void fill(const T& value) { Items_.fill(value); }

  friend bool operator==(const CheckedArray&, const CheckedArray&) = default;

  // Public so that the type stays an aggregate (brace initialisation of the
  // generated tables); use operator[] for access.
  std::array<T, Count> Items_{};

 private:
  static constexpr std::size_t Offset(long long i) {
    if (i < Lo || i > Hi) ThrowIndexError(i, Lo, Hi);
    return static_cast<std::size_t>(i - Lo);
  }
};

}  // namespace tv
