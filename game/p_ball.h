// The ball and the physics of one substep: field forces, speed limit, board
// edges, the bounce off a round piece. Board pixel coordinates, doubles.
#pragma once
#include <cstdint>

#include "data/level.h"

struct Ball {
  double x, y;    // centre, board pixels
  double vx, vy;  // pixels per substep, y grows downward
  int32_t size;   // from the Start cell, 0..3
  int32_t colour; // packed colour as the drawing layer made it
};

constexpr double MaxSpeed = 2.0;
constexpr double ForceFactor = 0.1;
constexpr double NudgeImpulse = 0.1;
constexpr int SubstepsPerFrame = 33;

// Coins counted for a coin of size 0..3; its points are 50 x this.
extern const int coinValue[4];

inline int ballRadius(const Ball& ball) { return 3 * ball.size + 1; }

// A ball coordinate truncated toward zero, as the trail and the contact scan
// take it. On a board of extreme extent (test play runs any level) the ball
// can be far away; beyond 2^24 pixels, where no cell and no screen pixel is
// near, the value is held there instead of overflowing an int.
constexpr int FarPixel = 1 << 24;
inline int truncatedPixel(double v) {
  if (v >= FarPixel) return FarPixel;
  if (v > -FarPixel) return static_cast<int>(v);
  return -FarPixel;  // and NaN
}

// Adds the force of one piece centred on (cx, cy); only the four force kinds act.
void applyPieceForce(int32_t kind, uint32_t size, Ball& ball, int cx, int cy);
// Adds the force of every force piece of the level.
void applyFieldForces(Ball& ball, const Level& level);
// Scales the velocity down to MaxSpeed when the ball is faster.
void limitSpeed(Ball& ball);

enum EdgeOutcome : int32_t { EdgeGoOn = 0, EdgeWrapped = 1, EdgeLost = 2 };
// North, South, East, West in turn; each uses the position left by the last.
EdgeOutcome checkEdges(Ball& ball, const Level& level);

// Reflects the motion about the line through the piece centre and the ball
// and puts the ball on the contact circle of radius `reach`.
void bounceOffPiece(Ball& ball, int reach, double cx, double cy);
