// What the decoder writes for each code: the text of the code tables with every line feed stored as
// CR LF, each held in a fixed-size slot so that a code is copied with one fixed-size move.
#ifndef MOJIROLL_DECODER_STORED_TEXT_H_
#define MOJIROLL_DECODER_STORED_TEXT_H_

#include <array>
#include <cstddef>
#include <string_view>

// The bytes of one code as they go into the destination, followed by zeros and then their count:
// a slot of Capacity + 1 bytes, which the decoder copies whole.
template <std::size_t Capacity>
struct stored_text {
  std::array<char, Capacity> bytes;
  unsigned char size;
};

// The stored form of a table text: each line feed becomes CR LF. Text longer than a slot is
// refused at compile time by the size check of the tables that hold it.
template <std::size_t Capacity>
constexpr stored_text<Capacity> store_text(std::string_view text) {
  stored_text<Capacity> stored{};
  std::size_t size = 0;
  for (char c : text) {
    if (c == '\n' && size < Capacity) stored.bytes[size++] = '\r';
    if (size < Capacity) stored.bytes[size++] = c;
  }
  stored.size = static_cast<unsigned char>(size);
  return stored;
}

// The stored length of a table text, without the slot's limit.
constexpr std::size_t measure_stored_text(std::string_view text) {
  std::size_t size = text.size();
  for (char c : text) size += c == '\n';
  return size;
}

// The stored form of a whole table, in the same order.
template <std::size_t Capacity, std::size_t N>
constexpr std::array<stored_text<Capacity>, N> store_table(
    const std::array<std::string_view, N>& table) {
  std::array<stored_text<Capacity>, N> stored{};
  for (std::size_t code = 0; code < N; ++code) stored[code] = store_text<Capacity>(table[code]);
  return stored;
}

// Whether every text of the table fits a slot of the capacity once its line feeds are stored as
// CR LF.
template <std::size_t Capacity, std::size_t N>
constexpr int fits_stored_text(const std::array<std::string_view, N>& table) {
  for (std::string_view text : table) {
    if (measure_stored_text(text) > Capacity) return 0;
  }
  return 1;
}

#endif  // MOJIROLL_DECODER_STORED_TEXT_H_
