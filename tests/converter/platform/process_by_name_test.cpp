#include "platform/process_by_name.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <source_location>

#include "common/event_loop.h"
#include "common/files.h"
#include "common/processes.h"
#include "common/temporary_folder.h"
#include "platform/child_process.h"

namespace corvanta {
namespace {

using testing::TemporaryFolder;

// Names no other process of this user carries: the test ends only what it
// started itself.
std::string UniqueName(const std::string& stem) { return "cv" + std::to_string(getpid()) + stem; }

ChildProcess StartCopyOf(const std::string& program, const std::string& path,
                         const std::vector<std::string>& arguments) {
  std::filesystem::copy_file(program, path, std::filesystem::copy_options::overwrite_existing);
  chmod(path.c_str(), 0755);
  return ChildProcess::Start(path, arguments, "", -1);
}

std::uint32_t WaitForExit(ChildProcess& child,
                          std::source_location caller = std::source_location::current()) {
  std::uint32_t code = kStillActive;
  testing::ProcessEventsUntil([&] { return !child.QueryExitCode(code) || code != kStillActive; },
                              20000, caller);
  return code;
}

TEST(EndProcessByName, EndsTheProcessWhoseFileNameMatchesIgnoringCase) {
  TemporaryFolder folder;
  const std::string name = UniqueName(".Slp");
  ChildProcess child = StartCopyOf("/bin/sleep", folder.File(name), {name, "30"});
  ASSERT_TRUE(child.started());

  std::string shouted = name;
  for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(FindProcessByName(shouted), child.pid());
  EXPECT_EQ(EndProcessByName(shouted), 1);
  EXPECT_EQ(WaitForExit(child), 128u + SIGKILL);
  EXPECT_EQ(FindProcessByName(name), 0);
  EXPECT_EQ(EndProcessByName(name), 0);
}

TEST(EndProcessByName, EndsAtMostOneProcessPerCallLowestIdFirst) {
  TemporaryFolder folder;
  const std::string name = UniqueName("twin");
  ChildProcess first = StartCopyOf("/bin/sleep", folder.File(name), {name, "30"});
  std::filesystem::create_directory(folder.File("b"));
  ChildProcess second = StartCopyOf("/bin/sleep", folder.File("b/" + name), {name, "30"});
  ASSERT_TRUE(first.started() && second.started());
  ChildProcess& lower = first.pid() < second.pid() ? first : second;
  ChildProcess& higher = first.pid() < second.pid() ? second : first;

  EXPECT_EQ(EndProcessByName(name), 1);
  EXPECT_EQ(WaitForExit(lower), 128u + SIGKILL);
  std::uint32_t code = 0;
  EXPECT_TRUE(higher.QueryExitCode(code));
  EXPECT_EQ(code, kStillActive);

  EXPECT_EQ(EndProcessByName(name), 1);
  EXPECT_EQ(WaitForExit(higher), 128u + SIGKILL);
}

TEST(EndProcessByName, EmptyOrUnknownNameEndsNothing) {
  TemporaryFolder folder;
  const std::string name = UniqueName("keep");
  ChildProcess child = StartCopyOf("/bin/sleep", folder.File(name), {name, "30"});
  ASSERT_TRUE(child.started());
  EXPECT_EQ(FindProcessByName(""), 0);
  EXPECT_EQ(EndProcessByName(""), 0);
  EXPECT_EQ(EndProcessByName(UniqueName("nobody")), 0);
  // A longer or shorter name is a different name.
  EXPECT_EQ(EndProcessByName(name + "x"), 0);
  EXPECT_EQ(EndProcessByName(name.substr(0, name.size() - 1)), 0);
  std::uint32_t code = 0;
  EXPECT_TRUE(child.QueryExitCode(code));
  EXPECT_EQ(code, kStillActive);
  kill(child.pid(), SIGKILL);
  WaitForExit(child);
}

TEST(EndProcessByName, ScriptIsFoundUnderItsOwnFileName) {
  TemporaryFolder folder;
  const std::string name = UniqueName(".sh").substr(0, 14);
  // Runs until it is ended, a minute at most.
  testing::WriteScript(folder.File(name),
                       "i=0; while [ $i -lt 6000 ]; do sleep 0.01; i=$((i+1)); done\n");
  ChildProcess child = ChildProcess::Start(folder.File(name), {name}, "", -1);
  ASSERT_TRUE(child.started());
  // The kernel names the process after the script only once it has run it.
  testing::ProcessEventsUntil([&] { return FindProcessByName(name) != 0; });
  EXPECT_EQ(EndProcessByName(name), 1);
  EXPECT_EQ(WaitForExit(child), 128u + SIGKILL);
}

TEST(EndProcessByName, LongNamesMatchByTheExecutableItself) {
  TemporaryFolder folder;
  const std::string name = UniqueName("-a-rather-long-program-name");
  ChildProcess child = StartCopyOf("/bin/sleep", folder.File(name), {"sleep", "30"});
  ASSERT_TRUE(child.started());
  // Its kernel name is cut to 15 bytes; that cut must not pass for it.
  EXPECT_EQ(FindProcessByName(name.substr(0, 15)), 0);
  EXPECT_EQ(FindProcessByName(name.substr(0, 14)), 0);
  EXPECT_EQ(EndProcessByName(name), 1);
  EXPECT_EQ(WaitForExit(child), 128u + SIGKILL);
}

TEST(EndProcessByName, EndedButUncollectedProcessIsPassedOver) {
  TemporaryFolder folder;
  const std::string name = UniqueName("gone");
  ChildProcess child = StartCopyOf("/bin/true", folder.File(name), {name});
  ASSERT_TRUE(child.started());
  ASSERT_TRUE(
      testing::ProcessEventsUntil([&] { return testing::ProcessStateOf(child.pid()) == 'Z'; }));
  EXPECT_EQ(FindProcessByName(name), 0);
  EXPECT_EQ(WaitForExit(child), 0u);
}

}  // namespace
}  // namespace corvanta
