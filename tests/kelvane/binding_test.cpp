#include <gtest/gtest.h>

#include <QFileDialog>
#include <QProcess>
#include <QProcessEnvironment>

#include <string>

#include "common/application.h"
#include "common/modal_windows.h"
#include "common/temporary_folder.h"
#include "fatal_exit.h"
#include "platform/kelvane_binding.h"
#include "text/messages.h"

namespace corvanta::kelvane {
namespace {

using testing::TemporaryFolder;
using testing::TypeNamesAndAccept;
using testing::WhenModalOpens;

TEST(Binding, FindsTheLibraryBesideTheProgram) {
  TemporaryFolder folder;
  EXPECT_EQ(FileSizeText(folder.MakeFile("a.avi", 1536)), "1.50 KB");
  EXPECT_EQ(FileSizeText(folder.File("missing.avi")), "0 字节");
  EXPECT_EQ(FileSizeText(""), "0 字节");
}

TEST(Binding, OpenFilesCopiesThePathList) {
  testing::EnsureApplication();
  TemporaryFolder folder;
  folder.MakeFile("a.avi", 1);
  folder.MakeFile("b.mkv", 1);
  WhenModalOpens<QFileDialog>(
      [](QFileDialog& dialog) { TypeNamesAndAccept(dialog, "\"a.avi\" \"b.mkv\""); });
  const std::string list =
      OpenFiles(0, "添加视频文件", "视频|*.avi;*.mkv", folder.path().c_str(), 0);
  EXPECT_EQ(list, folder.File("a.avi") + "\r\n" + folder.File("b.mkv"));

  WhenModalOpens<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(OpenFiles(0, nullptr, nullptr, nullptr, 0), "");
  EXPECT_EQ(list, folder.File("a.avi") + "\r\n" + folder.File("b.mkv"));
}

struct ProbeOutcome {
  int exitCode;
  std::string output;
};

ProbeOutcome RunProbe(const char* probe, const char* exportName) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("LD_LIBRARY_PATH");  // only the probe's folder and the system search
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(environment);
  process.start(probe, {exportName});
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString()};
}

std::string ExpectedBox(const char* exportName) {
  // Caption, error icon (QMessageBox::Critical), no owner, text.
  return std::string("BOX ") + kFatalErrorCaption + " 3 0 " +
         FatalErrorText(MissingExportDetail("kelvane.dll", exportName));
}

TEST(Binding, LibraryWithoutTheExportStopsTheProgram) {
  const ProbeOutcome outcome = RunProbe(PROBE_LACKING_EXPORT, "zhaui");
  EXPECT_EQ(outcome.exitCode, 255);
  EXPECT_EQ(outcome.output, ExpectedBox("zhaui"));
  EXPECT_NE(outcome.output.find("“kelvane.dll”中的输出命令“zhaui”"), std::string::npos);
}

TEST(Binding, LibraryBesideTheProgramComesFirst) {
  // The stand-in beside the probe answers rszckl itself.
  const ProbeOutcome outcome = RunProbe(PROBE_LACKING_EXPORT, "rszckl");
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.output, "RETURNED /stand-in/kelvane.dll");
}

TEST(Binding, MissingLibraryStopsTheProgramNamingTheExport) {
  for (const char* exportName : {"zhaui", "rszckl"}) {
    const ProbeOutcome outcome = RunProbe(PROBE_WITHOUT_LIBRARY, exportName);
    EXPECT_EQ(outcome.exitCode, 255) << exportName;
    EXPECT_EQ(outcome.output, ExpectedBox(exportName));
  }
}

}  // namespace
}  // namespace corvanta::kelvane
