#include "netadj/state_plane/nad27_transverse_mercator.hpp"

#include <cmath>

#include "geodesy/ellipsoid.hpp"

namespace korval::netadj {

namespace {

// Clarke 1866 as the NAD 27 zone formulas write it.
constexpr double kEccentricitySquared = 0.006768658;
constexpr double kSecondEccentricitySquared = 0.0068147849;
// Semi-major axis times one arc-second (metres).
constexpr double kMetresPerArcSecond = 30.92241724;
// 1 / (6 rho^2): the cubic term of sin(dl) for dl in arc-seconds, times 1e12.
constexpr double kSineCubic = 3.9174;
// The part of the cubic easting term that the formula applies itself (1/m^2, times 1e15).
constexpr double kOwnCubic = 4.0831;
constexpr double kFormulaFeetPerMetre = 3.28083333;
// Feet of meridian arc per arc-second of latitude, less the series T.
constexpr double kFeetPerArcSecondOfArc = 101.2794065;
// Twice the polar radius of curvature squared, in units of 1e12 square feet.
constexpr double kScaleDenominator = 881.749162;

constexpr double kUsFeetPerMetre = 3937.0 / 1200.0;

double Rho() { return kArcSecondsPerHalfTurn / geodesy::kPi; }

// Clarke 1866 from its defining a and f, for the higher-order terms.
struct Clarke {
  double a = geodesy::kClarke1866.a;
  double e2 = geodesy::kClarke1866.e2();
  double ep2 = geodesy::kClarke1866.ep2();
};

// The latitude shift (arc-seconds) to the foot-point latitude, per square
// metre of H' and per unit of w^4 tan phi: rho / (2 a^2 (1 - e^2)). The old
// printed value 2.552381e-09 is short by five parts in a million, which moves
// northings by 0.06 ft at 3 degrees from the central meridian.
double FootPointFactor() {
  const Clarke clarke;
  return Rho() / (2.0 * clarke.a * clarke.a * (1.0 - clarke.e2));
}

// The arc-second correction of the meridian arc (the series T).
double ArcCorrection(double phi) {
  const double s = std::sin(phi);
  const double c = std::cos(phi);
  return (1052.893882 - 4.483344 * c * c + 0.02352 * c * c * c * c) * s * c;
}

double OneLessE2Sin2(double phi) {
  const double s = std::sin(phi);
  return 1.0 - kEccentricitySquared * s * s;
}

}  // namespace

double Nad27HigherOrderEasting(const Nad27TransverseMercatorZone& zone, double latitude, double l) {
  const Clarke clarke;
  const double s = std::sin(latitude);
  const double c = std::cos(latitude);
  const double t2 = std::tan(latitude) * std::tan(latitude);
  const double n = clarke.a / std::sqrt(1.0 - clarke.e2 * s * s);
  const double eta2 = clarke.ep2 * c * c;
  // The cubic coefficient that the formula applies (its own part and C6), 1/m^2.
  const double own = kOwnCubic * 1e-15;
  const double zone_cubic = zone.c6 * 1e-15 * kFormulaFeetPerMetre * kFormulaFeetPerMetre * zone.c5 * zone.c5;
  const double applied = own + zone_cubic;
  // Third order: the cubic term at the station's latitude, (2 + eta^2) / (6 N^2).
  const double third = (2.0 + eta2) / 6.0 - applied * n * n;
  // Fifth order: the series term less what the cubic terms of H' bring.
  const double series = (5.0 - 18.0 * t2 + t2 * t2 + 14.0 * eta2 - 58.0 * t2 * eta2) / 120.0;
  const double brought = -applied * n * n / (2.0 * c * c) + 3.0 * zone_cubic * own * n * n * n * n;
  const double l2 = l * l;
  return zone.c5 * kUsFeetPerMetre * n * l * l2 * (third + (series - brought) * l2);
}

double Nad27HigherOrderNorthing(const Nad27TransverseMercatorZone& zone, double latitude, double l) {
  const Clarke clarke;
  const double s = std::sin(latitude);
  const double c = std::cos(latitude);
  const double t = std::tan(latitude);
  const double t2 = t * t;
  const double n = clarke.a / std::sqrt(1.0 - clarke.e2 * s * s);
  const double eta2 = clarke.ep2 * c * c;
  const double own = kOwnCubic * 1e-15 * n * n;
  const double sec2 = 1.0 + t2;
  // Fourth order: the series term less what the two-step foot-point latitude
  // and the meridian arc to it bring.
  const double fourth = (5.0 - t2 + 9.0 * eta2 + 4.0 * eta2 * eta2) / 24.0 - own + sec2 / 6.0 -
                        (sec2 * (1.0 + eta2) - 4.0 * eta2 * t2) / 4.0 - 3.0 * eta2 * t2 / 8.0;
  // Sixth order, the same on the sphere (the eta^2 parts are below 0.0001 ft).
  const double sixth = (61.0 - 58.0 * t2 + t2 * t2) / 720.0 - own * own / 2.0 - own * sec2 / 3.0 +
                       11.0 * sec2 * sec2 / 72.0 - t2 * sec2 / 8.0;
  const double l4 = l * l * l * l;
  return zone.c5 * kUsFeetPerMetre * n * t * l4 * (fourth + sixth * l * l);
}

GridPosition Nad27TransverseMercator(const Nad27TransverseMercatorZone& zone, double latitude,
                                     double longitude_west) {
  const double rho = Rho();
  const double phi = latitude;
  const double c = std::cos(phi);

  // Longitude difference in arc-seconds, east of the central meridian positive.
  const double lsec = LongitudeNearMeridian(longitude_west, zone.c2 / rho) / geodesy::kPi * kArcSecondsPerHalfTurn;
  const double dsec = zone.c2 - lsec;
  const double p = dsec * 0.0001;

  // H: the easting on the sphere of the prime vertical, metres; H' with the
  // formula's own cubic term.
  const double h = (kMetresPerArcSecond * c / std::sqrt(OneLessE2Sin2(phi))) * (dsec - kSineCubic * p * p * p);
  const double h_scaled = h * 1e-05;
  const double hp = h + kOwnCubic * h_scaled * h_scaled * h_scaled;

  GridPosition grid;
  const double xp = kFormulaFeetPerMetre * zone.c5 * hp;
  const double cubic = kFormulaFeetPerMetre * 1e-05 * zone.c5 * hp;
  const double l = dsec / rho * c;
  grid.x = zone.c1 + xp + zone.c6 * cubic * cubic * cubic + Nad27HigherOrderEasting(zone, phi, l);

  // Foot-point latitude in arc-seconds, two steps.
  const double foot = FootPointFactor();
  const double pa = phi * rho;
  const double w1 = OneLessE2Sin2(phi);
  const double p1 = pa + foot * hp * hp * w1 * w1 * std::tan(phi);
  const double phi1 = p1 / rho;
  const double w2 = OneLessE2Sin2(phi1);
  const double p2 = pa + foot * hp * hp * w2 * w2 * std::tan(phi1);

  const double m2 = std::trunc(p2 / 60.0);
  const double s2 = p2 - 60.0 * m2;
  const double phi2 = p2 / rho;
  grid.y = zone.c5 * kFeetPerArcSecondOfArc * (60.0 * (m2 - zone.c3) + s2 - zone.c4 - ArcCorrection(phi2)) +
           Nad27HigherOrderNorthing(zone, phi, l);

  const double phim = (phi + phi2) / 2.0;
  const double across = dsec * std::cos(phim);
  grid.convergence = dsec * std::sin(phim) * (1.0 + 1.9587e-12 * across * across) / rho;

  const double eta2 = kSecondEccentricitySquared * c * c;
  const double offset = (grid.x - zone.c1) * 1e-06;
  grid.scale = zone.c5 * (1.0 + offset * offset * (1.0 + eta2) * (1.0 + eta2) / (kScaleDenominator * zone.c5 * zone.c5));
  return grid;
}

}  // namespace korval::netadj
