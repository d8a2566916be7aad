// Ball physics of one substep: the inverse-square fields of the force pieces,
// the speed limit, the four board edges and the bounce off a round piece.
// Everything is in board pixels and doubles; nothing here draws or allocates.
#include "game/p_ball.h"
#include "game/p_math.h"

#include <cmath>

const int coinValue[4] = {1, 1, 5, 10};

namespace {

// The bounce compares its angle against these two values exactly, so they are
// made once, the same way every time, rather than written as literals.
const double Pi = 2.0 * std::acos(0.0);
const double HalfPi = std::acos(0.0);

}  // namespace

void applyPieceForce(int32_t kind, uint32_t size, Ball& ball, int cx, int cy) {
  // Coins, exits, hazards and the start exert no force: skip the arithmetic.
  if (kind != Attractor && kind != Repeller && kind != SpinnerCW && kind != SpinnerCCW) return;
  const double s = ForceFactor * (3.0 * static_cast<double>(size) + 1.0);
  const double dx = cx - ball.x;  // from the ball toward the piece
  const double dy = cy - ball.y;
  const double d2 = dx * dx + dy * dy;
  const double q = d2 * std::sqrt(d2);
  if (q == 0.0) return;  // sitting on the centre: no direction, no force
  const double fx = s * dx / q;
  const double fy = s * dy / q;
  switch (kind) {
    case Attractor:
      ball.vx += fx;
      ball.vy += fy;
      break;
    case Repeller:
      ball.vx -= fx;
      ball.vy -= fy;
      break;
    case SpinnerCW:
      ball.vx += fy;
      ball.vy -= fx;
      break;
    case SpinnerCCW:
      ball.vx -= fy;
      ball.vy += fx;
      break;
    default:
      break;
  }
}

void applyFieldForces(Ball& ball, const Level& level) {
  const int w = usedColumns(level), h = usedRows(level);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Cell& c = level.cell[x][y];
      if (c.kind == Empty) continue;
      applyPieceForce(c.kind, c.size, ball, CellPixels * x + CellCentre,
                      CellPixels * y + CellCentre);
    }
  }
}

void limitSpeed(Ball& ball) {
  const double d2 = ball.vx * ball.vx + ball.vy * ball.vy;
  if (d2 > MaxSpeed * MaxSpeed) {
    const double len = std::sqrt(d2);
    ball.vx = ball.vx * MaxSpeed / len;
    ball.vy = ball.vy * MaxSpeed / len;
  }
}

EdgeOutcome checkEdges(Ball& ball, const Level& level) {
  const double r = ballRadius(ball);
  const double w = static_cast<double>(CellPixels) * level.width;
  const double h = static_cast<double>(CellPixels) * level.height;
  bool wrapped = false;

  if (ball.y - r < 0) {
    if (level.wall[North] == Bounce) {
      ball.y = r;
      if (ball.vy < 0) ball.vy = -ball.vy;
    } else if (level.wall[North] == Wrap) {
      ball.y = h - r;
      wrapped = true;
    } else {
      return EdgeLost;
    }
  }
  if (ball.y + r > h) {
    if (level.wall[South] == Bounce) {
      ball.y = h - r;
      if (ball.vy > 0) ball.vy = -ball.vy;
    } else if (level.wall[South] == Wrap) {
      ball.y = r;
      wrapped = true;
    } else {
      return EdgeLost;
    }
  }
  if (ball.x + r > w) {
    if (level.wall[East] == Bounce) {
      ball.x = w - r;
      if (ball.vx > 0) ball.vx = -ball.vx;
    } else if (level.wall[East] == Wrap) {
      ball.x = r;
      wrapped = true;
    } else {
      return EdgeLost;
    }
  }
  if (ball.x - r < 0) {
    if (level.wall[West] == Bounce) {
      ball.x = r;
      if (ball.vx < 0) ball.vx = -ball.vx;
    } else if (level.wall[West] == Wrap) {
      ball.x = w - r;
      wrapped = true;
    } else {
      return EdgeLost;
    }
  }
  return wrapped ? EdgeWrapped : EdgeGoOn;
}

void bounceOffPiece(Ball& ball, int reach, double cx, double cy) {
  const double dx = ball.x - cx;  // from the piece toward the ball
  const double dy = ball.y - cy;
  if (dx == 0.0 && dy == 0.0) return;            // no line to reflect about
  if (ball.vx == 0.0 && ball.vy == 0.0) return;  // no motion to reflect

  const double phi = stableAtan2(dy, dx);
  const double theta = stableAtan2(ball.vy, ball.vx);
  // Left unreduced on purpose: the sign tests below look at t as it comes out.
  const double t = 2.0 * phi + Pi - theta;
  const double speed = std::sqrt(ball.vx * ball.vx + ball.vy * ball.vy);

  if (t == HalfPi) {
    ball.vx = 0.0;
    ball.vy = speed;
  } else if (t == -HalfPi) {
    ball.vx = 0.0;
    ball.vy = -speed;
  } else {
    // The components come out as speed*cos^2 t and speed*sin^2 t, so an
    // oblique bounce loses some speed; for k = 0, 1/k^2 is infinite and vy 0.
    const double k = stableTan(t);
    const double k2 = k * k;
    double vx = speed / (k2 + 1.0);
    double vy = speed / (1.0 / k2 + 1.0);
    if (t > HalfPi || t < -HalfPi) vx = -vx;
    if (t < 0.0) vy = -vy;
    ball.vx = vx;
    ball.vy = vy;
  }

  const double dist = std::sqrt(dx * dx + dy * dy);
  ball.x = cx + reach * dx / dist;
  ball.y = cy + reach * dy / dist;
}
