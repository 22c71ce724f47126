#pragma once

// How one paced play of a level ended.
struct PlayOutcome
{
    // Whether the goal was reached, and the step (counted from 1) whose absorptions reached it.
    bool solved = false;
    int solvedAtStep = 0;
    // Captured when the play ended.
    int captured = 0;
    // Steps taken: up to the end of the play.
    int stepsRun = 0;
    // Whether the flow was over, every generator spent and no particle left, so nothing more could change.
    bool flowOver = false;
    // Whether the play stopped early because too few particles were left to reach the goal.
    bool outOfReach = false;
    // Whether the play stopped at its deadline before any of the above was settled.
    bool outOfTime = false;
};
