#pragma once

#include "HeartPlacement.h"

#include <string>
#include <vector>

// A solution recorded in a level file's remarks (the free text after "//REMARKS"): one line that starts
// with SOLUTION and lists the hearts in placing order, each as its kind and its place in field units
// (y upwards), e.g.
//     SOLUTION light 400 300 dark 120 80
// The game ignores the line; the level tool replays it.
class Solution
{
public:
    static constexpr char keyword[] = "SOLUTION";

    // Reads the SOLUTION line of the remarks, if there is one.
    static Solution findIn(const std::string& remarks);
    // The line to paste into the remarks for these hearts.
    static std::string lineFor(const std::vector<HeartPlacement>& hearts);

    bool isRecorded() const;
    // Why the recorded line cannot be replayed as written; empty when it can.
    const std::string& getProblem() const;
    const std::vector<HeartPlacement>& getHearts() const;

private:
    void readEntries(const std::string& line);
    void checkSupply();

    bool recorded = false;
    std::string problem;
    std::vector<HeartPlacement> hearts;
};
