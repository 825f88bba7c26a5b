#include "core/PageDescription.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

using Kind = vk::DescribedObject::Kind;

vk::DescribedObject Line(int x1, int y1, int x2, int y2) {
  vk::DescribedObject o;
  o.What = Kind::Line;
  o.Start = {x1, y1};
  o.End = {x2, y2};
  o.PenWidth = 2;
  o.PenColor = 0x0000FF;
  return o;
}

TEST(PageDescription, SingleRedLineGivesTheExpectedText) {
  const std::vector<vk::DescribedObject> objs = {Line(10, 20, 110, 20)};
  EXPECT_EQ(vk::BuildPageDescription(objs).Text(),
            "[SysInfo]\r\nImageCount=1\r\nLine=1\r\nRect=0\r\nCircle=0\r\nRoundRect=0\r\nArc=0\r\nmLine=0\r\n"
            "[Line1]\r\nStartX=10\r\nStartY=20\r\nEndX=110\r\nEndY=20\r\nLineWidth=2\r\nColor=255,0,0\r\n"
            "LineType=0\r\nFill=0\r\n");
}

TEST(PageDescription, SectionsAreNumberedFromTheTopmostAndUndescribedKindsOnlyCount) {
  vk::DescribedObject first = Line(1, 1, 5, 5);
  vk::DescribedObject closed;  // a closed polygon: counted, not described
  vk::DescribedObject second = Line(7, 7, 9, 9);
  const std::vector<vk::DescribedObject> objs = {first, closed, second};
  const vk::IniDocument ini = vk::BuildPageDescription(objs);
  ASSERT_EQ(ini.Sections().size(), 3u);
  EXPECT_EQ(ini.Sections()[0].Name, "SysInfo");
  EXPECT_EQ(ini.Sections()[0].Entries[0].Value, "3");
  EXPECT_EQ(ini.Sections()[0].Entries[1].Value, "2");  // Line=2
  EXPECT_EQ(ini.Sections()[1].Name, "Line1");
  EXPECT_EQ(ini.Sections()[1].Entries[0].Value, "7");  // the later line
  EXPECT_EQ(ini.Sections()[2].Name, "Line2");
}

TEST(PageDescription, KindSpecificKeys) {
  vk::DescribedObject rect;
  rect.What = Kind::Rect;
  rect.Start = {1, 2};
  rect.End = {30, 40};
  rect.PenStyle = 5;  // clear pen: no LineType key
  rect.Filled = true;
  rect.FillColor = 0x123456;
  vk::DescribedObject poly;
  poly.What = Kind::OpenPolyline;
  poly.Vertices = {{5, 5}, {50, 5}, {50, 60}};
  poly.PenColor = 0x00FF00;
  vk::DescribedObject round;
  round.What = Kind::Round;
  round.CurvW = 11;
  round.CurvH = 12;
  vk::DescribedObject arc;
  arc.What = Kind::Arc;
  arc.ArcStart = {3, 4};
  arc.ArcEnd = {5, 6};
  const std::vector<vk::DescribedObject> objs = {rect, poly, round, arc};
  const std::string t = vk::BuildPageDescription(objs).Text();
  EXPECT_NE(t.find("[Rect1]\r\nStartX=1\r\nStartY=2\r\nEndX=30\r\nEndY=40\r\nLineWidth=1\r\nColor=0,0,0\r\nFill=1\r\n"
                   "FillColor=86,52,18\r\n"),
            std::string::npos);
  EXPECT_NE(t.find("[mLine1]\r\nColor=0,255,0\r\nLineWidth=1\r\nLineType=0\r\nXY=5,5,50,5,50,60,\r\n"), std::string::npos);
  EXPECT_NE(t.find("CurvW=11\r\nCurvH=12\r\nLineWidth=1\r\nColor=0,0,0\r\nLineType=0\r\nFill=0\r\n"), std::string::npos);
  EXPECT_NE(t.find("Rect=1\r\nCircle=0\r\nRoundRect=1\r\nArc=1\r\nmLine=1\r\n"), std::string::npos);
  // The arc is the topmost object, so its section comes first; it has no fill keys.
  EXPECT_NE(t.find("[Arc1]\r\nStartX=0\r\nStartY=0\r\nEndX=0\r\nEndY=0\r\nArcSX=3\r\nArcSY=4\r\nArcEX=5\r\n"
                   "ArcEY=6\r\nLineWidth=1\r\nColor=0,0,0\r\nLineType=0\r\n[Round1]"),
            std::string::npos);
}

TEST(PageDescription, RewritingAKeyKeepsItsPlace) {
  vk::IniDocument ini;
  ini.Set("A", "x", "1");
  ini.Set("B", "y", "2");
  ini.Set("a", "X", "3");
  EXPECT_EQ(ini.Text(), "[A]\r\nx=3\r\n[B]\r\ny=2\r\n");
}

// Every kind, many sections: the text must stay byte for byte what it has always been.
TEST(PageDescription, LargeDrawingTextIsUnchanged) {
  std::vector<vk::DescribedObject> objs(3000);
  uint32_t seed = 12345;
  auto next = [&seed] { return static_cast<int32_t>((seed = seed * 1103515245u + 12345u) >> 8) - (1 << 22); };
  for (size_t i = 0; i < objs.size(); ++i) {
    vk::DescribedObject& o = objs[i];
    o.What = static_cast<Kind>(i % 7);
    o.Start = {next(), next()};
    o.End = {next(), next()};
    o.CurvW = next();
    o.ArcStart = {next(), next()};
    o.PenWidth = next();
    o.PenColor = static_cast<uint32_t>(next());
    o.PenStyle = static_cast<uint8_t>(i % 6);
    o.Filled = i % 3 == 0;
    o.FillColor = static_cast<uint32_t>(next());
    o.Vertices.assign(i % 4, {next(), next()});
  }
  const std::string t = vk::PageDescriptionText(objs, objs.size());
  EXPECT_EQ(t, vk::BuildPageDescription(objs).Text());
  uint64_t h = 14695981039346656037u;  // FNV-1a
  for (unsigned char c : t) h = (h ^ c) * 1099511628211u;
  EXPECT_EQ(t.size(), 350847u);
  EXPECT_EQ(h, 17981819372569711032u);
}

TEST(PageDescription, AnOrdinaryIniParserReadsEveryKey) {
#ifdef _WIN32
  GTEST_SKIP() << "checked natively, where Python is at hand";
#else
  if (std::system("python3 -c 'import configparser' 2>/dev/null") != 0) GTEST_SKIP() << "no python3";
  std::vector<vk::DescribedObject> objs = {Line(10, 20, 110, 20), Line(1, 2, 3, 4)};
  objs[1].What = Kind::OpenPolyline;
  objs[1].Vertices = {{5, 5}, {50, 60}};
  const vk::IniDocument ini = vk::BuildPageDescription(objs);
  const std::string dir = ::testing::TempDir();
  {
    std::ofstream f(dir + "vk-desc.ini", std::ios::binary);
    f << ini.Text();
  }
  // configparser lower-cases keys unless told otherwise; keep them as written.
  const std::string cmd = "python3 -c \"import configparser,sys; c=configparser.ConfigParser(interpolation=None); "
                          "c.optionxform=str; c.read(sys.argv[1]); "
                          "print(';'.join(s+'.'+k+'='+v for s in c.sections() for k,v in c[s].items()))\" " +
                          dir + "vk-desc.ini > " + dir + "vk-desc.out";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream out(dir + "vk-desc.out");
  std::string got;
  std::getline(out, got);
  std::string want;
  for (const auto& s : ini.Sections())
    for (const auto& e : s.Entries) want += (want.empty() ? "" : ";") + s.Name + "." + e.Key + "=" + e.Value;
  EXPECT_EQ(got, want);
#endif
}

}  // namespace
