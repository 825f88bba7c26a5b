#include "core/setup/ChoiceRecords.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/setup/Components.h"

namespace fs = std::filesystem;
using optaset::RowChoice;

namespace {

// A fresh application folder per test, removed afterwards.
class AppFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> serial{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    dir_ = fs::temp_directory_path() /
           ("optaset-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(dir_ / "Doc");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  void Put(const std::string& name, const std::string& bytes) {
    std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  // The file's bytes, or nothing when it does not exist.
  std::optional<std::string> Bytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Names of every marker file present, in the order the installer's table lists them.
  std::vector<std::string> Markers() const {
    std::vector<std::string> all{"CancelAll.log", "cancelCAPICOM.log", "CancelVirtualPrinter.log",
                                 "CancelInternetTransfer.log", "CancelWinsock.log"};
    std::vector<std::string> present;
    for (const auto& m : all)
      if (fs::exists(dir_ / m)) present.push_back(m);
    return present;
  }
  std::optional<std::string> Choice() const { return Bytes("Doc/Cancelinst.ini"); }

  // The nine rows as the window shows them, with the given row numbers (1-based) unticked.
  static std::vector<RowChoice> Rows(std::initializer_list<int> unticked) {
    std::vector<RowChoice> rows;
    for (const auto& c : optaset::ComponentTable()) rows.push_back({std::string(c.name), true});
    for (int i : unticked) rows[static_cast<size_t>(i - 1)].ticked = false;
    return rows;
  }

  fs::path dir_;
};

const std::string kMarker = "###\r\n";

struct Outcome {
  const char* what;
  std::vector<int> unticked;
  std::string choice;
  std::vector<std::string> markers;
};

TEST_F(AppFolder, NextRecordsEachUntickedOptionalRowInTableOrder) {
  const std::vector<Outcome> cases = {
      {"all ticked", {}, "[CancelItems]\r\n", {}},
      {"CAPICOM and Winsock", {9, 2}, "[CancelItems]\r\nCancelCAPICOM=1\r\nCancelWinsock=1\r\n",
       {"cancelCAPICOM.log", "CancelWinsock.log"}},
      {"printer", {3}, "[CancelItems]\r\nCancelVirtualPrinter=1\r\n", {"CancelVirtualPrinter.log"}},
      {"every optional row",
       {2, 3, 8, 9},
       "[CancelItems]\r\nCancelCAPICOM=1\r\nCancelVirtualPrinter=1\r\nCancelInternetTransfer=1\r\n"
       "CancelWinsock=1\r\n",
       {"cancelCAPICOM.log", "CancelVirtualPrinter.log", "CancelInternetTransfer.log", "CancelWinsock.log"}},
      {"required rows leave nothing", {1, 4, 5, 6, 7}, "[CancelItems]\r\n", {}},
  };
  for (const Outcome& c : cases) {
    SCOPED_TRACE(c.what);
    optaset::StartupWork(dir_);
    std::vector<RowChoice> rows = Rows({});
    for (int i : c.unticked) rows[static_cast<size_t>(i - 1)].ticked = false;
    optaset::CancelInst(dir_, false, rows);
    EXPECT_EQ(Choice(), c.choice);
    EXPECT_EQ(Markers(), c.markers);
    for (const auto& m : c.markers) EXPECT_EQ(Bytes(m), kMarker) << m;
  }
}

TEST_F(AppFolder, CancelAfterUntickingRecordsOnlyTheCancel) {
  optaset::CancelInst(dir_, true, Rows({2, 3, 8, 9}));
  EXPECT_EQ(Choice(), "[CancelItems]\r\n");
  EXPECT_EQ(Markers(), std::vector<std::string>{"CancelAll.log"});
  EXPECT_EQ(Bytes("CancelAll.log"), kMarker);
}

TEST_F(AppFolder, ChoiceFileIsReplacedWhole) {
  Put("Doc/Cancelinst.ini", "[CancelItems]\r\nCancelCAPICOM=1\r\nCancelWinsock=1\r\nstale tail\r\n");
  optaset::CancelInst(dir_, false, Rows({3}));
  EXPECT_EQ(Choice(), "[CancelItems]\r\nCancelVirtualPrinter=1\r\n");
}

TEST_F(AppFolder, WithoutDocFolderMarkersAreStillWritten) {
  fs::remove_all(dir_ / "Doc");
  optaset::CancelInst(dir_, false, Rows({2, 9}));
  EXPECT_FALSE(fs::exists(dir_ / "Doc"));  // no folder is created
  EXPECT_EQ(Markers(), (std::vector<std::string>{"cancelCAPICOM.log", "CancelWinsock.log"}));
  EXPECT_EQ(Bytes("CancelWinsock.log"), kMarker);

  optaset::CancelInst(dir_, true, Rows({}));
  EXPECT_EQ(Bytes("CancelAll.log"), kMarker);
}

TEST_F(AppFolder, StartupRemovesMarkersOfAnEarlierRun) {
  for (const char* m : {"CancelAll.log", "cancelCAPICOM.log", "CancelVirtualPrinter.log",
                        "CancelInternetTransfer.log", "CancelWinsock.log"})
    Put(m, kMarker);
  Put("Doc/Cancelinst.ini", "[CancelItems]\r\nCancelWinsock=1\r\n");
  Put("other.log", "keep");
  optaset::StartupWork(dir_);
  EXPECT_TRUE(Markers().empty());
  EXPECT_EQ(Choice(), "[CancelItems]\r\nCancelWinsock=1\r\n");  // start-up leaves the choice file
  EXPECT_EQ(Bytes("other.log"), "keep");

  optaset::CancelInst(dir_, false, Rows({}));
  EXPECT_TRUE(Markers().empty());
  EXPECT_EQ(Choice(), "[CancelItems]\r\n");
}

TEST_F(AppFolder, EachStartBacksUpTheConfigurationItFinds) {
  const std::string first("first\r\n\0\xff binary", 17);
  Put("QuilloraStudio.cfg", first);
  optaset::StartupWork(dir_);
  EXPECT_EQ(Bytes("QuilloraStudio.cfg.old"), first);

  const std::string second(40000, 'x');  // longer than one copy chunk
  Put("QuilloraStudio.cfg", second);
  optaset::StartupWork(dir_);
  EXPECT_EQ(Bytes("QuilloraStudio.cfg.old"), second);
  EXPECT_EQ(Bytes("QuilloraStudio.cfg"), second);
  EXPECT_FALSE(fs::exists(dir_ / "QuilloraStudio.cfg.old.part"));

  const std::string shorter = "short";
  Put("QuilloraStudio.cfg", shorter);
  optaset::StartupWork(dir_);
  EXPECT_EQ(Bytes("QuilloraStudio.cfg.old"), shorter);
}

TEST_F(AppFolder, NoConfigurationKeepsTheOlderBackup) {
  Put("QuilloraStudio.cfg.old", "older");
  optaset::StartupWork(dir_);
  EXPECT_EQ(Bytes("QuilloraStudio.cfg.old"), "older");
  EXPECT_FALSE(fs::exists(dir_ / "QuilloraStudio.cfg"));

  fs::create_directory(dir_ / "QuilloraStudio.cfg");  // not a file: nothing to copy
  optaset::StartupWork(dir_);
  EXPECT_EQ(Bytes("QuilloraStudio.cfg.old"), "older");
}

TEST_F(AppFolder, AnUnknownApplicationFolderTouchesNothing) {
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  Put("CancelAll.log", kMarker);
  Put("QuilloraStudio.cfg", "cfg");
  optaset::StartupWork({});
  optaset::CancelInst({}, true, Rows({}));
  optaset::CancelInst({}, false, Rows({2}));
  fs::current_path(before);
  EXPECT_EQ(Markers(), std::vector<std::string>{"CancelAll.log"});
  EXPECT_FALSE(fs::exists(dir_ / "QuilloraStudio.cfg.old"));
  EXPECT_FALSE(Choice().has_value());
}

TEST_F(AppFolder, MarkerReplacesWhateverWasThere) {
  Put("CancelWinsock.log", "a much longer earlier content\r\n");
  optaset::Createlogfile(dir_ / "CancelWinsock.log");
  EXPECT_EQ(Bytes("CancelWinsock.log"), kMarker);
}

}  // namespace
