// The byte form of one simulation run for the play fuzzer: a level (any
// sizes, walls, cell kinds and piece sizes the editor's test play can meet,
// checked or not) and the keys held at each frame's key sampling.
//
//   0      flags: bit 0 = test form of play (ESC quits at once)
//   1..16  width, height, limit, bonus: signed 32-bit, little-endian
//   17..20 walls N E S W: byte % 3 (Bounce, Deadly, Wrap)
//   21     n, the number of cell records that follow
//   ...    n records: x % 18, y % 12, kind % 9, size (unsigned 32-bit LE)
//   rest   one byte per frame from frame 1: bit 0..3 up, right, down,
//          left; bit 4 flip; bit 5 escape
//
// Missing bytes read as 0, so every byte string is a run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/level.h"

struct PlayInput {
  bool testMode;
  Level level;
  const uint8_t* keys;  // into the decoded bytes
  size_t keyCount;
};

// Turns bytes into a run; the key bytes are not copied.
inline void decodePlayInput(const uint8_t* data, size_t size, PlayInput& input) {
  size_t at = 0;
  auto byte = [&]() -> uint8_t { return at < size ? data[at++] : 0; };
  auto word = [&]() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(byte()) << (8 * i);
    return v;
  };
  input.testMode = (byte() & 1) != 0;
  Level& level = input.level;
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) level.cell[x][y] = Cell{Empty, 0};
  level.width = static_cast<int32_t>(word());
  level.height = static_cast<int32_t>(word());
  level.limit = static_cast<int32_t>(word());
  level.bonus = static_cast<int32_t>(word());
  for (int side = 0; side < 4; ++side) level.wall[side] = static_cast<WallKind>(byte() % 3);
  const int cells = byte();
  for (int i = 0; i < cells; ++i) {
    const int x = byte() % MaxWidth, y = byte() % MaxHeight;
    const auto kind = static_cast<CellKind>(byte() % 9);
    level.cell[x][y] = Cell{kind, word()};
  }
  input.keys = data + (at < size ? at : size);
  input.keyCount = at < size ? size - at : 0;
}

// The byte form of a level and a key script (one byte per frame from frame 1).
inline std::string encodePlayInput(const Level& level, bool testMode, const std::string& keys) {
  std::string out;
  auto word = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
  };
  out += static_cast<char>(testMode ? 1 : 0);
  word(static_cast<uint32_t>(level.width));
  word(static_cast<uint32_t>(level.height));
  word(static_cast<uint32_t>(level.limit));
  word(static_cast<uint32_t>(level.bonus));
  for (int side = 0; side < 4; ++side) out += static_cast<char>(level.wall[side]);
  std::string cells;
  int count = 0;
  for (int y = 0; y < MaxHeight; ++y)
    for (int x = 0; x < MaxWidth; ++x) {
      const Cell& c = level.cell[x][y];
      if (c.kind == Empty || count == 255) continue;
      ++count;
      cells += static_cast<char>(x);
      cells += static_cast<char>(y);
      cells += static_cast<char>(c.kind);
      for (int i = 0; i < 4; ++i) cells += static_cast<char>((c.size >> (8 * i)) & 0xff);
    }
  out += static_cast<char>(count);
  return out + cells + keys;
}
