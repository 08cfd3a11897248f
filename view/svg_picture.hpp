// The picture of the network as an SVG document on an A4 sheet: every vector
// as a line between its stations, control stations as triangles with their
// names, the other stations as small circles with their names, a grid north
// arrow and a scale bar in the grid unit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "view/grid_unit.hpp"
#include "view/network.hpp"

namespace korval::view {

// The lines of the SVG document.
std::vector<std::string> DrawPicture(const Network& network, std::string_view job_name, const GridUnit& unit);

// Text made safe for XML character data and attribute values: markup
// characters as entities, control and non-ASCII bytes as "?", trailing blanks
// removed.
std::string XmlText(std::string_view text);

}  // namespace korval::view
