// The campaign text file format: readers that fill the records from any
// text stream, and the writer of the canonical form.
#pragma once
#include <iosfwd>

#include "data/level.h"

// "~+-><$.*!": the letter at position k stands for CellKind k.
extern const char pieceLetters[];
// "BDW": Bounce, Deadly, Wrap.
extern const char wallLetters[];

// Fills name and desc only. 0 on success, 1 on failure.
int readCampaignHeader(std::istream& in, CampaignHeader& header);
// Fills name, desc, levels, lives, levelCount and the level slots (not path
// or location). 0 on success, 1 on failure.
int readCampaign(std::istream& in, Campaign& campaign);
// Reads one level block, the stream positioned just after "start level".
// 0 when the block ended with "done", 1 on failure.
int readLevel(std::istream& in, Level& level);
// Writes the whole campaign in canonical form.
void writeCampaign(std::ostream& out, const Campaign& campaign);
// Writes one level block ("width ..." through "done level").
void writeLevel(std::ostream& out, const Level& level);
// Discards characters through the next line feed or carriage return.
void skipLine(std::istream& in);
