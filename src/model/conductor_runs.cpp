#include "model/conductor_runs.h"

#include "model/circuit.h"

void AnalysiereLeitungen(Circuit& s)
{
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            const GridCell& c = s.P(x, y);
            if (c.ConRight != 0 && s.LineMap(x, y).CoveredH == 0)
                s.LineMap(x, y).EndX = FindEndX(s, x, y);
            if (c.ConDown != 0 && s.LineMap(x, y).CoveredV == 0)
                s.LineMap(x, y).EndY = FindEndY(s, x, y);
        }
    }
}

int16_t FindEndX(Circuit& s, int16_t x, int16_t y)
{
    int16_t i = x;
    for (;;) {
        s.LineMap(i, y).CoveredH = kTrue;
        if (s.P(i, y).ConRight == 0 || i >= s.MaxX)
            return i;
        ++i;
    }
}

int16_t FindEndY(Circuit& s, int16_t x, int16_t y)
{
    int16_t i = y;
    for (;;) {
        s.LineMap(x, i).CoveredV = kTrue;
        if (s.P(x, i).ConDown == 0 || i >= s.MaxY)
            return i;
        ++i;
    }
}
