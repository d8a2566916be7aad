// The campaign reader's lexical rules: keywords, whitespace, line ends,
// numbers, letters, the "start level" search and the end-of-input cases.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "data/campaign_io.h"

namespace {

const std::string Header = "name N\ndesc D\nlevels 1\nlives 3\n";

std::string block(const std::string& body) { return "\nstart level\n" + body + "done level\n"; }

// A campaign record holding junk everywhere, so the tests see what the
// reader really sets.
std::unique_ptr<Campaign> dirtyCampaign() {
  auto c = std::make_unique<Campaign>();
  std::memset(static_cast<void*>(c.get()), 0x5a, sizeof(Campaign));
  return c;
}

int readText(const std::string& text, Campaign& campaign) {
  std::istringstream in(text);
  return readCampaign(in, campaign);
}

// Reads one level block (the text after a "start level" line) into a level
// that held other values before.
int readBlock(const std::string& text, Level& level) {
  std::memset(static_cast<void*>(&level), 0x33, sizeof level);
  std::istringstream in(text);
  return readLevel(in, level);
}

// A stream buffer that hands out its text and then breaks down, the way a
// failing device does: the stream turns that into its bad state.
class BrokenBuf : public std::streambuf {
 public:
  explicit BrokenBuf(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw 1; }

 private:
  std::string text_;
};

}  // namespace

// ---------------------------------------------------------------- keywords

TEST(ReaderKeywords, OnlyASpaceEndsAKeyword) {
  Level level;
  // A tab or a line end does not end "width": the word runs on and is unknown.
  ASSERT_EQ(readBlock("width\t7 \nheight 3\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 0);
  EXPECT_EQ(level.height, 3);

  auto c = dirtyCampaign();
  EXPECT_EQ(readText("name\tN\ndesc D\nlevels 1\nlives 3\n", *c), 1);
}

TEST(ReaderKeywords, DoneAloneAtALineEndIsNotRecognised) {
  Level level;
  EXPECT_EQ(readBlock("width 4\ndone\n", level), 1);
  EXPECT_EQ(readBlock("width 4\ndone", level), 1);
  // It reads on into the following lines as statements.
  EXPECT_EQ(readBlock("width 4\ndone\nstart level\nwidth 5\ndone level\n", level), 1);
  // "done" followed by a space ends the block even with nothing after it.
  EXPECT_EQ(readBlock("width 4\ndone ", level), 0);
  EXPECT_EQ(level.width, 4);
}

TEST(ReaderKeywords, LevelKeywordsAreTakenInPiecesOfNine) {
  Level level;
  // Nine characters make a whole word; "width" that follows is a word of its own.
  ASSERT_EQ(readBlock("xxxxxxxxxwidth 5\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 5);
  // With eight the ninth character takes the "w" and "idth" is unknown.
  ASSERT_EQ(readBlock("xxxxxxxxwidth 5 \ndone level\n", level), 0);
  EXPECT_EQ(level.width, 0);
}

TEST(ReaderKeywords, HeaderKeywordsAreCaseSensitiveAndInOrder) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText("Name N\ndesc D\nlevels 1\nlives 3\n", *c), 1);
  EXPECT_EQ(readText("desc D\nname N\nlevels 1\nlives 3\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlives 3\nlevels 1\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevels 1\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevelsxxxxxxxxxxxxxxxxx 1\nlives 3\n", *c), 1);
  // Whitespace of any kind before a keyword is skipped.
  EXPECT_EQ(readText("\n\n  \t name N\n \tdesc D\n\nlevels 1\n\t lives 3\n", *c), 0);
  EXPECT_STREQ(c->name, "N");
}

TEST(ReaderKeywords, CommentWordsAreSkippedButSwallowTheNextKeyword) {
  Level level;
  ASSERT_EQ(readBlock("at 0 0 . 1\nthis is a comment \nat 1 0 * 1\ndone level\n", level), 0);
  EXPECT_EQ(level.cell[0][0].kind, Start);
  EXPECT_EQ(level.cell[1][0].kind, Exit);

  // "note" has no space after it: "note\nat" is one word and the "at" is lost.
  ASSERT_EQ(readBlock("at 0 0 . 1\nnote\nat 1 0 * 1 \ndone level\n", level), 0);
  EXPECT_EQ(level.cell[0][0].kind, Start);
  EXPECT_EQ(level.cell[1][0].kind, Empty);
}

TEST(ReaderKeywords, AKeywordIsTakenWhereverItStands) {
  Level level;
  // The operands of an unknown word are met as words of their own.
  ASSERT_EQ(readBlock("colour red width 7\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 7);
}

// --------------------------------------------------------------- statements

TEST(ReaderStatements, BlockWithoutWallLinesGetsTheDefaultWalls) {
  Level level;
  ASSERT_EQ(readBlock("width 3\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[North], Bounce);
  EXPECT_EQ(level.wall[East], Wrap);
  EXPECT_EQ(level.wall[South], Deadly);
  EXPECT_EQ(level.wall[West], Wrap);
  EXPECT_EQ(level.height, 0);
  EXPECT_EQ(level.bonus, 0);
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) {
      EXPECT_EQ(level.cell[x][y].kind, Empty);
      EXPECT_EQ(level.cell[x][y].size, 0u);
    }
}

TEST(ReaderStatements, LimitIsResetForEveryBlock) {
  Level level;
  ASSERT_EQ(readBlock("limit 40\ndone level\n", level), 0);
  EXPECT_EQ(level.limit, 40);
  std::istringstream in("width 3\ndone level\n");
  ASSERT_EQ(readLevel(in, level), 0);
  EXPECT_EQ(level.limit, 0);
}

TEST(ReaderStatements, WallLetters) {
  Level level;
  ASSERT_EQ(readBlock("wall N D\nwall e b\nwall w b\nwall S B\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[North], Deadly);
  EXPECT_EQ(level.wall[East], Bounce);
  EXPECT_EQ(level.wall[West], Bounce);
  EXPECT_EQ(level.wall[South], Bounce);

  // Any other side letter is South, any other wall letter Deadly.
  ASSERT_EQ(readBlock("wall S B\nwall x q\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[South], Deadly);

  // The two letters may stand together; whole words give the second letter
  // of the side word as the wall letter.
  ASSERT_EQ(readBlock("wall NW\nwall east bounce\nwall WB\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[North], Wrap);
  EXPECT_EQ(level.wall[East], Deadly);  // "a" of "east"
  EXPECT_EQ(level.wall[West], Bounce);
}

TEST(ReaderStatements, WholeWordsOnAWallLine) {
  Level level;
  ASSERT_EQ(readBlock("wall north bounce\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[North], Deadly);  // "o" is not B or W
  ASSERT_EQ(readBlock("wall west wrap\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[West], Deadly);  // "e"
  ASSERT_EQ(readBlock("wall nw\ndone level\n", level), 0);
  EXPECT_EQ(level.wall[North], Wrap);
}

TEST(ReaderStatements, AtLinesInsideAndOutsideTheGrid) {
  Level level;
  ASSERT_EQ(readBlock("at 17 11 * 2\nat 18 0 . 1\nat 0 12 . 1\nat -1 0 . 1\nat 0 -1 . 1\n"
                      "done level\n",
                      level),
            0);
  EXPECT_EQ(level.cell[17][11].kind, Exit);
  EXPECT_EQ(level.cell[17][11].size, 2u);
  int filled = 0;
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) filled += level.cell[x][y].kind != Empty;
  EXPECT_EQ(filled, 1);
}

TEST(ReaderStatements, EveryPieceLetterAndAnUnknownOne) {
  Level level;
  ASSERT_EQ(readBlock("at 0 0 ~ 1\nat 1 0 + 1\nat 2 0 - 1\nat 3 0 > 1\nat 4 0 < 1\n"
                      "at 5 0 $ 1\nat 6 0 . 1\nat 7 0 * 1\nat 8 0 ! 1\nat 9 0 Q 3\n"
                      "at 10 0 x 2\ndone level\n",
                      level),
            0);
  const CellKind expected[] = {Empty, Attractor, Repeller, SpinnerCW, SpinnerCCW,
                               Coin,  Start,     Exit,     Hazard,    Empty, Empty};
  for (int x = 0; x < 11; ++x) EXPECT_EQ(level.cell[x][0].kind, expected[x]) << "x=" << x;
  EXPECT_EQ(level.cell[9][0].size, 3u);  // an unknown letter keeps its size
  EXPECT_EQ(level.cell[10][0].size, 2u);
}

TEST(ReaderStatements, LaterStatementsOverwriteEarlierOnes) {
  Level level;
  ASSERT_EQ(readBlock("width 3\nheight 2\nwidth 9\nat 1 1 $ 1\nat 1 1 ! 2\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 9);
  EXPECT_EQ(level.height, 2);
  EXPECT_EQ(level.cell[1][1].kind, Hazard);
  EXPECT_EQ(level.cell[1][1].size, 2u);
}

TEST(ReaderStatements, TheRestOfAStatementLineIsDiscarded) {
  Level level;
  ASSERT_EQ(readBlock("limit 60 seconds width 9\nbonus 5 at 0 0 . 1\ndone level\n", level), 0);
  EXPECT_EQ(level.limit, 60);
  EXPECT_EQ(level.bonus, 5);
  EXPECT_EQ(level.width, 0);
  EXPECT_EQ(level.cell[0][0].kind, Empty);
}

TEST(ReaderStatements, WidthAndHeightAreStoredWithoutARangeTest) {
  Level level;
  ASSERT_EQ(readBlock("width 30\nheight -4\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 30);
  EXPECT_EQ(level.height, -4);
}

// ------------------------------------------------------------------ numbers

TEST(ReaderNumbers, DecimalOnly) {
  Level level;
  ASSERT_EQ(readBlock("limit 010\nwidth 7\nwidth 0x10\nheight +7\nbonus -3\ndone level\n", level), 0);
  EXPECT_EQ(level.limit, 10);
  EXPECT_EQ(level.width, 0);
  EXPECT_EQ(level.height, 7);
  EXPECT_EQ(level.bonus, -3);
}

TEST(ReaderNumbers, AnUnreadableNumberLeavesTheLevelUnchanged) {
  Level level;
  ASSERT_EQ(readBlock("width 5\nwidth foo \nheight - \nlimit 9\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 5);
  EXPECT_EQ(level.height, 0);
  EXPECT_EQ(level.limit, 9);  // the block goes on after the failed numbers
}

TEST(ReaderNumbers, The32BitLimits) {
  Level level;
  ASSERT_EQ(readBlock("limit 2147483647\nbonus -2147483648\nwidth 2147483648\n"
                      "height -2147483649\ndone level\n",
                      level),
            0);
  EXPECT_EQ(level.limit, 2147483647);
  EXPECT_EQ(level.bonus, INT32_MIN);
  EXPECT_EQ(level.width, 0);   // too large: left unchanged
  EXPECT_EQ(level.height, 0);  // too small: left unchanged

  ASSERT_EQ(readBlock("width 99999999999999999999999999999999999999\nheight 3\ndone level\n", level), 0);
  EXPECT_EQ(level.width, 0);
  EXPECT_EQ(level.height, 3);
}

TEST(ReaderNumbers, CellSizeIsUnsigned) {
  Level level;
  ASSERT_EQ(readBlock("at 0 0 $ 4294967295\nat 1 0 $ 4294967296 \nat 2 0 $ -1 \nat 3 0 $ 010\n"
                      "at 4 0 $ -4294967295\nat 5 0 $ -4294967296\ndone level\n",
                      level),
            0);
  EXPECT_EQ(level.cell[0][0].kind, Coin);
  EXPECT_EQ(level.cell[0][0].size, 4294967295u);
  EXPECT_EQ(level.cell[1][0].kind, Empty);
  // A minus sign negates the magnitude modulo 2^32, as for an unsigned
  // stream read: "-1" is the largest size, which makes the level unplayable.
  EXPECT_EQ(level.cell[2][0].kind, Coin);
  EXPECT_EQ(level.cell[2][0].size, 4294967295u);
  EXPECT_EQ(level.cell[3][0].size, 10u);
  EXPECT_EQ(level.cell[4][0].size, 1u);
  EXPECT_EQ(level.cell[5][0].kind, Empty);
}

TEST(ReaderNumbers, AnAtWithMissingOperandsChangesNothing) {
  Level level;
  // The size is missing: the number reader passes the line end, meets "done"
  // and fails; the cell stays Empty and "done" is read as the next keyword.
  ASSERT_EQ(readBlock("at 3 4 $\ndone level\n", level), 0);
  EXPECT_EQ(level.cell[3][4].kind, Empty);
  ASSERT_EQ(readBlock("at 3 x $ 1 \ndone level\n", level), 0);
  EXPECT_EQ(level.cell[3][0].kind, Empty);
  ASSERT_EQ(readBlock("at 99999999999 0 . 1 \ndone level\n", level), 0);
  for (int x = 0; x < MaxWidth; ++x) EXPECT_EQ(level.cell[x][0].kind, Empty);
}

// ------------------------------------------------------------- name and desc

TEST(ReaderHeader, NameAndDescAreTheRestOfTheLine) {
  auto c = dirtyCampaign();
  ASSERT_EQ(readText("name    Lead gone, trail  \ndesc \t\tx  y\nlevels 0\nlives 0\n", *c), 0);
  EXPECT_STREQ(c->name, "Lead gone, trail  ");
  EXPECT_STREQ(c->desc, "x  y");
}

TEST(ReaderHeader, EmptyNameTakesTheNextLineAndFails) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText("name \ndesc D\nlevels 1\nlives 3\n", *c), 1);
  EXPECT_STREQ(c->name, "desc D");
  EXPECT_EQ(readText("name N\ndesc \nlevels 1\nlives 3\n", *c), 1);
}

TEST(ReaderHeader, FullLengthNameAndDescReadBack) {
  auto c = dirtyCampaign();
  const std::string name20(20, 'n'), desc80(80, 'd');
  ASSERT_EQ(readText("name " + name20 + "\ndesc " + desc80 + "\nlevels 0\nlives 0\n", *c), 0);
  EXPECT_EQ(std::string(c->name), name20);
  EXPECT_EQ(std::string(c->desc), desc80);
  // The same with CR LF line ends: the CR does not count against the length.
  ASSERT_EQ(readText("name " + name20 + "\r\ndesc " + desc80 + "\r\nlevels 0\r\nlives 0\r\n", *c), 0);
  EXPECT_EQ(std::string(c->name), name20);
  EXPECT_EQ(std::string(c->desc), desc80);
}

TEST(ReaderHeader, OverlongNameOrDescIsRejected) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText("name " + std::string(21, 'n') + "\ndesc D\nlevels 0\nlives 0\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc " + std::string(81, 'd') + "\nlevels 0\nlives 0\n", *c), 1);
  CampaignHeader header;
  std::istringstream in("name N\ndesc " + std::string(81, 'd') + "\n");
  EXPECT_EQ(readCampaignHeader(in, header), 1);
  EXPECT_EQ(std::string(header.desc), std::string(80, 'd'));  // always terminated
}

TEST(ReaderHeader, HeaderAloneMayEndInsideTheDescription) {
  CampaignHeader header;
  std::istringstream in("name N\ndesc Last line");
  EXPECT_EQ(readCampaignHeader(in, header), 0);
  EXPECT_STREQ(header.desc, "Last line");
  std::istringstream noDesc("name N\n");
  EXPECT_EQ(readCampaignHeader(noDesc, header), 1);
  std::istringstream empty("");
  EXPECT_EQ(readCampaignHeader(empty, header), 1);
}

TEST(ReaderHeader, ALoneCarriageReturnIsPartOfTheValue) {
  auto c = dirtyCampaign();
  ASSERT_EQ(readText("name a\rb\ndesc c\r\r\nlevels 0\nlives 0\n", *c), 0);
  EXPECT_STREQ(c->name, "a\rb");
  EXPECT_STREQ(c->desc, "c\r");
}

// -------------------------------------------------------------- line ends

TEST(ReaderLineEnds, CrLfReadsTheSameAsLf) {
  const std::string lf = Header + block("width 4\nheight 3\nlimit 45\nwall N W\nat 0 0 . 1\nat 3 2 * 2\n") +
                         block("width 2\nheight 2\nlimit 5\n");
  std::string crlf;
  for (char ch : lf) {
    if (ch == '\n') crlf += '\r';
    crlf += ch;
  }
  auto a = dirtyCampaign();
  auto b = dirtyCampaign();
  ASSERT_EQ(readText(lf, *a), 0);
  ASSERT_EQ(readText(crlf, *b), 0);
  EXPECT_STREQ(a->name, b->name);
  EXPECT_STREQ(a->desc, b->desc);
  ASSERT_EQ(b->levelCount, 2);
  std::ostringstream wa, wb;
  writeCampaign(wa, *a);
  writeCampaign(wb, *b);
  EXPECT_EQ(wa.str(), wb.str());
}

TEST(ReaderLineEnds, SkipLineStopsAtLineFeedOrCarriageReturn) {
  std::istringstream in("abc\ndef\rghi\r\nj");
  skipLine(in);
  EXPECT_EQ(in.peek(), 'd');
  skipLine(in);
  EXPECT_EQ(in.peek(), 'g');
  skipLine(in);
  EXPECT_EQ(in.peek(), '\n');
  skipLine(in);
  skipLine(in);
  EXPECT_TRUE(in.eof());

  std::istringstream failed("abc\ndef\n");
  failed.setstate(std::ios_base::failbit);
  skipLine(failed);
  failed.clear();
  EXPECT_EQ(failed.peek(), 'a');  // nothing consumed on a failed stream
}

// ------------------------------------------------- the search for blocks

TEST(ReaderSearch, OnlyAnExactStartLevelLineOpensABlock) {
  auto c = dirtyCampaign();
  const std::string body = "width 1\ndone level\n";
  EXPECT_EQ(readText(Header + " start level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 0);
  EXPECT_EQ(readText(Header + "start level \n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 0);
  EXPECT_EQ(readText(Header + "Start level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 0);
  EXPECT_EQ(readText(Header + "start  level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 0);
  EXPECT_EQ(readText(Header + "start level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 1);
}

TEST(ReaderSearch, LongLinesAreComparedInPiecesOfNineteen) {
  auto c = dirtyCampaign();
  const std::string body = "width 1\ndone level\n";
  EXPECT_EQ(readText(Header + std::string(19, 'x') + "start level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 1);
  EXPECT_EQ(readText(Header + std::string(38, 'x') + "start level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 1);
  EXPECT_EQ(readText(Header + std::string(18, 'x') + "start level\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 0);
  EXPECT_EQ(readText(Header + std::string(19, 'x') + "start level\r\n" + body, *c), 0);
  EXPECT_EQ(c->levelCount, 1);
}

TEST(ReaderSearch, LinesBeforeAndBetweenBlocksAreIgnored) {
  auto c = dirtyCampaign();
  ASSERT_EQ(readText(Header + "junk\nwidth 9\n" + block("width 1\n") + "more junk\n\n\n" + block("width 2\n") +
                         "trailing",
                     *c),
            0);
  ASSERT_EQ(c->levelCount, 2);
  EXPECT_EQ(c->level[0].width, 1);
  EXPECT_EQ(c->level[1].width, 2);
}

TEST(ReaderSearch, TheRestOfTheDoneLineIsPassedOver) {
  auto c = dirtyCampaign();
  ASSERT_EQ(readText(Header + "\nstart level\nwidth 1\ndone start level\nwidth 2\ndone level\n", *c), 0);
  EXPECT_EQ(c->levelCount, 1);
}

TEST(ReaderSearch, At128BlocksTheReaderStops) {
  std::string text = Header;
  for (int i = 0; i < 129; ++i) text += block("width " + std::to_string(i + 1) + "\n");
  auto c = dirtyCampaign();
  ASSERT_EQ(readText(text, *c), 0);
  EXPECT_EQ(c->levelCount, 128);
  EXPECT_EQ(c->level[127].width, 128);
  // Input after the 128th block is not read, so it may even be broken.
  text.resize(text.size() - std::string("done level\n").size());
  ASSERT_EQ(readText(text, *c), 0);
  EXPECT_EQ(c->levelCount, 128);
}

// -------------------------------------------------------- end of input

TEST(ReaderEndOfInput, LivesNumberDirectlyAtTheEnd) {
  auto c = dirtyCampaign();
  ASSERT_EQ(readText("name N\ndesc D\nlevels 1\nlives 3", *c), 0);
  EXPECT_EQ(c->lives, 3);
  EXPECT_EQ(c->levelCount, 0);
}

TEST(ReaderEndOfInput, LevelsNumberDirectlyAtTheEndFails) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText("name N\ndesc D\nlevels 1", *c), 1);
}

TEST(ReaderEndOfInput, LivesThatIsNotANumberFailsAtOnce) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText("name N\ndesc D\nlevels 1\nlives many\n" + block("width 1\n"), *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevels 1\nlives ", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevels 1\nlives", *c), 1);
}

TEST(ReaderEndOfInput, LevelsRange) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText("name N\ndesc D\nlevels 129\nlives 3\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevels -1\nlives 3\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevels many\nlives 3\n", *c), 1);
  EXPECT_EQ(readText("name N\ndesc D\nlevels 99999999999\nlives 3\n", *c), 1);
  ASSERT_EQ(readText("name N\ndesc D\nlevels 128\nlives 3\n", *c), 0);
  EXPECT_EQ(c->levels, 128);
  EXPECT_EQ(c->levelCount, 0);
  ASSERT_EQ(readText("name N\ndesc D\nlevels 0\nlives -7\n", *c), 0);
  EXPECT_EQ(c->lives, -7);
}

TEST(ReaderEndOfInput, StartLevelWithoutALineEndCountsAsAbsent) {
  auto c = dirtyCampaign();
  ASSERT_EQ(readText(Header + block("width 1\n") + "\nstart level", *c), 0);
  EXPECT_EQ(c->levelCount, 1);
  EXPECT_EQ(readText(Header + block("width 1\n") + "\nstart level\n", *c), 1);
  EXPECT_EQ(c->levelCount, 1);
}

TEST(ReaderEndOfInput, TruncatedBlockFailsTheCampaign) {
  auto c = dirtyCampaign();
  EXPECT_EQ(readText(Header + block("width 1\n") + "\nstart level\nwidth 3\nheight 2\n", *c), 1);
  EXPECT_EQ(c->levelCount, 1);  // only blocks that ended with "done"
  EXPECT_EQ(readText(Header + "\nstart level\nwidth 3\nat 1 1 $", *c), 1);
  EXPECT_EQ(readText(Header + "\nstart level\nwall N", *c), 1);
  EXPECT_EQ(readText(Header + "\nstart level\nlimit 3", *c), 1);
  EXPECT_EQ(readText(Header + "\nstart level\ndone", *c), 1);
  EXPECT_EQ(c->levelCount, 0);
}

TEST(ReaderEndOfInput, AFailedReadStartsLevelCountAtZero) {
  auto c = dirtyCampaign();
  c->levelCount = 5;
  EXPECT_EQ(readText("garbage", *c), 1);
  EXPECT_EQ(c->levelCount, 0);
}

// ---------------------------------------------------------- broken streams

TEST(ReaderBrokenStream, AStreamThatBreaksDownFailsTheRead) {
  auto c = dirtyCampaign();
  BrokenBuf inHeader("name N\ndesc D");
  std::istream a(&inHeader);
  // The description reaches the breakdown: a hard error, not the end of input.
  EXPECT_EQ(readCampaign(a, *c), 1);
  EXPECT_TRUE(a.bad());

  BrokenBuf inSearch(Header + "\njunk");
  std::istream b(&inSearch);
  EXPECT_EQ(readCampaign(b, *c), 1);

  BrokenBuf inBlock(Header + "\nstart level\nwidth 3\n");
  std::istream d(&inBlock);
  EXPECT_EQ(readCampaign(d, *c), 1);
  EXPECT_EQ(c->levelCount, 0);
}

TEST(ReaderBrokenStream, AFailedStreamIsNotReadFurther) {
  auto c = dirtyCampaign();
  std::istringstream in(Header + block("width 1\n"));
  in.setstate(std::ios_base::failbit);
  EXPECT_EQ(readCampaign(in, *c), 1);
  in.clear();
  EXPECT_EQ(in.tellg(), 0);
}
