// Ball physics: field forces, speed limit, board edges and the bounce.
#include <gtest/gtest.h>

#include <cmath>

#include "data/level.h"
#include "game/p_ball.h"

namespace {

Ball ballAt(double x, double y, double vx = 0, double vy = 0, int32_t size = 1) {
  return Ball{x, y, vx, vy, size, 0};
}

Level emptyLevel(int w, int h) {
  Level level;
  makeNewLevel(level);
  level.width = w;
  level.height = h;
  return level;
}

double speedOf(const Ball& b) { return std::sqrt(b.vx * b.vx + b.vy * b.vy); }

const double kPi = 2.0 * std::acos(0.0);

}  // namespace

// ---------------------------------------------------------------- forces

TEST(FieldForce, AttractorOfSizeThreeAtDistanceTenGainsOneHundredth) {
  Ball b = ballAt(100, 100);
  applyPieceForce(Attractor, 3, b, 110, 100);
  EXPECT_NEAR(b.vx, 0.01, 1e-15);
  EXPECT_EQ(b.vy, 0.0);
}

TEST(FieldForce, AttractorPullsAndRepellerPushesInEveryDirection) {
  struct Dir { int dx, dy; };
  const Dir dirs[] = {{10, 0}, {-10, 0}, {0, 10}, {0, -10}, {6, -8}};
  for (const Dir& d : dirs) {
    Ball a = ballAt(100, 100), r = ballAt(100, 100);
    applyPieceForce(Attractor, 3, a, 100 + d.dx, 100 + d.dy);
    applyPieceForce(Repeller, 3, r, 100 + d.dx, 100 + d.dy);
    // Length s / d2 = 1.0 / 100 along the line to the piece.
    EXPECT_NEAR(a.vx, d.dx * 0.001, 1e-15) << d.dx << "," << d.dy;
    EXPECT_NEAR(a.vy, d.dy * 0.001, 1e-15) << d.dx << "," << d.dy;
    EXPECT_NEAR(r.vx, -d.dx * 0.001, 1e-15) << d.dx << "," << d.dy;
    EXPECT_NEAR(r.vy, -d.dy * 0.001, 1e-15) << d.dx << "," << d.dy;
  }
}

TEST(FieldForce, StrengthGrowsWithSizeAndFallsWithSquareOfDistance) {
  const double expected[4] = {0.1, 0.4, 0.7, 1.0};
  for (uint32_t size = 0; size < 4; ++size) {
    Ball b = ballAt(0, 0);
    applyPieceForce(Attractor, size, b, 20, 0);
    EXPECT_NEAR(b.vx, expected[size] / 400.0, 1e-15) << size;
  }
  Ball near = ballAt(0, 0), far = ballAt(0, 0);
  applyPieceForce(Repeller, 2, near, 0, 10);
  applyPieceForce(Repeller, 2, far, 0, 20);
  EXPECT_NEAR(near.vy, 4.0 * far.vy, 1e-15);
}

TEST(FieldForce, SpinnersPushAtRightAngles) {
  // Spinner directly east of the ball: clockwise pushes north, anticlockwise south.
  Ball cw = ballAt(100, 100), ccw = ballAt(100, 100);
  applyPieceForce(SpinnerCW, 3, cw, 110, 100);
  applyPieceForce(SpinnerCCW, 3, ccw, 110, 100);
  EXPECT_NEAR(cw.vy, -0.01, 1e-15);
  EXPECT_EQ(cw.vx, 0.0);
  EXPECT_NEAR(ccw.vy, 0.01, 1e-15);
  EXPECT_EQ(ccw.vx, 0.0);

  // Spinner directly north of the ball: clockwise on screen carries the ball
  // (below it) westward, anticlockwise eastward.
  Ball cwN = ballAt(100, 100), ccwN = ballAt(100, 100);
  applyPieceForce(SpinnerCW, 3, cwN, 100, 90);
  applyPieceForce(SpinnerCCW, 3, ccwN, 100, 90);
  EXPECT_NEAR(cwN.vx, -0.01, 1e-15);
  EXPECT_EQ(cwN.vy, 0.0);
  EXPECT_NEAR(ccwN.vx, 0.01, 1e-15);
  EXPECT_EQ(ccwN.vy, 0.0);
}

TEST(FieldForce, BallOnCentreAndInertKindsGetNothing) {
  const int32_t kinds[] = {Attractor, Repeller, SpinnerCW, SpinnerCCW};
  for (int32_t k : kinds) {
    Ball b = ballAt(112, 37, 0.25, -0.5);
    applyPieceForce(k, 3, b, 112, 37);
    EXPECT_EQ(b.vx, 0.25) << k;
    EXPECT_EQ(b.vy, -0.5) << k;
  }
  const int32_t inert[] = {Empty, Coin, Start, Exit, Hazard, 9, -1, 1000};
  for (int32_t k : inert) {
    Ball b = ballAt(100, 100, 0.25, -0.5);
    applyPieceForce(k, 3, b, 110, 100);
    EXPECT_EQ(b.vx, 0.25) << k;
    EXPECT_EQ(b.vy, -0.5) << k;
  }
}

TEST(FieldForce, BoardSumsEveryForcePieceInsideTheLevel) {
  Level level = emptyLevel(5, 3);
  // Two equal attractors either side of the ball cancel out.
  level.cell[0][1] = Cell{Attractor, 2};
  level.cell[4][1] = Cell{Attractor, 2};
  Ball b = ballAt(62, 37);
  applyFieldForces(b, level);
  EXPECT_NEAR(b.vx, 0.0, 1e-15);
  EXPECT_NEAR(b.vy, 0.0, 1e-15);

  // A repeller one cell north pushes south; matches the single-piece call.
  level.cell[2][0] = Cell{Repeller, 1};
  Ball one = ballAt(62, 37);
  applyPieceForce(Repeller, 1, one, 62, 12);
  Ball all = ballAt(62, 37);
  applyFieldForces(all, level);
  EXPECT_NEAR(all.vy, one.vy, 1e-15);
  EXPECT_GT(all.vy, 0.0);

  // Pieces stored beyond the level's width and height do not act.
  Level small = emptyLevel(2, 2);
  small.cell[2][0] = Cell{Attractor, 3};
  small.cell[0][2] = Cell{Repeller, 3};
  Ball still = ballAt(12, 12);
  applyFieldForces(still, small);
  EXPECT_EQ(still.vx, 0.0);
  EXPECT_EQ(still.vy, 0.0);
}

TEST(FieldForce, BallOnBoardWithoutForcePiecesNeverMoves) {
  Level level = emptyLevel(6, 4);
  level.cell[0][0] = Cell{Coin, 3};
  level.cell[5][3] = Cell{Exit, 2};
  level.cell[2][2] = Cell{Hazard, 1};
  level.cell[3][1] = Cell{Start, 1};
  Ball b = ballAt(87, 37);
  for (int i = 0; i < 1000; ++i) {
    applyFieldForces(b, level);
    limitSpeed(b);
    b.x += b.vx;
    b.y += b.vy;
  }
  EXPECT_EQ(b.x, 87.0);
  EXPECT_EQ(b.y, 37.0);
}

// ---------------------------------------------------------------- speed limit

TEST(SpeedLimit, ScalesOnlyAboveMaxSpeed) {
  Ball exact = ballAt(0, 0, 2, 0);
  limitSpeed(exact);
  EXPECT_EQ(exact.vx, 2.0);
  EXPECT_EQ(exact.vy, 0.0);

  Ball slow = ballAt(0, 0, -1.5, 1.3);
  limitSpeed(slow);
  EXPECT_EQ(slow.vx, -1.5);
  EXPECT_EQ(slow.vy, 1.3);

  Ball fast = ballAt(0, 0, 3, 4);
  limitSpeed(fast);
  EXPECT_NEAR(fast.vx, 1.2, 1e-15);
  EXPECT_NEAR(fast.vy, 1.6, 1e-15);

  Ball up = ballAt(0, 0, 0, -50);
  limitSpeed(up);
  EXPECT_EQ(up.vx, 0.0);
  EXPECT_NEAR(up.vy, -2.0, 1e-15);
}

// ---------------------------------------------------------------- edges

namespace {

// A 4 x 3 board (100 x 75 pixels) with every wall set to `kind`.
Level walledLevel(int32_t kind) {
  Level level = emptyLevel(4, 3);
  for (int s = 0; s < 4; ++s) level.wall[s] = static_cast<WallKind>(kind);
  return level;
}

}  // namespace

TEST(Edges, BounceReversesOnlyAnOutwardComponent) {
  const Level level = walledLevel(Bounce);
  // North: y - R = -0.5.
  Ball out = ballAt(50, 3.5, 0.3, -1);
  EXPECT_EQ(checkEdges(out, level), EdgeGoOn);
  EXPECT_EQ(out.y, 4.0);
  EXPECT_EQ(out.vy, 1.0);
  EXPECT_EQ(out.vx, 0.3);
  Ball in = ballAt(50, 3.5, 0.3, 1);
  EXPECT_EQ(checkEdges(in, level), EdgeGoOn);
  EXPECT_EQ(in.y, 4.0);
  EXPECT_EQ(in.vy, 1.0);

  // South (H = 75).
  Ball s = ballAt(50, 71.5, 0, 0.7);
  EXPECT_EQ(checkEdges(s, level), EdgeGoOn);
  EXPECT_EQ(s.y, 71.0);
  EXPECT_EQ(s.vy, -0.7);
  Ball sIn = ballAt(50, 71.5, 0, -0.7);
  checkEdges(sIn, level);
  EXPECT_EQ(sIn.y, 71.0);
  EXPECT_EQ(sIn.vy, -0.7);

  // East (W = 100).
  Ball e = ballAt(96.25, 30, 1.25, 0.5);
  EXPECT_EQ(checkEdges(e, level), EdgeGoOn);
  EXPECT_EQ(e.x, 96.0);
  EXPECT_EQ(e.vx, -1.25);
  EXPECT_EQ(e.vy, 0.5);
  Ball eIn = ballAt(96.25, 30, -1.25, 0.5);
  checkEdges(eIn, level);
  EXPECT_EQ(eIn.x, 96.0);
  EXPECT_EQ(eIn.vx, -1.25);

  // West.
  Ball w = ballAt(3.0, 30, -2, 0);
  EXPECT_EQ(checkEdges(w, level), EdgeGoOn);
  EXPECT_EQ(w.x, 4.0);
  EXPECT_EQ(w.vx, 2.0);
  Ball wIn = ballAt(3.0, 30, 2, 0);
  checkEdges(wIn, level);
  EXPECT_EQ(wIn.x, 4.0);
  EXPECT_EQ(wIn.vx, 2.0);
}

TEST(Edges, WrapMovesToTheOppositeEdgeAndKeepsVelocity) {
  const Level level = walledLevel(Wrap);
  struct Case { double x, y, wantX, wantY; };
  const Case cases[] = {
      {50, 3.5, 50, 71},    // north -> just inside south
      {50, 71.5, 50, 4},    // south -> just inside north
      {96.5, 30, 4, 30},    // east -> just inside west
      {3.5, 30, 96, 30},    // west -> just inside east
  };
  for (const Case& c : cases) {
    Ball b = ballAt(c.x, c.y, -0.75, 1.5);
    EXPECT_EQ(checkEdges(b, level), EdgeWrapped) << c.x << "," << c.y;
    EXPECT_EQ(b.x, c.wantX);
    EXPECT_EQ(b.y, c.wantY);
    EXPECT_EQ(b.vx, -0.75);
    EXPECT_EQ(b.vy, 1.5);
  }
}

TEST(Edges, DeadlyAndUnknownKindsLoseWithoutMovingTheBall) {
  const int32_t kinds[] = {Deadly, 3, -1, 77};
  for (int32_t kind : kinds) {
    const Level level = walledLevel(kind);
    const double pos[4][2] = {{50, 3.5}, {50, 71.5}, {96.5, 30}, {3.5, 30}};
    for (const auto& p : pos) {
      Ball b = ballAt(p[0], p[1], 1, 1);
      EXPECT_EQ(checkEdges(b, level), EdgeLost) << kind << " " << p[0] << "," << p[1];
      EXPECT_EQ(b.x, p[0]);
      EXPECT_EQ(b.y, p[1]);
    }
  }
}

TEST(Edges, TouchingExactlyIsNoContact) {
  const int32_t kinds[] = {Bounce, Wrap, Deadly};
  for (int32_t kind : kinds) {
    const Level level = walledLevel(kind);
    // Size 3 (R = 10) resting exactly against each edge in turn.
    const double pos[4][2] = {{50, 10}, {50, 65}, {90, 30}, {10, 30}};
    for (const auto& p : pos) {
      Ball b = ballAt(p[0], p[1], -1, -1, 3);
      EXPECT_EQ(checkEdges(b, level), EdgeGoOn) << kind;
      EXPECT_EQ(b.x, p[0]);
      EXPECT_EQ(b.y, p[1]);
      EXPECT_EQ(b.vx, -1.0);
      EXPECT_EQ(b.vy, -1.0);
    }
  }
}

TEST(Edges, SidesAreTestedNorthSouthEastWestAndLossStopsAtOnce) {
  // North deadly with east wrap at the north-east corner: lost before east runs.
  Level level = walledLevel(Wrap);
  level.wall[North] = Deadly;
  Ball ne = ballAt(97, 2, 1, -1);
  EXPECT_EQ(checkEdges(ne, level), EdgeLost);
  EXPECT_EQ(ne.x, 97.0);

  // North wrap then west deadly: a wrap happened, but the loss wins.
  Level nw = walledLevel(Wrap);
  nw.wall[West] = Deadly;
  Ball b = ballAt(2, 2, -1, -1);
  EXPECT_EQ(checkEdges(b, nw), EdgeLost);
  EXPECT_EQ(b.y, 71.0);  // north had already wrapped
  EXPECT_EQ(b.x, 2.0);

  // South deadly beats east wrap at the south-east corner.
  Level se = walledLevel(Wrap);
  se.wall[South] = Deadly;
  Ball c = ballAt(97, 73, 1, 1);
  EXPECT_EQ(checkEdges(c, se), EdgeLost);
  EXPECT_EQ(c.x, 97.0);

  // A wrap on one side and a bounce on another both apply.
  Level mix = walledLevel(Bounce);
  mix.wall[North] = Wrap;
  Ball d = ballAt(97, 2, 1, -1);
  EXPECT_EQ(checkEdges(d, mix), EdgeWrapped);
  EXPECT_EQ(d.y, 71.0);
  EXPECT_EQ(d.x, 96.0);
  EXPECT_EQ(d.vx, -1.0);
  EXPECT_EQ(d.vy, -1.0);
}

// ---------------------------------------------------------------- bounce

TEST(Bounce, AxisAlignedApproachReturnsAtFullSpeed) {
  struct Case { double x, y, vx, vy; };
  const Case cases[] = {
      {93, 100, 1.5, 0},   // from the west
      {107, 100, -1.5, 0}, // from the east
      {100, 93, 0, 1.5},   // from the north
      {100, 107, 0, -1.5}, // from the south
  };
  for (const Case& c : cases) {
    Ball b = ballAt(c.x, c.y, c.vx, c.vy);
    bounceOffPiece(b, 8, 100, 100);
    EXPECT_NEAR(b.vx, -c.vx, 1e-12) << c.x << "," << c.y;
    EXPECT_NEAR(b.vy, -c.vy, 1e-12) << c.x << "," << c.y;
    EXPECT_NEAR(speedOf(b), 1.5, 1e-12);
    // Put back on the contact circle along the same line.
    EXPECT_NEAR(b.x, 100 + (c.x - 100) * 8.0 / 7.0, 1e-12);
    EXPECT_NEAR(b.y, 100 + (c.y - 100) * 8.0 / 7.0, 1e-12);
  }
}

TEST(Bounce, ObliqueBounceKeepsSumOfComponentsAndAtFortyFiveDegreesLosesSpeed) {
  // Moving east, ball at angle -pi/8 from the centre: t = 3pi/4.
  const double phi = -kPi / 8;
  Ball b = ballAt(50 + 7 * std::cos(phi), 50 + 7 * std::sin(phi), 1, 0);
  bounceOffPiece(b, 9, 50, 50);
  EXPECT_NEAR(b.vx, -0.5, 1e-12);
  EXPECT_NEAR(b.vy, 0.5, 1e-12);
  EXPECT_NEAR(speedOf(b), std::sqrt(0.5), 1e-12);

  // Across many approaches: |vx| + |vy| keeps the old speed and the new
  // speed lies between 0.7071 and 1 of it.
  for (int i = 0; i < 64; ++i) {
    const double a = -3.0 + i * 0.093;
    const double m = 0.2 + 0.05 * (i % 7);
    Ball c = ballAt(20 + 5 * std::cos(a), 20 + 5 * std::sin(a), m * std::cos(1.3 * i),
                    m * std::sin(1.3 * i));
    bounceOffPiece(c, 6, 20, 20);
    EXPECT_NEAR(std::fabs(c.vx) + std::fabs(c.vy), m, 1e-9) << i;
    EXPECT_GE(speedOf(c), m * std::sqrt(0.5) - 1e-12) << i;
    EXPECT_LE(speedOf(c), m + 1e-12) << i;
    EXPECT_NEAR(std::hypot(c.x - 20, c.y - 20), 6.0, 1e-12) << i;
  }
}

TEST(Bounce, SignTestsUseTheUnreducedAngle) {
  // Moving east with the ball at 5pi/8 from the centre: t = 9pi/4, beyond pi/2,
  // so vx comes out negative although cos t is positive.
  const double phi = 5 * kPi / 8;
  Ball b = ballAt(50 + 7 * std::cos(phi), 50 + 7 * std::sin(phi), 1, 0);
  bounceOffPiece(b, 7, 50, 50);
  EXPECT_NEAR(b.vx, -0.5, 1e-12);
  EXPECT_NEAR(b.vy, 0.5, 1e-12);

  // Moving east into a piece from its upper left (-7pi/8): t = -3pi/4,
  // below -pi/2, so the ball goes back west (and up).
  const double upperLeft = -7 * kPi / 8;
  Ball c = ballAt(50 + 7 * std::cos(upperLeft), 50 + 7 * std::sin(upperLeft), 1, 0);
  bounceOffPiece(c, 7, 50, 50);
  EXPECT_NEAR(c.vx, -0.5, 1e-12);
  EXPECT_NEAR(c.vy, -0.5, 1e-12);
}

TEST(Bounce, NothingChangesWithoutMotionOrWithBallOnCentre) {
  Ball still = ballAt(103, 104, 0, 0);
  bounceOffPiece(still, 11, 100, 100);
  EXPECT_EQ(still.x, 103.0);
  EXPECT_EQ(still.y, 104.0);
  EXPECT_EQ(still.vx, 0.0);
  EXPECT_EQ(still.vy, 0.0);

  Ball centred = ballAt(100, 100, 1, -1);
  bounceOffPiece(centred, 11, 100, 100);
  EXPECT_EQ(centred.x, 100.0);
  EXPECT_EQ(centred.y, 100.0);
  EXPECT_EQ(centred.vx, 1.0);
  EXPECT_EQ(centred.vy, -1.0);
}

TEST(Bounce, PlacesTheBallOnTheContactCircle) {
  // Deep inside (distance 5 along 3-4-5) is pushed out to reach 11.
  Ball b = ballAt(103, 104, -0.5, -0.5);
  bounceOffPiece(b, 11, 100, 100);
  EXPECT_NEAR(b.x, 100 + 11 * 0.6, 1e-12);
  EXPECT_NEAR(b.y, 100 + 11 * 0.8, 1e-12);
}

// ---------------------------------------------------------------- constants

TEST(BallRules, CoinValuesAndRadii) {
  EXPECT_EQ(coinValue[0], 1);
  EXPECT_EQ(coinValue[1], 1);
  EXPECT_EQ(coinValue[2], 5);
  EXPECT_EQ(coinValue[3], 10);
  const int radius[4] = {1, 4, 7, 10};
  for (int s = 0; s < 4; ++s) EXPECT_EQ(ballRadius(ballAt(0, 0, 0, 0, s)), radius[s]);
}
