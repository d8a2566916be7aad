// The simulation's own atan2 and tan: within an ulp of the C library's in
// every quadrant and across the argument reduction, with the library's
// results for zeros, infinities and NaN, and fixed to the bit (the same
// bits are what the Windows build must give).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "game/p_math.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double HalfPi = Pi / 2;

// Distance in representable doubles between two finite values of one sign.
int64_t ulpsApart(double a, double b) {
  int64_t ia, ib;
  std::memcpy(&ia, &a, sizeof ia);
  std::memcpy(&ib, &b, sizeof ib);
  return ia > ib ? ia - ib : ib - ia;
}

TEST(StableMath, StaysWithinAnUlpOfTheLibraryEverywhereTheBallGoes) {
  uint64_t state = 88172645463325252ull;
  auto next = [&state]() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  for (int i = 0; i < 200000; ++i) {
    const double y = (next() - 0.5) * 40.0, x = (next() - 0.5) * 40.0;
    ASSERT_LE(ulpsApart(stableAtan2(y, x), std::atan2(y, x)), 1) << y << ", " << x;
    // Bounce angles reach -3 pi .. 5 pi; tan is steep near odd multiples of pi/2.
    const double t = (next() - 0.3) * 8.0 * Pi;
    const double want = std::tan(t);
    ASSERT_EQ(std::signbit(stableTan(t)), std::signbit(want)) << t;
    ASSERT_LE(ulpsApart(std::fabs(stableTan(t)), std::fabs(want)), 1) << t;
  }
}

TEST(StableMath, EdgesAreTheLibrarys) {
  const double inf = std::numeric_limits<double>::infinity();
  const double cases[][2] = {{0.0, 1.0},   {-0.0, 1.0}, {0.0, -1.0}, {-0.0, -1.0}, {1.0, 0.0},
                             {-1.0, -0.0}, {inf, 1.0},  {1.0, -inf}, {-inf, inf},  {1e300, 1e-300},
                             {-1e-300, -1e300}, {3.0, 1.0}, {1.0, 1.0}};
  for (const auto& c : cases) {
    const double got = stableAtan2(c[0], c[1]), want = std::atan2(c[0], c[1]);
    EXPECT_EQ(std::signbit(got), std::signbit(want)) << c[0] << ", " << c[1];
    EXPECT_LE(ulpsApart(std::fabs(got), std::fabs(want)), 1) << c[0] << ", " << c[1];
  }
  EXPECT_TRUE(std::isnan(stableAtan2(std::nan(""), 1.0)));
  EXPECT_TRUE(std::isnan(stableTan(inf)));
  EXPECT_TRUE(std::isnan(stableTan(std::nan(""))));
  EXPECT_EQ(stableTan(1e-9), 1e-9);
  EXPECT_TRUE(std::signbit(stableTan(-0.0)));
}

TEST(StableMath, GivesTheseBitsOnEverySystem) {
  EXPECT_EQ(stableAtan2(1.0, 2.0), 0x1.dac670561bb4fp-2);
  EXPECT_EQ(stableAtan2(-1.0, -2.0), -0x1.56c6e7397f5aep+1);
  EXPECT_EQ(stableAtan2(0.3, -7.0), 0x1.8ca4395cb9f0bp+1);
  // Just inside the 19/16 .. 2.4375 interval of the reduction.
  EXPECT_EQ(stableAtan2(0x1.3000001bp+0, 1.0), 0x1.bde70eeaa1b8bp-1);
  EXPECT_EQ(stableTan(1.0), 0x1.8eb245cbee3a6p+0);
  EXPECT_EQ(stableTan(4.0), 0x1.2866f9be4de14p+0);
  EXPECT_EQ(stableTan(-10.0), -0x1.4bf5f34be3782p-1);
  EXPECT_EQ(stableTan(HalfPi), 0x1.d02967c31cdb5p+53);
}

}  // namespace
