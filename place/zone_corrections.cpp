#include "place/zone_corrections.h"

#include <iterator>

namespace tavrin::place {
namespace {

constexpr ZoneCorrection kZoneCorrections[] = {
    {"CN", "14", 0, "Asia/Urumqi", "Asia/Shanghai", "Tibet keeps Beijing time"},
    {"CN", "30", 0, "Asia/Urumqi", "Asia/Shanghai", "Guangdong keeps Beijing time"},
    {"PT", "", 2737523, "Europe/Madrid", "Europe/Lisbon", "Moncao lies in Portugal"},
    {"UZ", "", 1513331, "Asia/Bishkek", "Asia/Tashkent", "Quvasoy lies in Uzbekistan"},
    {"EH", "", 2462881, "Africa/Casablanca", "Africa/El_Aaiun", "Laayoune kept its own clock until 1976"},
};

}  // namespace

const ZoneCorrection* FindZoneCorrection(std::uint32_t id, std::string_view countryCode, std::string_view regionCode,
                                         std::string_view listedZone) {
  for (const ZoneCorrection& row : kZoneCorrections) {
    if (row.countryCode == countryCode && (row.regionCode.empty() || row.regionCode == regionCode) &&
        (row.id == 0 || row.id == id) && row.listedZone == listedZone)
      return &row;
  }
  return nullptr;
}

}  // namespace tavrin::place
