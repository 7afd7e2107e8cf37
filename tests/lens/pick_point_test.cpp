// The arrow keys at each edge of a virtual screen whose origin lies left of and above the primary
// display go no further; the step itself the journeys hold.
#include "lens/pick_point.h"

#include <gtest/gtest.h>

TEST(StepPickPoint, StaysAtTheEdgeItMovesTowards)
{
    const Rect screen = {-800, -20, 1024, 768};
    struct Case { Point edge; ArrowKey key; };
    const Case cases[] = {
        {{-800, 5}, ArrowKey::Left},
        {{1023, 5}, ArrowKey::Right},
        {{7, -20}, ArrowKey::Up},
        {{7, 767}, ArrowKey::Down},
    };
    for (const Case& c : cases) {
        const Point after = stepPickPoint(c.edge, c.key, screen);
        EXPECT_EQ(std::pair(after.x, after.y), std::pair(c.edge.x, c.edge.y)) << "key " << static_cast<int>(c.key);
    }
}
