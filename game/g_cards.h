// Key cards: F1 shows the keys of the screen in use on a card in the
// game's style, over whatever the window shows, until a key is pressed.
#pragma once

struct BITMAP;

enum KeyCard : int { TitleCard = 0, PlayCard = 1, EditorCard = 2, PracticeCard = 3, RecordsCard = 4 };
constexpr int KeyCardCount = 5;

// The card's frame on the 512 x 384 picture.
constexpr int CardLeft = 16;
constexpr int CardTop = 12;
constexpr int CardRight = 495;
constexpr int CardBottom = 371;

struct KeyLine {
  const char* keys;  // the key names, white
  const char* does;  // what they do, grey
};

// The lines of a card and their number.
const KeyLine* keyCardLines(KeyCard card, int& count);
const char* keyCardTitle(KeyCard card);

// Draws the card into the bitmap over what is there.
void drawKeyCard(BITMAP* bmp, KeyCard card);

// True while F1 is held.
bool keyCardAsked();

// Shows the card in the window over the picture shown and waits: first for
// F1 to be let go, then for any key to be pressed and let go. The caller
// shows its own picture again afterwards.
void showKeyCard(KeyCard card);
