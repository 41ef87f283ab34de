#include "engine/elapsed_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include <time.h>

#include "platform/tick_count.h"

namespace corvanta {
namespace {

class RecordingLabel : public ElapsedLabel {
 public:
  explicit RecordingLabel(std::string text = "00：00：00") : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override {
    text_ = text;
    ++writes_;
  }
  int Writes() const { return writes_; }

 private:
  std::string text_;
  int writes_ = 0;
};

class ElapsedTimeTest : public ::testing::Test {
 protected:
  // Shows `elapsedMs` after a run that started at `startTick`.
  std::string ShownAfter(std::int64_t elapsedMs, std::int32_t startTick = 0) {
    state.RunStartTick = startTick;
    RecordingLabel label;
    const auto tick = static_cast<std::int32_t>(static_cast<std::uint32_t>(startTick) +
                                                static_cast<std::uint32_t>(elapsedMs));
    UpdateElapsedTime(tick, label, state);
    return label.Text();
  }

  RunState state;
};

TEST(FormatHmsTest, PadsFieldsToTwoDigitsAndSignsNegativeCounts) {
  const std::pair<std::int32_t, const char*> rows[] = {
      {0, "00:00:00"},
      {59, "00:00:59"},
      {61, "00:01:01"},
      {3600, "01:00:00"},
      {3599, "00:59:59"},
      {36000, "10:00:00"},
      {359999, "99:59:59"},
      {360000, "100:00:00"},  // hours grow without limit
      {std::numeric_limits<std::int32_t>::max(), "596523:14:07"},
      {-1, "-00:00:01"},
      {-3661, "-01:01:01"},
      // The most negative value has no positive counterpart in 32 bits.
      {std::numeric_limits<std::int32_t>::min(), "-596523:14:08"},
  };
  for (const auto& [seconds, shown] : rows) EXPECT_EQ(FormatHms(seconds), shown) << seconds;
}

TEST_F(ElapsedTimeTest, DropsMillisecondsAndKeepsCountingBeyondTheSignedRange) {
  const std::pair<std::int64_t, const char*> rows[] = {
      {999, "00:00:00"},
      {1000, "00:00:01"},
      {1999, "00:00:01"},
      {59999, "00:00:59"},
      {60000, "00:01:00"},
      {9LL * 3600 * 1000, "09:00:00"},
      {10LL * 3600 * 1000, "10:00:00"},
      {100LL * 3600 * 1000, "100:00:00"},
      {2147483647, "596:31:23"},
      {2147483648LL, "596:31:23"},
      {2147484648LL, "596:31:24"},
      {4294967295LL, "1193:02:47"},
  };
  for (const auto& [elapsed, shown] : rows) EXPECT_EQ(ShownAfter(elapsed), shown) << elapsed;
  ShownAfter(2147483647);
  EXPECT_EQ(state.ElapsedMs, 2147483647);
  ShownAfter(2147483648LL);
  EXPECT_EQ(state.ElapsedMs, std::numeric_limits<std::int32_t>::min());
}

TEST_F(ElapsedTimeTest, StoresTheElapsedMilliseconds) {
  state.RunStartTick = 5000;
  RecordingLabel label;
  UpdateElapsedTime(7345, label, state);
  EXPECT_EQ(state.ElapsedMs, 2345);
  EXPECT_EQ(label.Text(), "00:00:02");
}

TEST_F(ElapsedTimeTest, TickCounterWrapKeepsCounting) {
  // Started 1500 ms before the unsigned counter wraps from 4294967295 to 0.
  const auto start = static_cast<std::int32_t>(std::uint32_t{4294967295u} - 1499u);
  state.RunStartTick = start;
  RecordingLabel label;
  UpdateElapsedTime(-1, label, state);  // 4294967295 as a signed tick
  EXPECT_EQ(state.ElapsedMs, 1499);
  EXPECT_EQ(label.Text(), "00:00:01");
  UpdateElapsedTime(0, label, state);  // the counter has wrapped
  EXPECT_EQ(state.ElapsedMs, 1500);
  UpdateElapsedTime(2500, label, state);
  EXPECT_EQ(state.ElapsedMs, 4000);
  EXPECT_EQ(label.Text(), "00:00:04");
}

TEST_F(ElapsedTimeTest, SignedTickWrapKeepsCounting) {
  state.RunStartTick = std::numeric_limits<std::int32_t>::max() - 499;
  RecordingLabel label;
  UpdateElapsedTime(std::numeric_limits<std::int32_t>::min() + 1500, label, state);
  EXPECT_EQ(state.ElapsedMs, 2000);
  EXPECT_EQ(label.Text(), "00:00:02");
}

TEST_F(ElapsedTimeTest, WritesTheLabelOnlyWhenTheSecondChanges) {
  state.RunStartTick = 100000;
  RecordingLabel label;
  UpdateElapsedTime(101000, label, state);
  EXPECT_EQ(label.Writes(), 1);
  UpdateElapsedTime(101999, label, state);
  EXPECT_EQ(label.Writes(), 1);
  EXPECT_EQ(state.ElapsedMs, 1999);
  UpdateElapsedTime(102000, label, state);
  EXPECT_EQ(label.Writes(), 2);
  EXPECT_EQ(label.Text(), "00:00:02");
}

TEST_F(ElapsedTimeTest, ReplacesTheDesignTextAndAnEmptyText) {
  RecordingLabel design;
  UpdateElapsedTime(0, design, state);
  EXPECT_EQ(design.Text(), "00:00:00");
  EXPECT_EQ(design.Writes(), 1);

  RecordingLabel empty("");
  UpdateElapsedTime(0, empty, state);
  EXPECT_EQ(empty.Text(), "00:00:00");
}

TEST_F(ElapsedTimeTest, NestedRunContinuesFromTheElapsedTimeReached) {
  // A second run measures from the start tick minus what has elapsed so far.
  state.ElapsedMs = 42000;
  state.RunStartTick = static_cast<std::int32_t>(static_cast<std::uint32_t>(100) -
                                                 static_cast<std::uint32_t>(state.ElapsedMs));
  RecordingLabel label("00:00:41");
  UpdateElapsedTime(1100, label, state);
  EXPECT_EQ(label.Text(), "00:00:43");
}

std::uint32_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
}

TEST(TickCountTest, IsTheMonotonicClockInMilliseconds) {
  const std::uint32_t before = MonotonicMilliseconds();
  const auto tick = static_cast<std::uint32_t>(TickCount());
  const std::uint32_t after = MonotonicMilliseconds();
  // Compared in wrapping arithmetic, the tick lies between the two readings.
  EXPECT_LE(tick - before, after - before);
}

}  // namespace
}  // namespace corvanta
