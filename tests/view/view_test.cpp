// VIEW from the plot job to the picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "look/run.hpp"
#include "tests/support/project.hpp"
#include "tests/view/xml_checker.hpp"
#include "view/run.hpp"

namespace korval::view {
namespace {

using testing::ParseXml;
using testing::RunResult;
using testing::RunWithAnswers;
using testing::TempProject;
using testing::XmlElement;

std::string Name(std::string_view name) {
  std::string padded(name);
  padded.resize(8, ' ');
  return padded;
}

std::string StationRecord(std::string_view name, double x, double y, int mark = 0) {
  char numbers[128];
  std::snprintf(numbers, sizeof numbers, "%25.3f%17.3f    %d", x, y, mark);
  std::string line = " ";
  return line.append(Name(name)).append(numbers);
}

std::string VectorRecord(std::string_view from, std::string_view to) {
  std::string line = " ";
  return line.append(Name(from)).append(18, ' ').append(Name(to)).append(25, ' ').append(" 1.000    0");
}

const std::vector<std::string> kClosingRecords = {
    " 0                  0                  0                    0  0  0.00 1",
    " 0                         0                           0  0    .00   1"};

std::string Grid(std::string_view name, double x, double y) {
  char numbers[128];
  std::snprintf(numbers, sizeof numbers, "%23.4f%14.4f  0.99991234   +  0-12-34.5", x, y);
  std::string line = " ";
  return line.append(Name(name)).append(numbers);
}

RunResult RunView(const TempProject& project) { return RunWithAnswers(project, Run, {}); }

struct Point {
  double x = 0.0;
  double y = 0.0;
};

std::vector<double> Numbers(const std::string& text) {
  std::string spaced = text;
  for (char& c : spaced) c = c == ',' ? ' ' : c;
  std::istringstream in(spaced);
  std::vector<double> numbers;
  for (double value; in >> value;) numbers.push_back(value);
  return numbers;
}

Point Centroid(const XmlElement& polygon) {
  const std::vector<double> numbers = Numbers(polygon.attributes.at("points"));
  Point sum;
  for (size_t i = 0; i + 1 < numbers.size(); i += 2) {
    sum.x += numbers[i];
    sum.y += numbers[i + 1];
  }
  const double corners = static_cast<double>(numbers.size() / 2);
  return {sum.x / corners, sum.y / corners};
}

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The written picture, checked to be well-formed XML with an <svg> root.
std::unique_ptr<XmlElement> Picture(const TempProject& project, const std::string& name = "VECTOR.SVG") {
  const std::string document = project.ReadRaw(name);
  std::string error;
  auto root = ParseXml(document, error);
  EXPECT_TRUE(root.has_value()) << error;
  if (!root) return std::make_unique<XmlElement>();
  EXPECT_EQ((*root)->name, "svg");
  EXPECT_EQ((*root)->attributes["xmlns"], "http://www.w3.org/2000/svg");
  return std::move(*root);
}

// The page position of each station marker, found by the name beside it.
std::map<std::string, Point> MarkerPositions(const XmlElement& svg) {
  std::map<std::string, Point> positions;
  if (const XmlElement* control = svg.FindById("control-stations")) {
    const auto polygons = control->FindAll("polygon");
    const auto names = control->FindAll("text");
    EXPECT_EQ(polygons.size(), names.size());
    for (size_t i = 0; i < std::min(polygons.size(), names.size()); ++i) {
      positions[names[i]->text] = Centroid(*polygons[i]);
    }
  }
  if (const XmlElement* others = svg.FindById("stations")) {
    const auto circles = others->FindAll("circle");
    const auto names = others->FindAll("text");
    EXPECT_EQ(circles.size(), names.size());
    for (size_t i = 0; i < std::min(circles.size(), names.size()); ++i) {
      positions[names[i]->text] = {circles[i]->Number("cx"), circles[i]->Number("cy")};
    }
  }
  return positions;
}

// Three control stations, one station placed by the listing and one that the
// listing does not know.
void WriteSmallProject(const TempProject& project) {
  project.Write("TEMP.JOB", {"VECTOR  "});
  std::vector<std::string> job = {StationRecord("NW", 1000.0, 2000.0), StationRecord("SE", 3000.0, 1000.0),
                                  StationRecord("NE", 3000.0, 2000.0, 1),
                                  VectorRecord("NW", "MID"),   VectorRecord("MID", "SE"),
                                  VectorRecord("SE", "NE"),    VectorRecord("NE", "NW"),
                                  VectorRecord("MID", "GHOST"), VectorRecord("GHOST", "NW")};
  job.insert(job.end(), kClosingRecords.begin(), kClosingRecords.end());
  project.Write("VECTOR.LSA", job);
  project.Write("VECTOR.COR", {Grid("NW", 1000.0, 2000.0), Grid("MID", 2000.0, 1500.0), Grid("SE", 3000.0, 1000.0),
                               Grid("NE", 3000.0, 2000.0)});
  project.Write("KORVAL.INF", {"   2  1  1  2 11  1  1         0.0001"});
}

TEST(ViewPicture, DrawsEveryPlacedVectorAndMarksControlStations) {
  TempProject project;
  WriteSmallProject(project);

  const RunResult run = RunView(project);

  EXPECT_EQ(run.exit_status, 0);
  const auto svg = Picture(project);
  const XmlElement* vectors = svg->FindById("vectors");
  ASSERT_NE(vectors, nullptr);
  EXPECT_EQ(vectors->FindAll("line").size(), 4u);
  ASSERT_NE(svg->FindById("control-stations"), nullptr);
  EXPECT_EQ(svg->FindById("control-stations")->FindAll("polygon").size(), 3u);
  EXPECT_EQ(svg->FindById("stations")->FindAll("circle").size(), 1u);
  EXPECT_TRUE(testing::AllLinesEndWithCrLf(project.ReadRaw("VECTOR.SVG")));
}

TEST(ViewPicture, PlacesStationsToScaleWithNorthUp) {
  TempProject project;
  WriteSmallProject(project);
  RunView(project);
  const auto svg = Picture(project);
  std::map<std::string, Point> at = MarkerPositions(*svg);
  ASSERT_EQ(at.size(), 4u);

  EXPECT_LT(at["NW"].x, at["MID"].x);
  EXPECT_LT(at["MID"].x, at["SE"].x);
  EXPECT_NEAR(at["SE"].x, at["NE"].x, 0.02);  // same easting
  EXPECT_LT(at["NE"].y, at["SE"].y);          // north is up the page
  EXPECT_NEAR(at["NW"].y, at["NE"].y, 0.02);
  // One scale in both directions: NW-NE is 2000, NE-SE 1000, NW-MID half of NW-SE.
  EXPECT_NEAR(Distance(at["NW"], at["NE"]) / Distance(at["NE"], at["SE"]), 2.0, 1e-3);
  EXPECT_NEAR(Distance(at["NW"], at["MID"]) * 2.0, Distance(at["NW"], at["SE"]), 0.02);

  // Every line runs between two markers.
  for (const XmlElement* line : svg->FindById("vectors")->FindAll("line")) {
    int ends_on_markers = 0;
    for (const auto& [name, point] : at) {
      if (Distance(point, {line->Number("x1"), line->Number("y1")}) < 0.02) ++ends_on_markers;
      if (Distance(point, {line->Number("x2"), line->Number("y2")}) < 0.02) ++ends_on_markers;
    }
    EXPECT_EQ(ends_on_markers, 2);
  }
  // The drawing lies on the sheet.
  const double width = Numbers(svg->attributes["viewBox"])[2];
  const double height = Numbers(svg->attributes["viewBox"])[3];
  for (const auto& [name, point] : at) {
    EXPECT_GT(point.x, 0.0);
    EXPECT_LT(point.x, width);
    EXPECT_GT(point.y, 0.0);
    EXPECT_LT(point.y, height);
  }
}

TEST(ViewPicture, ListsStationsWithoutPositionOnTheConsole) {
  TempProject project;
  WriteSmallProject(project);

  const RunResult run = RunView(project);

  const std::vector<std::string> expected = {
      " STATIONS WITHOUT A POSITION, LEFT OUT OF THE PICTURE:",
      "   GHOST",
      " 2 VECTOR(S) LEFT OUT OF THE PICTURE",
      " PICTURE WRITTEN TO " + project.Path("VECTOR.SVG").string(),
      "Stop - Program terminated.",
  };
  EXPECT_EQ(run.lines, expected);
}

TEST(ViewPicture, WithoutTheListingOnlyControlStationsArePlaced) {
  TempProject project;
  WriteSmallProject(project);
  std::filesystem::remove(project.Path("VECTOR.COR"));

  const RunResult run = RunView(project);

  EXPECT_EQ(run.lines[0], " VECTOR.COR NOT FOUND - ONLY CONTROL STATIONS HAVE A POSITION");
  EXPECT_EQ(run.lines[2], "   MID");
  EXPECT_EQ(run.lines[3], "   GHOST");
  const auto svg = Picture(project);
  EXPECT_EQ(svg->FindById("vectors")->FindAll("line").size(), 2u);
}

TEST(ViewPicture, ScaleBarIsInTheGridUnitOfTheDatum) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"   1  1  1  2 11  1  1         0.0001", " US ft"}, {"   2  1  1  2 11  1  1         0.0001", " m"},
      {"", " grid units"}};
  for (const auto& [parameters, unit] : cases) {
    TempProject project;
    WriteSmallProject(project);
    project.Write("KORVAL.INF", {parameters});
    RunView(project);
    const auto svg = Picture(project);
    const XmlElement* bar = svg->FindById("scale-bar");
    ASSERT_NE(bar, nullptr);
    // The network, 1000 units from north to south, on 154 mm of paper: a bar
    // of 200 units (no more than 60 mm).
    bool labelled = false;
    for (const XmlElement* text : bar->FindAll("text")) labelled |= text->text == "200" + unit;
    EXPECT_TRUE(labelled) << unit;
    const auto rects = bar->FindAll("rect");
    ASSERT_EQ(rects.size(), 2u);
    const double scale = (rects[0]->Number("width") + rects[1]->Number("width")) / 200.0;
    const auto at = MarkerPositions(*svg);
    EXPECT_NEAR(Distance(at.at("NW"), at.at("NE")), 2000.0 * scale, 0.05);
  }
}

TEST(ViewPicture, OddStationNamesStayWellFormed) {
  TempProject project;
  project.Write("TEMP.JOB", {"VECTOR  "});
  project.Write("VECTOR.LSA", {StationRecord("A&B<1>", 0.0, 0.0), StationRecord("\"Q'\x01\xe9", 10.0, 0.0, 1),
                               VectorRecord("A&B<1>", "\"Q'\x01\xe9"), kClosingRecords[0], kClosingRecords[1]});

  RunView(project);

  const auto svg = Picture(project);
  const auto at = MarkerPositions(*svg);
  EXPECT_EQ(at.count("A&B<1>"), 1u);
  EXPECT_EQ(at.count("\"Q'??"), 1u);
}

TEST(ViewPicture, SingleStationAndEmptyJobStillGiveAPicture) {
  {
    TempProject project;
    project.Write("TEMP.JOB", {"VECTOR  "});
    project.Write("VECTOR.LSA", {StationRecord("ALONE", 5.0, 5.0, 1)});
    EXPECT_EQ(RunView(project).exit_status, 0);
    const auto svg = Picture(project);
    EXPECT_EQ(svg->FindById("control-stations")->FindAll("polygon").size(), 1u);
    EXPECT_EQ(project.ReadRaw("VECTOR.SVG").find("nan"), std::string::npos);
    EXPECT_EQ(project.ReadRaw("VECTOR.SVG").find("inf"), std::string::npos);
  }
  {
    TempProject project;
    project.Write("TEMP.JOB", {"VECTOR  "});
    project.Write("VECTOR.LSA", {});
    EXPECT_EQ(RunView(project).exit_status, 0);
    const auto svg = Picture(project);
    EXPECT_EQ(svg->FindById("vectors"), nullptr);
    EXPECT_NE(svg->FindById("north-arrow"), nullptr);
  }
}

TEST(ViewJobFile, DamagedRecordsAreReportedAndPassedOver) {
  TempProject project;
  project.Write("TEMP.JOB", {"VECTOR  "});
  project.Write("VECTOR.LSA", {StationRecord("A", 0.0, 0.0), " B       " + std::string(42, '*') + "    0",
                               StationRecord("C", 1.0e12, 0.0), StationRecord("D", 10.0, 10.0, 1), "",
                               VectorRecord("A", "D"), VectorRecord("A", "C")});

  const RunResult run = RunView(project);

  EXPECT_EQ(run.lines[0], " LINE 2 OF VECTOR.LSA IGNORED");
  EXPECT_EQ(run.lines[3], "   C");  // a position beyond any zone is no position
  const auto svg = Picture(project);
  EXPECT_EQ(svg->FindById("control-stations")->FindAll("polygon").size(), 2u);
  EXPECT_EQ(svg->FindById("vectors")->FindAll("line").size(), 1u);
}

TEST(ViewJobFile, MissingOrUnusableJobStopsWithoutAPicture) {
  struct Case {
    std::vector<std::string> job_name;  // empty: no TEMP.JOB
    std::string message;
  };
  const std::vector<Case> cases = {
      {{}, " ERROR - TEMP.JOB NOT FOUND - RUN LOOK FIRST"},
      {{"        "}, " ERROR - TEMP.JOB HOLDS NO USABLE JOB NAME - RUN LOOK FIRST"},
      {{"../X"}, " ERROR - TEMP.JOB HOLDS NO USABLE JOB NAME - RUN LOOK FIRST"},
      {{"OTHER"}, " ERROR - OTHER.LSA NOT FOUND - RUN LOOK FIRST"},
  };
  for (const Case& test : cases) {
    TempProject project;
    if (!test.job_name.empty()) project.Write("TEMP.JOB", test.job_name);
    project.Write("VECTOR.LSA", {StationRecord("A", 0.0, 0.0, 1)});

    const RunResult run = RunView(project);

    EXPECT_EQ(run.lines, (std::vector<std::string>{test.message, "Stop - Program terminated."}));
    EXPECT_FALSE(project.Exists("VECTOR.SVG"));
    EXPECT_FALSE(project.Exists("OTHER.SVG"));
  }
}

TEST(ViewAfterLook, PicturesTheProjectThatLookWrote) {
  TempProject project;
  const auto control = [](std::string_view name, char mark) {
    std::string line = " ";
    return line.append(Name(name)).append(" 39 12 34.56789  0.0010  77 30 12.34567  0.0010    123.4560  0.0020 ") +
           mark;
  };
  const auto vector = [](char flag, std::string_view from, std::string_view to) {
    std::string line(1, flag);
    return line.append(Name(from)).append(" ").append(Name(to)).append(
        "   -1234.5678 0.0010     567.1234 0.0010      -8.9012 0.0020");
  };
  project.Write("INFO.VEC", {control("BASE", '0'), control("ROVER", '1'), vector(' ', "BASE", "P1"),
                             vector(' ', "P1", "ROVER"), vector('*', "P1", "P2")});
  project.Write("VECTOR.COR", {Grid("BASE", 500.0, 500.0), Grid("P1", 600.0, 550.0), Grid("ROVER", 700.0, 500.0),
                               Grid("P2", 650.0, 650.0)});

  EXPECT_EQ(RunWithAnswers(project, look::Run, {}).exit_status, 0);
  EXPECT_EQ(RunView(project).exit_status, 0);

  const auto svg = Picture(project);
  EXPECT_EQ(svg->FindById("vectors")->FindAll("line").size(), 2u);
  const auto at = MarkerPositions(*svg);
  EXPECT_EQ(at.size(), 3u);
  EXPECT_LT(at.at("P1").y, at.at("BASE").y);
}

}  // namespace
}  // namespace korval::view
