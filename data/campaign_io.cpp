// The campaign text file: readers that fill the records from any input
// stream and the writer of the canonical form.
//
// The readers work on the stream's own error marks: eofbit when a read meets
// the end of input, failbit when a read finds nothing to convert (or is
// attempted while any mark is set), badbit when the stream itself broke.
// Every primitive below refuses to read from a stream that is not good(), so
// once something went wrong nothing more is consumed until the marks are
// cleared. libstdc++ reports a single-character read at the end of input as
// eofbit + failbit (never badbit); every place that stops on a hard error
// therefore also stops on eofbit, which gives the same results.
#include "data/campaign_io.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

const char pieceLetters[] = "~+-><$.*!";
const char wallLetters[] = "BDW";

namespace {

constexpr int HeaderKeywordMax = 19;  // longest keyword taken in the header
constexpr int LevelKeywordMax = 9;    // longest keyword taken in a level block
constexpr int LinePieceMax = 19;      // piece size of the "start level" search
constexpr int NameMax = static_cast<int>(sizeof(CampaignHeader::name)) - 1;
constexpr int DescMax = static_cast<int>(sizeof(CampaignHeader::desc)) - 1;
constexpr int PieceKinds = 9;         // letters in pieceLetters
constexpr int WallKinds = 3;          // letters in wallLetters

const std::istream::int_type EndOfInput = std::istream::traits_type::eof();

bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Marks a read attempted on a stream that already has a mark set.
bool refuse(std::istream& in) {
  in.setstate(std::ios_base::failbit);
  return false;
}

// Passes over spaces, tabs and line ends. At the end of input only eofbit
// is set, as std::ws does.
void skipBlanks(std::istream& in) {
  if (!in.good()) {
    refuse(in);
    return;
  }
  for (;;) {
    const std::istream::int_type c = in.peek();
    if (c == EndOfInput || !isBlank(c)) return;
    in.ignore();
  }
}

// A keyword: after the blanks, the characters up to (not including) the next
// space, at most `max` of them. Line ends do not end a keyword. `word` gets
// the characters (not terminated) and `length` their count; nothing taken
// sets failbit.
void readKeyword(std::istream& in, char* word, int max, int& length) {
  length = 0;
  skipBlanks(in);
  if (!in.good()) {
    refuse(in);
    return;
  }
  while (length < max) {
    const std::istream::int_type c = in.peek();
    if (c == EndOfInput || c == ' ') break;
    word[length++] = static_cast<char>(in.get());
  }
  if (length == 0) refuse(in);
}

bool keywordIs(const char* word, int length, const char* keyword) {
  const std::size_t n = std::strlen(keyword);
  return static_cast<std::size_t>(length) == n && std::memcmp(word, keyword, n) == 0;
}

// An integer: after the blanks, an optional sign and decimal digits. The
// value is stored only when it lies in lo..hi; an unreadable or out-of-range
// number sets failbit (all its digits are consumed) and leaves `value` alone.
bool readNumber(std::istream& in, int64_t lo, int64_t hi, int64_t& value) {
  skipBlanks(in);
  if (!in.good()) return refuse(in);
  bool negative = false;
  std::istream::int_type c = in.peek();
  if (c == '+' || c == '-') {
    negative = (c == '-');
    in.ignore();
  }
  // Magnitudes beyond 2^32 are out of every range used here; stop growing
  // there so the accumulator never overflows however many digits follow.
  constexpr uint64_t Cap = uint64_t(1) << 33;
  uint64_t magnitude = 0;
  int digits = 0;
  while (in.good() && isDigit(c = in.peek())) {
    in.ignore();
    if (magnitude < Cap) magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
    ++digits;
  }
  if (digits == 0 || magnitude >= Cap) return refuse(in);
  const int64_t v = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  if (v < lo || v > hi) return refuse(in);
  value = v;
  return true;
}

bool readInt(std::istream& in, int32_t& value) {
  int64_t v = 0;
  if (!readNumber(in, INT32_MIN, INT32_MAX, v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

// A cell size is read as the stream library reads an unsigned number: a
// magnitude up to 4294967295, and a leading "-" negates it modulo 2^32, so
// "-1" is 4294967295 (a size the level check then rejects).
bool readSize(std::istream& in, uint32_t& value) {
  int64_t v = 0;
  if (!readNumber(in, -int64_t{UINT32_MAX}, UINT32_MAX, v)) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

// A letter operand: the first character after the blanks.
bool readLetter(std::istream& in, char& letter) {
  skipBlanks(in);
  if (!in.good()) return refuse(in);
  letter = static_cast<char>(in.get());
  return true;
}

int overlong(std::istream& in, char* text, int length) {
  text[length] = '\0';
  in.setstate(std::ios_base::failbit);
  return 1;
}

// The name or description: after the blanks (line ends included), the rest
// of the line, whose line end is consumed and not stored. A carriage return
// directly before the line feed belongs to the line end. Returns 1 when the
// line holds more than `max` characters (failbit set, the rest left in the
// input), else 0. `text` is always terminated.
int readRestOfLine(std::istream& in, char* text, int max) {
  int length = 0;
  text[0] = '\0';
  skipBlanks(in);
  if (!in.good()) {
    refuse(in);
    return 0;
  }
  bool pendingReturn = false;  // a CR seen, not yet known to end the line
  for (;;) {
    const std::istream::int_type c = in.peek();
    if (c == '\n') {
      in.ignore();
      break;
    }
    if (pendingReturn) {  // a CR not followed by a line feed is text
      if (length == max) return overlong(in, text, length);
      text[length++] = '\r';
      pendingReturn = false;
    }
    if (c == EndOfInput) break;
    if (c == '\r') {
      in.ignore();
      pendingReturn = true;
      continue;
    }
    if (length == max) return overlong(in, text, length);
    text[length++] = static_cast<char>(in.get());
  }
  text[length] = '\0';
  return 0;
}

// One piece of a line for the "start level" search: up to LinePieceMax
// characters, no blanks skipped. A piece that meets the line feed consumes
// it; a longer line continues in the next piece. Returns true when a whole
// piece was taken (false at the end of input or on a failed stream).
bool readLinePiece(std::istream& in, char* piece, int& length) {
  length = 0;
  if (!in.good()) return refuse(in);
  for (;;) {
    const std::istream::int_type c = in.peek();
    if (c == EndOfInput) return false;
    if (c == '\n') {
      in.ignore();
      if (length > 0 && piece[length - 1] == '\r') --length;
      return true;
    }
    if (length == LinePieceMax) return true;
    piece[length++] = static_cast<char>(in.get());
  }
}

// Reads pieces until one equals "start level". False when input ended first
// (a "start level" line that holds no line end counts as absent).
bool findStartLevel(std::istream& in) {
  char piece[LinePieceMax];
  int length = 0;
  while (readLinePiece(in, piece, length))
    if (keywordIs(piece, length, "start level")) return true;
  return false;
}

CellKind kindOfLetter(char letter) {
  for (int k = 0; k < PieceKinds; ++k)
    if (pieceLetters[k] == letter) return static_cast<CellKind>(k);
  return Empty;
}

WallKind wallOfLetter(char letter) {
  if (letter == 'B' || letter == 'b') return Bounce;
  if (letter == 'W' || letter == 'w') return Wrap;
  return Deadly;
}

Side sideOfLetter(char letter) {
  if (letter == 'N' || letter == 'n') return North;
  if (letter == 'E' || letter == 'e') return East;
  if (letter == 'W' || letter == 'w') return West;
  return South;
}

// Integers are formatted by hand so the output never depends on a locale.
void writeNumber(std::ostream& out, int64_t value) {
  char digits[24];
  int n = 0;
  const bool negative = value < 0;
  uint64_t magnitude = negative ? uint64_t(0) - static_cast<uint64_t>(value)
                                : static_cast<uint64_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) out.put('-');
  while (n > 0) out.put(digits[--n]);
}

void writeText(std::ostream& out, const char* text, std::size_t capacity) {
  const void* end = std::memchr(text, '\0', capacity);
  const std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : capacity;
  out.write(text, static_cast<std::streamsize>(n));
}

// Unknown wall values are written as Deadly, the kind the reader gives any
// letter it does not know.
char wallLetter(WallKind wall) {
  return (wall >= 0 && wall < WallKinds) ? wallLetters[wall] : wallLetters[Deadly];
}

}  // namespace

void skipLine(std::istream& in) {
  while (in.good()) {
    const std::istream::int_type c = in.get();
    if (c == '\n' || c == '\r') return;
  }
}

int readCampaignHeader(std::istream& in, CampaignHeader& header) {
  char word[HeaderKeywordMax];
  int length = 0;
  readKeyword(in, word, HeaderKeywordMax, length);
  if (!keywordIs(word, length, "name")) return 1;
  if (readRestOfLine(in, header.name, NameMax)) return 1;
  readKeyword(in, word, HeaderKeywordMax, length);
  if (!keywordIs(word, length, "desc")) return 1;
  if (readRestOfLine(in, header.desc, DescMax)) return 1;
  return in.bad() ? 1 : 0;
}

int readLevel(std::istream& in, Level& level) {
  resetLevelForReading(level);
  level.limit = 0;  // a block without "limit" must not inherit an old limit
  char word[LevelKeywordMax];
  int length = 0;
  bool done = false;
  while (!done) {
    in.clear();  // a number that failed in the last statement must not stop the block
    readKeyword(in, word, LevelKeywordMax, length);
    if (in.bad()) return 1;
    if (keywordIs(word, length, "at")) {
      int32_t x = 0, y = 0;
      char letter = 0;
      uint32_t size = 0;
      const bool ok = readInt(in, x) && readInt(in, y) && readLetter(in, letter) && readSize(in, size);
      skipLine(in);
      if (ok && x >= 0 && x < MaxWidth && y >= 0 && y < MaxHeight)
        level.cell[x][y] = Cell{kindOfLetter(letter), size};
    } else if (keywordIs(word, length, "wall")) {
      char side = 0, wall = 0;
      const bool ok = readLetter(in, side) && readLetter(in, wall);
      skipLine(in);
      if (ok) level.wall[sideOfLetter(side)] = wallOfLetter(wall);
    } else if (keywordIs(word, length, "bonus") || keywordIs(word, length, "limit") ||
               keywordIs(word, length, "width") || keywordIs(word, length, "height")) {
      int32_t value = 0;
      const bool ok = readInt(in, value);
      skipLine(in);
      if (ok) {
        if (word[0] == 'b') level.bonus = value;
        else if (word[0] == 'l') level.limit = value;
        else if (word[0] == 'w') level.width = value;
        else level.height = value;
      }
    } else if (keywordIs(word, length, "done")) {
      done = true;
    }
    if (in.bad() || in.eof()) return 1;
  }
  return in.bad() ? 1 : 0;
}

int readCampaign(std::istream& in, Campaign& campaign) {
  campaign.levelCount = 0;
  if (readCampaignHeader(in, campaign)) return 1;

  char word[HeaderKeywordMax];
  int length = 0;
  readKeyword(in, word, HeaderKeywordMax, length);
  if (!keywordIs(word, length, "levels")) return 1;
  int32_t value = 0;
  if (!readInt(in, value)) return 1;
  campaign.levels = value;
  if (in.bad() || in.eof() || value > MaxLevels || value < 0) return 1;

  readKeyword(in, word, HeaderKeywordMax, length);
  if (!keywordIs(word, length, "lives")) return 1;
  if (!readInt(in, value)) return 1;  // not a number: rejected at once
  campaign.lives = value;

  while (campaign.levelCount < MaxLevels && in.good()) {
    if (!findStartLevel(in)) break;
    if (readLevel(in, campaign.level[campaign.levelCount])) return 1;
    ++campaign.levelCount;
  }
  return in.bad() ? 1 : 0;
}

void writeLevel(std::ostream& out, const Level& level) {
  out << "width ";
  writeNumber(out, level.width);
  out << "\nheight ";
  writeNumber(out, level.height);
  out << "\nlimit ";
  writeNumber(out, level.limit);
  out << "\nbonus ";
  writeNumber(out, level.bonus);
  out << '\n';
  static const char sideLetters[4] = {'N', 'E', 'S', 'W'};
  for (int side = 0; side < 4; ++side) {
    out << "wall " << sideLetters[side] << ' ' << wallLetter(level.wall[side]) << '\n';
  }
  const int w = usedColumns(level), h = usedRows(level);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Cell& cell = level.cell[x][y];
      // Empty is never written; kinds outside the table are inert and read
      // back as Empty, so they are left out the same way.
      if (cell.kind <= Empty || cell.kind >= PieceKinds) continue;
      out << "at ";
      writeNumber(out, x);
      out << ' ';
      writeNumber(out, y);
      out << ' ' << pieceLetters[cell.kind] << ' ';
      writeNumber(out, cell.size);
      out << '\n';
    }
  }
  out << "done level\n";
}

void writeCampaign(std::ostream& out, const Campaign& campaign) {
  out << "name ";
  writeText(out, campaign.name, sizeof campaign.name);
  out << "\ndesc ";
  writeText(out, campaign.desc, sizeof campaign.desc);
  out << "\nlevels ";
  writeNumber(out, campaign.levels);
  out << "\nlives ";
  writeNumber(out, campaign.lives);
  out << '\n';
  const int count = campaign.levelCount < 0 ? 0
                    : (campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount);
  for (int i = 0; i < count; ++i) {
    out << "\nstart level\n";
    writeLevel(out, campaign.level[i]);
  }
}
