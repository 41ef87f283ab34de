#include "engine/output_verdict.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

StreamLength Lasting(double seconds) { return {true, seconds}; }
constexpr StreamLength kNone{};

InputFacts Input(StreamLength video, StreamLength audio) {
  InputFacts input;
  input.streamsKnown = true;
  input.video = video;
  input.audio = audio;
  return input;
}

OutputFacts Output(StreamLength video, StreamLength audio) {
  OutputFacts output;
  output.avi = true;
  output.complete = true;
  output.video = video;
  output.audio = audio;
  return output;
}

TEST(OutputVerdict, EachStreamLastsAsLongAsTheInputsWithinHalfASecondOrFivePercent) {
  struct Case {
    const char* what;
    InputFacts input;
    OutputFacts output;
    bool holds;
  };
  const Case cases[] = {
      {"faithful", Input(Lasting(12), Lasting(12)), Output(Lasting(11.85), Lasting(12.1)), true},
      {"sound lost early", Input(Lasting(12), Lasting(12)), Output(Lasting(10.8), Lasting(0.3)),
       false},
      {"a third of the pictures skipped", Input(Lasting(12), Lasting(12)),
       Output(Lasting(6.5), Lasting(12.1)), false},
      {"pictures stretched", Input(Lasting(12), Lasting(12)), Output(Lasting(16.7), Lasting(12.1)),
       false},
      {"no sound written", Input(Lasting(12), Lasting(12)), Output(Lasting(12), kNone), false},
      {"no picture written", Input(Lasting(12), Lasting(12)), Output(kNone, Lasting(12)), false},
      {"an input without sound", Input(Lasting(12), kNone), Output(Lasting(12), kNone), true},
      {"sound that ends before the picture", Input(Lasting(12), Lasting(6)),
       Output(Lasting(12.05), Lasting(6.1)), true},
      {"a 1 s clip", Input(Lasting(1), Lasting(1)), Output(Lasting(0.55), Lasting(1.4)), true},
      {"a 1 s clip half lost", Input(Lasting(1), Lasting(1)), Output(Lasting(0.45), Lasting(1)),
       false},
      {"5% of an hour", Input(Lasting(3600), Lasting(3600)), Output(Lasting(3421), Lasting(3779)),
       true},
      {"over 5% of an hour", Input(Lasting(3600), Lasting(3600)),
       Output(Lasting(3419), Lasting(3600)), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OutputHoldsInput(c.input, c.output), c.holds) << c.what;
  }
}

TEST(OutputVerdict, WhatTheInputDoesNotTellIsNotCompared) {
  // Matroska and ASF tell their whole length only: it is the picture's.
  InputFacts overall = Input({true, {}}, {true, {}});
  overall.overallSeconds = 12;
  EXPECT_TRUE(OutputHoldsInput(overall, Output(Lasting(11.9), Lasting(6))));
  EXPECT_FALSE(OutputHoldsInput(overall, Output(Lasting(6.5), Lasting(12))));
  EXPECT_FALSE(OutputHoldsInput(overall, Output(Lasting(11.9), kNone)));
  // A damaged input tells no length: what it holds is all that converts.
  EXPECT_TRUE(OutputHoldsInput(InputFacts{}, Output(Lasting(3), kNone)));
  EXPECT_FALSE(OutputHoldsInput(InputFacts{}, Output(kNone, Lasting(3))));
}

TEST(OutputVerdict, AnOutputCutShortHoldsNothing) {
  OutputFacts truncated = Output(Lasting(12), Lasting(12));
  truncated.complete = false;
  EXPECT_FALSE(OutputHoldsInput(Input(Lasting(12), Lasting(12)), truncated));
  EXPECT_FALSE(OutputHoldsInput(InputFacts{}, truncated));
  OutputFacts notAvi = Output(Lasting(12), Lasting(12));
  notAvi.avi = false;
  EXPECT_FALSE(OutputHoldsInput(InputFacts{}, notAvi));
}

}  // namespace
}  // namespace corvanta
