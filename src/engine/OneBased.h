// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>

namespace engine {

// A fixed array indexed from 1, so the table code reads like the rules: PlayerRanks(3) is the
// third card slot. An index outside 1..N throws instead of touching foreign memory.
template <typename T, int N> class OneBased {
  public:
    static constexpr int size() { return N; }

    T& operator()(int index) { return items_.at(static_cast<std::size_t>(index - 1)); }
    const T& operator()(int index) const { return items_.at(static_cast<std::size_t>(index - 1)); }

    void fill(const T& value) { items_.fill(value); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const OneBased&) const = default;

  private:
    std::array<T, N> items_{};
};

} // namespace engine
