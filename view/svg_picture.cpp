#include "view/svg_picture.hpp"

#include <cstdio>
#include <optional>

#include "common/fields.hpp"
#include "view/page_fit.hpp"

namespace korval::view {
namespace {

// Sizes on the sheet, mm.
constexpr double kVectorStroke = 0.3;
constexpr double kTriangleHalfBase = 1.9;
constexpr double kTriangleHeight = 3.3;
constexpr double kCircleRadius = 0.8;
constexpr double kControlFont = 2.8;
constexpr double kStationFont = 2.2;
constexpr double kTitleFont = 5.0;
constexpr double kNoteFont = 3.0;
constexpr double kLongestScaleBar = 60.0;

// A page length with two decimals (a hundredth of a millimetre is far below
// what a printer draws); never "-0.00".
std::string Mm(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  const std::string written = text;
  return written == "-0.00" ? "0.00" : written;
}

// A scale-bar length as plainly as it can be written: 500, 2.5, 0.05.
std::string Length(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string Plural(size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

class Sheet {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }

  void Text(double x, double y, double size, std::string_view text, std::string_view extra = {}) {
    std::string element = "<text x=\"" + Mm(x) + "\" y=\"" + Mm(y) + "\" font-size=\"" + Mm(size) + "\"";
    if (!extra.empty()) element.append(" ").append(extra);
    Add(element + ">" + XmlText(text) + "</text>");
  }

  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

void DrawVectors(Sheet& sheet, const Network& network, const PageFit& fit) {
  sheet.Add("<g id=\"vectors\" stroke=\"#2a5599\" stroke-width=\"" + Mm(kVectorStroke) +
            "\" stroke-linecap=\"round\">");
  for (const Line& line : network.lines) {
    const Station& from = network.stations[line.from];
    const Station& to = network.stations[line.to];
    sheet.Add("<line x1=\"" + Mm(fit.PageX(from.x)) + "\" y1=\"" + Mm(fit.PageY(from.y)) + "\" x2=\"" +
              Mm(fit.PageX(to.x)) + "\" y2=\"" + Mm(fit.PageY(to.y)) + "\"/>");
  }
  sheet.Add("</g>");
}

void DrawOtherStations(Sheet& sheet, const Network& network, const PageFit& fit) {
  sheet.Add("<g id=\"stations\" font-family=\"sans-serif\" fill=\"#444444\">");
  for (const Station& station : network.stations) {
    if (station.control) continue;
    const double x = fit.PageX(station.x);
    const double y = fit.PageY(station.y);
    sheet.Add("<circle cx=\"" + Mm(x) + "\" cy=\"" + Mm(y) + "\" r=\"" + Mm(kCircleRadius) +
              "\" fill=\"white\" stroke=\"#333333\" stroke-width=\"0.25\"/>");
    sheet.Text(x + 1.2, y - 1.2, kStationFont, station.name);
  }
  sheet.Add("</g>");
}

void DrawControlStations(Sheet& sheet, const Network& network, const PageFit& fit) {
  sheet.Add("<g id=\"control-stations\" font-family=\"sans-serif\" font-weight=\"bold\" fill=\"#000000\">");
  for (const Station& station : network.stations) {
    if (!station.control) continue;
    const double x = fit.PageX(station.x);
    const double y = fit.PageY(station.y);
    // The triangle's centroid is the station.
    const double top = y - kTriangleHeight * 2.0 / 3.0;
    const double base = y + kTriangleHeight / 3.0;
    sheet.Add("<polygon points=\"" + Mm(x) + "," + Mm(top) + " " + Mm(x - kTriangleHalfBase) + "," + Mm(base) +
              " " + Mm(x + kTriangleHalfBase) + "," + Mm(base) +
              "\" fill=\"#c0392b\" stroke=\"#000000\" stroke-width=\"0.2\"/>");
    sheet.Text(x + 2.4, y - 1.6, kControlFont, station.name);
  }
  sheet.Add("</g>");
}

void DrawNorthArrow(Sheet& sheet, const Page& page) {
  const double x = page.width - kMarginRight;
  const double top = page.height - kMarginBottom + 12.0;
  sheet.Add("<g id=\"north-arrow\" font-family=\"sans-serif\" text-anchor=\"middle\">");
  sheet.Add("<polygon points=\"" + Mm(x) + "," + Mm(top) + " " + Mm(x + 3.0) + "," + Mm(top + 10.0) + " " + Mm(x) +
            "," + Mm(top + 7.5) + " " + Mm(x - 3.0) + "," + Mm(top + 10.0) + "\" fill=\"#000000\"/>");
  sheet.Text(x, top - 1.5, 4.0, "N", "font-weight=\"bold\"");
  sheet.Text(x, top + 14.0, 2.2, "GRID NORTH");
  sheet.Add("</g>");
}

void DrawScaleBar(Sheet& sheet, const Page& page, double scale, const GridUnit& unit) {
  const double length = ScaleBarLength(kLongestScaleBar / scale);
  const double bar = length * scale;  // mm
  const double x = kMarginLeft;
  const double y = page.height - kMarginBottom + 18.0;
  sheet.Add("<g id=\"scale-bar\" font-family=\"sans-serif\" text-anchor=\"middle\">");
  sheet.Add("<rect x=\"" + Mm(x) + "\" y=\"" + Mm(y) + "\" width=\"" + Mm(bar / 2.0) +
            "\" height=\"1.50\" fill=\"#000000\" stroke=\"#000000\" stroke-width=\"0.2\"/>");
  sheet.Add("<rect x=\"" + Mm(x + bar / 2.0) + "\" y=\"" + Mm(y) + "\" width=\"" + Mm(bar / 2.0) +
            "\" height=\"1.50\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"0.2\"/>");
  sheet.Text(x, y + 5.0, kNoteFont, "0");
  sheet.Text(x + bar / 2.0, y + 5.0, kNoteFont, Length(length / 2.0));
  sheet.Text(x + bar, y + 5.0, kNoteFont, Length(length) + " " + unit.name);
  if (unit.metres_per_unit > 0.0) {
    // Ground millimetres per paper millimetre.
    const double ratio = unit.metres_per_unit * 1000.0 / scale;
    char text[48];
    std::snprintf(text, sizeof text, "SCALE 1:%.0f ON A4", ratio);
    sheet.Text(x, y + 10.0, kNoteFont, text, "text-anchor=\"start\"");
  }
  sheet.Add("</g>");
}

std::string Summary(const Network& network) {
  size_t control = 0;
  for (const Station& station : network.stations) control += station.control ? 1 : 0;
  return Plural(control, "control station", "control stations") + ", " +
         Plural(network.stations.size() - control, "other station", "other stations") + ", " +
         Plural(network.lines.size(), "vector", "vectors");
}

}  // namespace

std::string XmlText(std::string_view text) {
  std::string safe;
  for (const char c : TrimRight(text)) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '&': safe += "&amp;"; break;
      case '<': safe += "&lt;"; break;
      case '>': safe += "&gt;"; break;
      case '"': safe += "&quot;"; break;
      case '\'': safe += "&apos;"; break;
      default: safe += (byte < 0x20 || byte >= 0x7F) ? '?' : c;
    }
  }
  return safe;
}

std::vector<std::string> DrawPicture(const Network& network, std::string_view job_name, const GridUnit& unit) {
  const std::optional<Bounds> bounds = BoundsOf(network.stations);
  const PageFit fit = PageFit::Fit(bounds.value_or(Bounds{}));
  const Page& page = fit.page();

  Sheet sheet;
  sheet.Add("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  sheet.Add("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Mm(page.width) +
            "mm\" height=\"" + Mm(page.height) + "mm\" viewBox=\"0 0 " + Mm(page.width) + " " + Mm(page.height) +
            "\">");
  sheet.Add("<title>" + XmlText(job_name) + "</title>");
  sheet.Add("<rect x=\"0\" y=\"0\" width=\"" + Mm(page.width) + "\" height=\"" + Mm(page.height) +
            "\" fill=\"#ffffff\"/>");
  sheet.Text(kMarginLeft, 12.0, kTitleFont, job_name, "font-family=\"sans-serif\" font-weight=\"bold\"");
  sheet.Text(kMarginLeft, 17.0, kNoteFont, Summary(network), "font-family=\"sans-serif\"");
  if (bounds) {
    DrawVectors(sheet, network, fit);
    DrawOtherStations(sheet, network, fit);
    DrawControlStations(sheet, network, fit);
    DrawScaleBar(sheet, page, fit.scale(), unit);
  } else {
    sheet.Text(page.width / 2.0, page.height / 2.0, kNoteFont, "No station of the job has a grid position",
               "font-family=\"sans-serif\" text-anchor=\"middle\"");
  }
  DrawNorthArrow(sheet, page);
  sheet.Add("</svg>");
  return sheet.Take();
}

}  // namespace korval::view
