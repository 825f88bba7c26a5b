// The page description is written in one go; the platform's profile writer, called key
// by key as the host's readers expect, must give exactly the same file, and the platform's
// reader must read every key back.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/PageDescription.h"

namespace {

std::string TempFile(const char* name) {
  char dir[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + name;
  ::DeleteFileA(path.c_str());
  return path;
}

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::vector<vk::DescribedObject> Sample() {
  using Kind = vk::DescribedObject::Kind;
  std::vector<vk::DescribedObject> v(7);
  v[0].What = Kind::Line;
  v[0].Start = {10, 20};
  v[0].End = {110, 20};
  v[0].PenWidth = 2;
  v[0].PenColor = 0x0000FF;
  v[1].What = Kind::Rect;
  v[1].Start = {-5, 7};
  v[1].End = {300, 400};
  v[1].Filled = true;
  v[1].FillColor = 0xFFFFFF;
  v[2].What = Kind::Circle;
  v[2].PenStyle = 6;
  v[3].What = Kind::Round;
  v[3].CurvW = 20;
  v[3].CurvH = 10;
  v[4].What = Kind::Arc;
  v[4].ArcStart = {1, 2};
  v[4].ArcEnd = {3, 4};
  v[5].What = Kind::OpenPolyline;
  v[5].Vertices = {{5, 5}, {50, 5}, {50, 60}};
  v[6].What = Kind::Line;  // the topmost: Line1
  v[6].Start = {1, 1};
  v[6].End = {2, 2};
  return v;
}

TEST(ProfileCompat, OneGoWriterMatchesTheProfileWriterByteForByte) {
  const vk::IniDocument doc = vk::BuildPageDescription(Sample());
  const std::string viaApi = TempFile("vk-profile-api.ini");
  for (const auto& s : doc.Sections())
    for (const auto& e : s.Entries)
      ASSERT_TRUE(::WritePrivateProfileStringA(s.Name.c_str(), e.Key.c_str(), e.Value.c_str(), viaApi.c_str()));
  EXPECT_EQ(Slurp(viaApi), doc.Text());
}

TEST(ProfileCompat, TheProfileReaderReadsEveryKeyBack) {
  const vk::IniDocument doc = vk::BuildPageDescription(Sample());
  const std::string path = TempFile("vk-profile-read.ini");
  {
    std::ofstream f(path, std::ios::binary);
    f << doc.Text();
  }
  size_t keys = 0;
  for (const auto& s : doc.Sections()) {
    for (const auto& e : s.Entries) {
      char buf[512] = {};
      ::GetPrivateProfileStringA(s.Name.c_str(), e.Key.c_str(), "<missing>", buf, sizeof buf, path.c_str());
      EXPECT_EQ(std::string(buf), e.Value) << s.Name << "." << e.Key;
      ++keys;
    }
  }
  EXPECT_GT(keys, 40u);
  EXPECT_EQ(::GetPrivateProfileIntA("SysInfo", "ImageCount", -1, path.c_str()), 7);
  EXPECT_EQ(::GetPrivateProfileIntA("SysInfo", "Line", -1, path.c_str()), 2);
}

}  // namespace
