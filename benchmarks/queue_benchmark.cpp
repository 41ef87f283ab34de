// Time of the queue's per-row work on 1,000 rows: Add's appending (with the
// real size texts of real files from kelvane.dll, or with a fixed text) and
// Delete's renumbering. No dialog is involved. Run from the build folder:
//   bin/queue_benchmark
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/kelvane_binding.h"
#include "ui/controls/queue_list_view.h"
#include "ui/queue_rows.h"

namespace corvanta {
namespace {

constexpr int kRows = 1000;

std::string FixedSizeText(const std::string&) { return "1.50 KB"; }

// 1,000 small files in a temporary folder, as the dialog would return them.
class ChosenFiles {
 public:
  ChosenFiles() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "corvanta-queue-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    for (int i = 1; i <= kRows; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "/clip-%04d.avi", i);
      const std::string path = folder_ + name;
      std::ofstream(path, std::ios::binary) << std::string(static_cast<std::size_t>(i), 'v');
      pathList_ += (pathList_.empty() ? "" : "\r\n") + path;
    }
  }
  ~ChosenFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::string& pathList() const { return pathList_; }

 private:
  std::string folder_;
  std::string pathList_;
};

const ChosenFiles& Files() {
  static const ChosenFiles files;
  return files;
}

void AddThousandRows(benchmark::State& state, SizeTextSource sizeTextOf) {
  const std::string& pathList = Files().pathList();
  for (auto _ : state) {
    QueueListView list;
    AppendQueueRows(list, pathList, sizeTextOf);
    benchmark::DoNotOptimize(list.rowCount());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_AddThousandRowsWithRealSizes(benchmark::State& state) {
  AddThousandRows(state, kelvane::FileSizeText);
}
BENCHMARK(BM_AddThousandRowsWithRealSizes)->Unit(benchmark::kMillisecond);

void BM_AddThousandRowsWithFixedSizes(benchmark::State& state) {
  AddThousandRows(state, FixedSizeText);
}
BENCHMARK(BM_AddThousandRowsWithFixedSizes)->Unit(benchmark::kMillisecond);

// Delete of the top row of 1,000, which renumbers the 999 left.
void BM_DeleteTopRowOfThousand(benchmark::State& state) {
  QueueListView list;
  for (auto _ : state) {
    state.PauseTiming();
    list.deleteAllRows();
    AppendQueueRows(list, Files().pathList(), FixedSizeText);
    state.ResumeTiming();
    list.deleteRow(0);
    RenumberQueueRows(list);
  }
  state.SetItemsProcessed(state.iterations() * (kRows - 1));
}
BENCHMARK(BM_DeleteTopRowOfThousand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta

int main(int argc, char** argv) {
  // Widgets need an application; no window is ever shown.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
