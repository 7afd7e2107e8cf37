// The arrow keys at each edge of a virtual screen whose origin lies left of and above the primary
// display go no further; the step itself the journeys hold.
#include "lens/pick_point.h"

#include <gtest/gtest.h>

#include "plain_printers.h"

TEST(StepPickPoint, StopsAtTheEdgeItMovesTowards)
{
    const Rect screen = {-800, -20, 1024, 768};
    struct Case { Point from; ArrowKey key; Point expected; };
    const Case cases[] = {
        {{-800, 5}, ArrowKey::Left, {-800, 5}},
        {{1023, 5}, ArrowKey::Right, {1023, 5}},
        {{7, -20}, ArrowKey::Up, {7, -20}},
        {{7, 767}, ArrowKey::Down, {7, 767}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepPickPoint(c.from, c.key, screen), c.expected)
            << "from " << c.from << " with key " << static_cast<int>(c.key);
    }
}
