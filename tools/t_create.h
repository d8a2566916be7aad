// Console campaign creation: asks for a name and a description and writes
// an empty campaign file.
#pragma once
#include <iosfwd>

// 0 when the file was written, 1 on every failure. Messages go to `out`.
int createCampaignFile(const char* fileName, std::istream& in, std::ostream& out);
