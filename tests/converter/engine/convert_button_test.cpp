#include <gtest/gtest.h>

#include "run_fixture.h"

namespace corvanta::fakes {
namespace {

using Bytes = std::vector<unsigned char>;
using ConvertButton = RunFixture;

TEST(SamePicture, NeedsEqualLengthAndIdenticalBytes) {
  const Bytes picture{1, 2, 3};
  EXPECT_TRUE(SamePicture(picture, Bytes{1, 2, 3}));
  EXPECT_TRUE(SamePicture(Bytes{}, Bytes{}));
  EXPECT_FALSE(SamePicture(picture, Bytes{1, 2, 4}));
  EXPECT_FALSE(SamePicture(picture, Bytes{1, 2}));
  EXPECT_FALSE(SamePicture(Bytes{}, picture));
}

TEST_F(ConvertButton, AnEmptyQueueIsRefusedBeforeAMissingFolder) {
  window.outputFolder.clear();
  Click();
  ASSERT_EQ(window.refusals.size(), 1u);
  EXPECT_EQ(window.refusals[0].text, EmptyQueueRefusal().text);
  EXPECT_EQ(window.refusals[0].caption, EmptyQueueRefusal().caption);
  EXPECT_EQ(log, EventLog{"refusal"}) << "faces and flags stay as they were";

  Queue({"a.avi"});
  Click();
  ASSERT_EQ(window.refusals.size(), 2u);
  EXPECT_EQ(window.refusals[1].text, NoOutputFolderRefusal().text);
  EXPECT_EQ(faces.NameOf(window.normalPicture), "START-normal");
  EXPECT_EQ(state.IsConverting, 0);
}

TEST_F(ConvertButton, AFolderOfBlanksIsNotEmpty) {
  Queue({"a.avi"});
  window.outputFolder = "   ";
  Click();
  EXPECT_TRUE(window.refusals.empty());
  ASSERT_EQ(EncoderCommands(log).size(), 1u);
  EXPECT_NE(EncoderCommands(log)[0].find("-o \"   a.MP4\""), std::string::npos);
}

TEST_F(ConvertButton, BothRefusalsApplyToAStopClickToo) {
  ShowStopFace();
  state.IsConverting = 1;
  Click();
  Queue({"a.avi"});
  window.outputFolder.clear();
  Click();
  ASSERT_EQ(window.refusals.size(), 2u);
  EXPECT_EQ(window.refusals[0].text, EmptyQueueRefusal().text);
  EXPECT_EQ(window.refusals[1].text, NoOutputFolderRefusal().text);
  EXPECT_EQ(state.StopRequested, 0);
  EXPECT_EQ(state.IsConverting, 1);
  EXPECT_EQ(faces.NameOf(window.normalPicture), "STOP-normal");
}

TEST_F(ConvertButton, AStartShowsTheStopFaceAndSetsTheFlagsBeforeTheRun) {
  Queue({"a.avi"});
  state.StopRequested = 1;
  During(1, [&] {
    EXPECT_EQ(state.StopRequested, 0);
    EXPECT_EQ(state.IsConverting, 1);
    EXPECT_EQ(faces.NameOf(window.normalPicture), "STOP-normal");
    EXPECT_EQ(faces.NameOf(window.hoverPicture), "STOP-hover");
  });
  Click();
  EXPECT_EQ(log.at(0), "read hover");
  EXPECT_EQ(log.at(1), "normal STOP-normal");
  EXPECT_EQ(log.at(2), "hover STOP-hover");
  EXPECT_EQ(faces.NameOf(window.normalPicture), "START-normal");
}

TEST_F(ConvertButton, AStopClickSwitchesFacesAndFlagsAndReturnsAtOnce) {
  Queue({"a.avi"});
  ShowStopFace();
  state.IsConverting = 1;
  Click();
  EXPECT_EQ(log,
            (EventLog{"read hover", "normal START-normal", "hover START-hover", "add enabled"}));
  EXPECT_EQ(state.StopRequested, 1);
  EXPECT_EQ(state.IsConverting, 0);
}

TEST_F(ConvertButton, PicturesThatDifferInOneByteAreNeitherFace) {
  Queue({"a.avi"});
  Bytes almostStart = faces.startNormal;
  almostStart.back() ^= 0x01;
  window.normalPicture = almostStart;
  Click();
  EXPECT_TRUE(log.empty()) << "the hover picture is read only after the normal one matched";

  window.normalPicture = faces.stopNormal;
  Bytes almostStopHover = faces.stopHover;
  almostStopHover.front() ^= 0x80;
  window.hoverPicture = almostStopHover;
  Click();
  EXPECT_EQ(log, EventLog{"read hover"});
  EXPECT_EQ(state.StopRequested, 0);
}

TEST_F(ConvertButton, AButtonWithoutPicturesDoesNothing) {
  Queue({"a.avi"});
  window.normalPicture.clear();
  window.hoverPicture.clear();
  Click();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(state.IsConverting, 0);
}

}  // namespace
}  // namespace corvanta::fakes
