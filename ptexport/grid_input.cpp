#include "ptexport/grid_input.hpp"

namespace korval::ptexport {

namespace {

// A VECTOR.COR line as read: each field ends in the column where the listing
// writes it.
const Layout kGridRecord = {
    Skip(1),          // 1
    Text(8),          // 2-9    station name
    Decimal(23, 4),   // 10-32  easting (metres on NAD 83, U.S. survey feet on NAD 27)
    Decimal(14, 4),   // 33-46  northing
    Decimal(12, 8),   // 47-58  grid scale factor
    Skip(3),          // 59-61
    Character(),      // 62     sign of the convergence angle
    Skip(1),          // 63
    Integer(2),       // 64-65  convergence, degrees
    Skip(1),          // 66
    Integer(2),       // 67-68  convergence, minutes
    Skip(1),          // 69
    Decimal(5, 1),    // 70-74  convergence, seconds
};

}  // namespace

Reading ReadGridCoordinates(RecordFile& listing, StationTable& table) {
  listing.Rewind();
  Values values;
  while (listing.Read(kGridRecord, values) == ReadStatus::kOk) {
    ExportStation* station = table.FindOrAdd(values.Text(0));
    if (station == nullptr) return Reading::kTableFull;
    station->easting = values.Real(1);
    station->northing = values.Real(2);
    station->scale_factor = values.Real(3);
    station->convergence_sign = values.Char(4);
    station->convergence_degrees = static_cast<int>(values.Int(5));
    station->convergence_minutes = static_cast<int>(values.Int(6));
    station->convergence_seconds = values.Real(7);
  }
  return Reading::kDone;
}

}  // namespace korval::ptexport
