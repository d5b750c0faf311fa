#include "shell/page_address.h"

#include "build_settings.h"

namespace tavrin {

std::string PageAddress(std::string_view pageKey) {
  std::string address = kMakerAddress;
  address += "/tavrin/ssd.php?page=";
  address += pageKey;
  return address;
}

}  // namespace tavrin
