// Key cards for the title, play, practice, records and the editor.
#include "game/g_cards.h"

#include <allegro.h>

#include "data/level.h"
#include "draw/r_board.h"
#include "game/g_clock.h"
#include "platform/i_system.h"

namespace {

const KeyLine titleLines[] = {
    {"UP DOWN", "turn the wheel of campaigns"},
    {"W S  KEYPAD 8 2", "turn the wheel too"},
    {"SPACE ENTER", "play the campaign in the middle"},
    {"P", "practise a level of that campaign"},
    {"R", "records of every campaign"},
    {"F1", "this card"},
    {"ESC", "leave the game"},
};

const KeyLine playLines[] = {
    {"ARROWS", "NUDGE the ball that way"},
    {"W A S D", "NUDGE too"},
    {"KEYPAD 8 4 6 2", "NUDGE too"},
    {"SPACE ENTER", "FLIP: attractors and repellers"},
    {"", "swap, spinners turn back"},
    {"ESC", "quit the level (Y or N)"},
    {"F1", "this card; the clock stops"},
};

const KeyLine practiceLines[] = {
    {"LEFT RIGHT", "choose a level you have reached"},
    {"SPACE ENTER", "play it; a loss costs nothing"},
    {"H", "a hint: the idea of the level"},
    {"V", "watch a winning route"},
    {"ESC", "back to the title"},
    {"", ""},
    {"ESC IN PLAY", "quit the level (Y or N)"},
    {"ESC WATCHING", "stop watching"},
    {"F1", "this card"},
};

const KeyLine recordsLines[] = {
    {"UP DOWN", "scroll the list"},
    {"ESC SPACE ENTER", "back to the title"},
    {"F1", "this card"},
};

const KeyLine editorLines[] = {
    {"ARROWS", "move the cursor"},
    {"Z X C", "hazard, exit, coin"},
    {"N M", "repeller, attractor"},
    {", .", "spinner < and spinner >"},
    {"B", "the ball's start"},
    {"V", "empty the cell"},
    {"0 1 2 3", "size of the piece"},
    {"SPACE", "FLIP the level"},
    {"W A S D", "north, west, south, east edge"},
    {"", "bounce, deadly, wrap"},
    {"KEYPAD 8 2", "one row fewer, one more"},
    {"KEYPAD 4 6", "one column fewer, one more"},
    {"= -", "time limit up, down"},
    {"KEYPAD + -", "bonus time up, down"},
    {"INSERT DEL", "lives up, down"},
    {"PGUP PGDN", "next level, previous level"},
    {"F12 F11", "move the level later, earlier"},
    {"T", "test play (ESC ends it)"},
    {"F2", "save"},
    {"ESC", "save and leave"},
    {"F1", "this card"},
};

struct CardText {
  const char* title;
  const KeyLine* lines;
  int count;
};

template <int N>
CardText card(const char* title, const KeyLine (&lines)[N]) {
  return CardText{title, lines, N};
}

CardText cardText(KeyCard which) {
  switch (which) {
    case PlayCard: return card("KEYS IN PLAY", playLines);
    case EditorCard: return card("KEYS OF THE EDITOR", editorLines);
    case PracticeCard: return card("KEYS OF PRACTICE", practiceLines);
    case RecordsCard: return card("KEYS OF THE RECORDS", recordsLines);
    case TitleCard:
    default: return card("KEYS ON THE TITLE", titleLines);
  }
}

constexpr int LinePitch = 14;
constexpr int KeysX = CardLeft + 24;
constexpr int DoesX = CardLeft + 24 + 17 * 8;

}  // namespace

const KeyLine* keyCardLines(KeyCard which, int& count) {
  const CardText text = cardText(which);
  count = text.count;
  return text.lines;
}

const char* keyCardTitle(KeyCard which) { return cardText(which).title; }

void drawKeyCard(BITMAP* bmp, KeyCard which) {
  const CardText text = cardText(which);
  const int black = makecol(0, 0, 0);
  const int white = makecol(255, 255, 255);
  const int grey = makecol(192, 192, 192);
  const int yellow = makecol(255, 255, 0);
  rectfill(bmp, CardLeft, CardTop, CardRight, CardBottom, black);
  rect(bmp, CardLeft, CardTop, CardRight, CardBottom, white);
  rect(bmp, CardLeft + 4, CardTop + 4, CardRight - 4, CardBottom - 4, yellow);
  // The title between an attractor and a repeller, as on the title screen.
  drawPiece(Attractor, 2, bmp, CardLeft + 10, CardTop + 10, 0);
  drawPiece(Repeller, 2, bmp, CardRight - 34, CardTop + 10, 0);
  const int previousMode = text_mode(black);
  textout_centre(bmp, font, text.title, ScreenWidth / 2, CardTop + 18, yellow);
  int y = CardTop + 46;
  for (int i = 0; i < text.count; ++i, y += LinePitch) {
    textout(bmp, font, text.lines[i].keys, KeysX, y, white);
    textout(bmp, font, text.lines[i].does, DoesX, y, grey);
  }
  textout_centre(bmp, font, "ANY KEY GOES ON", ScreenWidth / 2, CardBottom - 20, grey);
  text_mode(previousMode);
}

bool keyCardAsked() { return key[KEY_F1] != 0; }

void showKeyCard(KeyCard which) {
  BITMAP* window = windowPicture();
  if (window == nullptr) return;
  acquire_bitmap(window);
  drawKeyCard(window, which);
  release_bitmap(window);
  presentWindow();
  while (key[KEY_F1]) rest(10);
  while (!anyKeyHeld()) rest(10);
  while (anyKeyHeld()) rest(10);
}
