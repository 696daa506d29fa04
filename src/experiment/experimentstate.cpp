#include "experiment/experimentstate.h"

void ResetCounters(ExperimentState &state)
{
    state.MissProbability = 1.0f;
    state.Hits = 0;
    state.ShotIndex = 0;
    state.Successes = 0;
    state.Failures = 0;
}
