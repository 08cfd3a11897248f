#include "common/view_job.hpp"

#include "common/fields.hpp"

namespace korval {

const Layout kJobNameRecord = {
    Text(8),  // 1-8  job name
};

const Layout kJobStationRecord = {
    Skip(1),          // 1      blank
    Text(8),          // 2-9    station name
    Decimal(25, 3),   // 10-34  X
    Decimal(17, 3),   // 35-51  Y
    Skip(4),          // 52-55
    Integer(1),       // 56     last-control mark
};

const Layout kJobVectorRecord = {
    Skip(1),         // 1      blank
    Text(8),         // 2-9    from-station name
    Skip(18),        // 10-27
    Text(8),         // 28-35  to-station name
    Skip(25),        // 36-60
    Decimal(6, 3),   // 61-66  line weight
    Skip(4),         // 67-70
    Fixed("0"),      // 71
};

const Layout kJobClosingFirstRecord = {
    Skip(1),         // 1
    Fixed("0"),      // 2
    Skip(18),        // 3-20
    Fixed("0"),      // 21
    Skip(18),        // 22-39
    Fixed("0"),      // 40
    Skip(20),        // 41-60
    Fixed("0"),      // 61
    Skip(2),         // 62-63
    Fixed("0"),      // 64
    Skip(2),         // 65-66
    Fixed("0.00"),   // 67-70
    Skip(1),         // 71
    Fixed("1"),      // 72
};

const Layout kJobClosingSecondRecord = {
    Skip(1),         // 1
    Fixed("0"),      // 2
    Skip(25),        // 3-27
    Fixed("0"),      // 28
    Skip(27),        // 29-55
    Fixed("0"),      // 56
    Skip(2),         // 57-58
    Fixed("0"),      // 59
    Skip(4),         // 60-63
    Fixed(".00"),    // 64-66
    Skip(3),         // 67-69
    Fixed("1"),      // 70
};

std::string JobFileName(std::string_view job_name, std::string_view extension) {
  return TrimRight(job_name) + "." + std::string(extension);
}

}  // namespace korval
